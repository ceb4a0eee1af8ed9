// Site identification and version information.
#include "defines.h"
#include "main_window.h"
#include "modal_driver.h"
#include "resource.h"
#include "sitedata/siteid.h"
#include "site_fixture.h"

#include <gtest/gtest.h>

namespace {

class SiteData : public SiteFixture {
protected:
    void TearDown() override { CloseMainWindow(wnd); }
    ModalRun OpenByMenu(UINT id, const std::vector<Step>& steps)
    {
        if (!wnd)
            wnd = OpenMainWindow("orva_config.exe " + IniFile);
        return DriveModal([&] { return SendMessageA(wnd, WM_COMMAND, id, 0); }, steps);
    }
    HWND wnd = nullptr;
};

Step Cancel() { return [](HWND dlg) { Click(dlg, IDCANCEL); }; }

} // namespace

TEST_F(SiteData, SiteIdentificationTemplateFollowsTheSite)
{
    EXPECT_EQ(OpenByMenu(IDM_SITE_ID, {Cancel()}).caption, "Identification of Remote Site");
    CloseMainWindow(wnd);
    wnd = nullptr;
    UseLocalSite();
    EXPECT_EQ(OpenByMenu(IDM_SITE_ID, {Cancel()}).caption, "Site Identification");
}

TEST_F(SiteData, SiteNameIsCheckedBeforeItIsWritten)
{
    const char* const kRefusal = "Site name cannot contain the characters ,./:*?<>|";
    const struct {
        const char* typed;
        bool accepted;
    } cases[] = {
        {"Main Street", true}, {"  Lobby", true},     {"Branch 12  West", true}, {"", true},
        {"Main St.", false},   {"Lobby ", false},     {"A/B", false},            {"A,B", false},
        {"A\\B", false},       {"A:B", false},        {"A*B", false},            {"A?B", false},
        {"A\"B", false},       {"A<B", false},        {"A>B", false},            {"A|B", false},
        {"Lobby\t", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("typed \"") + c.typed + "\"");
        SeedSystem("OrvaBank", "Bank Name", "Old Name");
        MarkClean();
        const ModalRun run = DriveDialog("IDD_SITEID_RMT", SiteIDProc,
                                         {[&](HWND dlg) {
                                              TypeText(dlg, IDC_SITE_NAME, c.typed);
                                              Click(dlg, IDOK);
                                          },
                                          Cancel()});
        if (c.accepted) {
            EXPECT_EQ(run.stepsRun, 1);
            EXPECT_TRUE(run.boxes.empty());
            // The harness reads values back trimmed, as the profile service does.
            std::string typed = c.typed;
            typed.erase(0, typed.find_first_not_of(" \t"));
            typed.erase(typed.find_last_not_of(" \t") + 1);
            EXPECT_EQ(SystemKey("OrvaBank", "Bank Name"), typed);
            EXPECT_EQ(ChangesSinceMark().size(), 1u);
        } else {
            EXPECT_EQ(run.stepsRun, 2) << "the dialog stays open";
            ASSERT_EQ(run.boxes.size(), 1u);
            EXPECT_EQ(run.boxes[0].text, kRefusal);
            EXPECT_EQ(run.boxes[0].title, "");
            EXPECT_EQ(run.boxes[0].buttons, static_cast<UINT>(MB_OK));
            EXPECT_TRUE(ChangesSinceMark().empty());
        }
    }
}

TEST_F(SiteData, SiteNameShownAndUnknownByDefault)
{
    const std::string huge(10000, 'N');
    const struct {
        std::optional<std::string> stored;
        std::string shown;
    } cases[] = {
        {std::nullopt, "Unknown"},
        {"Maple Street Branch", "Maple Street Branch"},
        {huge, std::string(79, 'N')},
    };
    for (const auto& c : cases) {
        WriteRaw(SystemIniPath(), "");
        if (c.stored)
            SeedSystem("OrvaBank", "Bank Name", *c.stored);
        std::string shown;
        DriveDialog("IDD_SITEID", SiteIDProc, {[&](HWND dlg) {
                        shown = TextOf(dlg, IDC_SITE_NAME);
                        Click(dlg, IDOK);
                    }});
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(SystemKey("OrvaBank", "Bank Name"), c.shown) << "OK writes what was shown";
    }
    // The box takes no more than the recorder keeps.
    std::string shown;
    DriveDialog("IDD_SITEID", SiteIDProc, {[&](HWND dlg) {
                    SendDlgItemMessageA(dlg, IDC_SITE_NAME, WM_SETTEXT, 0, 0);
                    for (int i = 0; i < 100; ++i)
                        SendDlgItemMessageA(dlg, IDC_SITE_NAME, WM_CHAR, 'x', 0);
                    shown = TextOf(dlg, IDC_SITE_NAME);
                    Click(dlg, IDCANCEL);
                }});
    EXPECT_EQ(shown.size(), 79u);
}

