// The main window: which file the command line names, the unit the title and the menu adapt to,
// advanced mode, and the commands that need no dialog of their own.
#include "defines.h"
#include "app/orva_config.h"
#include "resource.h"
#include "harness.h"
#include "site.h"
#include "sitepath.h"


namespace {

class Shell : public SiteFixture {
protected:
    void TearDown() override { CloseMainWindow(wnd); }
    HWND Open(const std::string& global = "")
    {
        CloseMainWindow(wnd);
        Seed(global);
        return wnd = OpenMainWindow("orva_config.exe " + SystemIniPath());
    }
    HWND wnd = nullptr;
};

// Every item of a menu as "Popup/Item" (mnemonics dropped) in menu order, with the item after it.
void Flatten(HMENU menu, const std::string& path, std::vector<std::pair<std::string, std::string>>& out)
{
    std::vector<std::string> names(static_cast<size_t>(GetMenuItemCount(menu)));
    for (size_t i = 0; i < names.size(); ++i) {
        char text[64] = "";
        GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        for (const char* c = text; *c; ++c)
            names[i] += *c == '&' ? "" : std::string(1, *c);
        names[i] = names[i].empty() ? "---" : names[i];
    }
    for (size_t i = 0; i < names.size(); ++i) {
        out.push_back({path + names[i], i + 1 < names.size() ? names[i + 1] : "end"});
        if (const HMENU sub = GetSubMenu(menu, static_cast<int>(i)))
            Flatten(sub, path + names[i] + "/", out);
    }
}

// How the window's menu differs from the menu the resources hold: "-Path" for an item taken
// away (not its own items), "+Path (before Next)" for one put in.
std::string MenuChanges(HWND wnd)
{
    const HMENU plain = LoadMenuA(hInst, "ConfigMenu");
    std::vector<std::pair<std::string, std::string>> before, after;
    Flatten(plain, "", before);
    Flatten(GetMenu(wnd), "", after);
    DestroyMenu(plain);
    auto has = [](const auto& items, const std::string& path) {
        return std::any_of(items.begin(), items.end(), [&](const auto& item) { return item.first == path; });
    };
    std::string out, removed = "\x01";
    for (const auto& [path, next] : before)
        if (!has(after, path) && !path.starts_with(removed + "/"))
            out += (out.empty() ? "-" : "; -") + (removed = path);
    for (const auto& [path, next] : after)
        if (!has(before, path))
            out += (out.empty() ? "+" : "; +") + path + " (before " + next + ")";
    return out;
}

bool AdvancedChecked(HWND wnd) { return GetMenuState(GetMenu(wnd), IDM_ADVANCED, MF_BYCOMMAND) & MF_CHECKED; }

const char kBasicMenu[] = "-Video/Cameras/System Configuration; -Video/Cameras/Name Assignment; -Video/Image Selection; "
                          "-Events/TCPIP Capture; -Site Data/Com Ports; -Site Data/System Health; "
                          "-Files/Activity Log; -Files/Status Log";

} // namespace

