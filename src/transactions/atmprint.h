// ATM receipt text: which of the first twelve printed receipt lines the recorder shows under a
// transaction image, on which of three display lines, and in which colours. Kept in TRANDATA.INI.
#pragma once

#include <windows.h>

#include <string>

#include <array>

// The colours the recorder draws receipt text in; the stored value is the position.
inline constexpr std::array<const char*, 5> ColorText = {"Black", "White", "Red", "Green", "Blue"};

// The receipt text file: the recorder's own in the Windows folder at the local site; the copy's
// beside the system INI file at a remote one.
std::string TranDataFile();

INT_PTR CALLBACK ATMPrintProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
// Load receipt line 1 to 12 into the display controls; write it from them.
void ShowATMLineStatus(HWND dlg, int line);
void UpdateATMLineStatus(HWND dlg, int line);
