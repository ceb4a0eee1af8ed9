#include "overviewdlg.h"

#include "site/ownedkeys.h"
#include "site/sitecheck.h"

#include "defines.h"
#include "dlgctl.h"
#include "helptopic.h"
#include "history.h"
#include "listview.h"
#include "numtext.h"
#include "resource.h"
#include "cameras/camerakeys.h"
#include "cameras/cameracopy.h"
#include "cameras/camerapage.h"
#include "cameras/cameraprop.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

enum Column { kMark, kNumber, kName, kOn, kKind, kWhere, kRate, kMotion, kAmount, kIllumination, kAlarm };

struct Row {
    CameraSummary camera;
    std::vector<std::string> cells; // by Column
    std::vector<std::string> why;   // what marks the row
    bool sharesPort = false;
};

// The rows shown, by camera number, as last read from the files.
std::vector<Row> rows;
int sortColumn = kNumber;
bool sortDown = false;
std::string lastCopy; // what the last copy did, for the summary

const char* OnOff(bool on) { return on ? "On" : "Off"; }

const Row* RowOf(LPARAM camera)
{
    for (const Row& row : rows)
        if (row.camera.number == camera)
            return &row;
    return nullptr;
}

// "camera 7", "cameras 7 and 9", "cameras 3, 7 and 9"
std::string CameraList(const std::vector<int>& cameras)
{
    std::string text = cameras.size() == 1 ? "camera " : "cameras ";
    for (size_t i = 0; i < cameras.size(); ++i)
        text += (i == 0 ? "" : i + 1 == cameras.size() ? " and " : ", ") + std::to_string(cameras[i]);
    return text;
}

// Two analog cameras in use on one port: the recorder captures only one picture there.
void MarkSharedPorts()
{
    std::map<int, std::vector<int>> users;
    for (const Row& row : rows)
        if (row.camera.on && !row.camera.ip)
            users[row.camera.port].push_back(row.camera.number);
    for (Row& row : rows) {
        if (!row.camera.on || row.camera.ip)
            continue;
        std::vector<int> others = users[row.camera.port];
        std::erase(others, row.camera.number);
        row.sharesPort = !others.empty();
        if (row.sharesPort)
            row.why.push_back("Port " + std::to_string(row.camera.port) + " is also used by " + CameraList(others));
    }
}

// The site check's findings on a camera's keys. Its word on a shared port is left out where the
// row already says it (it names only the later camera of the two).
void MarkFindings()
{
    for (const Finding& f : CheckSite(true).findings) {
        const int camera = CameraOfKey(f.section, f.key);
        if (camera < 1 || camera > static_cast<int>(rows.size()))
            continue;
        Row& row = rows[static_cast<size_t>(camera - 1)];
        const bool sharedPortSaid = row.sharesPort && EqualNoCase(f.key, CameraKeyName(CameraKey::Port, camera)) &&
                                    f.rule.find(" is also used by ") != std::string::npos;
        if (!sharedPortSaid)
            row.why.push_back(FormatFinding(f));
    }
}

void FillCells(Row& row)
{
    const CameraSummary& c = row.camera;
    row.cells = {row.why.empty() ? "" : "!",
                 std::to_string(c.number),
                 c.name,
                 OnOff(c.on),
                 c.ip ? "IP" : "Analog",
                 c.ip ? c.address : std::to_string(c.port),
                 c.rate,
                 OnOff(c.motion),
                 std::to_string(c.motionAmount),
                 OnOff(c.illumination),
                 std::to_string(c.illuminationAlarm)};
}

void ReadRows()
{
    const ReadSession session; // the summaries and the site check read each file once between them
    rows.clear();
    for (CameraSummary& camera : ReadCameraSummaries(CameraPageCount()))
        rows.push_back({std::move(camera), {}, {}, false});
    MarkSharedPorts();
    MarkFindings();
    for (Row& row : rows)
        FillCells(row);
}

// Frames per second of the rate display ("15 FPS", " 4 SPF"); a camera that is off has none.
double FramesPerSecond(const std::string& rate)
{
    if (rate.empty())
        return -1;
    const double n = LeadingInt(rate);
    return rate.find("SPF") != std::string::npos && n > 0 ? 1 / n : n;
}