TEST_F(Shell, CommandLineNamesTheSystemIniFileAndTheSite)
{
    const struct {
        std::string line;
        std::string iniFile; // empty: the program ends silently
        bool local;
    } cases[] = {
        {"orva_config.exe C:\\WINNT\\ORVANT.INI", "c:\\winnt\\orvant.ini", true},
        {"\"C:\\Program Files\\ORVA\\orva_config.exe\" \"C:\\Windows\\Orvant.ini\"", "c:\\windows\\orvant.ini", true},
        {"orva_config D:\\Sites\\Branch 12\\ORVANT.INI", "d:\\sites\\branch 12\\orvant.ini", false},
        // A relative path names the file of the folder the program was started from.
        {"orva_config.exe .\\ORVANT.INI", "orvant.ini", false},
        {"orva_config.exe \\\\Server\\Sites\\ORVANT.INI", "\\\\server\\sites\\orvant.ini", false},
        {"orva_config.exe", "", false}, {"orva_config.exe \"\" - ", "", false}, {"orva_config", "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const ModalRun run = DriveModal([&] { return reinterpret_cast<INT_PTR>(wnd = OpenMainWindow(c.line)); }, {});
        EXPECT_EQ(wnd != nullptr, !c.iniFile.empty());
        EXPECT_TRUE(run.boxes.empty());
        if (wnd) {
            EXPECT_EQ(IniFile, (c.iniFile == "orvant.ini" ? Lower(siteDir) : "") + c.iniFile);
        }
        EXPECT_EQ(wnd ? AtLocalSite() : StartupExitCode() != 0, c.local);
        CloseMainWindow(std::exchange(wnd, nullptr));
    }
    // The working folder is the current one (Windows 10 is reported), the Windows folder the system's.
    EXPECT_EQ(GetSystemOS(), 0);
    EXPECT_EQ(cFileDir, siteDir);
    EXPECT_EQ(WinSysDir, winDir);
    EXPECT_TRUE(ChangesSinceMark().empty());
}

TEST_F(Shell, APathTooLongForTheRecorderIsRefusedAndNothingIsWritten)
{
    const std::string fits = siteDir + std::string(kIniFileMax - siteDir.size() - 4, 'a') + ".ini";
    const ModalRun run = DriveModal([&] { return reinterpret_cast<INT_PTR>(OpenMainWindow("x.exe " + fits + "a")); }, {});
    EXPECT_EQ(run.result, 0);
    ASSERT_EQ(run.boxes.size(), 1u);
    EXPECT_EQ(run.boxes[0].title, "ORVA Configurator Application");
    EXPECT_EQ(run.boxes[0].text, "The path of the system INI file is too long (120 characters).\n\nThe ORVA system accepts "
              "paths of at most 119 characters. Copy the site's files to a shorter folder and start the configurator again.");
    EXPECT_EQ(run.boxes[0].kind, "stop");
    EXPECT_EQ(StartupExitCode(), 2);
    CloseMainWindow(nullptr);
    EXPECT_NE(wnd = OpenMainWindow("x.exe " + fits), nullptr);
    EXPECT_EQ(IniFile.size(), kIniFileMax);
    EXPECT_TRUE(ChangesSinceMark().empty());
}

TEST_F(Shell, TitleAndMenuFollowTheUnitAndAdvancedMode)
{
    const std::string slaves = "-Site Data/Com Ports/Slave Mux 1; -Site Data/Com Ports/Slave Mux 2; -Site Data/Com Ports/Slave Mux 3";
    const std::string ovex = "+Site Data/Com Ports/Primary Ovex (before Slave Ovex); +Site Data/Com Ports/Slave Ovex (before end)";
    const struct {
        std::string files;
        const char* title; // after "ORVA_Configuration"; null: the title stays as created
        std::string menu;
    } cases[] = {
        {"C [Config] Advanced Menu=1\nS [Global] QUELT Version=V10.3", nullptr, ""},
        {"S [Global] QUELT Version=V10.3; Wendrel=-5", nullptr, kBasicMenu},
        {"C [Config] Advanced Menu=1\nS [Global] QUELT Version=V12.0", nullptr,
         "-Events/ATM Transactions; +Events/TDI Ports (before Transactions)"},
        {"C [Config] Advanced Menu=1\nS [Global] Wendrel=7; QUELT Version=QUELT V11.1", " - Wendrel 16",
         "-Events/ATM Transactions; -Site Data/Com Ports/Primary Mux; " + slaves + "; " + ovex},
        {"C [Config] Advanced Menu=1\nS [Global] Wendrel=32; QUELT Version=V10.9", " - Wendrel 32", slaves},
        {"C [Config] Advanced Menu=1\nS [Global] Wendrel=4; Image Card=S617; QUELT Version=V12.1", " - Wendrel 4 Kesto",
         "-Events/ATM Transactions; -Site Data/Com Ports/Primary Mux; " + slaves +
         "; +Video/Video Output (before Schedule); +Events/TDI Ports (before Transactions); " + ovex},
        {"C [Config] Advanced Menu=1\nS [Global] ORVA QUELT=1; Image Card=S617-4 PCI", " - ORVA QUELT Unit Kesto",
         "+Video/Captions (before Video Output); +Video/Video Output (before Schedule)"},
        // Only the start of a long version text is read: no version at all.
        {"C [Config] Advanced Menu=1\nS [Global] ORVA QUELT=1; Image Card= s617; QUELT Version=" + std::string(5000, 'x') + "V12.1",
         " - ORVA QUELT Unit", ""},
        {"C [Config] Advanced Menu=1\nS [Global] Halden=1; Image Card=S617; Nbr Image Card=4; QUELT Version=V12.1",
         " - ORVA Halden Vexlo", "-Video/Video Parameters; -Events/ATM Transactions; -Site Data/Com Ports"},
        {"S [Global] Halden=1; QUELT Version=V11.1", " - ORVA Halden",
         "-Video/Cameras/System Configuration; -Video/Cameras/Name Assignment; -Video/Image Selection; "
         "-Video/Video Parameters; -Events/ATM Transactions; -Events/TCPIP Capture; -Site Data/Com Ports; "
         "-Site Data/System Health; -Files/Activity Log; -Files/Status Log"},
    };
    for (const auto& c : cases) {
        NewSite();
        ASSERT_NE(Open(c.files), nullptr);
        EXPECT_EQ(WindowText(wnd), c.title ? std::string("ORVA_Configuration") + c.title : "ORVA Configurator Application");
        EXPECT_EQ(MenuChanges(wnd), c.menu) << c.files;
        EXPECT_EQ(AdvancedChecked(wnd), c.files.starts_with("C [Config] Advanced Menu=1")) << c.files;
    }
}

TEST_F(Shell, AdvancedTogglesTheMenuAndTheStoredFlag)
{
    for (const char* stored : {"2", "-1", "7abc"}) {
        ASSERT_NE(Open(std::string("C [Config] Advanced Menu=") + stored), nullptr);
        EXPECT_TRUE(AdvancedChecked(wnd)) << stored;
        MarkClean();
        SendMessageA(wnd, WM_COMMAND, IDM_ADVANCED, 0);
        EXPECT_EQ(ChangesSinceMark(), std::vector<std::string>{"C [Config] Advanced Menu=0"}) << stored;
    }
    for (int i = 1; i <= 4; ++i) {
        MarkClean();
        SendMessageA(wnd, WM_COMMAND, IDM_ADVANCED, 0);
        EXPECT_EQ(AdvancedChecked(wnd), i % 2 == 1);
        EXPECT_EQ(ChangesSinceMark(), std::vector<std::string>{i % 2 ? "C [Config] Advanced Menu=1" : "C [Config] Advanced Menu=0"});
        EXPECT_EQ(MenuChanges(wnd), i % 2 ? "" : kBasicMenu);
    }
    RunScenarios(*this, IDM_ADVANCED, "C [Config] Advanced Menu=0\nlocked C", {{"a flag that cannot be stored is said", "", "", "",
        {{"Settings Not Saved", "A setting could not be saved in the file\n*\\ORVA_CONFIG.INI\n\n*", "stop"}}}});
}

TEST_F(Shell, AboutExitAndCommandsNotBuiltYet)
{
    RunScenarios(*this, IDM_ABOUT, "", {
        {"About shows the version; OK closes it", "", "see @caption = ORVA Configurator; "
         "see 172 = ORVA Configuration V2.09.00; ok", ""},
        {"Cancel (Escape, the close box) closes it too", "", "cancel", ""},
    });
    ASSERT_NE(Open(), nullptr);
    SendMessageA(wnd, WM_COMMAND, IDM_EXIT, 0);
    EXPECT_FALSE(IsWindow(wnd));
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 0u);
}

