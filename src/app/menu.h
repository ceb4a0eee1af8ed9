// Adapting the one menu resource to the unit being configured and to advanced mode.
#pragma once

#include <windows.h>

// Removes, renames and inserts commands on the freshly loaded menu of the main window.
void SetUpMenu(HWND wnd);

// The "&Advanced" command: switches advanced mode, stores it, and rebuilds the menu at once.
void ToggleAdvancedMode(HWND wnd);
