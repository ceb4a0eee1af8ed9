// The communication port of the primary multiplexer and of slaves 1 to 3: a COM port or, from
// recorder version 11 on, one of two USB links, and the serial line settings.
#pragma once

#include <windows.h>

INT_PTR CALLBACK PriMuxComProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
// The slave's number, 1 to 3, is taken from iDlgResult, set by the menu command.
INT_PTR CALLBACK SlaveMuxComProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;

// Shows the USB identifier of the link chosen as the port, or the serial settings for a COM port.
void CheckForUSB(HWND dlg);
