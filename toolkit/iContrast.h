// Windows' high-contrast setting: while it is on, what the toolkit colours itself takes the
// system's colours.
#pragma once
#include "Afx.h"

// The settings call the question goes through; tests may put their own in its place, since
// Wine always answers "off".
typedef BOOL(WINAPI* ContrastQueryFn)(UINT action, UINT param, PVOID data, UINT winIni);
extern ContrastQueryFn ContrastQuery;

// True while a high-contrast theme is on. Asked at each paint, so a change shows at the next one.
bool iHighContrast();

// Repaints a top-level window and all its children after the system's colours or its contrast
// setting changed; the message's own handling is left to the caller.
void iRepaintForTheme(HWND window);

// Gives a tool tip the system's tip colours of the moment while high contrast is on. A tip takes
// the colours of when the common controls were loaded, which go stale when the theme changes
// while the program runs; off, the tip keeps the look the visual style gives it.
void iTipFollowsContrast(HWND tip);

// True when the system asks programs to show what they sound (ShowSounds).
bool iShowSounds();
