// The run-time type descriptions used by the settings.
#pragma once
#include "iTypeBase.h"
#include "iTypeCollection.h"
#include "iTypeItems.h"
