// The camera sheet as a whole: how many pages, their titles and template, what opening it writes.
#include "cameras/cameraprop.h"
#include "defines.h"
#include "main_window.h"
#include "modal_driver.h"
#include "resource.h"
#include "sheet_driver.h"
#include "site_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

namespace {

class CameraSheet : public SiteFixture {
protected:
    struct Opened {
        ModalRun run;
        std::vector<std::string> titles;
        bool ipTemplate = false; // the first page has the camera type radios
    };
    // Opens the sheet, notes what it shows, and cancels it.
    Opened OpenAndCancel()
    {
        Opened opened;
        opened.run = DriveModal([] { DisplayCameraProperties(hInst, nullptr); return INT_PTR{0}; },
                                {[&](HWND sheet) {
                                     opened.titles = SheetPageTitles(sheet);
                                     opened.ipTemplate = GetDlgItem(CurrentSheetPage(sheet), IDC_CAM_IP) != nullptr;
                                     PressSheetButton(sheet, PSBTN_CANCEL);
                                 },
                                 [](HWND) {}});
        return opened;
    }
};

std::vector<std::string> Titles(int count)
{
    std::vector<std::string> titles;
    for (int i = 1; i <= count; ++i) {
        char title[16];
        std::snprintf(title, sizeof title, "Camera %02d", i);
        titles.emplace_back(title);
    }
    return titles;
}

// "Lobby Camera n On" written "NO" for n from first to 32, from the stated earlier values.
std::vector<std::string> SwitchedOff(int first)
{
    std::vector<std::string> changes;
    for (int n = first; n <= 32; ++n)
        changes.push_back(Change("ORVANT.INI", "OrvaBank", "Lobby Camera " + std::to_string(n) + " On",
                                 std::nullopt, "NO"));
    std::sort(changes.begin(), changes.end());
    return changes;
}

std::vector<std::string> Sorted(std::vector<std::string> v)
{
    std::sort(v.begin(), v.end());
    return v;
}

// Only the keys of the system INI file's [OrvaBank]; the first page's own opening writes to
// SiteDef.DAT are covered by the page's tests.
std::vector<std::string> OrvaBankChanges(const std::vector<std::string>& all)
{
    std::vector<std::string> out;
    for (const std::string& c : all)
        if (c.rfind("ORVANT.INI [OrvaBank]", 0) == 0)
            out.push_back(c);
    return Sorted(out);
}

} // namespace

