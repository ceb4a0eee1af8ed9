// Remote status monitoring (how many video and data ports the Korvel companion checks, how often
// status reports go out) and the modem setup.
#pragma once

#include "rules.h"

#include <windows.h>

// Plain units and, with their smaller port counts, Kesto units (Wendrel, version 11 on).
INT_PTR CALLBACK RmtMonitorProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
INT_PTR CALLBACK RmtMonitorProcKesto(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
INT_PTR CALLBACK ModemProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;

// What the modem dialog accepts: rings before answering, seconds without an answer.
inline constexpr ValueRule kModemRingsRule = NumberRule(1);
inline constexpr ValueRule kModemTimeoutRule = NumberRule(1, 360);
