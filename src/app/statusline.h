// The status line at the foot of the main window: the help text of the highlighted menu item,
// and otherwise which recorder's files are being edited, so that a technician sees at a glance
// where a change will go.
#pragma once

#include <windows.h>

// Creates the line (kept in hStatusWnd) showing the site.
void CreateStatusLine(HWND main);
// Keeps the line along the bottom of the main window's client area.
void PlaceStatusLine(int clientWidth, int clientHeight);
// WM_MENUSELECT of the main window.
void ShowMenuHelp(WPARAM wParam, LPARAM lParam);
