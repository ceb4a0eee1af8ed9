// Video parameters: the stored image size, and for analog capture cards the video sync and
// recovery times; in advanced mode also the switch that logs the video resolution.
#pragma once

#include <windows.h>

INT_PTR CALLBACK VideoCfgProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
