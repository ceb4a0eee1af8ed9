#include "harness.h"

#include "defines.h"
#include "app/orva_config.h"

#include <commctrl.h>
#include <prsht.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>

namespace {

struct DriverState {
    const std::vector<Step>* steps = nullptr;
    std::deque<int> answers;
    ModalRun run;
    std::vector<HWND> dialogs; // this program's dialogs opened during the run, the newest last
    UINT_PTR stepTimer = 0;
    bool inStep = false, timedOut = false;
    std::set<HWND> boxesSeen;
    std::vector<std::pair<HWND, int>> pendingAnswers;
};

DriverState* state = nullptr;

// A property sheet ignores EndDialog: it closes through its own buttons.
void EndDriven(HWND dlg)
{
    SendMessageA(dlg, PSM_GETTABCONTROL, 0, 0) ? PostMessageA(dlg, PSM_PRESSBUTTON, PSBTN_CANCEL, 0) : EndDialog(dlg, -7001);
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

// Steps act on the newest dialog still open: one a step opened from another comes first.
HWND TopDialog()
{
    while (!state->dialogs.empty() && !IsWindow(state->dialogs.back()))
        state->dialogs.pop_back();
    return state->dialogs.empty() ? nullptr : state->dialogs.back();
}

void CALLBACK RunNextStep(HWND, UINT, UINT_PTR, DWORD)
{
    const HWND dlg = state && !state->inStep ? TopDialog() : nullptr;
    // A message box a clicked button raised is answered before the next step.
    if (!dlg || std::any_of(state->boxesSeen.begin(), state->boxesSeen.end(), [](HWND box) { return IsWindow(box); }))
        return;
    if (static_cast<size_t>(state->run.stepsRun) >= state->steps->size()) {
        state->run.endedByDriver = true;
        EndDriven(dlg);
        return;
    }
    state->inStep = true;
    (*state->steps)[static_cast<size_t>(state->run.stepsRun++)](dlg);
    state->inStep = false;
}

void CALLBACK Watchdog(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    state->timedOut = true;
    for (HWND box : state->boxesSeen)
        if (IsWindow(box))
            PostMessageA(box, WM_COMMAND, IDOK, 0);
    for (const HWND dlg : state->dialogs)
        if (IsWindow(dlg))
            EndDriven(dlg);
}

LRESULT CALLBACK CbtHook(int code, WPARAM wParam, LPARAM lParam)
{
    const HWND wnd = reinterpret_cast<HWND>(wParam);
    const auto* create = code == HCBT_CREATEWND ? reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs : nullptr;
    // This program's dialogs, and the system's open-file dialog that a step opens from one.
    const bool ours = create && (create->hInstance == hInst || create->hInstance == GetModuleHandleA("comdlg32.dll"));
    if (state && ours && IsDialogClass(wnd) && !(create->style & WS_CHILD)) {
        if (state->dialogs.empty())
            state->stepTimer = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, RunNextStep);
        state->dialogs.push_back(wnd);
        state->run.opened = true;
    }
    // A message box is a dialog the system made from its own template, not from this module.
    if (state && code == HCBT_ACTIVATE && IsDialogClass(wnd) && GetDlgItem(wnd, 0xFFFF) &&
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(wnd, GWLP_HINSTANCE)) != hInst && state->boxesSeen.insert(wnd).second) {
        state->run.boxes.push_back({WindowText(wnd), WindowText(GetDlgItem(wnd, 0xFFFF)), KindOf(wnd)});
        const int answer = state->answers.empty() ? IDOK : state->answers.front();
        if (!state->answers.empty())
            state->answers.pop_front();
        // Clicking inside the hook would re-enter it: the answer goes from a timer.
        state->pendingAnswers.emplace_back(wnd, answer);
        SetTimer(nullptr, 0, 0, AnswerBoxes);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Message boxes raised outside a driven run would wait for a click that never comes: each is a
// failure of the test that raised it, answered at once so that the test goes on.
std::vector<HWND> strayBoxes;

void CALLBACK CloseStrayBoxes(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    for (const HWND box : std::exchange(strayBoxes, {}))
        for (const int answer : {IDCANCEL, IDNO, IDOK}) // whichever the box has
            PostMessageA(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, answer)));
}

