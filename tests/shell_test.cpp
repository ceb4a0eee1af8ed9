// The main window: which file the command line names, local or remote site, the unit queries and
// the title they give, the full menu, and the commands that work so far.
#include "defines.h"
#include "main_window.h"
#include "menu_dump.h"
#include "modal_driver.h"
#include "orva_config.h"
#include "resource.h"
#include "site.h"
#include "site_fixture.h"
#include "sitepath.h"
#include "unit.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

class Shell : public SiteFixture {
protected:
    void TearDown() override { CloseMainWindow(wnd); }
    std::string CommandLineFor(const std::string& path) const { return "orva_config.exe " + path; }
    HWND wnd = nullptr;
};

std::string TitleOf(HWND wnd)
{
    char buf[256] = "";
    GetWindowTextA(wnd, buf, sizeof buf);
    return buf;
}

} // namespace

TEST_F(Shell, CommandLineNamesTheSystemIniFileAndTheSite)
{
    const struct {
        const char* line;
        bool found;
        const char* iniFile;
        bool local;
    } cases[] = {
        {"orva_config.exe C:\\WINNT\\ORVANT.INI", true, "c:\\winnt\\orvant.ini", true},
        {"ORVA_CONFIG.EXE C:\\Windows\\Orvant.ini", true, "c:\\windows\\orvant.ini", true},
        {"\"C:\\Program Files\\ORVA\\orva_config.exe\" C:\\WINDOWS\\ORVANT.INI", true,
         "c:\\windows\\orvant.ini", true},
        // A quoted path keeps its closing quote, so it never names the local file.
        {"\"C:\\ORVA\\orva_config.exe\" \"C:\\WINNT\\ORVANT.INI\"", true,
         "c:\\winnt\\orvant.ini\"", false},
        {"orva_config.exe D:\\WINNT\\ORVANT.INI", true, "d:\\winnt\\orvant.ini", false},
        {"orva_config.exe D:\\Sites\\Branch 12\\ORVANT.INI", true,
         "d:\\sites\\branch 12\\orvant.ini", false},
        {"orva_config.exe", false, "", false},
        {"orva_config.exe   ", false, "", false},
        {"orva_config.exe \"\" - ", false, "", false},
        {"orva_config", false, "", false},
        {"", false, "", false},
    };
    for (const auto& c : cases) {
        std::string arg = "stale";
        EXPECT_EQ(GetArg1(c.line, arg), c.found) << c.line;
        EXPECT_EQ(arg, c.iniFile) << c.line;
        IniFile = arg;
        EXPECT_EQ(AtLocalSite(), c.local) << c.line;
    }
}

TEST_F(Shell, FoldersFollowTheRunningWindows)
{
    // The prefix reports Windows 10 to a program that declares it, so the working folder is the
    // current directory, as on Windows 10 and 11.
    EXPECT_EQ(GetSystemOS(), 0);
    SetFileFolders();
    char current[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof current, current);
    std::string want = current;
    if (want.back() != '\\')
        want += '\\';
    EXPECT_EQ(cFileDir, want);
    EXPECT_EQ(WinSysDir, winDir);
}

