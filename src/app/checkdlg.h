// Files > Check Site: the site check's findings in a list; a double-click opens the owning command.
#pragma once

#include <windows.h>

INT_PTR CALLBACK CheckSiteProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
void DisplaySiteCheck(HINSTANCE instance, HWND owner);
