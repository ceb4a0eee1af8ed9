#include "orva_config.h"
#include "profile.h"

#include "defines.h"
#include "dlgctl.h"
#include "helptopic.h"
#include "history.h"
#include "help.h"
#include "site/checkdlg.h"
#include "site/comparedlg.h"
#include "site/sitereport.h"
#include "overviewdlg.h"
#include "menu.h"
#include "site/ownedkeys.h"
#include "statusline.h"
#include "site.h"
#include "sitepath.h"
#include "unit.h"
#include "resource.h"
#include "sitemap/mapview.h"
#include "sitemap/sitemap.h"
#include "alarms/alarmprop.h"
#include "cameras/cameraprop.h"
#include "cameras/camnames.h"
#include "cameras/gencamprop.h"
#include "cameras/schedule.h"
#include "cameras/tdiports.h"
#include "sitedata/muxcomm.h"
#include "sitedata/siteid.h"
#include "system/diskalloc.h"
#include "site/historydlg.h"
#include "site/rolloutdlg.h"
#include "system/logs.h"
#include "system/rmtmonitor.h"
#include "system/scanvideo.h"
#include "system/systemhealth.h"
#include "system/videocfg.h"
#include "transactions/adapter.h"
#include "transactions/atmprint.h"
#include "transactions/atmprotocol.h"
#include "transactions/bankprotocol.h"
#include "transactions/imageselection.h"
#include "transactions/tcpipmon.h"

#include <cstdio>
#include <string>
#include <utility>

