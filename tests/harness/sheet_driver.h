// Steps for property sheets driven with DriveModal: the sheet's window is the step's window.
//
//   DriveModal([] { DisplayCameraProperties(hInst, nullptr); return INT_PTR{0}; },
//              {[](HWND sheet) { HWND page = ShowSheetPage(sheet, 2); ... },
//               [](HWND sheet) { PressSheetButton(sheet, PSBTN_OK); }});
//
// Pressing a button posts it to the sheet: it takes effect when the step has returned, and a
// message box raised on apply is recorded and answered like any other.
#pragma once

#include <windows.h>

#include <prsht.h>

#include <string>
#include <vector>

// Makes page index (0-based) current, creating its window if the user never opened it, and
// returns that window.
HWND ShowSheetPage(HWND sheet, int index);
HWND CurrentSheetPage(HWND sheet);
// PSBTN_OK, PSBTN_APPLYNOW or PSBTN_CANCEL.
void PressSheetButton(HWND sheet, int button);
// The titles of the sheet's tabs, in order.
std::vector<std::string> SheetPageTitles(HWND sheet);
// Whether the sheet's Apply button is enabled (some page reported a change).
bool SheetApplyEnabled(HWND sheet);
// The text of the OK button: "OK", or "Close" once a page has applied (Cancel is then disabled).
std::string SheetOkText(HWND sheet);
