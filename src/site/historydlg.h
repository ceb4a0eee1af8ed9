// Files > History: the site's change history, and undoing one confirmation of it.
#pragma once

#include <windows.h>

#include "history.h"

#include <vector>

INT_PTR CALLBACK HistoryProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
// Opens the dialog from the main window.
void DisplayHistory(HINSTANCE instance, HWND owner);

// What undoing a confirmation writes: each key once, with the value it had before the
// confirmation and the one the confirmation left.
std::vector<HistoryValue> NetValues(const Confirmation& confirmation);
// Those of them whose stored value is no longer the one the confirmation left.
std::vector<HistoryValue> ChangedSince(const std::vector<HistoryValue>& values);