// Texts with their numbers compared as numbers ("10.0.0.9" before "10.0.0.10"), case ignored.
int CompareNatural(const std::string& a, const std::string& b)
{
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (std::isdigit(static_cast<unsigned char>(a[i])) && std::isdigit(static_cast<unsigned char>(b[j]))) {
            const size_t ai = a.find_first_not_of("0123456789", i), bj = b.find_first_not_of("0123456789", j);
            const std::string x = a.substr(i, ai - i), y = b.substr(j, bj - j);
            const std::string xs = x.substr(std::min(x.find_first_not_of('0'), x.size())), ys = y.substr(std::min(y.find_first_not_of('0'), y.size()));
            if (xs.size() != ys.size())
                return xs.size() < ys.size() ? -1 : 1;
            if (xs != ys)
                return xs < ys ? -1 : 1;
            i = std::min(ai, a.size());
            j = std::min(bj, b.size());
            continue;
        }
        const int x = std::toupper(static_cast<unsigned char>(a[i++])), y = std::toupper(static_cast<unsigned char>(b[j++]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    return (i < a.size()) - (j < b.size());
}

template <typename T>
int Compare(T a, T b)
{
    return a < b ? -1 : b < a ? 1 : 0;
}

int CompareRows(const Row& a, const Row& b, int column)
{
    switch (column) {
    case kMark:
        return Compare(b.why.size(), a.why.size()); // marked rows first
    case kNumber:
        return Compare(a.camera.number, b.camera.number);
    case kWhere: // analog cameras by port, then IP cameras by address
        if (a.camera.ip != b.camera.ip)
            return a.camera.ip ? 1 : -1;
        return a.camera.ip ? CompareNatural(a.camera.address, b.camera.address) : Compare(a.camera.port, b.camera.port);
    case kRate:
        return Compare(FramesPerSecond(a.camera.rate), FramesPerSecond(b.camera.rate));
    case kAmount:
        return Compare(a.camera.motionAmount, b.camera.motionAmount);
    case kAlarm:
        return Compare(a.camera.illuminationAlarm, b.camera.illuminationAlarm);
    default:
        return CompareNatural(a.cells[static_cast<size_t>(column)], b.cells[static_cast<size_t>(column)]);
    }
}

int CALLBACK SortProc(LPARAM a, LPARAM b, LPARAM) noexcept
{
    const Row *x = RowOf(a), *y = RowOf(b);
    if (!x || !y)
        return 0;
    const int order = CompareRows(*x, *y, sortColumn);
    if (order != 0)
        return sortDown ? -order : order;
    return Compare(x->camera.number, y->camera.number); // equal rows keep camera order
}

void SortList(HWND dlg) { SendMessageA(Item(dlg, IDC_OV_LIST), LVM_SORTITEMS, 0, reinterpret_cast<LPARAM>(SortProc)); }

// Reads every camera again and shows it, keeping the order and the selected camera.
void Refresh(HWND dlg)
{
    const HWND list = Item(dlg, IDC_OV_LIST);
    const LPARAM selected = SelectedListData(list);
    ReadRows();
    {
        const ListRefill refill(list, rows.size());
        for (const Row& row : rows)
            AddListRow(list, row.camera.number, row.cells);
    }
    SortList(dlg);
    LVFINDINFOA find{};
    find.flags = LVFI_PARAM;
    find.lParam = selected < 0 ? 1 : selected;
    const auto at = static_cast<int>(SendMessageA(list, LVM_FINDITEMA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)));
    SelectListRow(list, std::max(at, 0));

    const auto marked = std::count_if(rows.begin(), rows.end(), [](const Row& row) { return !row.why.empty(); });
    std::string summary = rows.empty() ? "No camera page to show" : Plural(rows.size(), "camera");
    if (marked)
        summary += ", " + std::to_string(marked) + " marked";
    SetItemText(dlg, IDC_OV_SUMMARY, summary + (lastCopy.empty() ? "" : "; " + lastCopy));
}

void OnColumnClick(HWND dlg, int column)
{
    sortDown = column == sortColumn && !sortDown;
    sortColumn = column;
    SortList(dlg);
}

// A marked row's tip says why it is marked, one reason a line.
void OnInfoTip(HWND dlg, NMLVGETINFOTIPA& tip)
{
    const Row* row = RowOf(ListRowData(Item(dlg, IDC_OV_LIST), tip.iItem));
    if (!row || row->why.empty() || !tip.pszText || tip.cchTextMax <= 0)
        return;
    std::string text;
    for (const std::string& why : row->why)
        text += (text.empty() ? "" : "\r\n") + why;
    std::snprintf(tip.pszText, static_cast<size_t>(tip.cchTextMax), "%s", text.c_str());
}

void SetCommand(UINT id)
{
    if (const CommandKeys* command = FindCommand(id))
        SetHistoryCommand(command->name);
}

// The camera sheet at the camera's page; what it stored is shown when it closes.
void OpenCameraPage(HWND dlg, LPARAM camera)
{
    if (camera < 1)
        return;
    SetCommand(IDM_PORT_CONFIG);
    DisplayCameraProperties(hInst, dlg, static_cast<int>(camera) - 1);
    SetCommand(IDM_CAMERA_OVERVIEW);
    Refresh(dlg);
}

void OpenCopySettings(HWND dlg)
{
    const LPARAM source = SelectedListData(Item(dlg, IDC_OV_LIST));
    if (source < 1) {
        MessageBoxA(dlg, "Select the camera whose settings are to be copied.", "Copy Camera Settings", MB_OK | MB_ICONINFORMATION);
        return;
    }
    if (ModalDialog(hInst, "IDD_COPY_SETTINGS", dlg, CopySettingsProc, source) == 1)
        Refresh(dlg);
}

// ---- Copy Settings ---------------------------------------------------------------------------

int copySource = 0;
bool copyStored = false; // something was stored, even if not all: the overview reads the files again

void ShowCopySettings(HWND dlg)
{
    const Row* source = RowOf(copySource);
    SetItemText(dlg, IDC_CS_SOURCE, "From camera " + std::to_string(copySource) + (source ? " (" + source->camera.name + ")" : ""));
    const HWND list = Item(dlg, IDC_CS_TARGETS);
    AddListColumns(list, {{"Camera", 55}, {"Name", 160}, {"Type", 60}});
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES, LVS_EX_CHECKBOXES);
    for (const Row& row : rows)
        if (row.camera.number != copySource)
            AddListRow(list, row.camera.number, {std::to_string(row.camera.number), row.camera.name, row.cells[kKind]});
    if (ListRowCount(list) > 0)
        SelectListRow(list, 0);
}