TEST_F(Shell, UnitQueriesAndTitleFollowGlobalSection)
{
    const std::string base = "ORVA_Configuration";
    const struct {
        const char* ini;
        int major;
        bool v12_1;
        int alertTx;
        bool kesto;
        int cameras, dataPorts;
        bool halden;
        std::string title; // empty: the title stays as created
    } cases[] = {
        {"", 0, false, 0, false, 16, 4, false, ""},
        {"[Global]\nWendrel=4\nQUELT Version=QUELT V11.5\n", 11, false, 0, true, 16, 4, false,
         base + " - Wendrel 4"},
        {"[Global]\nWendrel=32\nVideo Channels=32\nQUELT Version=V12.01\n", 12, true, 0, true, 32, 8,
         false, base + " - Wendrel 32"},
        {"[Global]\nWendrel=16\nQUELT Version=V10.2\n", 10, false, 0, false, 16, 4, false,
         base + " - Wendrel 16"},
        {"[Global]\nWendrel=7\nQUELT Version=QUELT v11.5\n", 0, false, 0, false, 16, 4, false,
         base + " - Wendrel 16"},
        {"[Global]\nWendrel=4\nHalden=1\n", 0, false, 0, false, 16, 4, true, base + " - Wendrel 4"},
        {"[Global]\nHalden=1\nImage Card=S617 PCI\nNbr Image Card=4\n", 0, false, 0, false, 16, 4,
         true, base + " - ORVA Halden Vexlo"},
        {"[Global]\nORVA QUELT=1\nImage Card=S617\nNbr Image Card=2\nQUELT Version=V12\n", 12, false,
         0, false, 16, 4, false, base + " - ORVA QUELT Unit Kesto"},
        {"[Global]\nORVA QUELT=1\nImage Card=s617\n", 0, false, 0, false, 16, 4, false,
         base + " - ORVA QUELT Unit"},
        {"[Global]\nImage Card=S617\nVideo Channels=24\n", 0, false, 0, false, 16, 4, false, ""},
        {"[Global]\nWendrel=-5\nHalden=0\nORVA QUELT=0\n", 0, false, 0, false, 16, 4, false, ""},
        {"[Version]\nAlertTxTask.EXE=2.05\n", 0, false, 2, false, 16, 4, false, ""},
        {"[Version]\nAlertTxTask.EXE=v3\n", 0, false, 0, false, 16, 4, false, ""},
        {"[Global]\nQUELT Version=V\n", 0, false, 0, false, 16, 4, false, ""},
    };
    for (const auto& c : cases) {
        WriteRaw(SystemIniPath(), c.ini);
        SCOPED_TRACE(c.ini);
        EXPECT_EQ(QUELT_MajorVersion(), c.major);
        EXPECT_EQ(QUELT_VersionSameOrLater(12, 1), c.v12_1);
        EXPECT_EQ(AppMajorVersion("AlertTxTask.EXE"), c.alertTx);
        EXPECT_EQ(IsKestoUnit(), c.kesto);
        EXPECT_EQ(NbrKestoCameras(), c.cameras);
        EXPECT_EQ(NbrKestoDataPorts(), c.dataPorts);
        EXPECT_EQ(IsHaldenUnit(), c.halden);
        EXPECT_EQ(EqTypeTitle(), c.title);
        wnd = OpenMainWindow(CommandLineFor(SystemIniPath()));
        ASSERT_NE(wnd, nullptr);
        EXPECT_EQ(TitleOf(wnd), c.title.empty() ? "ORVA Configurator Application" : c.title);
        CloseMainWindow(wnd);
        wnd = nullptr;
    }
}

TEST_F(Shell, HostileGlobalSectionStillTitlesTheWindow)
{
    const std::string longVersion = std::string(5000, 'x') + "V12.1";
    const char* const bodies[] = {
        "[Global]\nWendrel=99999999999\nQUELT Version=V99999999999\n",
        "[Global]\nWendrel=-2147483648\nHalden=-1\nImage Card=S617\n",
        "[Global]\nQUELT Version=V\nORVA QUELT=1\nImage Card=S617S617S617S617S617\n",
        "[Global]\nWendrel\nWendrel=4\nWendrel=32\nORVA QUELT=\x01\x02\x7f\n",
        "[Global]\nORVA QUELT=1\nImage Card=\x01S617\nNbr Image Card=4",
    };
    for (const char* body : bodies) {
        WriteRaw(SystemIniPath(), body);
        wnd = OpenMainWindow(CommandLineFor(SystemIniPath()));
        ASSERT_NE(wnd, nullptr) << body;
        EXPECT_FALSE(TitleOf(wnd).empty());
        CloseMainWindow(wnd);
        wnd = nullptr;
    }
    // A version text longer than the recorder's 80-byte buffer: only its start is seen.
    WriteRaw(SystemIniPath(), "[Global]\nORVA QUELT=1\nQUELT Version=" + longVersion + "\n");
    EXPECT_EQ(QUELT_MajorVersion(), 0);
    WriteRaw(SystemIniPath(), "[Global]\nWendrel=99999999999\n");
    EXPECT_EQ(EqTypeTitle(), "ORVA_Configuration - Wendrel 16");
}

