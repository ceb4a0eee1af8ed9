// The week grid: the surveillance schedule's 168 hours on one control, seven days by 24 hours,
// painted with the mouse (drag a rectangle, click a day's name or an hour's heading) and with the
// keyboard (arrows, Shift, Space, Home, End).
#pragma once

#include <windows.h>

#include <array>

// The week's hours as the recorder keeps them: day 0 (Sunday) to 6, hour 0 to 23; true is ON.
using WeekHours = std::array<std::array<bool, 24>, 7>;

// A cell of the grid.
struct WeekCell {
    int day = 0, hour = 0;
    bool operator==(const WeekCell&) const = default;
};

inline constexpr char kWeekGridClass[] = "OrvaWeekGrid";

// Registers the grid's window class for the module once; templates that hold a grid can be
// created only afterwards. False when it cannot be registered.
bool RegisterWeekGrid(HINSTANCE instance);

// Messages to the grid.
// lParam: the WeekHours the grid shows and edits, owned by the caller for the grid's life (or
// null); sent again when the hours were changed elsewhere, to show them.
inline constexpr UINT WGM_SETHOURS = WM_USER + 1;
// The cell to name to the user: the one under the pointer, else the focus cell, as
// MAKELRESULT(day, hour).
inline constexpr UINT WGM_NAMEDCELL = WM_USER + 2;
// The focus cell, as MAKELRESULT(day, hour).
inline constexpr UINT WGM_FOCUSCELL = WM_USER + 3;

// Notices to the parent, as WM_COMMAND with MAKEWPARAM(id, code) and the grid's window.
inline constexpr WORD WGN_CHANGED = 1;   // the user changed hours
inline constexpr WORD WGN_NAMEDCELL = 2; // another cell is to be named (pointer or focus moved)
