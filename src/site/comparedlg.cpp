#include "comparedlg.h"

#include "sitediff.h"
#include "sitefiles.h"

#include "defines.h"
#include "dlgctl.h"
#include "history.h"
#include "listview.h"
#include "profile.h"
#include "resource.h"
#include "site.h"

#include <commctrl.h>

#include <vector>

namespace {

std::string otherSite;
std::vector<Difference> shown;

// Reads the other site's values with the program pointed at it for a moment.
SiteSnapshot ReadOther()
{
    const std::string ini = IniFile, dir = cFileDir;
    UseSite(otherSite);
    SiteSnapshot other = ReadSite();
    IniFile = ini;
    cFileDir = dir;
    return other;
}

std::string Shown(const std::optional<std::string>& value) { return value ? *value : "(absent)"; }

void Refresh(HWND dlg)
{
    shown = CompareSites(ReadSite(), ReadOther());
    const HWND list = Item(dlg, IDC_CO_LIST);
    {
        const ListRefill refill(list, shown.size());
        for (size_t i = 0; i < shown.size(); ++i) {
            const Difference& d = shown[i];
            AddListRow(list, static_cast<LPARAM>(i),
                       {d.group, "[" + d.section + "] " + d.key + (d.siteSpecific ? " (site-specific)" : ""), Shown(d.a), Shown(d.b)});
        }
    }
    SetItemText(dlg, IDC_CO_SUMMARY, std::to_string(shown.size()) + (shown.size() == 1 ? " value differs" : " values differ"));
}

// The checked rows' values of the other site, stored in this one (a key absent there is removed
// here) as one confirmation.
void TakeSelected(HWND dlg)
{
    const HWND list = Item(dlg, IDC_CO_LIST);
    std::vector<const Difference*> taken;
    for (int row = 0; row < ListRowCount(list); ++row)
        if (IsListRowChecked(list, row))
            taken.push_back(&shown[static_cast<size_t>(row)]);
    if (taken.empty())
        return;
    SetHistoryCommand("Taken from " + otherSite);
    WriteNow(dlg, [&] {
        for (const Difference* d : taken) {
            const std::string file = SiteFiles::Path(d->file);
            d->b ? WriteString(file.c_str(), d->section.c_str(), d->key.c_str(), *d->b)
                 : RemoveKey(file.c_str(), d->section.c_str(), d->key.c_str());
        }
    });
    Refresh(dlg);
}

} // namespace

INT_PTR CALLBACK CompareSiteProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    if (ListDialogMessage(dlg, msg, wParam, lParam, {Grows(IDC_CO_LIST), FootRight(IDC_CO_TAKE), FootRight(IDCANCEL), Foot(IDC_CO_SUMMARY)}))
        return TRUE;
    switch (msg) {
    case WM_INITDIALOG: {
        const HWND list = Item(dlg, IDC_CO_LIST);
        AddListColumns(list, {{"Command", 120}, {"Key", 200}, {"This site", 120}, {"Other site", 120}}, kFillFollows);
        SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES, LVS_EX_CHECKBOXES);
        SetWindowTextA(dlg, ("Compare with " + otherSite).c_str());
        Refresh(dlg);
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) != IDC_CO_TAKE)
            return FALSE;
        TakeSelected(dlg);
        return TRUE;
    default:
        return FALSE;
    }
}

void CompareWithSite(HINSTANCE instance, HWND owner, const std::string& otherIni)
{
    otherSite = otherIni;
    ShowListDialog(instance, owner, "IDD_COMPARE", CompareSiteProc, "Compare with Site");
}

void DisplaySiteComparison(HINSTANCE instance, HWND owner)
{
    std::string other;
    if (ChooseFile(owner, "Site to compare with", "System INI Files(*.INI)|*.ini|All Files(*.*)|*.*|", "INI", MAX_PATH, other, true))
        CompareWithSite(instance, owner, other);
}
