// Drives a modal dialog (or anything that opens one) from inside its own modal loop.
//
// The dialog is opened by the real code path (DialogBoxParamA with the real template and
// procedure, or a menu command of the main window). Each step runs from a thread timer inside
// the modal loop, one step per tick, with the dialog's window. Message boxes raised meanwhile
// are recorded and answered from a queue (OK when the queue is empty). When the steps are spent
// and the dialog is still open, the driver ends it (a property sheet through its Cancel button)
// and says so; a watchdog ends a run that hangs.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

struct MessageBoxSeen {
    std::string title;
    std::string text;
    UINT buttons = 0; // MB_OK, MB_OKCANCEL, MB_YESNO, MB_YESNOCANCEL
    UINT icon = 0;    // MB_ICONSTOP, MB_ICONEXCLAMATION, MB_ICONINFORMATION, MB_ICONQUESTION or 0
};

struct ModalRun {
    bool opened = false;        // a dialog of this program was created
    std::string caption;        // its caption when the first step ran
    int stepsRun = 0;           // steps that ran; fewer than given means the dialog closed early
    bool endedByDriver = false; // still open after the last step
    bool timedOut = false;
    INT_PTR result = 0; // what the opener returned
    std::vector<MessageBoxSeen> boxes;
};

using Step = std::function<void(HWND dlg)>;

ModalRun DriveModal(const std::function<INT_PTR()>& open, const std::vector<Step>& steps,
                    std::deque<int> answers = {});

// Opens a template of this program with a procedure, as the main window does.
ModalRun DriveDialog(const char* templateName, DLGPROC proc, const std::vector<Step>& steps,
                     std::deque<int> answers = {});
