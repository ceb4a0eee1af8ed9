// Camera system parameters: what the dialog shows and writes, and how the basic menu keeps the
// last remotely viewable camera in step with the cameras in use.
#include "cameras/gencamprop.h"
#include "modal_driver.h"
#include "resource.h"
#include "site_fixture.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr char kLastView[] = "Last Remote View Lobby Camera";

// What the user sees when the dialog opens.
struct Shown {
    std::string caption;
    std::string lastView;
    bool color = false;
    bool monochrome = false;
};

// A radio button pressed as the mouse would, so that the button itself moves the check.
void Press(HWND dlg, int id) { SendMessageA(GetDlgItem(dlg, id), BM_CLICK, 0, 0); }

std::optional<std::string> Opt(const char* text)
{
    return text ? std::optional<std::string>(text) : std::nullopt;
}

class GenCamProp : public SiteFixture {
protected:
    // Replaces the system INI with [OrvaBank] and [OrvaVideo] lines (null: key absent), plus
    // neighbours that nothing here may touch.
    void SeedSystemIni(const char* lastView, const char* color, const std::string& extraBank = "")
    {
        std::string text = "[OrvaBank]\r\nSite Name=Main Street\r\n";
        if (lastView)
            text += std::string(kLastView) + "=" + lastView + "\r\n";
        text += extraBank;
        text += "[OrvaVideo]\r\nVideo Format=1\r\n";
        if (color)
            text += std::string("Color=") + color + "\r\n";
        WriteRaw(SystemIniPath(), text);
    }

    Shown ShowDialog()
    {
        Shown shown;
        const ModalRun run = DriveDialog("IDD_GENCAMPROP", GenCamPropProc, {[&](HWND dlg) {
                                             shown.lastView = TextOf(dlg, IDC_GENCAM_LAST_VIEW);
                                             shown.color = IsDlgButtonChecked(dlg, IDC_GENCAM_COLOR);
                                             shown.monochrome =
                                                 IsDlgButtonChecked(dlg, IDC_GENCAM_MONOCHROME);
                                             Click(dlg, IDCANCEL);
                                         }});
        shown.caption = run.caption;
        return shown;
    }

    // The expected change list for the two keys the dialog and the basic-menu rule own.
    static std::vector<std::string> OwnChanges(const char* lastBefore, const char* lastAfter,
                                               const char* colorBefore, const char* colorAfter)
    {
        std::vector<std::string> changes;
        if (Opt(lastBefore) != Opt(lastAfter))
            changes.push_back(Change("ORVANT.INI", "OrvaBank", kLastView, Opt(lastBefore), Opt(lastAfter)));
        if (Opt(colorBefore) != Opt(colorAfter))
            changes.push_back(Change("ORVANT.INI", "OrvaVideo", "Color", Opt(colorBefore), Opt(colorAfter)));
        return changes;
    }
};

} // namespace

TEST_F(GenCamProp, ShowsTheStoredCameraAndColourSetting)
{
    const struct {
        const char* lastView; // null: absent
        const char* color;    // null: absent
        const char* shownNumber;
        bool color_;
    } cases[] = {
        {nullptr, nullptr, "0", false},
        {"12", "YES", "12", true},
        {"4", "yes", "4", true},
        {"4", "Yes", "4", true},
        {"4", "NO", "4", false},
        {"4", "no", "4", false},
        {"4", "", "4", false},
        {"4", "Y", "4", false},
        {"4", "YESS", "4", false},
        {"4", "1", "4", false},
        {"4", "colour", "4", false},
        {"32", "  YES  ", "32", true}, // the profile service trims blanks round a value
        {"-5", "NO", "-5", false},
        {"99999999999", "YES", "2147483647", true},
        {"-99999999999", "NO", "-2147483648", false},
        {"12abc", "NO", "12", false},
        {"abc", "NO", "0", false},
        {"", "NO", "0", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("last view ") + (c.lastView ? c.lastView : "<absent>") + ", Color " +
                     (c.color ? c.color : "<absent>"));
        SeedSystemIni(c.lastView, c.color);
        MarkClean();
        const Shown shown = ShowDialog();
        EXPECT_EQ(shown.caption, "Surveillance Camera System Parameters");
        EXPECT_EQ(shown.lastView, c.shownNumber);
        EXPECT_EQ(shown.color, c.color_);
        EXPECT_EQ(shown.monochrome, !c.color_) << "exactly one camera type is checked";
        EXPECT_TRUE(ChangesSinceMark().empty()) << "opening the dialog writes nothing";
    }
}

