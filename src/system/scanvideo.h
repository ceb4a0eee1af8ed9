// The analog video output, which cycles through chosen camera ports (on 32-channel S617 units in
// two banks of 16, one per video card), and the caption drawn on saved images.
#pragma once

#include "rules.h"

#include <windows.h>

#include <array>

// The port check boxes, ports 1 to 16 of the bank shown.
inline constexpr std::array<int, 16> ScanVideoCheckbox = {272, 234, 103, 104, 189, 110, 244, 112,
                                                          241, 247, 114, 115, 116, 117, 118, 119};
// The corners a caption can take; the stored value is the text.
inline constexpr std::array<const char*, 4> CaptionLoc = {"Upper Left Corner", "Upper Right Corner", "Lower Left Corner",
                                                          "Lower Right Corner"};

// The bank shown by the 32-channel layout, 1 or 2.
extern int iBank;

INT_PTR CALLBACK ScanVideoProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
INT_PTR CALLBACK ScanVideoProc32(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
INT_PTR CALLBACK CaptionsProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
void EnableScanVideo(HWND dlg);
void DisableScanVideo(HWND dlg);
void ShowScanVideo(HWND dlg, int bank);

// Seconds each camera is shown on the video output: at most ten minutes.
inline constexpr ValueRule kScanTimeRule = NumberRule(0, 6000);
