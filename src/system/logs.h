// Limits of the recorder's two logs: the activity log (days kept) and the status log (size).
#pragma once

#include <windows.h>

INT_PTR CALLBACK ActivityLogProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
INT_PTR CALLBACK StatusLogProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
