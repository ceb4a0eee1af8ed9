// Dialog timing: how long from choosing a menu command (the main window receiving WM_COMMAND) to
// its dialog, or its property sheet's first page, being ready for input, as a median over many
// runs, beside the same figure for an empty dialog of the same size and style opened the same way
// by floor_dialogs (for a sheet: an empty sheet with as many empty pages of the first page's size
// as the program's sheet has tabs). A
// sheet page other than the first is timed from choosing its tab on the sheet, once the sheet is
// up and settled, to the page being ready, beside an empty sheet with as many pages; the week page of the
// schedule also times a drag step that paints its whole grid.
//   bench_dialogs RUNS PROGRAM ARG FLOOR_PROGRAM --compare=OTHER_INI [--controls] [--only=ID,ID...]
// OTHER_INI is the site Compare with Site is given in its open-file dialog.
// --controls adds a column: the same templates, controls and all, opened by floor_dialogs with a
// procedure that does nothing (a sheet: such pages), its lists given the columns and as many rows
// of placeholder text as the program's showed (no template can hold them, and Wine's cost of
// drawing them is not the program's); what is left above it is the program's own work on opening.
// --only times just the commands of those menu ids (each then opens first in its process, so it
// pays for what the first dialog loads).
// Ready for input means: a visible dialog of the program's process owned by its main window (for
// a sheet, with a visible page), whose thread answers a WM_NULL sent to it (so it runs the modal
// loop), and neither it nor any visible window inside it has anything left to paint. Each
// dialog is then closed with Cancel, which writes nothing.
// Each run starts the program and the floor program once and times every command once, in an
// order shuffled per run (the same for both), so the first dialog of a process, which pays for
// loading what every dialog needs, is a different one each time.
#include "empty_dialog.h"
#include "resource.h"

#include <windows.h>

#include <commctrl.h>
#include <prsht.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Command {
    UINT id;
    bool sheet;
    // The menu text of a command the program adds to its menu at run time (the others are read
    // from the menu resource).
    const char* addedText;
    // The dialog's template, or the sheet's first page's; where the program chooses between two
    // by the site or the mode, both, and the one whose size the opened window has is used.
    std::vector<const char*> templates;
    // A sheet's page timed on its own (0-based), and its title; 0 for the dialog or first page.
    int page = 0;
    const char* pageTitle = nullptr;
};