TEST_F(GenCamProp, OkWritesTheNumberAndTheCameraType)
{
    enum Choice { Keep, PickColor, PickMonochrome };
    const struct {
        const char* lastBefore;
        const char* colorBefore;
        const char* typed; // null: the shown number is left as it is
        Choice choice;
        const char* lastAfter;
        const char* colorAfter;
    } cases[] = {
        // OK on what an empty file shows creates both keys.
        {nullptr, nullptr, nullptr, Keep, "0", "NO"},
        {nullptr, nullptr, "40", Keep, "40", "NO"},
        {"12", "NO", "40", Keep, "40", "NO"},
        {"12", "NO", "", Keep, "0", "NO"},
        {"12", "NO", "007", Keep, "7", "NO"},
        {"12", "NO", "6", PickColor, "6", "YES"},
        {"12", "YES", nullptr, PickMonochrome, "12", "NO"},
        {"12", "YES", nullptr, Keep, "12", "YES"},
        // Whatever case or text was stored, OK writes one of the recorder's two words.
        {"12", "yes", nullptr, Keep, "12", "YES"},
        {"12", "no", nullptr, Keep, "12", "NO"},
        {"12", "garbage", nullptr, Keep, "12", "NO"},
        {"12", "garbage", nullptr, PickColor, "12", "YES"},
        // A stored number beyond the range is kept as shown, not range-checked.
        {"-5", "NO", nullptr, Keep, "-5", "NO"},
        {"99999999999", "NO", nullptr, Keep, "2147483647", "NO"},
        {"12abc", "NO", nullptr, Keep, "12", "NO"},
        // A number too large for the box reads as no number, as in every box of the program.
        {"12", "NO", "99999999999", Keep, "0", "NO"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("typed ") + (c.typed ? c.typed : "<nothing>") + ", choice " +
                     std::to_string(c.choice) + ", stored " + (c.lastBefore ? c.lastBefore : "<absent>") +
                     " / " + (c.colorBefore ? c.colorBefore : "<absent>"));
        SeedSystemIni(c.lastBefore, c.colorBefore, "Lobby Camera 3 On=YES\r\n");
        SeedConfig("Config", "Advanced Menu", "1");
        MarkClean();
        const ModalRun run = DriveDialog("IDD_GENCAMPROP", GenCamPropProc,
                                         {[&](HWND dlg) {
                                              if (c.typed)
                                                  TypeText(dlg, IDC_GENCAM_LAST_VIEW, c.typed);
                                              if (c.choice == PickColor)
                                                  Press(dlg, IDC_GENCAM_COLOR);
                                              if (c.choice == PickMonochrome)
                                                  Press(dlg, IDC_GENCAM_MONOCHROME);
                                              Click(dlg, IDOK);
                                          },
                                          [](HWND dlg) { Click(dlg, IDCANCEL); }});
        EXPECT_EQ(run.stepsRun, 1) << "OK closes the dialog";
        EXPECT_EQ(run.result, 1);
        EXPECT_TRUE(run.boxes.empty());
        EXPECT_EQ(SystemKey("OrvaBank", kLastView), Opt(c.lastAfter));
        EXPECT_EQ(SystemKey("OrvaVideo", "Color"), Opt(c.colorAfter));
        EXPECT_EQ(ChangesSinceMark(), OwnChanges(c.lastBefore, c.lastAfter, c.colorBefore, c.colorAfter));
    }
}

TEST_F(GenCamProp, CancelWritesNothing)
{
    for (const char* color : {static_cast<const char*>(nullptr), "NO", "YES"}) {
        SeedSystemIni(color ? "12" : nullptr, color);
        MarkClean();
        const ModalRun run = DriveDialog("IDD_GENCAMPROP", GenCamPropProc, {[](HWND dlg) {
                                             TypeText(dlg, IDC_GENCAM_LAST_VIEW, "40");
                                             Press(dlg, IDC_GENCAM_COLOR);
                                             Press(dlg, IDC_GENCAM_MONOCHROME);
                                             Click(dlg, IDCANCEL);
                                         }});
        EXPECT_EQ(run.stepsRun, 1);
        EXPECT_EQ(run.result, 1);
        EXPECT_TRUE(ChangesSinceMark().empty()) << (color ? color : "<absent>");
    }
}

