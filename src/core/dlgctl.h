// The only door to dialog controls: small helpers over a dialog and a control id, so that dialog
// code reads as what it does to the settings, not as message sequences.
#pragma once

#include "profile.h"

#include <windows.h>

#include <span>
#include <string>
#include <vector>

// Text of a control, at most maxChars characters (the recorder's buffer for that setting).
std::string GetItemText(HWND dlg, int id, size_t maxChars);
void SetItemText(HWND dlg, int id, const std::string& text);
// Most characters the user can type into an edit box.
void LimitItemText(HWND dlg, int id, int maxChars);

// Numbers in edit boxes, read whole by the program's own rule (ParseSignedText and
// ParseUnsignedText): a box that does not hold exactly one number in range reads as 0.
int GetItemInt(HWND dlg, int id);
unsigned GetItemUInt(HWND dlg, int id);
void SetItemInt(HWND dlg, int id, int value);
void SetItemUInt(HWND dlg, int id, unsigned value);

// A record stepper ("+"/"-", "Next"/"Previous"): the number in the box moved by delta and held
// within low and high; shows and returns it.
int StepItemInt(HWND dlg, int id, int delta, int low, int high);

bool IsItemChecked(HWND dlg, int id);
void SetItemCheck(HWND dlg, int id, bool checked);
void EnableItem(HWND dlg, int id, bool enabled);
void ShowItem(HWND dlg, int id, bool shown);

// Combo boxes filled from a name table, where the stored value is the position in the table.
void FillCombo(HWND dlg, int id, std::span<const char* const> names);
void FillCombo(HWND dlg, int id, const std::vector<std::string>& items);
int GetComboSel(HWND dlg, int id); // CB_ERR (-1) when nothing is selected
void SetComboSel(HWND dlg, int id, int index);
std::string GetComboSelText(HWND dlg, int id);
// Selects the first item at or after startAfter + 1 (wrapping round to the top) whose text begins
// with prefix, without regard to case; returns its index or CB_ERR, leaving the selection alone.
int SelectComboPrefix(HWND dlg, int id, const std::string& prefix, int startAfter = -1);

// Moves the keyboard focus to a control the way the dialog manager does (default button kept
// right), e.g. back to a box whose value was refused.
void FocusItem(HWND dlg, int id);

// When a value could not be stored since the last MarkWrites, tells the user once which file and
// why (values stored before it stay stored) and returns true.
bool ReportFailedWrite(HWND owner);

// Writes made at once rather than on OK (Update, Apply, a radio button that stores its choice):
// a value that could not be stored is said the same way.
template <typename Write>
void WriteNow(HWND owner, Write write)
{
    MarkWrites();
    write();
    ReportFailedWrite(owner);
}

// OK of a dialog: save writes and returns true, or tells the user why not and returns false; the
// dialog closes with result 1 only when it saved and every value was stored.
template <typename Save>
void SaveAndClose(HWND dlg, Save save)
{
    MarkWrites();
    if (save(dlg) && !ReportFailedWrite(dlg))
        EndDialog(dlg, 1);
}

// The usual modal dialog: show fills the controls when it opens; OK calls save, which writes
// and returns true, or tells the user why not and returns false to keep the dialog open; a value
// the system could not store keeps it open too. Cancel closes without writing. Both close with
// result 1.
template <typename Show, typename Save>
INT_PTR OkCancelDialog(HWND dlg, UINT msg, WPARAM wParam, Show show, Save save)
{
    switch (msg) {
    case WM_INITDIALOG:
        show(dlg);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            SaveAndClose(dlg, save);
            return TRUE;
        case IDCANCEL:
            EndDialog(dlg, 1);
            return TRUE;
        default:
            return FALSE;
        }
    default:
        return FALSE;
    }
}
