#include "scenario.h"

#include "defines.h"
#include "orva_config.h"

#include <commctrl.h>
#include <prsht.h>

#include <algorithm>
#include <cstdio>
#include <deque>

namespace {

std::string TextOf(HWND wnd)
{
    std::string text(static_cast<size_t>(GetWindowTextLengthA(wnd)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(wnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

// A label as the user reads it: no mnemonic marks, one blank between words.
std::string Readable(const std::string& text)
{
    std::string out;
    for (const char c : text) {
        if (c == '&')
            continue;
        const bool blank = c == ' ' || c == '\n' || c == '\r' || c == '\t';
        if (!blank)
            out += c;
        else if (!out.empty() && out.back() != ' ')
            out += ' ';
    }
    return out;
}

bool IsSheet(HWND dlg) { return SendMessageA(dlg, PSM_GETTABCONTROL, 0, 0) != 0; }

// Where a step's controls live: the current page of a sheet, or the dialog itself.
HWND Surface(HWND dlg)
{
    return IsSheet(dlg) ? reinterpret_cast<HWND>(SendMessageA(dlg, PSM_GETCURRENTPAGEHWND, 0, 0)) : dlg;
}

std::string ClassOf(HWND wnd)
{
    char cls[32] = "";
    GetClassNameA(wnd, cls, sizeof cls);
    return cls;
}

LONG ButtonType(HWND wnd) { return ClassOf(wnd) == "Button" ? GetWindowLongA(wnd, GWL_STYLE) & BS_TYPEMASK : -1; }

bool IsCheckable(HWND wnd)
{
    const LONG type = ButtonType(wnd);
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON ||
           type == BS_AUTORADIOBUTTON || type == BS_3STATE || type == BS_AUTO3STATE;
}

// The control a label names: the control itself, or the one that follows a static text or group
// box, as the dialog manager's mnemonics do.
HWND Control(HWND surface, const std::string& label)
{
    if (!label.empty() && std::all_of(label.begin(), label.end(), ::isdigit))
        return GetDlgItem(surface, std::stoi(label));
    for (HWND c = GetWindow(surface, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        const std::string text = Readable(TextOf(c));
        if (text != label && !text.starts_with(label + " "))
            continue;
        if (ClassOf(c) == "Static" || ButtonType(c) == BS_GROUPBOX)
            return GetWindow(c, GW_HWNDNEXT);
        return c;
    }
    ADD_FAILURE() << "no control labelled \"" << label << "\"";
    return nullptr;
}

std::vector<std::string> Items(HWND combo)
{
    std::vector<std::string> items;
    const int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        std::string text(static_cast<size_t>(SendMessageA(combo, CB_GETLBTEXTLEN, i, 0)) + 1, '\0');
        SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        items.emplace_back(text.c_str());
    }
    return items;
}

std::string Join(const std::vector<std::string>& parts, const char* separator)
{
    std::string out;
    for (const std::string& part : parts)
        out += (out.empty() ? "" : separator) + part;
    return out;
}

std::string Shown(HWND dlg, const std::string& label)
{
    if (label == "@ok")
        return TextOf(GetDlgItem(dlg, IDOK));
    if (label == "@caption")
        return TextOf(dlg);
    if (label == "@tabs") {
        const HWND tabs = reinterpret_cast<HWND>(SendMessageA(dlg, PSM_GETTABCONTROL, 0, 0));
        const int count = static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
        auto title = [&](int i) {
            char text[64] = "";
            TCITEMA item{TCIF_TEXT, 0, 0, text, sizeof text, 0, 0};
            SendMessageA(tabs, TCM_GETITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
            return std::string(text);
        };
        return std::to_string(count) + ": " + title(0) + " .. " + title(count - 1);
    }
    const HWND c = Control(Surface(dlg), label);
    if (IsCheckable(c))
        return SendMessageA(c, BM_GETCHECK, 0, 0) == BST_CHECKED ? "on" : "off";
    if (ClassOf(c) == "ComboBox") {
        const int sel = static_cast<int>(SendMessageA(c, CB_GETCURSEL, 0, 0));
        return sel < 0 ? "<none>" : Items(c)[static_cast<size_t>(sel)];
    }
    return TextOf(c);
}

void RunStep(HWND dlg, const std::string& step)
{
    SCOPED_TRACE("step: " + step);
    const size_t blank = step.find(' '), eq = step.find(" = ");
    const std::string verb = step.substr(0, blank);
    const std::string label = blank == std::string::npos ? "" : step.substr(blank + 1, eq == std::string::npos ? std::string::npos : eq - blank - 1);
    const std::string value = eq == std::string::npos ? "" : step.substr(eq + 3);
    const bool sheet = IsSheet(dlg);
    const HWND surface = Surface(dlg);
    if (verb == "page") {
        SendMessageA(dlg, PSM_SETCURSEL, static_cast<WPARAM>(std::stoi(label) - 1), 0);
    } else if (verb == "ok" || verb == "apply" || verb == "cancel") {
        const int id = verb == "ok" ? IDOK : verb == "cancel" ? IDCANCEL : 0;
        if (sheet)
            SendMessageA(dlg, PSM_PRESSBUTTON, id == IDOK ? PSBTN_OK : id ? PSBTN_CANCEL : PSBTN_APPLYNOW, 0);
        else
            SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dlg, id)));
    } else if (label.starts_with("@")) {
        const HWND apply = GetDlgItem(dlg, 0x3021); // the sheet's Apply button
        if (verb == "see")
            EXPECT_EQ(Shown(dlg, label), value);
        else
            EXPECT_EQ(IsWindowEnabled(apply) != FALSE, verb == "enabled") << label;
    } else if (const HWND c = Control(surface, label)) {
        const WPARAM idAnd = static_cast<WPARAM>(GetDlgCtrlID(c));
        if (verb == "type") {
            SetWindowTextA(c, value.c_str()); // the edit box itself tells the dialog
        } else if (verb == "keys") {
            SetWindowTextA(c, "");
            for (const char ch : value)
                SendMessageA(c, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(ch)), 0);
        } else if (verb == "click") {
            SendMessageA(c, BM_CLICK, 0, 0);
        } else if (verb == "focus") {
            SendMessageA(surface, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(c), TRUE);
        } else if (verb == "choose") {
            const auto found = SendMessageA(c, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(value.c_str()));
            ASSERT_NE(found, CB_ERR) << "no item " << value;
            SendMessageA(c, CB_SETCURSEL, static_cast<WPARAM>(found), 0);
            // Selecting by program sends no notices: send what a user's choice sends.
            for (const WORD code : {CBN_SELENDOK, CBN_SELCHANGE})
                SendMessageA(surface, WM_COMMAND, MAKEWPARAM(idAnd, code), reinterpret_cast<LPARAM>(c));
        } else if (verb == "see") {
            EXPECT_EQ(Shown(dlg, label), value);
        } else if (verb == "items") {
            EXPECT_EQ(Join(Items(c), ", "), value);
        } else if (verb == "enabled" || verb == "disabled") {
            EXPECT_EQ(IsWindowEnabled(c) != FALSE, verb == "enabled");
        } else {
            ADD_FAILURE() << "unknown step";
        }
    }
}

std::string Kind(const MessageBoxSeen& box)
{
    const char* icon = box.icon == MB_ICONSTOP ? "stop" : box.icon == MB_ICONEXCLAMATION ? "exclamation"
                     : box.icon == MB_ICONINFORMATION ? "information" : box.icon == MB_ICONQUESTION ? "question" : "none";
    const char* buttons = box.buttons == MB_YESNO ? " yesno" : box.buttons == MB_YESNOCANCEL ? " yesnocancel"
                        : box.buttons == MB_OKCANCEL ? " okcancel" : "";
    return std::string(icon) + buttons;
}

int AnswerId(const std::string& answer)
{
    return answer == "yes" ? IDYES : answer == "no" ? IDNO : answer == "cancel" ? IDCANCEL : IDOK;
}

} // namespace

std::string Each(int first, int last, const char* format)
{
    std::string out;
    for (int n = first; n <= last; ++n) {
        char line[160];
        std::snprintf(line, sizeof line, format, n);
        out += std::string(line) + "\n";
    }
    return out;
}

HWND OpenMainWindow(const std::string& commandLine)
{
    static const bool registered = InitApplication(hInst) != FALSE;
    (void)registered;
    return CreateMainWindow(hInst, SW_HIDE, commandLine.c_str());
}

void CloseMainWindow(HWND wnd)
{
    if (wnd && IsWindow(wnd))
        DestroyWindow(wnd);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
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
        std::vector<Step> steps;
        for (const std::string& text : texts)
            steps.push_back([text](HWND dlg) { RunStep(dlg, text); });
        std::deque<int> answers;
        for (const BoxWanted& box : c.boxes)
            answers.push_back(AnswerId(box.answer));
        const ModalRun run = DriveModal([&] { DispatchCommand(wnd, command); return INT_PTR{0}; }, steps, answers);
        CloseMainWindow(wnd);

        EXPECT_EQ(run.stepsRun, static_cast<int>(steps.size())) << "the dialog closed before the last step";
        if (!texts.empty() && (texts.back() == "ok" || texts.back() == "cancel")) {
            EXPECT_FALSE(run.endedByDriver) << "the dialog stayed open after " << texts.back();
        }
        std::vector<std::string> changes = SplitText(c.changes, "\n");
        std::sort(changes.begin(), changes.end());
        EXPECT_EQ(Join(site.ChangesSinceMark(), "\n"), Join(changes, "\n"));
        std::vector<std::string> seen, wanted;
        for (const MessageBoxSeen& box : run.boxes)
            seen.push_back(box.title + " | " + box.text + " | " + Kind(box));
        for (const BoxWanted& box : c.boxes)
            wanted.push_back(std::string(box.title) + " | " + box.text + " | " + box.kind);
        EXPECT_EQ(Join(seen, "\n--\n"), Join(wanted, "\n--\n"));
    }
}