TEST_F(Shell, AMissingSystemIniIsOnlyCreatedByAConfirmedDialog)
{
    CreateDirectoryA((siteDir + "copy").c_str(), nullptr);
    const std::string path = siteDir + "copy\\orvant.ini";
    ASSERT_NE(wnd = OpenMainWindow("orva_config.exe " + path), nullptr);
    for (const int button : {IDCANCEL, IDOK})
        DriveModal([&] { return SendMessageA(wnd, WM_COMMAND, IDM_STATUS_LOG, 0); },
                   {[&](HWND dlg) { SendMessageA(dlg, WM_COMMAND, button, 0); }});
    EXPECT_EQ(ChangesSinceMark(), std::vector<std::string>{"S [OrvaFile] Status Log Size=100"});
}

TEST_F(Shell, StatusLineShowsMenuHelpAndWhichSiteIsEdited)
{
    for (const bool local : {false, true}) {
        if (local)
            UseLocalSite();
        ASSERT_NE(Open(), nullptr);
        const std::string site = (local ? "Editing the local site (this recorder): " : "Editing a remote site: ") + Lower(SystemIniPath());
        EXPECT_EQ(WindowText(hStatusWnd), site);
        RECT client, line;
        GetClientRect(wnd, &client);
        GetWindowRect(hStatusWnd, &line);
        MapWindowPoints(nullptr, wnd, reinterpret_cast<POINT*>(&line), 2);
        EXPECT_EQ(line.bottom, client.bottom);
        EXPECT_EQ(line.right - line.left, client.right);
        EXPECT_GT(line.bottom - line.top, 10);
        const auto select = [&](UINT item, UINT flags, HMENU menu) {
            SendMessageA(wnd, WM_MENUSELECT, MAKEWPARAM(item, flags), reinterpret_cast<LPARAM>(menu));
            return WindowText(hStatusWnd);
        };
        EXPECT_EQ(select(IDM_VIDEO_PARAMS, MF_HILITE, GetMenu(wnd)), "Video Timing Parameters");
        EXPECT_EQ(select(1, MF_HILITE | MF_POPUP, GetMenu(wnd)), "");
        EXPECT_EQ(select(IDM_SCHEDULE, MF_HILITE, GetMenu(wnd)), "Set Up Schedule for Surveillance Cameras");
        EXPECT_EQ(select(0, 0xFFFF, nullptr), site);
    }
}
