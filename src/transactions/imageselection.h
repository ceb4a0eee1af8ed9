// Image selection: compression, the change thresholds that decide a new picture, samples per
// surveillance image, light compensation and the global contrast settings.
#pragma once

#include <windows.h>

INT_PTR CALLBACK ImageSelectionProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
