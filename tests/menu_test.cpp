// The menu as each kind of unit and advanced mode leave it, compared as whole trees.
#include "defines.h"
#include "main_window.h"
#include "menu_dump.h"
#include "resource.h"
#include "site_fixture.h"

#include <gtest/gtest.h>

namespace {

const std::string kOperation = "&Operation\n  &Advanced 51716\n  E&xit 210\n";
const std::string kOperationChecked = "&Operation\n  &Advanced 51716 [checked]\n  E&xit 210\n";
const std::string kHelp = "&Help [right]\n  &Help Topics 901\n  ---\n  &About 900\n";
const std::string kFilesBasic = "&Files\n  &Disk Usage 51685\n";
const std::string kFilesAdvanced =
    "&Files\n  &Disk Usage 51685\n  &Activity Log 51699\n  &Status Log 51711\n";

class Menus : public SiteFixture {
protected:
    void TearDown() override { CloseMainWindow(wnd); }
    // The menu of a main window opened on the site as seeded.
    std::string MenuFor(const std::string& global, int advanced)
    {
        WriteRaw(SystemIniPath(), "[Global]\r\n" + global);
        if (advanced >= 0)
            SeedConfig("Config", "Advanced Menu", std::to_string(advanced));
        CloseMainWindow(wnd);
        wnd = OpenMainWindow("orva_config.exe " + SystemIniPath());
        return wnd ? DumpMenu(GetMenu(wnd)) : "no window";
    }
    HWND wnd = nullptr;
};

} // namespace

TEST_F(Menus, CommonUnitInNormalMode)
{
    EXPECT_EQ(MenuFor("QUELT Version=V10.3\r\n", -1),
              kOperation +
                  "&Video\n"
                  "  &Cameras\n"
                  "    &Port Configuration 201\n"
                  "  &Video Parameters 51682\n"
                  "  S&chedule 51714\n"
                  "&Events\n"
                  "  &Transactions 51693\n"
                  "  &ATM Transactions 51695\n"
                  "  ---\n"
                  "  TCPIP &Monitoring 51700\n"
                  "  TCPIP ATM C&onfig 51705\n"
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
                  "  ---\n" +
                  kFilesBasic + kHelp);
}

TEST_F(Menus, CommonUnitInAdvancedMode)
{
    EXPECT_EQ(MenuFor("QUELT Version=V10.3\r\n", 1),
              kOperationChecked +
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
                  "  &System Health 51712\n" +
                  kFilesAdvanced + kHelp);
}

TEST_F(Menus, WendrelVersion12)
{
    const std::string events = "&Events\n"
                               "  &TDI Ports 51789\n"
                               "  &Transactions 51693\n"
                               "  ---\n"
                               "  TCPIP &Monitoring 51700\n"
                               "  TCPIP ATM C&onfig 51705\n";
    const std::string siteTop = "&Site Data\n"
                                "  Site &Map 51690\n"
                                "  ---\n"
                                "  &Remote Monitoring 51696\n"
                                "  Site &Identification 51692\n"
                                "  &Version Info 51691\n"
                                "  ---\n"
                                "  M&odem 51708\n"
                                "  ---\n";
    EXPECT_EQ(MenuFor("Wendrel=16\r\nQUELT Version=QUELT V12.1\r\n", 0),
              kOperation +
                  "&Video\n"
                  "  &Cameras\n"
                  "    &Port Configuration 201\n"
                  "  &Video Parameters 51682\n"
                  "  S&chedule 51714\n" +
                  events +
                  "  ---\n"
                  "  A&larm Config 51709\n" +
                  siteTop + "  ---\n" + kFilesBasic + kHelp);
    EXPECT_EQ(MenuFor("Wendrel=16\r\nQUELT Version=QUELT V12.1\r\n", 1),
              kOperationChecked +
                  "&Video\n"
                  "  &Cameras\n"
                  "    &System Configuration 51710\n"
                  "    &Port Configuration 201\n"
                  "    &Name Assignment 51689\n"
                  "  Image &Selection 51694\n"
                  "  &Video Parameters 51682\n"
                  "  S&chedule 51714\n" +
                  events +
                  "  TCPIP &Capture 51715\n"
                  "  ---\n"
                  "  A&larm Config 51709\n" +
                  siteTop +
                  "  &Com Ports\n"
                  "    Primary Ovex 202\n"
                  "    Slave Ovex 51684\n"
                  "  ---\n"
                  "  &System Health 51712\n" +
                  kFilesAdvanced + kHelp);
}

TEST_F(Menus, WendrelVersion11RenamesAndVersion10KeepsOnlyThePrimaryMux)
{
    const std::string v11 = MenuFor("Wendrel=32\r\nQUELT Version=V11.0\r\n", 1);
    EXPECT_NE(v11.find("  &Com Ports\n    Primary Ovex 202\n    Slave Ovex 51684\n  ---\n"),
              std::string::npos)
        << v11;
    EXPECT_EQ(v11.find("&ATM Transactions"), std::string::npos) << v11;
    EXPECT_EQ(v11.find("&TDI Ports"), std::string::npos) << v11;

    EXPECT_EQ(MenuFor("Wendrel=16\r\nQUELT Version=V10.9\r\n", 1),
              kOperationChecked +
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
                  "  ---\n"
                  "  &System Health 51712\n" +
                  kFilesAdvanced + kHelp);
}