// All &Analog and All &IP check the cameras of that kind, leaving the others as they are.
void CheckAllOfKind(HWND dlg, bool ip)
{
    const HWND list = Item(dlg, IDC_CS_TARGETS);
    for (int item = 0; item < ListRowCount(list); ++item)
        if (const Row* row = RowOf(ListRowData(list, item)); row && row->camera.ip == ip)
            CheckListRow(list, item, true);
}

INT_PTR CALLBACK ConfirmCopyProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    switch (msg) {
    case WM_INITDIALOG: {
        const HWND list = Item(dlg, IDC_CC_LIST);
        size_t widest = 0;
        for (const std::string& line : *reinterpret_cast<const std::vector<std::string>*>(lParam)) {
            SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
            widest = std::max(widest, line.size());
        }
        RECT chars{0, 0, static_cast<LONG>(widest) * 4 + 8, 0};
        MapDialogRect(dlg, &chars);
        SendMessageA(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(chars.right), 0);
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) != IDOK && LOWORD(wParam) != IDCANCEL)
            return FALSE;
        EndDialog(dlg, LOWORD(wParam));
        return TRUE;
    default:
        return FALSE;
    }
}

// OK: the checked cameras and groups, what that would change, confirmed, then stored as one change.
void OnCopyOk(HWND dlg)
{
    const HWND list = Item(dlg, IDC_CS_TARGETS);
    std::vector<int> targets;
    for (int item = 0; item < ListRowCount(list); ++item)
        if (IsListRowChecked(list, item))
            targets.push_back(static_cast<int>(ListRowData(list, item)));
    unsigned groups = 0;
    for (const auto& [id, group] : {std::pair{IDC_CS_MOTION, kCopyMotion}, {IDC_CS_RATE, kCopyRate},
                                   {IDC_CS_ILLUMINATION, kCopyIllumination}, {IDC_CS_ONOFF, kCopyOnOff}})
        if (IsItemChecked(dlg, id))
            groups |= group;
    const char* title = "Copy Camera Settings";
    if (targets.empty() || !groups) {
        MessageBoxA(dlg, targets.empty() ? "Check the cameras to copy to." : "Check the settings to copy.", title, MB_OK | MB_ICONINFORMATION);
        return;
    }
    const CopyPlan plan = PlanCameraCopy(copySource, targets, groups);
    if (plan.changes.empty() && plan.skipped.empty()) {
        MessageBoxA(dlg, "The checked cameras already hold these settings: nothing changes.", title, MB_OK | MB_ICONINFORMATION);
        return;
    }
    std::vector<std::string> lines;
    for (const CopyChange& c : plan.changes)
        lines.push_back(DescribeCopyChange(c));
    for (const CopySkip& s : plan.skipped)
        lines.push_back(DescribeCopySkip(s));
    if (std::any_of(plan.changes.begin(), plan.changes.end(), [](const CopyChange& c) { return c.group == kCopyOnOff; }))
        lines.push_back("Switching a camera on or off also updates the remote viewer's camera list, and in the basic menu "
                        "the last remote-view camera, as its page does.");
    if (ModalDialog(hInst, "IDD_COPY_CONFIRM", dlg, ConfirmCopyProc, reinterpret_cast<LPARAM>(&lines)) != IDOK)
        return;
    const CopyPlan done = CopyCameraSettings(copySource, targets, groups);
    SetCommand(IDM_CAMERA_OVERVIEW);
    copyStored = true;
    lastCopy = "copied " + Plural(done.changes.size(), "value") + " from camera " + std::to_string(copySource) +
               (done.skipped.empty() ? "" : ", " + std::to_string(done.skipped.size()) + " not copied");
    // A value that could not be stored is said, and the dialog stays open as every dialog does.
    if (ReportFailedWrite(dlg)) {
        lastCopy = "the last copy could not be stored whole";
        return;
    }
    EndDialog(dlg, 1);
}

} // namespace

