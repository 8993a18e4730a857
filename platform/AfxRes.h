// Resource ids the framework itself looks up; plain defines so that .rc files can include them.
#pragma once

// The application's icon: the default frame window class carries it, and as the
// program's first icon group it is the one Explorer shows for the file.
#define AFX_IDI_STD_FRAME 2
