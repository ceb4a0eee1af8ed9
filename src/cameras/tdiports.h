// The TDI port sheet: for each transaction data port of the capture cards, whether it is used and
// which camera's images its transactions are filed with.
#pragma once

#include <windows.h>

#include <array>

// Four ports a capture card; the sheet shows at most two cards.
inline constexpr int kMaxTdiPorts = 8;

// The page procedures, entry k - 1 serving port k.
extern const std::array<DLGPROC, kMaxTdiPorts> SerialPortPropArray;

// The common page procedure; port is 1 to 8, supplied by the page's thunk.
INT_PTR SerialPortPropProc(HWND page, UINT msg, WPARAM wParam, LPARAM lParam, int port) noexcept;
// Shows the name of camera Ch in the page's camera name box (cut at 23 characters).
void ShowCameraName(HWND hDlg, int Ch);

// Opens the sheet from the main window: four pages a capture card, at least four, at most eight.
void DisplaySerialPortProperties(HINSTANCE instance, HWND parent);
