// The only door to dialog controls: small helpers over a dialog and a control id, so that dialog
// code reads as what it does to the settings, not as message sequences.
#pragma once

#include "helptopic.h"
#include "profile.h"

#include <windows.h>

#include <span>
#include <string>
#include <vector>

// The control of that number in the dialog (what GetDlgItem gives), found once and kept.
HWND Item(HWND dlg, int id);

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
// right), e.g. back to a box whose value was refused. Not during a rehearsal.
void FocusItem(HWND dlg, int id);

// ---- Messages ---------------------------------------------------------------------------------
// A message that refuses the user's values: the dialog or sheet stays open and nothing of the
// confirmation is stored. Each is declared once, with DeclareRefusal, so that the tests can hold
// a case for every refusal the program can show.
struct Refusal {
    const char* title;
    const char* text; // may hold one %d, the camera, port or channel refused
    UINT style;
};
const Refusal& DeclareRefusal(const char* title, const char* text, UINT style = MB_OK);
const std::vector<const Refusal*>& DeclaredRefusals();

// One check of a confirmation: when ok is false, shows the refusal and returns false, so that the
// save stops (`if (!Check(dlg, hours <= 24, kHoursRefused)) return false;`). During a rehearsal it
// shows nothing and returns true: the rehearsal goes on to learn every value the dialog would store.
bool Check(HWND owner, bool ok, const Refusal& refusal, int number = 0);
// A question; during a rehearsal nothing is shown and the answer is the one given. A question
// whose answer can keep a dialog open is declared as a refusal.
int Ask(HWND owner, const std::string& text, const char* title, UINT style, int rehearsalAnswer);
int Ask(HWND owner, const Refusal& question, int rehearsalAnswer);
// A message that asks nothing; not shown during a rehearsal.
void Tell(HWND owner, const std::string& text, const char* title, UINT style);

// ---- Confirmations ----------------------------------------------------------------------------
// Runs a dialog's save as if OK were pressed now, storing and showing nothing, so that a later OK
// keeps every stored value the user did not change (profile.h says how). Called when the dialog
// has shown what the files hold, and again when it shows another record.
template <typename Save>
void Rehearse(HWND dlg, Save save);
// The rehearsal of a dialog or page (0 for none); forgotten when its window goes.
long RehearsalOf(HWND dlg);
void ForgetRehearsalOf(HWND dlg);

// When a value could not be stored since the last BeginWrites, tells the user once which file and
// why (values stored before it stay stored) and returns true. A change history that could not be
// written is told too, saying that the changes are saved only when they were.
bool ReportFailedWrite(HWND owner);

// Writes made at once rather than on OK (Update, Apply, a radio button that stores its choice):
// held until done, then stored; a value that could not be stored is said the same way. Returns
// whether every value was stored.
template <typename Write>
bool WriteNow(HWND owner, Write write)
{
    BeginWrites(RehearsalOf(owner));
    write();
    CommitWrites();
    return !ReportFailedWrite(owner);
}

// OK of a dialog: save checks and writes and returns true, or tells the user why not and returns
// false, and then nothing is stored; the dialog closes with result 1 only when it saved and every
// value was stored.
template <typename Save>
void SaveAndClose(HWND dlg, Save save)
{
    BeginWrites(RehearsalOf(dlg));
    if (!save(dlg)) {
        DropWrites();
        return;
    }
    CommitWrites();
    if (!ReportFailedWrite(dlg))
        EndDialog(dlg, 1);
}

template <typename Save>
void Rehearse(HWND dlg, Save save)
{
    const ReadSession session;
    ForgetRehearsalOf(dlg);
    SetPropA(dlg, "OrvaRehearsal", reinterpret_cast<HANDLE>(static_cast<INT_PTR>(BeginRehearsal())));
    save(dlg);
    EndRehearsal();
}

// The usual modal dialog: show fills the controls when it opens, and the save is rehearsed; OK
// calls save, which checks and writes and returns true, or tells the user why not and returns
// false to keep the dialog open with nothing stored; a value the system could not store keeps it
// open too. Cancel closes without writing. Both close with result 1. A Help button opens the
// guide at the dialog's section.
template <typename Show, typename Save>
INT_PTR OkCancelDialog(HWND dlg, UINT msg, WPARAM wParam, Show show, Save save)
{
    switch (msg) {
    case WM_INITDIALOG: {
        const ReadSession session; // what the dialog shows, read a section at a time
        show(dlg);
        Rehearse(dlg, save);
        return TRUE;
    }
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            SaveAndClose(dlg, save);
            return TRUE;
        case IDCANCEL:
            EndDialog(dlg, 1);
            return TRUE;
        case IDHELP:
            RequestHelp(dlg);
            return TRUE;
        default:
            return FALSE;
        }
    case WM_DESTROY:
        ForgetRehearsalOf(dlg);
        return FALSE;
    default:
        return FALSE;
    }
}
