// The alarm property sheet: the system alarms page, one page per alarm input, and the output
// relay pages, as many as the unit has.
#pragma once

#include "rules.h"

#include <windows.h>

#include <array>

inline constexpr int kMaxAlarmInputs = 4;
inline constexpr int kMaxOutputRelays = 4;

// The instance the system alarms page opens the e-mail dialog with.
extern HINSTANCE hParentInst;

// Page procedures of the sheet; entry k - 1 of a table serves input k or relay k.
INT_PTR CALLBACK SystemAlarmsProc(HWND page, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
INT_PTR CALLBACK OutputAlarmsProc(HWND page, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
INT_PTR InputAlarmsProc(HWND page, UINT msg, WPARAM wParam, LPARAM lParam, int channel) noexcept;
INT_PTR CondOutputAlarmsProc(HWND page, UINT msg, WPARAM wParam, LPARAM lParam, int relay) noexcept;
extern const std::array<DLGPROC, kMaxAlarmInputs> InputAlarmProcArray;
extern const std::array<DLGPROC, kMaxOutputRelays> CondOutputAlarmProcArray;

// Opens the sheet from the main window: the system page; two input pages (four on a 32-channel
// unit with an S617 card, none on a Halden unit); then, unless the unit is a Halden one, the
// single output page or, with an S617 card, two or four conditional output pages. It writes
// nothing itself.
void DisplayAlarmProperties(HINSTANCE instance, HWND parent);

// What the alarm pages accept: the relay's channel, and seconds of recording after an input.
inline constexpr ValueRule kRelayChannelRule = NumberRule(1, 32);
inline constexpr ValueRule kAlarmDurationRule = NumberRule(0);