TEST_F(Menus, VideoOutputAndCaptionsFollowTheCard)
{
    const struct {
        const char* global;
        const char* video; // the "&Video" popup in normal mode
    } cases[] = {
        // A four-camera Wendrel unit has the video output but no captions, whatever the card.
        {"Wendrel=4\r\nImage Card=S617\r\n",
         "&Video\n  &Cameras\n    &Port Configuration 201\n  &Video Parameters 51682\n"
         "  Video &Output 228\n  S&chedule 51714\n"},
        {"Wendrel=4\r\n",
         "&Video\n  &Cameras\n    &Port Configuration 201\n  &Video Parameters 51682\n"
         "  Video &Output 228\n  S&chedule 51714\n"},
        // An S617 card without Wendrel: captions, then video output, before the schedule.
        {"Image Card=S617-4 PCI\r\n",
         "&Video\n  &Cameras\n    &Port Configuration 201\n  &Video Parameters 51682\n"
         "  Captions 51724\n  Video &Output 228\n  S&chedule 51714\n"},
        {"Image Card=s617\r\n",
         "&Video\n  &Cameras\n    &Port Configuration 201\n  &Video Parameters 51682\n"
         "  S&chedule 51714\n"},
        {"Image Card= S617\r\n",
         "&Video\n  &Cameras\n    &Port Configuration 201\n  &Video Parameters 51682\n"
         "  Captions 51724\n  Video &Output 228\n  S&chedule 51714\n"},
        // A Halden unit loses the video parameters, output and captions.
        {"Halden=1\r\nImage Card=S617\r\n",
         "&Video\n  &Cameras\n    &Port Configuration 201\n  S&chedule 51714\n"},
    };
    for (const auto& c : cases) {
        const std::string menu = MenuFor(c.global, 0);
        const size_t from = menu.find("&Video\n"), to = menu.find("&Events\n");
        ASSERT_NE(from, std::string::npos) << menu;
        EXPECT_EQ(menu.substr(from, to - from), c.video) << c.global;
    }
}

TEST_F(Menus, HaldenVersion12HasNoMultiplexerTdiOrVideoOutput)
{
    EXPECT_EQ(MenuFor("Halden=1\r\nQUELT Version=V12.1\r\nImage Card=S617\r\n", 1),
              kOperationChecked +
                  "&Video\n"
                  "  &Cameras\n"
                  "    &System Configuration 51710\n"
                  "    &Port Configuration 201\n"
                  "    &Name Assignment 51689\n"
                  "  Image &Selection 51694\n"
                  "  S&chedule 51714\n"
                  "&Events\n"
                  "  &Transactions 51693\n"
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
                  "  ---\n"
                  "  &System Health 51712\n" +
                  kFilesAdvanced + kHelp);
}

TEST_F(Menus, AdvancedTogglesTheMenuAndTheStoredFlag)
{
    const std::string normal = MenuFor("QUELT Version=V12.1\r\nImage Card=S617\r\n", -1);
    const std::string advanced = MenuFor("QUELT Version=V12.1\r\nImage Card=S617\r\n", 1);
    ASSERT_NE(normal, advanced);
    SeedConfig("Config", "Advanced Menu", "0");
    CloseMainWindow(wnd);
    wnd = OpenMainWindow("orva_config.exe " + SystemIniPath());
    ASSERT_EQ(DumpMenu(GetMenu(wnd)), normal);
    for (int i = 1; i <= 5; ++i) {
        SendMessageA(wnd, WM_COMMAND, IDM_ADVANCED, 0);
        const bool on = i % 2 == 1;
        EXPECT_EQ(DumpMenu(GetMenu(wnd)), on ? advanced : normal) << "toggle " << i;
        EXPECT_EQ(Key(ConfigIniPath(), "Config", "Advanced Menu"), on ? "1" : "0") << "toggle " << i;
        EXPECT_EQ(static_cast<bool>(GetMenuState(GetMenu(wnd), IDM_ADVANCED, MF_BYCOMMAND) & MF_CHECKED), on);
    }
}

TEST_F(Menus, AnyNonzeroStoredValueIsAdvancedAndTheNextToggleWritesZero)
{
    for (const char* stored : {"2", "-1", "7abc"}) {
        SeedConfig("Config", "Advanced Menu", stored);
        CloseMainWindow(wnd);
        wnd = OpenMainWindow("orva_config.exe " + SystemIniPath());
        EXPECT_TRUE(GetMenuState(GetMenu(wnd), IDM_ADVANCED, MF_BYCOMMAND) & MF_CHECKED) << stored;
        MarkClean();
        SendMessageA(wnd, WM_COMMAND, IDM_ADVANCED, 0);
        EXPECT_EQ(ChangesSinceMark(),
                  std::vector<std::string>{Change("WINDOWS\\ORVA_CONFIG.INI", "Config", "Advanced Menu", stored, "0")});
    }
}
