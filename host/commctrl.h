// Host build only: the common controls are never used by the window-less code.
#pragma once