namespace {

int startupExitCode = 0;

// The command's dialog comes in two forms; the alternate one is used when the rule holds.
enum class Rule {
    None,
    S617Card,       // [Global] "Image Card" begins with "S617"
    Advanced,       // advanced mode is on
    LocalSite,      // the recorder on this machine is edited
    ThirtyTwoChans, // [Global] "Video Channels" is 32
    Kesto,          // a Wendrel unit of version 11 or later
};

struct DialogCommand {
    UINT id;
    const char* templateName;
    DLGPROC proc;
    Rule rule;
    const char* altTemplate;
    DLGPROC altProc;
    int slaveMux; // iDlgResult for the slave multiplexer dialogs, else 0
};

const DialogCommand kDialogCommands[] = {
    {IDM_PRIMARY_MUX, "IDD_COMM", PriMuxComProc, Rule::None, nullptr, nullptr, 0},
    {IDM_VIDEO_OUTPUT, "IDD_SCAN_VIDEO", ScanVideoProc, Rule::ThirtyTwoChans, "IDD_SCAN_VIDEO32", ScanVideoProc32, 0},
    {IDM_ABOUT, "ABOUT", About, Rule::None, nullptr, nullptr, 0},
    {IDM_VIDEO_PARAMS, "IDD_VIDEO_CFG", VideoCfgProc, Rule::S617Card, "IDD_VIDEO_CFG2", nullptr, 0},
    {IDM_SLAVE_MUX1, "IDD_COMM", SlaveMuxComProc, Rule::None, nullptr, nullptr, 1},
    {IDM_DISK_USAGE, "IDD_DISK2", DiskAllocProc, Rule::Advanced, "IDD_DISK", nullptr, 0},
    {IDM_SLAVE_MUX2, "IDD_COMM", SlaveMuxComProc, Rule::None, nullptr, nullptr, 2},
    {IDM_SLAVE_MUX3, "IDD_COMM", SlaveMuxComProc, Rule::None, nullptr, nullptr, 3},
    {IDM_NAME_ASSIGNMENT, "IDD_CAMNAMES", LobbyNmProc, Rule::None, nullptr, nullptr, 0},
    {IDM_SITE_MAP, "IDD_SITEMAP", SiteMapProc, Rule::None, nullptr, nullptr, 0},
    {IDM_VERSION_INFO, "IDD_INQUIRYVER2", InquiryVerProc, Rule::Advanced, "IDD_INQUIRYVER", nullptr, 0},
    {IDM_SITE_ID, "IDD_SITEID_RMT", SiteIDProc, Rule::LocalSite, "IDD_SITEID", nullptr, 0},
    {IDM_TRANSACTIONS, "IDD_BANKPROTOCOL", BankProtocolProc, Rule::None, nullptr, nullptr, 0},
    {IDM_IMAGE_SELECTION, "IDD_IMAGESELECTION", ImageSelectionProc, Rule::None, nullptr, nullptr, 0},
    {IDM_ATM_TRANSACTIONS, "IDD_ATMPRINT", ATMPrintProc, Rule::None, nullptr, nullptr, 0},
    {IDM_REMOTE_MONITORING, "IDD_RMTMONITOR", RmtMonitorProc, Rule::Kesto, "IDD_RMTMONITOR", RmtMonitorProcKesto, 0},
    {IDM_ACTIVITY_LOG, "IDD_ACTIVITYLOG", ActivityLogProc, Rule::None, nullptr, nullptr, 0},
    {IDM_TCPIP_MONITORING, "IDD_TCPIP_MON", TcpipMonProc, Rule::None, nullptr, nullptr, 0},
    {IDM_TCPIP_ATM_CONFIG, "IDD_ATMPROTOCOL", AtmProtocolProc, Rule::None, nullptr, nullptr, 0},
    {IDM_MODEM, "IDD_MODEM", ModemProc, Rule::None, nullptr, nullptr, 0},
    {IDM_CAMERA_SYSTEM, "IDD_GENCAMPROP", GenCamPropProc, Rule::None, nullptr, nullptr, 0},
    {IDM_STATUS_LOG, "IDD_STATUSLOG", StatusLogProc, Rule::None, nullptr, nullptr, 0},
    {IDM_SYSTEM_HEALTH, "IDD_SYSTEM_HEALTH", SystemHealthProc, Rule::None, nullptr, nullptr, 0},
    {IDM_TCPIP_CAPTURE, "IDD_ADAPTER_INFO", AdapterProc, Rule::None, nullptr, nullptr, 0},
    {IDM_CAPTIONS, "IDD_CAPTIONS", CaptionsProc, Rule::None, nullptr, nullptr, 0},
};

// Commands that open a property sheet.
struct SheetCommand {
    UINT id;
    void (*display)(HINSTANCE instance, HWND owner);
};

const SheetCommand kSheetCommands[] = {
    {IDM_PORT_CONFIG, DisplayCameraProperties},
    {IDM_ALARM_CONFIG, DisplayAlarmProperties},
    {IDM_SCHEDULE, DisplaySchedProperties},
    {IDM_TDI_PORTS, DisplaySerialPortProperties},
    {IDM_HISTORY, DisplayHistory},
    {IDM_CHECK_SITE, [](HINSTANCE instance, HWND owner) { DisplaySiteCheck(instance, owner, DispatchCommand); }},
    {IDM_COMPARE_SITE, DisplaySiteComparison},
    {IDM_SITE_REPORT, SaveSiteReport},
    {IDM_ROLL_OUT, DisplayRollOut},
    {IDM_CAMERA_OVERVIEW, DisplayCameraOverview},
};

bool RuleHolds(Rule rule)
{
    switch (rule) {
    case Rule::None:
        return false;
    case Rule::S617Card:
        return HasS617Card(120);
    case Rule::Advanced:
        return AdvancedMenuOn();
    case Rule::LocalSite:
        return AtLocalSite();
    case Rule::ThirtyTwoChans:
        return VideoChannels() == 32;
    case Rule::Kesto:
        return IsKestoUnit();
    }
    return false;
}

void OpenDialogCommand(HWND owner, const DialogCommand& cmd)
{
    const bool alt = RuleHolds(cmd.rule);
    const char* templateName = alt && cmd.altTemplate ? cmd.altTemplate : cmd.templateName;
    const DLGPROC proc = alt && cmd.altProc ? cmd.altProc : cmd.proc;
    if (cmd.slaveMux)
        iDlgResult = cmd.slaveMux;
    ModalDialog(hInst, templateName, owner, proc, 0);
}

// Takes IniFile from the command line. A missing argument ends the program silently; a path too
// long for the recorder's tools is refused with an explanation rather than silently cut short.
bool TakeIniFile(const char* commandLine)
{
    std::string arg;
    if (!GetArg1(commandLine, arg))
        return false;
    if (arg.size() > kIniFileMax) {
        char text[512];
        std::snprintf(text, sizeof text,
                      "The path of the system INI file is too long (%zu characters).\n\n"
                      "The ORVA system accepts paths of at most %zu characters. Copy the site's "
                      "files to a shorter folder and start the configurator again.",
                      arg.size(), kIniFileMax);
        MessageBoxA(nullptr, text, lpszTitle, MB_OK | MB_ICONSTOP);
        startupExitCode = 2;
        return false;
    }
    IniFile = arg;
    return true;
}

} // namespace