TEST_F(GenCamProp, BasicMenuFollowsTheHighestCameraInUse)
{
    const std::vector<std::pair<int, const char*>> first6On = {
        {1, "YES"}, {2, "YES"}, {3, "YES"}, {4, "YES"}, {5, "YES"}, {6, "YES"}};
    std::vector<std::pair<int, const char*>> first6OnRestOff = first6On;
    for (int camera = 7; camera <= 32; ++camera)
        first6OnRestOff.emplace_back(camera, "NO");
    std::vector<std::pair<int, const char*>> allOff;
    for (int camera = 1; camera <= 32; ++camera)
        allOff.emplace_back(camera, "NO");

    const struct {
        const char* name;
        const char* advanced; // [Config] "Advanced Menu"; null: absent
        std::vector<std::pair<int, const char*>> cameras;
        const char* lastBefore;
        const char* colorBefore;
        const char* lastAfter; // equal to the before values: not written
        const char* colorAfter;
    } cases[] = {
        {"cameras 1-6 on, last view 12", nullptr, first6OnRestOff, "12", "NO", "6", "YES"},
        {"lower-case and mixed-case yes", nullptr, {{1, "yes"}, {3, "Yes"}, {4, "no"}}, "12", "NO", "3", "YES"},
        {"colour kept, number raised", nullptr, {{2, "YES"}, {20, "YES"}}, "12", "YES", "20", "YES"},
        {"number already right, colour set back", nullptr, {{3, "YES"}}, "3", "no", "3", "YES"},
        {"keys absent before", nullptr, {{9, "YES"}}, nullptr, nullptr, "9", "YES"},
        {"highest camera 32", nullptr, {{1, "YES"}, {32, "YES"}}, "4", "NO", "32", "YES"},
        {"explicit basic menu", "0", first6On, "12", "NO", "6", "YES"},
        {"unreadable menu flag counts as basic", "abc", first6On, "12", "NO", "6", "YES"},
        // The profile service trims blanks round a value, so these cameras are on.
        {"trailing blank", nullptr, {{5, "YES "}}, "12", "NO", "5", "YES"},
        {"blanks both sides", nullptr, {{7, "  yes\t"}}, "12", "NO", "7", "YES"},
        // Not "YES": the camera is off.
        {"near misses", nullptr, {{2, "YES"}, {5, "YESS"}, {6, "Y"}, {7, "1"}, {8, "ON"}}, "12", "NO", "2", "YES"},
        {"all cameras off", nullptr, allOff, "12", "NO", "12", "NO"},
        {"no camera keys", nullptr, {}, "12", "NO", "12", "NO"},
        {"no keys at all", nullptr, {}, nullptr, nullptr, nullptr, nullptr},
        {"only a camera beyond 32", nullptr, {{33, "YES"}, {0, "YES"}}, "12", "NO", "12", "NO"},
        {"advanced menu", "1", first6OnRestOff, "12", "NO", "12", "NO"},
        {"advanced menu, any nonzero value", "-1", first6On, "12", "NO", "12", "NO"},
        {"advanced menu, all keys absent", "2", {{4, "YES"}}, nullptr, nullptr, nullptr, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string cameras;
        for (const auto& [camera, on] : c.cameras)
            cameras += "Lobby Camera " + std::to_string(camera) + " On=" + on + "\r\n";
        SeedSystemIni(c.lastBefore, c.colorBefore, cameras);
        WriteRaw(ConfigIniPath(), c.advanced ? std::string("[Config]\r\nAdvanced Menu=") + c.advanced + "\r\n" : "");
        MarkClean();
        SetLastViewCamera();
        EXPECT_EQ(ChangesSinceMark(), OwnChanges(c.lastBefore, c.lastAfter, c.colorBefore, c.colorAfter));
    }
}
