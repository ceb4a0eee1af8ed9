#include "modal_driver.h"

#include "defines.h"

#include <prsht.h>

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

constexpr INT_PTR kEndedByDriver = -7001;
constexpr UINT kWatchdogMs = 15000;

struct DriverState {
    const std::vector<Step>* steps = nullptr;
    std::deque<int> answers;
    ModalRun run;
    HWND dialog = nullptr;
    HHOOK hook = nullptr;
    UINT_PTR stepTimer = 0;
    UINT_PTR watchdog = 0;
    bool inStep = false;
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
        EndDialog(dlg, kEndedByDriver);
}

bool IsDialogClass(HWND wnd)
{
    char cls[16] = "";
    GetClassNameA(wnd, cls, sizeof cls);
    return std::string(cls) == "#32770";
}

std::string WindowText(HWND wnd)
{
    std::vector<char> buf(static_cast<size_t>(GetWindowTextLengthA(wnd)) + 2, '\0');
    GetWindowTextA(wnd, buf.data(), static_cast<int>(buf.size()));
    return buf.data();
}

// A message box is a dialog the system made from its own template: not from this module.
bool IsMessageBox(HWND wnd)
{
    return IsDialogClass(wnd) &&
           reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(wnd, GWLP_HINSTANCE)) != hInst &&
           GetDlgItem(wnd, 0xFFFF) != nullptr;
}

UINT IconOf(HWND box)
{
    // The icon static of the system's message box template.
    const HWND icon = GetDlgItem(box, 0x0440);
    if (!icon)
        return 0;
    const auto shown = reinterpret_cast<HICON>(SendMessageA(icon, STM_GETICON, 0, 0));
    if (!shown)
        return 0;
    const struct {
        LPCSTR id;
        UINT flag;
    } icons[] = {{IDI_HAND, MB_ICONSTOP},
                 {IDI_EXCLAMATION, MB_ICONEXCLAMATION},
                 {IDI_ASTERISK, MB_ICONINFORMATION},
                 {IDI_QUESTION, MB_ICONQUESTION}};
    for (const auto& entry : icons)
        if (LoadIconA(nullptr, entry.id) == shown)
            return entry.flag;
    return 0;
}

UINT ButtonsOf(HWND box)
{
    const bool yes = GetDlgItem(box, IDYES), no = GetDlgItem(box, IDNO);
    const bool cancel = GetDlgItem(box, IDCANCEL);
    if (yes && no)
        return cancel ? MB_YESNOCANCEL : MB_YESNO;
    return cancel ? MB_OKCANCEL : MB_OK;
}

void CALLBACK AnswerBoxes(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    if (!state)
        return;
    auto pending = std::move(state->pendingAnswers);
    state->pendingAnswers.clear();
    for (const auto& [box, answer] : pending)
        if (IsWindow(box))
            PostMessageA(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(box, answer)));
}

void CALLBACK RunNextStep(HWND, UINT, UINT_PTR, DWORD)
{
    if (!state || state->inStep || !state->dialog || !IsWindow(state->dialog))
        return;
    const HWND dlg = state->dialog;
    if (state->run.stepsRun == 0)
        state->run.caption = WindowText(dlg);
    if (static_cast<size_t>(state->run.stepsRun) >= state->steps->size()) {
        KillTimer(nullptr, state->stepTimer);
        state->stepTimer = 0;
        state->run.endedByDriver = true;
        EndDriven(dlg);
        return;
    }
    state->inStep = true;
    const Step& step = (*state->steps)[static_cast<size_t>(state->run.stepsRun)];
    ++state->run.stepsRun;
    step(dlg);
    state->inStep = false;
}

void CALLBACK Watchdog(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    if (!state)
        return;
    state->run.timedOut = true;
    for (HWND box : state->boxesSeen)
        if (IsWindow(box))
            PostMessageA(box, WM_COMMAND, IDOK, 0);
    if (state->dialog && IsWindow(state->dialog))
        EndDriven(state->dialog);
}

LRESULT CALLBACK CbtHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (state && code == HCBT_CREATEWND && !state->dialog) {
        const HWND wnd = reinterpret_cast<HWND>(wParam);
        const auto* create = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
        if (IsDialogClass(wnd) && create->hInstance == hInst) {
            state->dialog = wnd;
            state->run.opened = true;
            state->stepTimer = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, RunNextStep);
        }
    }
    if (state && code == HCBT_ACTIVATE) {
        const HWND wnd = reinterpret_cast<HWND>(wParam);
        if (IsMessageBox(wnd) && state->boxesSeen.insert(wnd).second) {
            MessageBoxSeen seen;
            seen.title = WindowText(wnd);
            seen.text = WindowText(GetDlgItem(wnd, 0xFFFF));
            seen.buttons = ButtonsOf(wnd);
            seen.icon = IconOf(wnd);
            state->run.boxes.push_back(seen);
            int answer = IDOK;
            if (!state->answers.empty()) {
                answer = state->answers.front();
                state->answers.pop_front();
            }
            state->pendingAnswers.emplace_back(wnd, answer);
            SetTimer(nullptr, 0, 0, AnswerBoxes);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

ModalRun DriveModal(const std::function<INT_PTR()>& open, const std::vector<Step>& steps,
                    std::deque<int> answers)
{
    DriverState local;
    local.steps = &steps;
    local.answers = std::move(answers);
    state = &local;
    local.hook = SetWindowsHookExA(WH_CBT, CbtHook, nullptr, GetCurrentThreadId());
    local.watchdog = SetTimer(nullptr, 0, kWatchdogMs, Watchdog);
    local.run.result = open();
    UnhookWindowsHookEx(local.hook);
    if (local.stepTimer)
        KillTimer(nullptr, local.stepTimer);
    KillTimer(nullptr, local.watchdog);
    // Drop timer messages still queued for this run.
    MSG msg;
    while (PeekMessageA(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE)) {
    }
    state = nullptr;
    EXPECT_FALSE(local.run.timedOut) << "the dialog or a message box did not close";
    return local.run;
}

ModalRun DriveDialog(const char* templateName, DLGPROC proc, const std::vector<Step>& steps,
                     std::deque<int> answers)
{
    return DriveModal([&] { return DialogBoxParamA(hInst, templateName, nullptr, proc, 0); },
                      steps, std::move(answers));
}