TEST_F(Shell, TheMenuResourceHoldsEveryCommand)
{
    const HMENU menu = LoadMenuA(hInst, "ConfigMenu");
    ASSERT_NE(menu, nullptr);
    const std::string dump = DumpMenu(menu);
    DestroyMenu(menu);
    EXPECT_EQ(dump,
              "&Operation\n"
              "  &Advanced 51716\n"
              "  E&xit 210\n"
              "&Video\n"
              "  &Cameras\n"
              "    &System Configuration 51710\n"
              "    &Port Configuration 201\n"
              "    &Name Assignment 51689\n"
              "  Image &Selection 51694\n"
              "  &Video Parameters 51682\n"
              "  S&chedule 51714\n"
              "&Events\n"
              "  &Transactions 51693\n"
              "  &ATM Transactions 51695\n"
              "  ---\n"
              "  TCPIP &Monitoring 51700\n"
              "  TCPIP ATM C&onfig 51705\n"
              "  TCPIP &Capture 51715\n"
              "  ---\n"
              "  A&larm Config 51709\n"
              "&Site Data\n"
              "  Site &Map 51690\n"
              "  ---\n"
              "  &Remote Monitoring 51696\n"
              "  Site &Identification 51692\n"
              "  &Version Info 51691\n"
              "  ---\n"
              "  M&odem 51708\n"
              "  ---\n"
              "  &Com Ports\n"
              "    &Primary Mux 202\n"
              "    Slave Mux &1 51684\n"
              "    Slave Mux &2 51687\n"
              "    Slave Mux &3 51688\n"
              "  ---\n"
              "  &System Health 51712\n"
              "&Files\n"
              "  &Disk Usage 51685\n"
              "  &Activity Log 51699\n"
              "  &Status Log 51711\n"
              "&Help [right]\n"
              "  &Help Topics 901\n"
              "  ---\n"
              "  &About 900\n");
}

TEST_F(Shell, MenuHelpTextForEveryCommand)
{
    const struct {
        UINT id;
        const char* text;
    } cases[] = {
        {201, "Assign Surveilance Camera Information"},
        {900, "Bank ORVA Software Information."},
        {51682, "Video TIming Parameters"},
        {51695, "ATM Printed Receipt Information Dsiplayed on Image"},
        {51716, "Advanced Configuration Features"},
    };
    for (const auto& c : cases) {
        char buf[256] = "";
        LoadStringA(hInst, c.id, buf, sizeof buf);
        EXPECT_STREQ(buf, c.text) << c.id;
    }
    // Every command id of the menu has its text.
    const UINT ids[] = {201,   202,   900,   901,   51682, 51684, 51685, 51687, 51688,
                        51689, 51690, 51691, 51693, 51694, 51695, 51696, 51699, 51700,
                        51705, 51708, 51709, 51710, 51711, 51712, 51714, 51715, 51716};
    for (UINT id : ids) {
        char buf[256] = "";
        EXPECT_GT(LoadStringA(hInst, id, buf, sizeof buf), 0) << id;
    }
}

TEST_F(Shell, AboutShowsTheVersionAndCloses)
{
    wnd = OpenMainWindow(CommandLineFor(SystemIniPath()));
    ASSERT_NE(wnd, nullptr);
    std::string version;
    const ModalRun run = DriveModal([&] { return SendMessageA(wnd, WM_COMMAND, IDM_ABOUT, 0); },
                                    {[&](HWND dlg) {
                                         version = TextOf(dlg, IDC_ABOUT_VERSION);
                                         Click(dlg, IDOK);
                                     },
                                     [](HWND) {}});
    EXPECT_TRUE(run.opened);
    EXPECT_EQ(run.caption, "ORVA Configurator");
    EXPECT_EQ(version, "ORVA Configuration V2.09.00");
    EXPECT_EQ(run.stepsRun, 1) << "OK closes the box";
    // Escape and the close box send Cancel, which closes it too.
    const ModalRun cancelled = DriveDialog("ABOUT", About, {[](HWND dlg) { Click(dlg, IDCANCEL); },
                                                            [](HWND) {}});
    EXPECT_EQ(cancelled.stepsRun, 1);
    EXPECT_EQ(cancelled.result, 1);
}