LRESULT CALLBACK StrayBoxHook(int code, WPARAM wParam, LPARAM lParam)
{
    const HWND wnd = reinterpret_cast<HWND>(wParam);
    if (!state && code == HCBT_ACTIVATE && IsDialogClass(wnd) && GetDlgItem(wnd, 0xFFFF) &&
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(wnd, GWLP_HINSTANCE)) != hInst &&
        std::find(strayBoxes.begin(), strayBoxes.end(), wnd) == strayBoxes.end()) {
        ADD_FAILURE() << "a message box outside a driven run: " << WindowText(wnd) << "|" << WindowText(GetDlgItem(wnd, 0xFFFF));
        strayBoxes.push_back(wnd);
        SetTimer(nullptr, 0, 0, CloseStrayBoxes);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LONG ButtonType(HWND wnd) { return ClassOf(wnd) == "Button" ? GetWindowLongA(wnd, GWL_STYLE) & BS_TYPEMASK : -1; }

std::string Join(const std::vector<std::string>& parts, const char* separator)
{
    std::string out;
    for (const std::string& part : parts)
        out += (out.empty() ? "" : separator) + part;
    return out;
}

// The control a label names (mnemonic marks and line breaks dropped; the first words are enough
// when no label is the whole text): the control itself, or the one after a static text or group
// box, as mnemonics work.
HWND Control(HWND surface, const std::string& label)
{
    if (!label.empty() && std::all_of(label.begin(), label.end(), ::isdigit))
        return GetDlgItem(surface, std::stoi(label));
    if (label.starts_with("#")) { // a window by its class: a control of the surface, else a window of its own
        const HWND child = FindWindowExA(surface, nullptr, label.c_str() + 1, nullptr);
        return child ? child : FindWindowA(label.c_str() + 1, nullptr);
    }
    for (const bool whole : {true, false})
        for (HWND c = GetWindow(surface, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            std::string text;
            for (const char ch : WindowText(c))
                if (ch != '&' && !(std::isspace(static_cast<unsigned char>(ch)) && (text.empty() || text.back() == ' ')))
                    text += std::isspace(static_cast<unsigned char>(ch)) ? ' ' : ch;
            if (whole ? text == label : text.starts_with(label) && !std::isalnum(static_cast<unsigned char>(text[label.size()])))
                return ClassOf(c) == "Static" || ButtonType(c) == BS_GROUPBOX ? GetWindow(c, GW_HWNDNEXT) : c;
        }
    ADD_FAILURE() << "no control labelled \"" << label << "\"";
    return nullptr;
}

std::vector<std::string> Items(HWND combo)
{
    std::vector<std::string> items;
    for (int i = 0; i < SendMessageA(combo, CB_GETCOUNT, 0, 0); ++i) {
        std::string text(static_cast<size_t>(SendMessageA(combo, CB_GETLBTEXTLEN, i, 0)) + 1, '\0');
        SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        items.emplace_back(text.c_str());
    }
    return items;
}

// What a control shows: on/off for a check box or radio button, a list's selected item.
std::string Shown(HWND dlg, HWND c, const std::string& label)
{
    if (label == "@ok" || label == "@caption")
        return WindowText(label == "@ok" ? GetDlgItem(dlg, IDOK) : dlg);
    if (label == "@tabs") { // how many pages, and the last one's title
        const HWND tabs = reinterpret_cast<HWND>(SendMessageA(dlg, PSM_GETTABCONTROL, 0, 0));
        const auto count = SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0);
        char text[64] = "";
        TCITEMA item{TCIF_TEXT, 0, 0, text, sizeof text, 0, 0};
        SendMessageA(tabs, TCM_GETITEMA, static_cast<WPARAM>(count - 1), reinterpret_cast<LPARAM>(&item));
        return std::to_string(count) + ": " + text;
    }
    const LONG type = ButtonType(c);
    if (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON)
        return SendMessageA(c, BM_GETCHECK, 0, 0) == BST_CHECKED ? "on" : "off";
    if (ClassOf(c) == "ComboBox") {
        const auto sel = SendMessageA(c, CB_GETCURSEL, 0, 0);
        return sel < 0 ? "<none>" : Items(c)[static_cast<size_t>(sel)];
    }
    return WindowText(c);
}

// Whether text matches a pattern in which "*" stands for any text.
bool Matches(const char* text, const char* pattern)
{
    if (*pattern == '*')
        return Matches(text, pattern + 1) || (*text && Matches(text + 1, pattern));
    return *pattern == *text && (!*text || Matches(text + 1, pattern + 1));
}

// A key pressed and let go on a control, through the dialog manager as the modal loop passes it
// (so a key the control does not claim moves the focus or presses a button instead); "Shift+"
// holds Shift down for it.
void PressKey(HWND dlg, bool sheet, HWND c, std::string name)
{
    const bool shift = name.starts_with("Shift+");
    if (shift)
        name.erase(0, 6);
    static const std::map<std::string, UINT> keys = {{"Left", VK_LEFT}, {"Right", VK_RIGHT}, {"Up", VK_UP}, {"Down", VK_DOWN},
                                                     {"Home", VK_HOME}, {"End", VK_END}, {"Space", VK_SPACE}, {"Escape", VK_ESCAPE}};
    const auto key = keys.find(name);
    ASSERT_NE(key, keys.end()) << "no key " << name;
    BYTE state[256];
    GetKeyboardState(state);
    const BYTE held = state[VK_SHIFT];
    state[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(state);
    for (const UINT msg : {WM_KEYDOWN, WM_KEYUP}) {
        MSG m{c, msg, key->second, msg == WM_KEYDOWN ? 1 : static_cast<LPARAM>(0xC0000001), static_cast<DWORD>(GetMessageTime()), {}};
        if (!(sheet ? SendMessageA(dlg, PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(&m)) : IsDialogMessageA(dlg, &m)))
            DispatchMessageA(&m);
    }
    state[VK_SHIFT] = held;
    SetKeyboardState(state);
}

void RunStep(HWND dlg, const std::string& step)
{
    SCOPED_TRACE("step: " + step);
    const size_t blank = std::min(step.find(' '), step.size()), eq = std::min(step.find(" = "), step.size());
    const std::string verb = step.substr(0, blank), label = step.substr(std::min(blank + 1, eq), eq - std::min(blank + 1, eq));
    const std::string value = step.substr(std::min(eq + 3, step.size()));
    const bool sheet = SendMessageA(dlg, PSM_GETTABCONTROL, 0, 0) != 0;
    // Controls live on the sheet's current page, or in the dialog itself.
    const HWND surface = sheet ? reinterpret_cast<HWND>(SendMessageA(dlg, PSM_GETCURRENTPAGEHWND, 0, 0)) : dlg;
    const HWND c = label.starts_with("@") ? GetDlgItem(dlg, 0x3021) // the sheet's Apply button
                 : label.empty() || verb == "page" || verb == "absent" ? nullptr : Control(surface, label);
    const auto id = static_cast<WORD>(GetDlgCtrlID(c));
    if (verb == "page") {
        SendMessageA(dlg, PSM_SETCURSEL, static_cast<WPARAM>(std::stoi(label) - 1), 0);
    } else if (verb == "ok" || verb == "apply" || verb == "cancel") {
        const int button = verb == "ok" ? IDOK : verb == "cancel" ? IDCANCEL : 0;
        if (sheet)
            SendMessageA(dlg, PSM_PRESSBUTTON, button == IDOK ? PSBTN_OK : button ? PSBTN_CANCEL : PSBTN_APPLYNOW, 0);
        else
            SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dlg, button)));
    } else if (verb == "absent") {
        EXPECT_EQ(GetDlgItem(surface, std::stoi(label)), nullptr) << "control " << label << " is there";
    } else if (verb == "see" && label.starts_with("@")) {
        EXPECT_EQ(Shown(dlg, c, label), value);
    } else if (verb == "f1") {
        // What the system does with the key: WM_KEYF1 to the window that has the focus, which hands
        // WM_HELP up to its dialog and on to the dialog's owner.
        const HWND focus = GetFocus();
        PostMessageA(focus ? focus : dlg, 0x004D /* WM_KEYF1, which the headers leave out */, 0, 0);
    } else if (!c) {
        ADD_FAILURE() << "no control";
    } else if (verb == "type") {
        SetWindowTextA(c, value.c_str()); // the edit box itself tells the dialog
    } else if (verb == "keys") {
        SetWindowTextA(c, "");
        for (const char ch : value)
            SendMessageA(c, WM_CHAR, static_cast<unsigned char>(ch), 0);
    } else if (verb == "click") {
        PostMessageA(c, BM_CLICK, 0, 0); // a dialog it opens runs its own loop, where the next steps go
    } else if (verb == "press" || verb == "drag" || verb == "release" || verb == "hover") { // the left button, at x,y of the window
        const int x = std::stoi(value), y = std::stoi(value.substr(value.find(',') + 1));
        const UINT msg = verb == "press" ? WM_LBUTTONDOWN : verb == "release" ? WM_LBUTTONUP : WM_MOUSEMOVE;
        SendMessageA(c, msg, verb == "press" || verb == "drag" ? MK_LBUTTON : 0, MAKELPARAM(x, y));
    } else if (verb == "key") {
        PressKey(dlg, sheet, c, value);
    } else if (verb == "focus") {
        SendMessageA(surface, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(c), TRUE);
    } else if (verb == "choose") {
        const auto found = SendMessageA(c, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(value.c_str()));
        ASSERT_NE(found, CB_ERR) << "no item " << value;
        SendMessageA(c, CB_SETCURSEL, static_cast<WPARAM>(found), 0);
        // Selecting by program sends no notices: send what a user's choice sends.
        for (const WORD code : {CBN_SELENDOK, CBN_SELCHANGE})
            SendMessageA(surface, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(c));
    } else if (verb == "tick") { // the check box of a list's row, found by its first cell
        LVFINDINFOA find{};
        find.flags = LVFI_STRING;
        find.psz = value.c_str();
        const auto row = SendMessageA(c, LVM_FINDITEMA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find));
        ASSERT_GE(row, 0) << "no row " << value;
        LVITEMA state{};
        state.stateMask = LVIS_STATEIMAGEMASK;
        state.state = INDEXTOSTATEIMAGEMASK(2);
        SendMessageA(c, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
    } else if (verb == "see") {
        EXPECT_EQ(Shown(dlg, c, label), value);
    } else if (verb == "items") {
        EXPECT_EQ(Join(Items(c), ", "), value);
    } else if (verb == "enabled" || verb == "disabled") {
        EXPECT_EQ(IsWindowEnabled(c) != FALSE, verb == "enabled");
    } else if (verb == "shown" || verb == "hidden") {
        EXPECT_EQ((GetWindowLongA(c, GWL_STYLE) & WS_VISIBLE) != 0, verb == "shown");
    } else {
        ADD_FAILURE() << "unknown step";
    }
}


} // namespace

