// Limits of the recorder's two logs: the activity log (days kept) and the status log (size).
#pragma once

#include "rules.h"

#include <windows.h>

INT_PTR CALLBACK ActivityLogProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
INT_PTR CALLBACK StatusLogProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;

// What the log dialogs accept: days of activity log, kilobytes of status log.
inline constexpr ValueRule kActivityLogDaysRule = NumberRule(1);
inline constexpr ValueRule kStatusLogSizeRule = NumberRule(1, 20000);