TEST_F(SiteData, VersionInfoInNormalModeShowsAndWritesNothing)
{
    const struct {
        std::optional<std::string> quelt;
        std::string shown;
    } cases[] = {
        {std::nullopt, "unknown"},
        {"QUELT V12.1", "QUELT V12.1"},
        {std::string(10000, 'V'), std::string(79, 'V')},
    };
    for (const auto& c : cases) {
        WriteRaw(SystemIniPath(), "");
        if (c.quelt)
            SeedSystem("Global", "QUELT Version", *c.quelt);
        Seed(SiteFile("SiteDef.DAT"), "Viewer", "Inquiry Version", "400");
        MarkClean();
        std::string shown;
        bool hasInquiryBox = true;
        const ModalRun run = OpenByMenu(IDM_VERSION_INFO, {[&](HWND dlg) {
                                            shown = TextOf(dlg, IDC_QUELT_VERSION);
                                            hasInquiryBox = GetDlgItem(dlg, IDC_INQUIRY_VERSION) != nullptr;
                                            Click(dlg, IDOK);
                                        }});
        EXPECT_EQ(run.caption, "Software Version Information");
        EXPECT_EQ(shown, c.shown);
        EXPECT_FALSE(hasInquiryBox);
        EXPECT_TRUE(ChangesSinceMark().empty());
    }
}

TEST_F(SiteData, VersionInfoInAdvancedModeEditsTheInquiryVersion)
{
    SeedConfig("Config", "Advanced Menu", "1");
    const struct {
        std::optional<std::string> stored;
        std::string shown;
        std::string typed; // empty: OK on what is shown
        std::string written;
    } cases[] = {
        {std::nullopt, "none", "", "none"},
        {"", "none", "", "none"},
        {"412", "412", "", "412"},
        {"412", "412", "415", "415"},
        {std::nullopt, "none", "0", "0"},
    };
    for (const auto& c : cases) {
        WriteRaw(SiteFile("SiteDef.DAT"), "");
        if (c.stored)
            Seed(SiteFile("SiteDef.DAT"), "Viewer", "Inquiry Version", *c.stored);
        MarkClean();
        std::string shown, quelt;
        const ModalRun run = OpenByMenu(IDM_VERSION_INFO, {[&](HWND dlg) {
                                            shown = TextOf(dlg, IDC_INQUIRY_VERSION);
                                            quelt = TextOf(dlg, IDC_QUELT_VERSION);
                                            if (!c.typed.empty())
                                                TypeText(dlg, IDC_INQUIRY_VERSION, c.typed);
                                            Click(dlg, IDOK);
                                        }});
        EXPECT_EQ(run.caption, "Inquiry Software Version Control");
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(quelt, "unknown");
        std::vector<std::string> changes;
        if (c.stored != c.written)
            changes.push_back(Change("SITEDEF.DAT", "Viewer", "Inquiry Version", c.stored, c.written));
        EXPECT_EQ(ChangesSinceMark(), changes);
        EXPECT_EQ(Key(SiteFile("SiteDef.DAT"), "Viewer", "Inquiry Version"), c.written);
    }
    // Cancel writes nothing.
    MarkClean();
    OpenByMenu(IDM_VERSION_INFO, {[](HWND dlg) {
                   TypeText(dlg, IDC_INQUIRY_VERSION, "999");
                   Click(dlg, IDCANCEL);
               }});
    EXPECT_TRUE(ChangesSinceMark().empty());
}

TEST_F(SiteData, VersionInfoFollowsAdvancedModeWithoutRestart)
{
    EXPECT_EQ(OpenByMenu(IDM_VERSION_INFO, {Cancel()}).caption, "Software Version Information");
    SendMessageA(wnd, WM_COMMAND, IDM_ADVANCED, 0);
    EXPECT_EQ(OpenByMenu(IDM_VERSION_INFO, {Cancel()}).caption, "Inquiry Software Version Control");
    SendMessageA(wnd, WM_COMMAND, IDM_ADVANCED, 0);
    EXPECT_EQ(OpenByMenu(IDM_VERSION_INFO, {Cancel()}).caption, "Software Version Information");
}
