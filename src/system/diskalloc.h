// Disk allocation: the space reserved each day for transaction images, how long each kind of
// image stays on disk, and in advanced mode where image files are kept.
#pragma once

#include <windows.h>

INT_PTR CALLBACK DiskAllocProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
