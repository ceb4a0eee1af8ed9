#include "modal_driver.h"

#include "defines.h"

#include <prsht.h>

#include <gtest/gtest.h>

#include <set>

namespace {

struct DriverState {
    const std::vector<Step>* steps = nullptr;
    std::deque<int> answers;
    ModalRun run;
    HWND dialog = nullptr;
    UINT_PTR stepTimer = 0;
    bool inStep = false, timedOut = false;
    std::set<HWND> boxesSeen;
    std::vector<std::pair<HWND, int>> pendingAnswers;
};

DriverState* state = nullptr;

// A property sheet ignores EndDialog: it closes through its own buttons.
void EndDriven(HWND dlg)
{
    if (SendMessageA(dlg, PSM_GETTABCONTROL, 0, 0))
        PostMessageA(dlg, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    else
        EndDialog(dlg, -7001);
}

bool IsDialogClass(HWND wnd) { return ClassOf(wnd) == "#32770"; }

// The icon and buttons of the system's message box template.
std::string KindOf(HWND box)
{
    const auto shown = reinterpret_cast<HICON>(SendDlgItemMessageA(box, 0x0440, STM_GETICON, 0, 0));
    std::string kind = "none";
    for (const auto& [id, name] : {std::pair{IDI_HAND, "stop"}, {IDI_EXCLAMATION, "exclamation"},
                                   {IDI_ASTERISK, "information"}, {IDI_QUESTION, "question"}})
        if (shown && LoadIconA(nullptr, id) == shown)
            kind = name;
    const bool yes = GetDlgItem(box, IDYES), cancel = GetDlgItem(box, IDCANCEL);
    return kind + (yes ? (cancel ? " yesnocancel" : " yesno") : cancel ? " okcancel" : "");
}

void CALLBACK AnswerBoxes(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    if (!state)
        return;
    for (const auto& [box, answer] : std::exchange(state->pendingAnswers, {}))
        if (IsWindow(box))
            PostMessageA(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, answer)));
}

void CALLBACK RunNextStep(HWND, UINT, UINT_PTR, DWORD)
{
    if (!state || state->inStep || !state->dialog || !IsWindow(state->dialog))
        return;
    if (static_cast<size_t>(state->run.stepsRun) >= state->steps->size()) {
        KillTimer(nullptr, std::exchange(state->stepTimer, 0));
        state->run.endedByDriver = true;
        EndDriven(state->dialog);
        return;
    }
    state->inStep = true;
    (*state->steps)[static_cast<size_t>(state->run.stepsRun++)](state->dialog);
    state->inStep = false;
}

void CALLBACK Watchdog(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    state->timedOut = true;
    for (HWND box : state->boxesSeen)
        if (IsWindow(box))
            PostMessageA(box, WM_COMMAND, IDOK, 0);
    if (state->dialog && IsWindow(state->dialog))
        EndDriven(state->dialog);
}

LRESULT CALLBACK CbtHook(int code, WPARAM wParam, LPARAM lParam)
{
    const HWND wnd = reinterpret_cast<HWND>(wParam);
    if (state && code == HCBT_CREATEWND && !state->dialog && IsDialogClass(wnd) &&
        reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs->hInstance == hInst) {
        state->dialog = wnd;
        state->run.opened = true;
        state->stepTimer = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, RunNextStep);
    }
    // A message box is a dialog the system made from its own template, not from this module.
    if (state && code == HCBT_ACTIVATE && IsDialogClass(wnd) && GetDlgItem(wnd, 0xFFFF) &&
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(wnd, GWLP_HINSTANCE)) != hInst && state->boxesSeen.insert(wnd).second) {
        state->run.boxes.push_back({WindowText(wnd), WindowText(GetDlgItem(wnd, 0xFFFF)), KindOf(wnd)});
        int answer = IDOK;
        if (!state->answers.empty()) {
            answer = state->answers.front();
            state->answers.pop_front();
        }
        // Clicking inside the hook would re-enter it: the answer goes from a timer.
        state->pendingAnswers.emplace_back(wnd, answer);
        SetTimer(nullptr, 0, 0, AnswerBoxes);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

std::string WindowText(HWND wnd)
{
    std::string text(static_cast<size_t>(GetWindowTextLengthA(wnd)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(wnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::string ClassOf(HWND wnd)
{
    char cls[32] = "";
    GetClassNameA(wnd, cls, sizeof cls);
    return cls;
}

ModalRun DriveModal(const std::function<INT_PTR()>& open, const std::vector<Step>& steps, std::deque<int> answers)
{
    DriverState local;
    local.steps = &steps;
    local.answers = std::move(answers);
    state = &local;
    const HHOOK hook = SetWindowsHookExA(WH_CBT, CbtHook, nullptr, GetCurrentThreadId());
    const UINT_PTR watchdog = SetTimer(nullptr, 0, 15000, Watchdog);
    local.run.result = open();
    UnhookWindowsHookEx(hook);
    KillTimer(nullptr, local.stepTimer);
    KillTimer(nullptr, watchdog);
    MSG msg; // drop timer messages still queued for this run
    while (PeekMessageA(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE)) {
    }
    state = nullptr;
    EXPECT_FALSE(local.timedOut) << "the dialog or a message box did not close";
    return local.run;
}
