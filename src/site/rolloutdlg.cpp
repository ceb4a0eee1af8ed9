#include "rolloutdlg.h"

#include "rollout.h"
#include "sitefiles.h"
#include "sitewalk.h"

#include "comctl.h"
#include "defines.h"
#include "dlgctl.h"
#include "listview.h"
#include "numtext.h"
#include "resource.h"
#include "site.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace {

bool running = false;
bool stopAsked = false;

std::vector<TakeGroup> CheckedGroups(HWND dlg)
{
    const HWND list = Item(dlg, IDC_RO_GROUPS);
    std::vector<TakeGroup> groups;
    for (int row = 0; row < ListRowCount(list); ++row)
        if (IsListRowChecked(list, row))
            groups.push_back(TakeGroups()[static_cast<size_t>(ListRowData(list, row))]);
    return groups;
}

void Browse(HWND dlg)
{
    std::string folder;
    if (ChooseFolder(dlg, "The folder holding the sites to take the settings to", folder))
        SetItemText(dlg, IDC_RO_FOLDER, folder);
}

// While sites are worked through, the dialog answers only Stop; its messages are handled between
// two sites.
void Busy(HWND dlg, bool busy)
{
    running = busy;
    for (const int id : {IDC_RO_GROUPS, IDC_RO_FOLDER, IDC_RO_BROWSE, IDC_RO_PREVIEW, IDC_RO_RUN, IDCANCEL})
        EnableItem(dlg, id, !busy);
    EnableItem(dlg, IDC_RO_STOP, busy);
    FocusItem(dlg, busy ? IDC_RO_STOP : IDC_RO_PREVIEW);
}

void HandlePending(HWND dlg)
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        if (!IsDialogMessageA(dlg, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
}

// Previews (apply false) or rolls out the checked settings to every site below the folder.
void Run(HWND dlg, bool apply)
{
    const std::vector<TakeGroup> groups = CheckedGroups(dlg);
    const std::string folder = GetItemText(dlg, IDC_RO_FOLDER, MAX_PATH);
    if (groups.empty() || folder.empty()) {
        Tell(dlg, groups.empty() ? "Check the settings to take." : "Choose the folder of the sites to take them to.", "Roll Out to Sites",
             MB_OK | MB_ICONINFORMATION);
        return;
    }
    // The site being edited stays the program's site: it is read as the reference, and set back.
    const std::string site = IniFile, siteFolder = cFileDir;
    const std::optional<Reference> reference = ReadReference(site, groups);
    const SiteList sites = SitesBelow(folder);
    if (apply && reference) {
        const std::string question = "Roll the checked settings of this site out to the " + std::to_string(sites.sites.size()) +
                                     " sites below " + folder + "?\n\nEach site's change is one entry of its own change history.";
        if (Ask(dlg, question, "Roll Out to Sites", MB_YESNO | MB_ICONQUESTION, IDNO) != IDYES) {
            UseSite(site);
            cFileDir = siteFolder;
            return;
        }
    }
    const HWND results = Item(dlg, IDC_RO_RESULTS);
    { const ListRefill empty(results, 0); }
    for (const std::string& problem : sites.problems)
        AddListRow(results, 0, {problem, "", "", "", "the folder cannot be read"});
    SendMessageA(Item(dlg, IDC_RO_PROGRESS), PBM_SETRANGE32, 0, static_cast<LPARAM>(sites.sites.size()));
    SendMessageA(Item(dlg, IDC_RO_PROGRESS), PBM_SETPOS, 0, 0);
    Busy(dlg, true);
    stopAsked = false;
    size_t done = 0, level = 0, skippedSites = 0, unchanged = 0, taken = 0, skipped = 0;
    for (const std::string& path : reference ? sites.sites : std::vector<std::string>{}) {
        HandlePending(dlg);
        if (stopAsked)
            break;
        SitePlan plan = PlanSite(*reference, path);
        if (apply)
            ApplyPlan(plan, reference->path);
        for (const TakenValue& v : plan.values)
            AddListRow(results, 0, {path, "[" + v.section + "] " + v.key, v.before.value_or("(absent)"), v.after,
                                    v.skipped.empty() ? "" : "skipped: " + v.skipped});
        const bool failed = !plan.readable || !plan.failure.empty();
        if (failed || plan.values.empty())
            AddListRow(results, 0, {path, "", "", "", FormatSitePlan(plan, !apply).substr(path.size() + 2)});
        ++done;
        unchanged += failed ? 1 : 0;
        skippedSites += !failed && plan.Skipped() ? 1 : 0;
        level += !failed && plan.Skipped() == 0 ? 1 : 0;
        taken += failed ? 0 : plan.Taken();
        skipped += plan.Skipped();
        SendMessageA(Item(dlg, IDC_RO_PROGRESS), PBM_SETPOS, done, 0);
    }
    Busy(dlg, false);
    UseSite(site);
    cFileDir = siteFolder;
    std::string summary = !reference ? "This site's system INI file cannot be read."
                                     : std::to_string(done) + " of " + std::to_string(sites.sites.size()) + " sites" +
                                           (apply ? (stopAsked ? " done before Stop: " : " done: ") : " previewed: ") +
                                           std::to_string(level) + " level, " + std::to_string(skippedSites) + " with values skipped, " +
                                           std::to_string(unchanged) + " not changed. " + Plural(taken, "value") +
                                           (apply ? " taken, " : " to take, ") + std::to_string(skipped) + " skipped.";
    SetItemText(dlg, IDC_RO_SUMMARY, summary);
    if (apply)
        Tell(dlg, summary, "Roll Out to Sites", MB_OK | MB_ICONINFORMATION);
}

void OnInit(HWND dlg)
{
    SetItemText(dlg, IDC_RO_REFERENCE, "Reference: " + IniFile);
    const HWND groups = Item(dlg, IDC_RO_GROUPS);
    AddListColumns(groups, {{"Command", 170}}, kFillFollows);
    SendMessageA(groups, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES, LVS_EX_CHECKBOXES);
    {
        const ListRefill refill(groups, TakeGroups().size());
        for (size_t i = 0; i < TakeGroups().size(); ++i)
            AddListRow(groups, static_cast<LPARAM>(i), {TakeGroups()[i].name});
    }
    AddListColumns(Item(dlg, IDC_RO_RESULTS), {{"Site", 150}, {"Key", 150}, {"Before", 70}, {"After", 70}, {"Note", 160}});
    LimitItemText(dlg, IDC_RO_FOLDER, MAX_PATH - 1);
}

} // namespace

INT_PTR CALLBACK RollOutProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM) noexcept
{
    switch (msg) {
    case WM_INITDIALOG:
        OnInit(dlg);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_RO_BROWSE:
            Browse(dlg);
            return TRUE;
        case IDC_RO_PREVIEW:
        case IDC_RO_RUN:
            if (!running)
                Run(dlg, LOWORD(wParam) == IDC_RO_RUN);
            return TRUE;
        case IDC_RO_STOP:
            stopAsked = true;
            return TRUE;
        case IDCANCEL: // while running, Escape is Stop
            if (running)
                stopAsked = true;
            else
                EndDialog(dlg, 1);
            return TRUE;
        default:
            return FALSE;
        }
    default:
        return FALSE;
    }
}

void DisplayRollOut(HINSTANCE instance, HWND owner)
{
    ShowListDialog(instance, owner, "IDD_ROLLOUT", RollOutProc, "Roll Out to Sites");
}
