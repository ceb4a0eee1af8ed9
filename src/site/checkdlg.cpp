#include "checkdlg.h"

#include "sitecheck.h"

#include "dlgctl.h"
#include "listview.h"
#include "numtext.h"
#include "resource.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace {

std::vector<Finding> shown;
OpenCommand openOwner = nullptr;

std::string FileName(const std::string& path) { return path.substr(path.find_last_of("\\/") + 1); }

void Refresh(HWND dlg)
{
    const SiteCheckResult result = CheckSite();
    shown = result.findings;
    const HWND list = Item(dlg, IDC_CK_LIST);
    {
        const ListRefill refill(list, shown.size());
        for (size_t i = 0; i < shown.size(); ++i)
            AddListRow(list, static_cast<LPARAM>(i),
                       {FileName(shown[i].file), "[" + shown[i].section + "] " + shown[i].key, shown[i].value, shown[i].rule});
    }
    if (!shown.empty())
        SelectListRow(list, 0);
    SetItemText(dlg, IDC_CK_SUMMARY, Plural(shown.size(), "problem") + " in " +
                                         std::to_string(result.valuesChecked) + " values checked");
}

// Opens the command that owns the selected finding's key, then checks again.
void OpenOwner(HWND dlg)
{
    const LPARAM index = SelectedListData(Item(dlg, IDC_CK_LIST));
    if (index < 0 || static_cast<size_t>(index) >= shown.size() || shown[static_cast<size_t>(index)].command == IDM_ADVANCED)
        return;
    openOwner(dlg, shown[static_cast<size_t>(index)].command);
    Refresh(dlg);
}

} // namespace

INT_PTR CALLBACK CheckSiteProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    if (ListDialogMessage(dlg, msg, wParam, lParam, {Grows(IDC_CK_LIST), FootRight(IDC_CK_REFRESH), FootRight(IDCANCEL), Foot(IDC_CK_SUMMARY)}))
        return TRUE;
    switch (msg) {
    case WM_INITDIALOG:
        AddListColumns(Item(dlg, IDC_CK_LIST), {{"File", 90}, {"Key", 190}, {"Value", 110}, {"Rule", 330}}, kFillFollows);
        Refresh(dlg);
        return TRUE;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->idFrom == IDC_CK_LIST && (header->code == NM_DBLCLK || header->code == NM_RETURN))
            OpenOwner(dlg);
        return FALSE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) != IDC_CK_REFRESH)
            return FALSE;
        Refresh(dlg);
        return TRUE;
    default:
        return FALSE;
    }
}

void DisplaySiteCheck(HINSTANCE instance, HWND owner, OpenCommand openCommand)
{
    openOwner = openCommand;
    ShowListDialog(instance, owner, "IDD_CHECKSITE", CheckSiteProc, "Check Site");
}