// Every command that opens a dialog or a sheet; Advanced (a toggle), Exit and Help Topics do not.
const std::vector<Command> kCommands = {
    {IDM_PORT_CONFIG, true, nullptr, {"IDD_CAMERAPROP_2", "IDD_CAMERAPROP"}},
    {IDM_PRIMARY_MUX, false, nullptr, {"IDD_COMM"}},
    {IDM_VIDEO_OUTPUT, false, "Video Output", {"IDD_SCAN_VIDEO", "IDD_SCAN_VIDEO32"}},
    {IDM_ABOUT, false, nullptr, {"ABOUT"}},
    {IDM_VIDEO_PARAMS, false, nullptr, {"IDD_VIDEO_CFG", "IDD_VIDEO_CFG2"}},
    {IDM_SLAVE_MUX1, false, nullptr, {"IDD_COMM"}},
    {IDM_DISK_USAGE, false, nullptr, {"IDD_DISK2", "IDD_DISK"}},
    {IDM_SLAVE_MUX2, false, nullptr, {"IDD_COMM"}},
    {IDM_SLAVE_MUX3, false, nullptr, {"IDD_COMM"}},
    {IDM_NAME_ASSIGNMENT, false, nullptr, {"IDD_CAMNAMES"}},
    {IDM_SITE_MAP, false, nullptr, {"IDD_SITEMAP"}},
    {IDM_VERSION_INFO, false, nullptr, {"IDD_INQUIRYVER2", "IDD_INQUIRYVER"}},
    {IDM_SITE_ID, false, nullptr, {"IDD_SITEID_RMT", "IDD_SITEID"}},
    {IDM_TRANSACTIONS, false, nullptr, {"IDD_BANKPROTOCOL"}},
    {IDM_IMAGE_SELECTION, false, nullptr, {"IDD_IMAGESELECTION"}},
    {IDM_ATM_TRANSACTIONS, false, nullptr, {"IDD_ATMPRINT"}},
    {IDM_REMOTE_MONITORING, false, nullptr, {"IDD_RMTMONITOR"}},
    {IDM_ACTIVITY_LOG, false, nullptr, {"IDD_ACTIVITYLOG"}},
    {IDM_TCPIP_MONITORING, false, nullptr, {"IDD_TCPIP_MON"}},
    {IDM_TCPIP_ATM_CONFIG, false, nullptr, {"IDD_ATMPROTOCOL"}},
    {IDM_MODEM, false, nullptr, {"IDD_MODEM"}},
    {IDM_ALARM_CONFIG, true, nullptr, {"IDD_SYSTEMALARMS_SMS", "IDD_SYSTEMALARMS"}},
    {IDM_CAMERA_SYSTEM, false, nullptr, {"IDD_GENCAMPROP"}},
    {IDM_STATUS_LOG, false, nullptr, {"IDD_STATUSLOG"}},
    {IDM_SYSTEM_HEALTH, false, nullptr, {"IDD_SYSTEM_HEALTH"}},
    {IDM_SCHEDULE, true, nullptr, {"IDD_SCHED_MAIN"}},
    {IDM_SCHEDULE, true, nullptr, {"IDD_SCHED_WEEK"}, 8, "Week"},
    {IDM_TCPIP_CAPTURE, false, nullptr, {"IDD_ADAPTER_INFO"}},
    {IDM_CAPTIONS, false, "Captions", {"IDD_CAPTIONS"}},
    {IDM_TDI_PORTS, true, "TDI Ports", {"IDD_SERIALPORT"}},
    {IDM_CAMERA_OVERVIEW, false, nullptr, {"IDD_OVERVIEW"}},
    {IDM_HISTORY, false, nullptr, {"IDD_HISTORY"}},
    {IDM_CHECK_SITE, false, nullptr, {"IDD_CHECKSITE"}},
    {IDM_ROLL_OUT, false, nullptr, {"IDD_ROLLOUT"}},
    {IDM_COMPARE_SITE, false, nullptr, {"IDD_COMPARE"}},
};

// Compare with Site first asks for the other site's file: the open-file dialog, with this caption,
// is given this path and OK, and the time runs from that dialog having gone, when the program has
// the file's name. What the file dialog and the system do between OK and then swung by tens of
// milliseconds from run to run, more than the comparison itself takes, and is none of the
// program's work. The floors open the same open-file dialog first (":D+").
constexpr char kChooseSiteCaption[] = "Site to compare with";
std::string compareWith;
constexpr int kFileNameBox = 1148;

constexpr double kMaxRatio = 1.5;
// Against the same template with its controls: what is left is the program's own work.
constexpr double kMaxControlsRatio = 1.15;
constexpr double kMaxMs = 100.0;
constexpr double kMaxDragMs = 30.0;
// How long a sheet is left to settle before a later page's tab is chosen.
constexpr DWORD kSettleMs = 100;

