// The surveillance schedule sheet: whether the weekly schedule is used, and hour by hour for each
// day of the week the ON periods in which every camera's images are saved. The hours are shown
// twice, a page a day and the whole week on one page; both edit the same hours, which the sheet's
// OK or Apply stores once.
#pragma once

#include <windows.h>

#include <array>
#include <string>

// The key prefixes of the days, indexed by day page 1 (Sunday) to 7 (Saturday); entry 0 unused.
extern const std::array<const char*, 8> DayOfWeek;
// The check box of each hour of the day, 0 to 23.
extern const std::array<int, 24> HourToCheckBox;
// The days' names as the pages are titled, indexed as DayOfWeek; entry 0 unused.
extern const std::array<const char*, 8> DayName;
// An hour as its box on a day page is labelled, "08:00 - 08:59 AM".
std::string HourLabel(int hour);

// The "Properties" page: the schedule switched on, and motion images saved in OFF periods.
INT_PTR CALLBACK SchedPropProc(HWND page, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
// The common day page procedure; day is 1 (Sunday) to 7 (Saturday).
INT_PTR SchedProc(HWND page, UINT msg, WPARAM wParam, LPARAM lParam, int day) noexcept;

extern const DLGPROC SchedProcSun, SchedProcMon, SchedProcTue, SchedProcWed, SchedProcThu, SchedProcFri, SchedProcSat;
// The "Week" page: the 168 hours on one grid.
INT_PTR CALLBACK SchedProcWeek(HWND page, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;

// Opens the sheet from the main window on its "Properties" page.
void DisplaySchedProperties(HINSTANCE instance, HWND parent);