TEST_F(Shell, CommandsOpenTheirDialogs)
{
    wnd = OpenMainWindow(CommandLineFor(SystemIniPath()));
    ASSERT_NE(wnd, nullptr);
    const struct {
        UINT id;
        const char* caption; // null: the command opens nothing
    } cases[] = {
        {IDM_ACTIVITY_LOG, "Activity Log Setup"},
        {IDM_STATUS_LOG, "Status Log Setup"},
        {IDM_ABOUT, "ORVA Configurator"},
        {IDM_CAMERA_SYSTEM, "Surveillance Camera System Parameters"},
        {IDM_SITE_ID, "Identification of Remote Site"},
        {IDM_VERSION_INFO, "Software Version Information"},
        {51697, nullptr},
        {0, nullptr},
        {65535, nullptr},
    };
    for (const auto& c : cases) {
        const ModalRun run = DriveModal([&] { return SendMessageA(wnd, WM_COMMAND, c.id, 0); },
                                        {[](HWND dlg) { Click(dlg, IDCANCEL); }});
        EXPECT_EQ(run.opened, c.caption != nullptr) << c.id;
        if (c.caption) {
            EXPECT_EQ(run.caption, c.caption) << c.id;
        }
        EXPECT_TRUE(IsWindow(wnd)) << c.id;
    }
    EXPECT_TRUE(ChangesSinceMark().empty());
}

TEST_F(Shell, ExitDestroysTheMainWindow)
{
    wnd = OpenMainWindow(CommandLineFor(SystemIniPath()));
    ASSERT_NE(wnd, nullptr);
    SendMessageA(wnd, WM_COMMAND, IDM_EXIT, 0);
    EXPECT_FALSE(IsWindow(wnd));
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 0u);
}

TEST_F(Shell, NoArgumentEndsSilentlyWithCodeZero)
{
    for (const char* line : {"orva_config.exe", "\"c:\\orva\\orva_config.exe\" ", "x"}) {
        const ModalRun run = DriveModal(
            [&] { return reinterpret_cast<INT_PTR>(OpenMainWindow(line)); }, {});
        EXPECT_EQ(run.result, 0) << line;
        EXPECT_TRUE(run.boxes.empty()) << line;
        EXPECT_EQ(StartupExitCode(), 0) << line;
    }
    DropQuitMessage();
}

TEST_F(Shell, APathTooLongForTheRecorderIsRefusedAndNothingIsWritten)
{
    const std::string fits = siteDir + std::string(kIniFileMax - siteDir.size() - 4, 'a') + ".ini";
    const std::string tooLong = siteDir + std::string(kIniFileMax - siteDir.size() - 3, 'a') + ".ini";
    ASSERT_EQ(fits.size(), kIniFileMax);
    ASSERT_EQ(tooLong.size(), kIniFileMax + 1);

    ModalRun run = DriveModal(
        [&] { return reinterpret_cast<INT_PTR>(OpenMainWindow(CommandLineFor(tooLong))); }, {});
    EXPECT_EQ(run.result, 0);
    ASSERT_EQ(run.boxes.size(), 1u);
    EXPECT_EQ(run.boxes[0].title, "ORVA Configurator Application");
    EXPECT_NE(run.boxes[0].text.find("too long (120 characters)"), std::string::npos) << run.boxes[0].text;
    EXPECT_NE(run.boxes[0].text.find("at most 119 characters"), std::string::npos);
    EXPECT_EQ(run.boxes[0].icon, static_cast<UINT>(MB_ICONSTOP));
    EXPECT_NE(StartupExitCode(), 0);
    DropQuitMessage();

    run = DriveModal([&] { return reinterpret_cast<INT_PTR>(wnd = OpenMainWindow(CommandLineFor(fits))); },
                     {});
    EXPECT_NE(wnd, nullptr);
    EXPECT_TRUE(run.boxes.empty());
    std::string lowered = fits;
    CharLowerBuffA(lowered.data(), static_cast<DWORD>(lowered.size()));
    EXPECT_EQ(IniFile, lowered);
    EXPECT_TRUE(ChangesSinceMark().empty());
}

TEST_F(Shell, AMissingSystemIniIsAcceptedAndOnlyCreatedByAConfirmedDialog)
{
    const std::string path = siteDir + "copy\\orvant.ini";
    CreateDirectoryA((siteDir + "copy").c_str(), nullptr);
    wnd = OpenMainWindow(CommandLineFor(path));
    ASSERT_NE(wnd, nullptr);
    EXPECT_EQ(TitleOf(wnd), "ORVA Configurator Application");
    EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
    DriveModal([&] { return SendMessageA(wnd, WM_COMMAND, IDM_STATUS_LOG, 0); },
               {[](HWND dlg) { Click(dlg, IDCANCEL); }});
    EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
    DriveModal([&] { return SendMessageA(wnd, WM_COMMAND, IDM_STATUS_LOG, 0); },
               {[](HWND dlg) { Click(dlg, IDOK); }});
    EXPECT_EQ(Key(path, "OrvaFile", "Status Log Size"), "100");
}
