// The numbers of the report program's texts, from IDS_REPORT_FIRST (2000) up.
#pragma once