std::string WindowText(HWND wnd)
{
    std::string text(static_cast<size_t>(GetWindowTextLengthA(wnd)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(wnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::string ListCell(HWND list, int row, int column)
{
    char text[512] = "";
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return text;
}

std::string ClassOf(HWND wnd)
{
    char cls[32] = "";
    GetClassNameA(wnd, cls, sizeof cls);
    return cls;
}

void FailStrayMessageBoxes() { SetWindowsHookExA(WH_CBT, StrayBoxHook, nullptr, GetCurrentThreadId()); }

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

std::string Each(int first, int last, const char* format)
{
    std::string out;
    for (int n = first; n <= last; ++n) {
        char line[256];
        std::snprintf(line, sizeof line, format, n, n, n, n, n, n, n, n);
        out += std::string(line) + "\n";
    }
    return out;
}

HWND OpenMainWindow(const std::string& commandLine)
{
    [[maybe_unused]] static const bool registered = InitApplication(hInst) != FALSE;
    return CreateMainWindow(hInst, SW_HIDE, commandLine.c_str());
}

void CloseMainWindow(HWND wnd)
{
    if (wnd && IsWindow(wnd))
        DestroyWindow(wnd);
    MSG msg; // drop the quit message, so that later modal loops still run
    while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

std::vector<Step> StepsOf(const std::string& text)
{
    std::vector<Step> steps;
    for (const std::string& step : SplitText(text, "; "))
        steps.push_back([step](HWND dlg) { RunStep(dlg, step); });
    return steps;
}

void RunScenarios(SiteFixture& site, UINT command, const std::string& common, const std::vector<Scenario>& cases)
{
    for (const Scenario& c : cases) {
        SCOPED_TRACE(c.name);
        site.NewSite();
        site.Seed(common + "\n" + c.before);
        site.MarkClean();
        const HWND wnd = OpenMainWindow("orva_config.exe " + site.SystemIniPath());
        ASSERT_NE(wnd, nullptr);
        const std::vector<std::string> texts = SplitText(c.steps, "; ");
        const std::vector<Step> steps = StepsOf(c.steps);
        std::deque<int> answers;
        for (const Box& box : c.boxes)
            answers.push_back(std::string(box.answer) == "yes" ? IDYES : std::string(box.answer) == "no" ? IDNO : IDOK);
        const ModalRun run = DriveModal([&] { DispatchCommand(wnd, command); return INT_PTR{0}; }, steps, answers);
        CloseMainWindow(wnd);

        EXPECT_EQ(run.stepsRun, static_cast<int>(steps.size())) << "the dialog closed before the last step";
        if (!texts.empty() && (texts.back() == "ok" || texts.back() == "cancel")) {
            EXPECT_FALSE(run.endedByDriver) << "the dialog stayed open after " << texts.back();
        }
        std::vector<std::string> changes = KeyLines(c.changes), boxes[2];
        std::sort(changes.begin(), changes.end());
        EXPECT_EQ(Join(site.ChangesSinceMark(), "\n"), Join(changes, "\n"));
        for (int wanted = 0; wanted < 2; ++wanted)
            for (const Box& box : wanted ? c.boxes : run.boxes)
                boxes[wanted].push_back(box.title + " | " + box.text + " | " + box.kind);
        for (size_t i = 0; i < std::min(boxes[0].size(), boxes[1].size()); ++i)
            if (Matches(boxes[0][i].c_str(), boxes[1][i].c_str()))
                boxes[0][i] = boxes[1][i];
        EXPECT_EQ(Join(boxes[0], "\n--\n"), Join(boxes[1], "\n--\n"));
    }
}
