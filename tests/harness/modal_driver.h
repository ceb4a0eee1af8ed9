// Drives a modal dialog (or anything that opens one) from inside its own modal loop.
//
// The dialog is opened by the real code path (a menu command of the main window, or the function
// that shows it). Each step runs from a thread timer inside the modal loop, one step per tick,
// with the dialog's window. Message boxes raised meanwhile are recorded and answered from a queue
// (OK when it is empty). When the steps are spent and the dialog is still open, the driver ends
// it (a property sheet through its Cancel button) and says so; a watchdog ends a run that hangs.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

struct MessageBoxSeen {
    std::string title;
    std::string text;
    std::string kind; // the icon and, unless OK alone, the buttons: "stop", "question yesno", "none"
};

struct ModalRun {
    bool opened = false;        // a dialog of this program was created
    int stepsRun = 0;           // fewer than given: the dialog closed early
    bool endedByDriver = false; // still open after the last step
    INT_PTR result = 0;         // what the opener returned
    std::vector<MessageBoxSeen> boxes;
};

using Step = std::function<void(HWND dlg)>;

ModalRun DriveModal(const std::function<INT_PTR()>& open, const std::vector<Step>& steps, std::deque<int> answers = {});

std::string WindowText(HWND wnd);
std::string ClassOf(HWND wnd);
