#include "dlgctl.h"

#include "history.h"

#include "numtext.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>
#include <vector>

namespace {

// The controls found in the last few dialogs, by number.
struct FoundControls {
    HWND dlg = nullptr;
    std::vector<std::pair<int, HWND>> controls;
};
std::array<FoundControls, 4> keptControls;
size_t nextKept = 0;

std::string WholeText(HWND dlg, int id)
{
    const HWND ctl = Item(dlg, id);
    if (!ctl)
        return {};
    const int len = GetWindowTextLengthA(ctl);
    std::vector<char> buf(static_cast<size_t>(len > 0 ? len : 0) + 1, '\0');
    const int n = GetWindowTextA(ctl, buf.data(), static_cast<int>(buf.size()));
    return std::string(buf.data(), n > 0 ? static_cast<size_t>(n) : 0);
}

} // namespace

// Under Wine, GetDlgItem asks the server for the whole list of the dialog's children: 50 us on
// this kind of machine, and opening a dialog finds most controls several times (to fill them, to
// rehearse what OK stores, to enable or show them). A control once found is kept, and checked at
// each use, without a trip to the server, to be still the dialog's child of that number.
HWND Item(HWND dlg, int id)
{
    auto known = std::find_if(keptControls.begin(), keptControls.end(), [&](const FoundControls& f) { return f.dlg == dlg; });
    if (known == keptControls.end()) {
        known = keptControls.begin() + static_cast<std::ptrdiff_t>(nextKept);
        nextKept = (nextKept + 1) % keptControls.size();
        *known = {dlg, {}};
    }
    auto& controls = known->controls;
    const auto same = std::find_if(controls.begin(), controls.end(), [&](const auto& c) { return c.first == id; });
    if (same != controls.end() && GetParent(same->second) == dlg && GetDlgCtrlID(same->second) == id)
        return same->second;
    const HWND ctl = GetDlgItem(dlg, id);
    if (same != controls.end())
        same->second = ctl;
    else if (ctl)
        controls.emplace_back(id, ctl);
    return ctl;
}

std::string GetItemText(HWND dlg, int id, size_t maxChars)
{
    std::string text = WholeText(dlg, id);
    if (text.size() > maxChars)
        text.resize(maxChars);
    return text;
}

void SetItemText(HWND dlg, int id, const std::string& text)
{
    SetWindowTextA(Item(dlg, id), text.c_str());
}

void LimitItemText(HWND dlg, int id, int maxChars)
{
    SendMessageA(Item(dlg, id), EM_LIMITTEXT, static_cast<WPARAM>(maxChars), 0);
}

int GetItemInt(HWND dlg, int id) { return ParseSignedText(WholeText(dlg, id)).value_or(0); }

unsigned GetItemUInt(HWND dlg, int id) { return ParseUnsignedText(WholeText(dlg, id)).value_or(0); }

void SetItemInt(HWND dlg, int id, int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    SetWindowTextA(Item(dlg, id), text);
}

void SetItemUInt(HWND dlg, int id, unsigned value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%u", value);
    SetWindowTextA(Item(dlg, id), text);
}

int StepItemInt(HWND dlg, int id, int delta, int low, int high)
{
    const int value = static_cast<int>(std::clamp(static_cast<long long>(GetItemInt(dlg, id)) + delta,
                                                  static_cast<long long>(low), static_cast<long long>(high)));
    SetItemInt(dlg, id, value);
    return value;
}