double Now()
{
    static const double perMs = [] {
        LARGE_INTEGER freq;
        QueryPerformanceFrequency(&freq);
        return static_cast<double>(freq.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) / perMs;
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

// How much the ratio of two medians owes to the runs that happened to be drawn: its 5th and 95th
// percentiles over 400 resamplings of the runs (the same runs drawn for both, as they ran side by
// side). Passes at other times have differed by more.
std::pair<double, double> RatioInterval(const std::vector<double>& a, const std::vector<double>& b)
{
    const size_t runs = std::min(a.size(), b.size());
    if (runs == 0)
        return {0, 0};
    std::mt19937 draw(7);
    std::uniform_int_distribution<size_t> pick(0, runs - 1);
    std::vector<double> ratios, x(runs), y(runs);
    for (int i = 0; i < 400; ++i) {
        for (size_t r = 0; r < runs; ++r) {
            const size_t run = pick(draw);
            x[r] = a[run];
            y[r] = b[run];
        }
        const double below = Median(y);
        ratios.push_back(below > 0 ? Median(x) / below : 0);
    }
    std::sort(ratios.begin(), ratios.end());
    return {ratios[20], ratios[379]};
}

bool Ping(HWND wnd, UINT timeoutMs)
{
    DWORD_PTR result;
    return SendMessageTimeoutA(wnd, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &result) != 0;
}

bool IsDialogClass(HWND wnd)
{
    char cls[16] = "";
    GetClassNameA(wnd, cls, sizeof cls);
    return std::strcmp(cls, "#32770") == 0;
}

struct Process {
    PROCESS_INFORMATION pi{};
    HWND main = nullptr;
};

struct Search {
    DWORD pid;
    HWND owner; // null: the process's unowned main window
    HWND found;
};

BOOL CALLBACK FindTopLevel(HWND wnd, LPARAM lParam)
{
    auto* s = reinterpret_cast<Search*>(lParam);
    DWORD pid = 0;
    GetWindowThreadProcessId(wnd, &pid);
    if (pid != s->pid || !IsWindowVisible(wnd) || GetWindow(wnd, GW_OWNER) != s->owner)
        return TRUE;
    if (s->owner && !IsDialogClass(wnd))
        return TRUE;
    s->found = wnd;
    return FALSE;
}

HWND FindWindowOf(DWORD pid, HWND owner)
{
    Search s{pid, owner, nullptr};
    EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

bool Start(const std::string& commandLine, Process& p)
{
    STARTUPINFOA si{};
    si.cb = sizeof si;
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &p.pi))
        return false;
    WaitForInputIdle(p.pi.hProcess, 20000);
    for (int i = 0; i < 500 && !p.main; ++i) {
        p.main = FindWindowOf(p.pi.dwProcessId, nullptr);
        if (!p.main)
            Sleep(10);
    }
    return p.main && Ping(p.main, 10000);
}

void Stop(Process& p)
{
    if (p.main)
        PostMessageA(p.main, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(p.pi.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(p.pi.hProcess, 1);
    CloseHandle(p.pi.hThread);
    CloseHandle(p.pi.hProcess);
    p = {};
}

HWND VisiblePage(HWND sheet)
{
    for (HWND child = FindWindowExA(sheet, nullptr, "#32770", nullptr); child;
         child = FindWindowExA(sheet, child, "#32770", nullptr))
        if (IsWindowVisible(child))
            return child;
    return nullptr;
}

BOOL CALLBACK CollectChild(HWND wnd, LPARAM lParam)
{
    reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(wnd);
    return TRUE;
}

// The windows inside the dialog, last painted first: a thread paints a parent before its children
// and children in their order, so once the last is clean the rest usually are too, and the check
// costs a call or two for each paint rather than one for each window.
std::vector<HWND> InPaintOrderReversed(HWND dlg)
{
    std::vector<HWND> children;
    EnumChildWindows(dlg, CollectChild, reinterpret_cast<LPARAM>(&children));
    std::reverse(children.begin(), children.end());
    children.push_back(dlg);
    return children;
}

bool NothingToPaint(const std::vector<HWND>& windows)
{
    for (const HWND wnd : windows)
        if (IsWindowVisible(wnd) && GetUpdateRect(wnd, nullptr, FALSE))
            return false;
    return true;
}

struct Opened {
    double ms = -1;
    double dragMs = -1; // the week grid's drag step, where the page has the grid
    HWND dlg = nullptr;
    SIZE client{}; // of the dialog, or of the sheet's page
    std::string caption;
    int pages = 0; // of a sheet
    std::string lists; // the shape of its list controls, for floor_dialogs (see ListShapes)
};

// The list controls of a dialog as the program filled them: for each, "ID/EXSTYLE/ROWS/W1,W2,..."
// (its extended style, its rows, the widths of its columns), joined by ";". Everything is read
// with messages that carry no pointer, so it works across processes.
std::string ListShapes(HWND dlg)
{
    std::string shapes;
    for (HWND child = GetWindow(dlg, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char cls[32] = "";
        if (!GetClassNameA(child, cls, sizeof cls) || std::strcmp(cls, "SysListView32") != 0)
            continue;
        const auto header = reinterpret_cast<HWND>(SendMessageA(child, LVM_GETHEADER, 0, 0));
        const int columns = header ? static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
        shapes += (shapes.empty() ? "" : ";") + std::to_string(GetDlgCtrlID(child)) + "/" +
                  std::to_string(SendMessageA(child, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0)) + "/" +
                  std::to_string(SendMessageA(child, LVM_GETITEMCOUNT, 0, 0)) + "/";
        for (int c = 0; c < columns; ++c)
            shapes += (c ? "," : "") + std::to_string(SendMessageA(child, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(c), 0));
    }
    return shapes;
}

// Sends a message as the user's mouse would post it, and returns once it has been handled.
void SendMouse(HWND wnd, UINT msg, WPARAM keys, int x, int y)
{
    DWORD_PTR result;
    SendMessageTimeoutA(wnd, msg, keys, MAKELPARAM(x, y), SMTO_NORMAL, 10000, &result);
}

// Waits until nothing in the dialog is left to paint and its thread takes messages again.
void WaitDrawn(HWND dlg, const std::vector<HWND>& windows)
{
    const double start = Now();
    while (Ping(dlg, 10000) && !NothingToPaint(windows) && Now() - start < 10000) {
    }
}

// A drag step over the page's whole week grid: the button pressed on the grid's last cell, then
// the pointer taken past its first, so that every cell is painted; the time from that move to the
// grid and the texts under it being drawn again. -1 for a page without the grid.
double TimeDrag(HWND dlg, HWND page)
{
    const HWND grid = FindWindowExA(page, nullptr, "OrvaWeekGrid", nullptr);
    if (!grid)
        return -1;
    RECT rc{};
    GetClientRect(grid, &rc);
    const std::vector<HWND> windows = InPaintOrderReversed(dlg);
    SendMouse(grid, WM_LBUTTONDOWN, MK_LBUTTON, rc.right - 2, rc.bottom - 2);
    WaitDrawn(dlg, windows);
    const double start = Now();
    SendMouse(grid, WM_MOUSEMOVE, MK_LBUTTON, 0, 0);
    WaitDrawn(dlg, windows);
    const double ms = Now() - start;
    SendMouse(grid, WM_LBUTTONUP, 0, 0, 0);
    WaitDrawn(dlg, windows);
    return ms;
}

// Chooses the command and waits until its dialog is ready for input; for a page other than the
// first, then chooses that page's tab and waits until the page is ready.
Opened Open(const Process& p, const Command& cmd)
{
    Opened o;
    std::vector<HWND> windows;
    double start = Now();
    HWND first = nullptr; // the sheet's first page, once it is ready, when another page is timed
    PostMessageA(p.main, WM_COMMAND, cmd.id, 0);
    while (Now() - start < 20000) {
        const HWND dlg = FindWindowOf(p.pi.dwProcessId, p.main);
        const HWND page = dlg && cmd.sheet ? VisiblePage(dlg) : nullptr;
        if (!dlg || (cmd.sheet && !page) || (first && page == first)) {
            Ping(dlg ? dlg : p.main, 20); // returns when the program next takes its messages
            continue;
        }
        if (!Ping(dlg, 10000))
            continue;
        if (char caption[64] = ""; GetWindowTextA(dlg, caption, sizeof caption) && !compareWith.empty() &&
                                   std::strcmp(caption, kChooseSiteCaption) == 0) {
            DWORD_PTR result;
            SendMessageTimeoutA(GetDlgItem(dlg, kFileNameBox), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(compareWith.c_str()),
                                SMTO_NORMAL, 10000, &result);
            PostMessageA(dlg, WM_COMMAND, IDOK, 0);
            const double chosen = Now();
            while (IsWindow(dlg) && Now() - chosen < 10000)
                Sleep(0);
            start = Now();
            continue;
        }
        if (windows.empty())
            windows = InPaintOrderReversed(dlg);
        if (!NothingToPaint(windows))
            continue;
        if (cmd.page > 0 && !first) {
            // What the system does after a window first shows (activation, the X server's
            // exposures) comes a few milliseconds late; it belongs to opening the sheet, not
            // to choosing the tab, so the sheet is given time to settle.
            first = page;
            Sleep(kSettleMs);
            WaitDrawn(dlg, windows);
            windows.clear();
            start = Now();
            PostMessageA(dlg, PSM_SETCURSEL, static_cast<WPARAM>(cmd.page), 0);
            continue;
        }
        o.ms = Now() - start;
        if (cmd.page > 0)
            o.dragMs = TimeDrag(dlg, page);
        o.dlg = dlg;
        RECT rc{};
        GetClientRect(page ? page : dlg, &rc);
        o.client = {rc.right, rc.bottom};
        char text[128] = "";
        GetWindowTextA(dlg, text, sizeof text);
        o.caption = text;
        if (const auto tabs = reinterpret_cast<HWND>(cmd.sheet ? SendMessageA(dlg, PSM_GETTABCONTROL, 0, 0) : 0))
            o.pages = static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
        if (!cmd.sheet)
            o.lists = ListShapes(dlg);
        break;
    }
    return o;
}

// Cancels the dialog and waits until the main window takes its messages again.
bool Close(const Process& p, const Command& cmd, HWND dlg)
{
    if (cmd.sheet)
        PostMessageA(dlg, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    else
        PostMessageA(dlg, WM_COMMAND, IDCANCEL, 0);
    for (int i = 0; i < 5000 && IsWindow(dlg); ++i)
        Sleep(1);
    return !IsWindow(dlg) && IsWindowEnabled(p.main) && Ping(p.main, 5000);
}

// Times every command once, in the given order; ms[i] is the time of kCommands[i].
bool TimeAll(const std::string& commandLine, const std::vector<size_t>& order, std::vector<double>& ms,
             std::vector<Opened>* seen = nullptr, std::vector<double>* dragMs = nullptr)
{
    Process p;
    if (!Start(commandLine, p)) {
        std::fprintf(stderr, "could not start: %s\n", commandLine.c_str());
        Stop(p);
        return false;
    }
    ms.assign(kCommands.size(), -1);
    if (dragMs)
        dragMs->assign(kCommands.size(), -1);
    if (seen)
        seen->assign(kCommands.size(), {});
    bool ok = true;
    for (size_t i : order) {
        Sleep(30);
        const Opened o = Open(p, kCommands[i]);
        if (o.ms < 0 || !Close(p, kCommands[i], o.dlg)) {
            std::fprintf(stderr, "command %u: %s\n", kCommands[i].id,
                         o.ms < 0 ? "no dialog ready within 20 s" : "the dialog did not close on Cancel");
            ok = false;
            break;
        }
        ms[i] = o.ms;
        if (dragMs)
            (*dragMs)[i] = o.dragMs;
        if (seen)
            (*seen)[i] = o;
    }
    Stop(p);
    return ok;
}

INT_PTR CALLBACK EmptyProc(HWND, UINT msg, WPARAM, LPARAM) noexcept { return msg == WM_INITDIALOG; }

// The client size in pixels of an empty dialog made from the template, a page's as a child of
// parent.
SIZE ClientSize(const std::vector<DWORD>& tmpl, HWND parent)
{
    const auto* t = reinterpret_cast<LPCDLGTEMPLATEA>(tmpl.data());
    DWORD style;
    std::memcpy(&style, reinterpret_cast<const BYTE*>(tmpl.data()) + 12, 4);
    const HWND dlg = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), t,
                                                (style & WS_CHILD) ? parent : nullptr, EmptyProc, 0);
    RECT rc{};
    if (dlg) {
        GetClientRect(dlg, &rc);
        DestroyWindow(dlg);
    }
    return {rc.right, rc.bottom};
}

std::string MenuText(HMENU menu, UINT id)
{
    char text[64] = "";
    if (!menu || GetMenuStringA(menu, id, text, sizeof text, MF_BYCOMMAND) <= 0)
        return "";
    std::string s;
    for (const char* c = text; *c; ++c)
        if (*c != '&')
            s += *c;
    return s;
}

} // namespace

int main(int argc, char** argv)
{
    bool withControls = false, usage = argc < 6;
    std::vector<bool> chosen(kCommands.size(), true);
    for (int i = 5; i < argc; ++i) {
        if (std::strcmp(argv[i], "--controls") == 0) {
            withControls = true;
        } else if (std::strncmp(argv[i], "--only=", 7) == 0) {
            chosen.assign(kCommands.size(), false);
            for (const char* id = argv[i] + 7; *id; id += *id == ',') {
                char* end = nullptr;
                const unsigned long wanted = std::strtoul(id, &end, 10);
                if (end == id) {
                    usage = true;
                    break;
                }
                for (size_t k = 0; k < kCommands.size(); ++k)
                    chosen[k] = chosen[k] || kCommands[k].id == wanted;
                id = end;
            }
        }
        else if (std::strncmp(argv[i], "--compare=", 10) == 0)
            compareWith = argv[i] + 10;
        else
            usage = true;
    }
    if (usage || compareWith.empty()) {
        std::fprintf(stderr, "usage: bench_dialogs RUNS PROGRAM ARG FLOOR_PROGRAM --compare=OTHER_INI [--controls] [--only=ID,ID...]\n");
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    const std::string program = std::string("\"") + argv[2] + "\" " + argv[3];
    const HMODULE module = LoadLibraryExA(argv[2], nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) {
        std::fprintf(stderr, "cannot read the resources of %s\n", argv[2]);
        return 2;
    }
    const HMENU menu = LoadMenuA(module, "CONFIGMENU");

    // The first run, not counted, warms the file cache and shows which template each command
    // opened, by the size of its window.
    std::vector<size_t> order;
    for (size_t i = 0; i < kCommands.size(); ++i)
        if (chosen[i])
            order.push_back(i);
    std::vector<double> ms;
    std::vector<Opened> seen;
    if (!TimeAll(program, order, ms, &seen))
        return 1;
    const HWND pageParent = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 800, 600, nullptr, nullptr,
                                          nullptr, nullptr);
    std::vector<const char*> used(kCommands.size());
    std::vector<std::string> names(kCommands.size());
    std::string floor = std::string("\"") + argv[4] + "\" \"" + argv[2] + "\"";
    std::string controls = floor;
    for (const size_t i : order) {
        const Command& cmd = kCommands[i];
        long best = -1;
        for (const char* name : cmd.templates) {
            const std::vector<DWORD> tmpl = EmptyDialogTemplate(module, name);
            if (tmpl.empty()) {
                std::fprintf(stderr, "%s: no such DIALOGEX template\n", name);
                return 2;
            }
            const SIZE size = ClientSize(tmpl, pageParent);
            const long miss = std::labs(size.cx - seen[i].client.cx) + std::labs(size.cy - seen[i].client.cy);
            if (best < 0 || miss < best) {
                best = miss;
                used[i] = name;
            }
        }
        // A sheet fits its pages to the space beside its tabs; a dialog keeps its template's size.
        if (best != 0 && !cmd.sheet)
            std::fprintf(stderr, "warning: command %u opened \"%s\", %ldx%ld, which matches no template exactly\n",
                         cmd.id, seen[i].caption.c_str(), seen[i].client.cx, seen[i].client.cy);
        names[i] = (cmd.addedText ? cmd.addedText : MenuText(menu, cmd.id)) + (cmd.pageTitle ? std::string(": ") + cmd.pageTitle : "");
        // A sheet's first page is timed beside a sheet with as many tabs as the program's.
        const std::string page = cmd.page > 0 ? "@" + std::to_string(cmd.page) : cmd.sheet && seen[i].pages > 1 ? "*" + std::to_string(seen[i].pages) : "";
        const std::string chooses = cmd.id == IDM_COMPARE_SITE ? "+" : "";
        floor += " " + std::to_string(cmd.id) + (cmd.sheet ? ":S" : ":D") + chooses + page + ":" + used[i];
        controls += " " + std::to_string(cmd.id) + (cmd.sheet ? ":s" : ":d") + chooses + page + ":" + used[i] +
                    (seen[i].lists.empty() ? "" : ":" + seen[i].lists);
    }
    DestroyWindow(pageParent);

    // What is timed: the program, its floor, and optionally the same templates with their
    // controls but procedures that do nothing.
    std::vector<std::string> lines = {program, floor};
    if (withControls)
        lines.push_back(controls);
    for (size_t k = 1; k < lines.size(); ++k)
        if (!TimeAll(lines[k], order, ms))
            return 1;
    std::vector<std::vector<std::vector<double>>> times(
        lines.size(), std::vector<std::vector<double>>(kCommands.size()));
    auto drags = times;
    std::vector<double> dragMs;
    std::mt19937 shuffle(12345);
    for (int run = 0; run < runs; ++run) {
        std::shuffle(order.begin(), order.end(), shuffle);
        // Interleaved, so drift affects all alike; which goes first turns round.
        for (size_t k = 0; k < lines.size(); ++k) {
            const size_t which = (k + static_cast<size_t>(run)) % lines.size();
            Sleep(150);
            if (!TimeAll(lines[which], order, ms, nullptr, &dragMs))
                return 1;
            for (const size_t i : order) {
                times[which][i].push_back(ms[i]);
                if (dragMs[i] >= 0)
                    drags[which][i].push_back(dragMs[i]);
            }
        }
    }

    // The program picks some templates by the menu mode, which it keeps in the Windows folder.
    std::printf("menu mode: %s\n",
                GetPrivateProfileIntA("Config", "Advanced Menu", 0, "ORVA_CONFIG.INI") ? "advanced" : "basic");
    std::printf("runs: %d; median ms from WM_COMMAND to the dialog (a sheet: its first page) ready "
                "for input; for a later page, from choosing its tab\n", runs);
    std::printf("%6s  %-22s %-31s %7s %7s %6s%s\n", "id", "command", "template", "ms", "floor", "ratio",
                withControls ? " controls  ratio 90% range" : "");
    int over = 0;
    std::sort(order.begin(), order.end());
    for (const size_t i : order) {
        const double m = Median(times[0][i]), f = Median(times[1][i]);
        const double ratio = f > 0 ? m / f : 0;
        char controlsMs[48] = "";
        const double c = withControls ? Median(times[2][i]) : 0;
        if (withControls) {
            const auto [low, high] = RatioInterval(times[0][i], times[2][i]);
            std::snprintf(controlsMs, sizeof controlsMs, " %8.1f %6.2f %4.2f-%4.2f", c, c > 0 ? m / c : 0, low, high);
        }
        std::string mark;
        if (ratio > kMaxRatio)
            mark += "  over 1.5x";
        if (c > 0 && m / c > kMaxControlsRatio)
            mark += "  over 1.15x controls";
        if (m > kMaxMs)
            mark += "  over 100 ms";
        over += !mark.empty();
        std::printf("%6u  %-22.22s %-31s %7.1f %7.1f %6.2f%s%s\n", kCommands[i].id, names[i].c_str(),
                    (std::string(used[i]) + (kCommands[i].sheet ? " (sheet)" : "")).c_str(), m, f,
                    ratio, controlsMs, mark.c_str());
    }
    std::printf("over target (more than %.1fx the floor%s, or over %.0f ms): %d of %zu\n", kMaxRatio,
                withControls ? " or 1.15x the controls" : "", kMaxMs, over, order.size());
    for (size_t i = 0; i < kCommands.size(); ++i)
        if (!drags[0][i].empty()) {
            const double m = Median(drags[0][i]);
            std::printf("%s: median ms from a drag step over the whole grid to it drawn again: %.1f", names[i].c_str(), m);
            if (withControls && !drags[2][i].empty())
                std::printf(", the same step on a window that paints nothing: %.1f", Median(drags[2][i]));
            std::printf("%s\n", m > kMaxDragMs ? "  over 30 ms" : "");
        }
    return 0;
}
