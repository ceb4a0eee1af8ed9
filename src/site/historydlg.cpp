#include "historydlg.h"

#include "dlgctl.h"
#include "listview.h"
#include "numtext.h"
#include "profile.h"
#include "resource.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

namespace {

// The history shown, oldest first as the log holds it; the list shows it newest first.
std::vector<Confirmation> shown;

std::string Shown(const std::optional<std::string>& value) { return value ? EscapeField(*value) : "absent"; }

bool SameKey(const HistoryValue& a, const HistoryValue& b)
{
    return EqualNoCase(a.file, b.file) && EqualNoCase(a.section, b.section) && EqualNoCase(a.key, b.key);
}

// The selected confirmation's index in shown, or -1.
int Selected(HWND dlg) { return static_cast<int>(SelectedListData(Item(dlg, IDC_HI_CONFIRMATIONS))); }

void ShowValues(HWND dlg)
{
    const HWND list = Item(dlg, IDC_HI_VALUES);
    const int index = Selected(dlg);
    EnableItem(dlg, IDC_HI_UNDO, index >= 0 && !shown[static_cast<size_t>(index)].values.empty());
    const std::vector<HistoryValue> none;
    const std::vector<HistoryValue>& values = index < 0 ? none : shown[static_cast<size_t>(index)].values;
    const ListRefill refill(list, values.size());
    for (const HistoryValue& v : values)
        AddListRow(list, 0, {v.file, v.section, v.key, Shown(v.before), Shown(v.after)});
}

// Reads the log again and selects the newest confirmation. A log that cannot be read is said
// once and shown empty.
void Reload(HWND dlg)
{
    const std::optional<std::vector<Confirmation>> history = ReadHistory(HistoryPath());
    if (!history)
        MessageBoxA(dlg, ("The change history cannot be read:\n" + HistoryPath()).c_str(), "Change History", MB_OK | MB_ICONEXCLAMATION);
    shown = history.value_or(std::vector<Confirmation>{});
    const HWND list = Item(dlg, IDC_HI_CONFIRMATIONS);
    {
        const ListRefill refill(list, shown.size());
        for (size_t i = shown.size(); i-- > 0;) {
            const Confirmation& c = shown[i];
            AddListRow(list, static_cast<LPARAM>(i), {c.time.empty() ? "(no time)" : c.time, c.command.empty() ? "(unknown)" : c.command,
                                                 std::to_string(c.values.size())});
        }
    }
    SelectListRow(list, 0);
    ShowValues(dlg);
}

// Writes the before values back as a confirmation of its own, "Undo". Values changed again since
// are listed, and overwritten only when the user says so.
void Undo(HWND dlg)
{
    const int index = Selected(dlg);
    if (index < 0)
        return;
    std::vector<HistoryValue> values = NetValues(shown[static_cast<size_t>(index)]);
    const std::vector<HistoryValue> changed = ChangedSince(values);
    if (!changed.empty()) {
        std::string text = "These values have been changed again since:\n";
        for (size_t i = 0; i < changed.size() && i < 12; ++i)
            text += "\n" + changed[i].file + " [" + changed[i].section + "] " + changed[i].key;
        if (changed.size() > 12)
            text += "\n... and " + std::to_string(changed.size() - 12) + " more";
        text += "\n\nYes: undo them too (their later changes are lost).\nNo: undo only the other values.\nCancel: undo nothing.";
        const int answer = MessageBoxA(dlg, text.c_str(), "Undo This Change", MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2);
        if (answer == IDCANCEL)
            return;
        if (answer == IDNO)
            std::erase_if(values, [&](const HistoryValue& v) {
                return std::any_of(changed.begin(), changed.end(), [&](const HistoryValue& c) { return SameKey(v, c); });
            });
    }
    SetHistoryCommand("Undo");
    WriteNow(dlg, [&] {
        for (const HistoryValue& v : values)
            v.before ? WriteString(v.file.c_str(), v.section.c_str(), v.key.c_str(), *v.before)
                     : RemoveKey(v.file.c_str(), v.section.c_str(), v.key.c_str());
    });
    Reload(dlg);
}

} // namespace

std::vector<HistoryValue> NetValues(const Confirmation& confirmation)
{
    std::vector<HistoryValue> net;
    for (const HistoryValue& v : confirmation.values) {
        const auto same = std::find_if(net.begin(), net.end(), [&](const HistoryValue& n) { return SameKey(n, v); });
        if (same == net.end())
            net.push_back(v);
        else
            same->after = v.after; // the first before, the last after
    }
    return net;
}

std::vector<HistoryValue> ChangedSince(const std::vector<HistoryValue>& values)
{
    std::vector<HistoryValue> changed;
    for (const HistoryValue& v : values)
        if (StoredValue(v.file.c_str(), v.section.c_str(), v.key.c_str()) != v.after)
            changed.push_back(v);
    return changed;
}

INT_PTR CALLBACK HistoryProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    if (ListDialogMessage(dlg, msg, wParam, lParam,
                          // the lists share what the dialog grows by, two parts to three
                          {{IDC_HI_CONFIRMATIONS, 0, 0, 100, 40}, {IDC_HI_VALUES_LABEL, 0, 40, 100, 40}, {IDC_HI_VALUES, 0, 40, 100, 100},
                           {IDC_HI_UNDO, 0, 100, 0, 100}, FootRight(IDCANCEL)}))
        return TRUE;
    switch (msg) {
    case WM_INITDIALOG:
        // Reload fills both lists.
        AddListColumns(Item(dlg, IDC_HI_CONFIRMATIONS), {{"Time", 130}, {"Command", 220}, {"Values", 60}}, kFillFollows);
        AddListColumns(Item(dlg, IDC_HI_VALUES), {{"File", 110}, {"Section", 90}, {"Key", 130}, {"Before", 100}, {"After", 100}}, kFillFollows);
        Reload(dlg);
        return TRUE;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->idFrom == IDC_HI_CONFIRMATIONS && header->code == LVN_ITEMCHANGED &&
            (reinterpret_cast<const NMLISTVIEW*>(lParam)->uChanged & LVIF_STATE))
            ShowValues(dlg);
        return FALSE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) != IDC_HI_UNDO)
            return FALSE;
        Undo(dlg);
        return TRUE;
    default:
        return FALSE;
    }
}

void DisplayHistory(HINSTANCE instance, HWND owner) { ShowListDialog(instance, owner, "IDD_HISTORY", HistoryProc, "Change History"); }