TEST_F(CameraSheet, PageCountTitlesAndOpeningWrites)
{
    const struct {
        const char* name;
        const char* advanced;     // [Config] "Advanced Menu", null: absent
        const char* autoDisable;  // [Config] "Auto Disable Unused Ports", null: absent
        const char* lastView;     // [OrvaBank] "Last Remote View Lobby Camera", null: absent
        const char* channels;     // [Global] "Video Channels", null: absent
        int pages;
        int switchedOffFrom; // 0: nothing written
    } cases[] = {
        {"advanced, channels absent", "1", nullptr, "4", nullptr, 32, 0},
        {"advanced, 16 channels", "1", nullptr, "4", "16", 16, 0},
        {"advanced, 40 channels bounded", "1", nullptr, nullptr, "40", 32, 0},
        {"basic, last view 4", nullptr, nullptr, "4", "16", 4, 5},
        {"basic, last view 32", "0", nullptr, "32", nullptr, 32, 0},
        {"basic, last view 40 bounded", "0", nullptr, "40", nullptr, 32, 0},
        {"basic, auto-disable off", "0", "0", "4", nullptr, 4, 0},
        {"basic, auto-disable 1", "0", "1", "6", nullptr, 6, 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteRaw(SystemIniPath(), "[Global]\r\nQUELT Version=V12.1\r\n");
        WriteRaw(ConfigIniPath(), "");
        if (c.advanced)
            SeedConfig("Config", "Advanced Menu", c.advanced);
        if (c.autoDisable)
            SeedConfig("Config", "Auto Disable Unused Ports", c.autoDisable);
        if (c.lastView)
            SeedSystem("OrvaBank", "Last Remote View Lobby Camera", c.lastView);
        if (c.channels)
            SeedSystem("Global", "Video Channels", c.channels);
        MarkClean();
        const Opened opened = OpenAndCancel();
        EXPECT_TRUE(opened.run.opened);
        EXPECT_EQ(opened.run.caption, "Camera Properties");
        EXPECT_EQ(opened.titles, Titles(c.pages));
        EXPECT_EQ(OrvaBankChanges(ChangesSinceMark()),
                  c.switchedOffFrom ? SwitchedOff(c.switchedOffFrom) : std::vector<std::string>{});
    }
}

TEST_F(CameraSheet, NoPagesMeansAnExplanationInsteadOfAnEmptySheet)
{
    const struct {
        const char* advanced;
        const char* lastView;
        const char* channels;
        const char* textStart;
        bool allSwitchedOff;
    } cases[] = {
        {nullptr, nullptr, nullptr, "No camera is in use for remote viewing", true},
        {"0", "0", nullptr, "No camera is in use for remote viewing", true},
        {"0", "-5", nullptr, "No camera is in use for remote viewing", true},
        {"1", nullptr, "0", "The unit reports no video channels", false},
        {"1", nullptr, "-2147483648", "The unit reports no video channels", false},
    };
    for (const auto& c : cases) {
        WriteRaw(SystemIniPath(), "");
        WriteRaw(ConfigIniPath(), "");
        if (c.advanced)
            SeedConfig("Config", "Advanced Menu", c.advanced);
        if (c.lastView)
            SeedSystem("OrvaBank", "Last Remote View Lobby Camera", c.lastView);
        if (c.channels)
            SeedSystem("Global", "Video Channels", c.channels);
        MarkClean();
        const ModalRun run = DriveModal([] { DisplayCameraProperties(hInst, nullptr); return INT_PTR{0}; }, {});
        EXPECT_FALSE(run.opened);
        ASSERT_EQ(run.boxes.size(), 1u);
        EXPECT_EQ(run.boxes[0].title, "Camera Properties");
        EXPECT_EQ(run.boxes[0].text.rfind(c.textStart, 0), 0u) << run.boxes[0].text;
        EXPECT_EQ(run.boxes[0].icon, static_cast<UINT>(MB_ICONINFORMATION));
        // Switching off never writes keys of cameras outside 1 to 32.
        EXPECT_EQ(OrvaBankChanges(ChangesSinceMark()), c.allSwitchedOff ? SwitchedOff(1) : std::vector<std::string>{});
    }
}

TEST_F(CameraSheet, TemplateFollowsTheRecorderVersion)
{
    const struct {
        const char* version;
        bool ipTemplate;
    } cases[] = {{"", false}, {"V10.2", false}, {"QUELT V11.9", false}, {"V12.0", true}, {"V13", true}};
    SeedConfig("Config", "Advanced Menu", "1");
    for (const auto& c : cases) {
        WriteRaw(SystemIniPath(), std::string("[Global]\r\nVideo Channels=2\r\nQUELT Version=") + c.version + "\r\n");
        EXPECT_EQ(OpenAndCancel().ipTemplate, c.ipTemplate) << c.version;
    }
}

TEST_F(CameraSheet, PortConfigurationCommandOpensTheSheet)
{
    SeedConfig("Config", "Advanced Menu", "1");
    SeedSystem("Global", "Video Channels", "3");
    const HWND wnd = OpenMainWindow("orva_config.exe " + SystemIniPath());
    ASSERT_NE(wnd, nullptr);
    std::vector<std::string> titles;
    const ModalRun run = DriveModal([&] { return SendMessageA(wnd, WM_COMMAND, IDM_PORT_CONFIG, 0); },
                                    {[&](HWND sheet) {
                                         titles = SheetPageTitles(sheet);
                                         PressSheetButton(sheet, PSBTN_CANCEL);
                                     }});
    EXPECT_EQ(run.caption, "Camera Properties");
    EXPECT_EQ(titles, Titles(3));
    CloseMainWindow(wnd);
}

TEST_F(CameraSheet, CancelAtOnceWritesOnlyTheOpeningWrites)
{
    // Basic menu, cameras 1 and 3 on, last view camera 3: opening switches off 4 to 32, and the
    // first page (the only one initialised) fills the viewer's on/off mirror once.
    WriteRaw(SystemIniPath(), "[Global]\r\nQUELT Version=V12.1\r\n[OrvaBank]\r\nLast Remote View Lobby Camera=3\r\n"
                              "Lobby Camera 1 On=YES\r\nLobby Camera 3 On=yes\r\n");
    MarkClean();
    OpenAndCancel();
    std::vector<std::string> expected = SwitchedOff(4);
    for (int n = 1; n <= 31; ++n)
        expected.push_back(Change("SITEDEF.DAT", "Cameras Enabled", std::to_string(n), std::nullopt,
                                  n == 1 || n == 3 ? "ON" : "OFF"));
    expected.push_back(Change("SITEDEF.DAT", "Cameras Enabled", "Initilized", std::nullopt, "1"));
    EXPECT_EQ(Sorted(ChangesSinceMark()), Sorted(expected));
}
