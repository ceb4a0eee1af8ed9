// Files > Check Site: the site check's findings in a list; a double-click opens the owning command
// through the function the main window hands over (it knows the commands; this dialog does not).
#pragma once

#include <windows.h>

using OpenCommand = void (*)(HWND owner, UINT command);

INT_PTR CALLBACK CheckSiteProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
void DisplaySiteCheck(HINSTANCE instance, HWND owner, OpenCommand openCommand);
