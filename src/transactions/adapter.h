// The network adapter through which TCP/IP transaction monitoring captures traffic, its filter,
// and whether the recorder's own capture program is used.
#pragma once

#include <windows.h>

INT_PTR CALLBACK AdapterProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