INT_PTR CALLBACK CopySettingsProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    switch (msg) {
    case WM_INITDIALOG:
        copySource = static_cast<int>(lParam);
        copyStored = false;
        ShowCopySettings(dlg);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_CS_ALL_ANALOG:
        case IDC_CS_ALL_IP:
            CheckAllOfKind(dlg, LOWORD(wParam) == IDC_CS_ALL_IP);
            return TRUE;
        case IDOK:
            OnCopyOk(dlg);
            return TRUE;
        case IDCANCEL:
            EndDialog(dlg, copyStored ? 1 : 0);
            return TRUE;
        default:
            return FALSE;
        }
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK CameraOverviewProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    if (ListDialogMessage(dlg, msg, wParam, lParam, {Grows(IDC_OV_LIST), FootRight(IDC_OV_COPY), FootRight(IDCANCEL), Foot(IDC_OV_SUMMARY)}))
        return TRUE;
    switch (msg) {
    case WM_INITDIALOG: {
        const HWND list = Item(dlg, IDC_OV_LIST);
        AddListColumns(list, {{"!", 20}, {"Camera", 58}, {"Name", 110}, {"On", 35}, {"Type", 50}, {"Port / Address", 95},
                              {"Rate", 55}, {"Motion", 56}, {"Amount", 62}, {"Illumination", 82}, {"Alarm Level", 80}},
                       kFillFollows);
        SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_INFOTIP, LVS_EX_INFOTIP);
        sortColumn = kNumber;
        sortDown = false;
        lastCopy.clear();
        Refresh(dlg);
        return TRUE;
    }
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header->idFrom != IDC_OV_LIST)
            return FALSE;
        const HWND list = header->hwndFrom;
        switch (header->code) {
        case NM_DBLCLK: // the row clicked, not the selected one; a double-click beside the rows opens nothing
            if (const int item = reinterpret_cast<NMITEMACTIVATE*>(lParam)->iItem; item >= 0)
                OpenCameraPage(dlg, ListRowData(list, item));
            break;
        case NM_RETURN:
            OpenCameraPage(dlg, SelectedListData(list));
            break;
        case LVN_COLUMNCLICK:
            OnColumnClick(dlg, reinterpret_cast<NMLISTVIEW*>(lParam)->iSubItem);
            break;
        case LVN_GETINFOTIPA:
            OnInfoTip(dlg, *reinterpret_cast<NMLVGETINFOTIPA*>(lParam));
            break;
        default:
            break;
        }
        return FALSE;
    }
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_OV_COPY:
            OpenCopySettings(dlg);
            return TRUE;
        case IDOK: // the overview stores nothing itself: Enter closes it as Close does
            EndDialog(dlg, 1);
            return TRUE;
        default:
            return FALSE;
        }
    default:
        return FALSE;
    }
}

void DisplayCameraOverview(HINSTANCE instance, HWND owner)
{
    ShowListDialog(instance, owner, "IDD_OVERVIEW", CameraOverviewProc, "Camera Overview");
}
