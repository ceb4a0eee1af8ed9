// The surveillance schedule sheet: whether the weekly schedule is used, and hour by hour for each
// day of the week the ON periods in which every camera's images are saved.
#pragma once

#include <windows.h>

#include <array>

// The key prefixes of the days, indexed by day page 1 (Sunday) to 7 (Saturday); entry 0 unused.
extern const std::array<const char*, 8> DayOfWeek;
// The check box of each hour of the day, 0 to 23.
extern const std::array<int, 24> HourToCheckBox;

// The "Properties" page: the schedule switched on, and motion images saved in OFF periods.
INT_PTR CALLBACK SchedPropProc(HWND page, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
// The common day page procedure; day is 1 (Sunday) to 7 (Saturday).
INT_PTR SchedProc(HWND page, UINT msg, WPARAM wParam, LPARAM lParam, int day) noexcept;

extern const DLGPROC SchedProcSun, SchedProcMon, SchedProcTue, SchedProcWed, SchedProcThu, SchedProcFri, SchedProcSat;

// Opens the sheet from the main window on its "Properties" page.
void DisplaySchedProperties(HINSTANCE instance, HWND parent);