bool IsItemChecked(HWND dlg, int id) { return SendMessageA(Item(dlg, id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void SetItemCheck(HWND dlg, int id, bool checked)
{
    SendMessageA(Item(dlg, id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void EnableItem(HWND dlg, int id, bool enabled) { EnableWindow(Item(dlg, id), enabled); }

void ShowItem(HWND dlg, int id, bool shown)
{
    ShowWindow(Item(dlg, id), shown ? SW_SHOW : SW_HIDE);
}

void FillCombo(HWND dlg, int id, std::span<const char* const> names)
{
    // Filled with drawing held: under Wine each entry added to a box that draws costs twice as
    // much (its list works out its scroll bar again).
    const HWND box = Item(dlg, id);
    SendMessageA(box, WM_SETREDRAW, FALSE, 0);
    SendMessageA(box, CB_RESETCONTENT, 0, 0);
    for (const char* name : names)
        SendMessageA(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    SendMessageA(box, WM_SETREDRAW, TRUE, 0);
    if (IsWindowVisible(box))
        InvalidateRect(box, nullptr, TRUE);
}

void FillCombo(HWND dlg, int id, const std::vector<std::string>& items)
{
    std::vector<const char*> names;
    for (const std::string& item : items)
        names.push_back(item.c_str());
    FillCombo(dlg, id, names);
}

int GetComboSel(HWND dlg, int id)
{
    return static_cast<int>(SendMessageA(Item(dlg, id), CB_GETCURSEL, 0, 0));
}

void SetComboSel(HWND dlg, int id, int index)
{
    SendMessageA(Item(dlg, id), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::string GetComboSelText(HWND dlg, int id)
{
    const int sel = GetComboSel(dlg, id);
    if (sel == CB_ERR)
        return {};
    const HWND box = Item(dlg, id);
    const LRESULT len = SendMessageA(box, CB_GETLBTEXTLEN, static_cast<WPARAM>(sel), 0);
    if (len == CB_ERR)
        return {};
    std::vector<char> buf(static_cast<size_t>(len) + 1, '\0');
    SendMessageA(box, CB_GETLBTEXT, static_cast<WPARAM>(sel), reinterpret_cast<LPARAM>(buf.data()));
    return std::string(buf.data());
}

int SelectComboPrefix(HWND dlg, int id, const std::string& prefix, int startAfter)
{
    const LRESULT found = SendMessageA(Item(dlg, id), CB_FINDSTRING, static_cast<WPARAM>(startAfter),
                                       reinterpret_cast<LPARAM>(prefix.c_str()));
    if (found == CB_ERR)
        return CB_ERR;
    SetComboSel(dlg, id, static_cast<int>(found));
    return static_cast<int>(found);
}

bool ReportFailedWrite(HWND owner)
{
    const std::optional<FailedWrite> failed = FirstFailedWrite();
    if (!failed) {
        // The history is told once a run, and only with changes that were stored; editing goes on without it.
        if (const std::string history = TakeHistoryFailure(); !history.empty())
            MessageBoxA(owner, history.c_str(), "Change History Not Written", MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    const std::string text = "A setting could not be saved in the file\n" + failed->file + "\n\n" + SystemErrorText(failed->error);
    MessageBoxA(owner, text.c_str(), "Settings Not Saved", MB_OK | MB_ICONSTOP);
    ClearFailedWrite();
    return true;
}

void FocusItem(HWND dlg, int id)
{
    if (!Rehearsing())
        SendMessageA(dlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(dlg, id)), TRUE);
}

namespace {

std::vector<const Refusal*>& Refusals()
{
    static std::vector<const Refusal*> refusals;
    return refusals;
}

} // namespace

const Refusal& DeclareRefusal(const char* title, const char* text, UINT style)
{
    // Declared once each, at start-up, and kept for the life of the program.
    return *Refusals().emplace_back(new Refusal{title, text, style});
}

const std::vector<const Refusal*>& DeclaredRefusals() { return Refusals(); }

bool Check(HWND owner, bool ok, const Refusal& refusal, int number)
{
    if (ok || Rehearsing())
        return true;
    std::string text = refusal.text;
    if (const size_t mark = text.find("%d"); mark != std::string::npos)
        text.replace(mark, 2, std::to_string(number));
    MessageBoxA(owner, text.c_str(), refusal.title, refusal.style);
    return false;
}

int Ask(HWND owner, const std::string& text, const char* title, UINT style, int rehearsalAnswer)
{
    return Rehearsing() ? rehearsalAnswer : MessageBoxA(owner, text.c_str(), title, style);
}

int Ask(HWND owner, const Refusal& question, int rehearsalAnswer)
{
    return Ask(owner, question.text, question.title, question.style, rehearsalAnswer);
}

void Tell(HWND owner, const std::string& text, const char* title, UINT style)
{
    if (!Rehearsing())
        MessageBoxA(owner, text.c_str(), title, style);
}

long RehearsalOf(HWND dlg) { return static_cast<long>(reinterpret_cast<INT_PTR>(GetPropA(dlg, "OrvaRehearsal"))); }

void ForgetRehearsalOf(HWND dlg)
{
    ForgetRehearsal(RehearsalOf(dlg));
    RemovePropA(dlg, "OrvaRehearsal");
}