BOOL InitApplication(HINSTANCE instance)
{
    WNDCLASSA wc{};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = MainWndProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, "A_ICON");
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszMenuName = "ConfigMenu";
    wc.lpszClassName = lpszAppName;
    return RegisterClassA(&wc) != 0 && RegisterMapView(instance) != 0;
}

HWND CreateMainWindow(HINSTANCE instance, int showCommand, const char* commandLine)
{
    hInst = instance;
    startupExitCode = 0;
    const HWND wnd = CreateWindowA(lpszAppName, lpszTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                   instance, const_cast<char*>(commandLine));
    hWndMain = wnd;
    if (!wnd)
        return nullptr;
    ShowWindow(wnd, showCommand);
    UpdateWindow(wnd);
    return wnd;
}

BOOL InitInstance(HINSTANCE instance, int showCommand)
{
    return CreateMainWindow(instance, showCommand, GetCommandLineA()) ? 1 : 0;
}

int StartupExitCode() { return startupExitCode; }

namespace {

// The command's name as the menu shows it ("Schedule"), for the change history. Every command
// that can store a value is in the table; the others (Exit, Help Topics) store nothing.
std::string CommandName(UINT id)
{
    const CommandKeys* known = FindCommand(id);
    return known ? known->name : "Command " + std::to_string(id);
}

} // namespace

namespace {

// The command being carried out, for F1 in a window of its own that no dialog holds (the site
// report's save dialog); 0 between commands.
UINT runningCommand = 0;

} // namespace

void DispatchCommand(HWND wnd, UINT id)
{
    struct Running {
        UINT outer = std::exchange(runningCommand, 0);
        ~Running() { runningCommand = outer; }
    } running;
    runningCommand = id;
    SetHistoryCommand(CommandName(id));
    switch (id) {
    case IDM_EXIT:
        DestroyWindow(wnd);
        return;
    case IDM_HELP_TOPICS:
        ShowHelpTopics(wnd);
        return;
    case IDM_ADVANCED:
        ToggleAdvancedMode(wnd);
        return;
    default:
        break;
    }
    for (const DialogCommand& cmd : kDialogCommands)
        if (cmd.id == id) {
            OpenDialogCommand(wnd, cmd);
            return;
        }
    for (const SheetCommand& cmd : kSheetCommands)
        if (cmd.id == id) {
            cmd.display(hInst, wnd);
            return;
        }
}

LRESULT CALLBACK MainWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    switch (msg) {
    case WM_CREATE: {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        const char* commandLine = static_cast<const char*>(create->lpCreateParams);
        if (!TakeIniFile(commandLine ? commandLine : GetCommandLineA()))
            return -1; // creation fails and the program ends
        SetFileFolders();
        StartHistory();
        const ReadSession session; // the unit's facts for the title and the menu, each section read once
        ShowEqType(wnd);
        SetUpMenu(wnd);
        CreateStatusLine(wnd);
        return 0;
    }
    case WM_DESTROY:
        hStatusWnd = nullptr;
        PostQuitMessage(0);
        return 0;
    case WM_SIZE:
        PlaceStatusLine(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_MENUSELECT:
        ShowMenuHelp(wParam, lParam);
        return 0;
    case WM_COMMAND:
        DispatchCommand(wnd, LOWORD(wParam));
        return 0;
    case WM_HELP:
        // F1 anywhere, handed up from the control to its dialog and from the dialog to its owner.
        if (lParam)
            ShowHelp(wnd, *reinterpret_cast<const HELPINFO*>(lParam), runningCommand);
        return TRUE;
    default:
        return DefWindowProcA(wnd, msg, wParam, lParam);
    }
}

INT_PTR CALLBACK About(HWND dlg, UINT msg, WPARAM wParam, LPARAM) noexcept
{
    switch (msg) {
    case WM_INITDIALOG:
        SetItemText(dlg, IDC_ABOUT_VERSION, "ORVA Configuration V2.09.00");
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dlg, 1);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

int RunMessageLoop()
{
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
