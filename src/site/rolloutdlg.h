// Files > Roll Out to Sites: the site being edited is the reference; its settings of the commands
// checked are previewed and rolled out to every site below a folder, site by site, with a progress
// bar and a Stop between two sites.
#pragma once

#include <windows.h>

INT_PTR CALLBACK RollOutProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
void DisplayRollOut(HINSTANCE instance, HWND owner);
