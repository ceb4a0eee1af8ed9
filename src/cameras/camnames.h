// The camera name assignment dialog: the names remote users see, one camera at a time.
#pragma once

#include <windows.h>

INT_PTR CALLBACK LobbyNmProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
