// System health: when the recorder's supervisor reboots for multiplexer timeouts, how often it
// checks the disk, how long an error may last, and when routine maintenance runs.
#pragma once

#include "rules.h"

#include <windows.h>

INT_PTR CALLBACK SystemHealthProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
// The maintenance time controls: hour, minute and the time format.
void DisableSpecificPMTime(HWND dlg);
void EnableSpecificPMTime(HWND dlg);
// The hour converted for the other form, reading or setting the AM and PM boxes.
int Change24to12(HWND dlg, int hour);
int Change12to24(HWND dlg, int hour);

// What the system health dialog accepts.
inline constexpr ValueRule kDirtyBitHoursRule = NumberRule(1, 24);
inline constexpr ValueRule kErrorMinutesRule = NumberRule(1, 60);
inline constexpr ValueRule kMaintenanceHourRule = NumberRule(0, 24);
inline constexpr ValueRule kMaintenanceMinuteRule = NumberRule(0, 60);
