// The site check (nothing on the sample site, each kind of fault found with its line, the menu's
// list) and the comparison with another site.
#include "app/orva_config.h"
#include "app/comparedlg.h"
#include "app/sitecheck.h"
#include "defines.h"
#include "history.h"
#include "harness.h"
#include "resource.h"

#include <commctrl.h>

namespace {

class Check : public SiteFixture {
protected:
    void TearDown() override { CloseMainWindow(wnd); }
    // The sample site with some keys changed, checked as the program sees it once started on it.
    std::vector<std::string> Findings(const std::string& planted, int* checked = nullptr)
    {
        CopySample();
        Seed(planted);
        CloseMainWindow(wnd);
        wnd = OpenMainWindow("orva_config.exe " + SystemIniPath());
        const SiteCheckResult result = CheckSite();
        if (checked)
            *checked = result.valuesChecked;
        std::vector<std::string> lines;
        for (const Finding& f : result.findings)
            lines.push_back(FormatFinding(f).substr(f.file.find_last_of('\\') + 1)); // from the file's name on
        return lines;
    }
    void CopySample()
    {
        for (const char* name : {"ORVANT.INI", "SiteDef.DAT", "TRANDATA.INI", "BRANCH.PCX", "BRANCH.JPG"})
            CopyFileA((std::string(ORVA_SAMPLE_DIR) + name).c_str(), (siteDir + name).c_str(), FALSE);
    }
    HWND wnd = nullptr;
};

} // namespace

TEST_F(Check, TheSampleSiteHasNoProblem)
{
    int checked = 0;
    EXPECT_EQ(Findings("", &checked), std::vector<std::string>{});
    EXPECT_GT(checked, 900);
}

TEST_F(Check, EachKindOfFaultIsFoundWithItsLine)
{
    const std::string name80(80, 'n'), to255(255, 't');
    const std::vector<std::string> found = Findings(
        "S [OrvaFile] Status Log Size=20001\nS [Schedule] MON3=2\nS [OrvaBank] Ch 2 Motion Amount=12abc; Ch 1 Capture Rate=9\n"
        "S [OrvaBank] Bank Name=" + name80 + "\nS [IP Camera] Camera 7 Address=10.0.0.300\n"
        "S [OrvaBank] Lobby Camera 3=2; Lobby Camera 4=17; Last Remote View Lobby Camera=20\n"
        "S [OrvaBank] Lobby Camera 12 On=YES; Lobby Camera 12 IP=NO; Lobby Camera 12=5\n"
        "S [Alarms] Alarm Relay Channel=33; Ch 1 Ports=1,40\nS [Email] To Address=" + to255 + "\n"
        "D [Map] 5=9999,10\nS [Global] Video Channels=16\nS [OrvaVideo] Color=maybe\nS [Unknown] Key=anything\n"
        // and values at the edge of their rules, which are no problem
        "S [Schedule] TUE5=  1\nS [IP Camera] Camera 8 Address=10.0.0.1\nS [Alarms] Report Phone Nbr=" + std::string(79, '5'));
    const std::vector<std::string> expected = {
        "orvant.ini [OrvaFile] Status Log Size = 20001: outside its range; a whole number from 1 to 20000 is expected",
        "orvant.ini [OrvaBank] Bank Name = " + name80 + ": longer than the 79 characters its box holds",
        "orvant.ini [OrvaVideo] Color = maybe: neither YES nor NO",
        "orvant.ini [OrvaBank] Ch 1 Capture Rate = 9: outside its range; a choice from 0 to 5 of its list is expected",
        "orvant.ini [OrvaBank] Ch 2 Motion Amount = 12abc: not a number; a whole number from 0 to 100 is expected",
        "orvant.ini [IP Camera] Camera 7 Address = 10.0.0.300: not an address of four numbers from 0 to 255",
        "orvant.ini [Schedule] MON3 = 2: neither 0 nor 1",
        "orvant.ini [Alarms] Alarm Relay Channel = 33: outside its range; a whole number from 1 to 32 is expected",
        "orvant.ini [Email] To Address = " + to255 + ": longer than the 254 characters its box holds",
        "orvant.ini [OrvaBank] Lobby Camera 3 = 2: port 2 is also used by enabled camera 2",
        "orvant.ini [OrvaBank] Lobby Camera 4 = 17: port outside 1 to 16 of this unit",
        "orvant.ini [OrvaBank] Lobby Camera 12 = 5: port 5 is also used by enabled camera 5",
        "orvant.ini [OrvaBank] Last Remote View Lobby Camera = 20: above the 16 video channels of this unit",
        "orvant.ini [Alarms] Ch 1 Ports = 1,40: camera 40 is outside 1 to 32",
        "SiteDef.DAT [Map] 5 = 9999,10: the camera icon lies outside the * map picture"};
    for (const std::string& line : expected)
        EXPECT_TRUE(std::any_of(found.begin(), found.end(), [&](const std::string& f) {
            return f == line || (line.ends_with("* map picture") && f.starts_with(line.substr(0, line.find('*'))));
        })) << "not found: " << line;
    EXPECT_EQ(found.size(), expected.size());
    EXPECT_TRUE(ChangesSinceMark().size() > 0); // the planted keys; the check itself writes nothing:
    MarkClean();
    CheckSite();
    EXPECT_TRUE(ChangesSinceMark().empty());
    // A map picture named but not in the site folder.
    EXPECT_EQ(Findings("D [Map] Name=GONE.PCX"),
              std::vector<std::string>{"SiteDef.DAT [Map] Name = GONE.PCX: the map picture is not in the site folder"});
}

// Files > Check Site lists the problems; double-clicking one opens its dialog, and the list is
// checked again when it closes.
TEST_F(Check, TheMenuListsProblemsAndOpensTheirDialog)
{
    Findings("S [OrvaFile] Status Log Size=0\nS [Schedule] TUE4=7");
    MarkClean();
    static NMHDR doubleClick{nullptr, IDC_CK_LIST, static_cast<UINT>(NM_DBLCLK)};
    const auto rows = [](HWND dlg) { return SendDlgItemMessageA(dlg, IDC_CK_LIST, LVM_GETITEMCOUNT, 0, 0); };
    std::vector<Step> steps = {[&](HWND dlg) {
                                   EXPECT_EQ(rows(dlg), 2);
                                   EXPECT_EQ(WindowText(GetDlgItem(dlg, IDC_CK_SUMMARY)).substr(0, 14), "2 problems in ");
                                   doubleClick.hwndFrom = GetDlgItem(dlg, IDC_CK_LIST);
                                   PostMessageA(dlg, WM_NOTIFY, IDC_CK_LIST, reinterpret_cast<LPARAM>(&doubleClick));
                               }};
    for (const Step& step : StepsOf("see @caption = Status Log Setup; type Maximum Status Log = 250; ok"))
        steps.push_back(step);
    steps.push_back([&](HWND dlg) { EXPECT_EQ(rows(dlg), 1); });
    steps.push_back([](HWND dlg) { PostMessageA(dlg, WM_COMMAND, IDCANCEL, 0); });
    const ModalRun run = DriveModal([&] { DispatchCommand(wnd, IDM_CHECK_SITE); return INT_PTR{0}; }, steps);
    EXPECT_EQ(run.stepsRun, static_cast<int>(steps.size()));
    EXPECT_EQ(ChangesSinceMark(), std::vector<std::string>{"S [OrvaFile] Status Log Size=250"});
}

// Files > Compare with Site: the values that differ; the checked ones taken from the other site
// as one confirmation of the history, which one undo takes back.
TEST_F(Check, ValuesTakenFromAnotherSiteAndUndone)
{
    Findings("S [OrvaFile] Status Log Size=100\nS [Modem] Ring=2");
    CreateDirectoryA((siteDir + "other").c_str(), nullptr);
    const std::string other = siteDir + "other\\ORVANT.INI";
    WriteRaw(other, "[OrvaFile]\r\nStatus Log Size=300\r\n[Modem]\r\nRing=4\r\n[OrvaBank]\r\nBank Name=Other Branch\r\n");
    MarkClean();
    const auto rowOf = [](HWND dlg, const std::string& key) {
        for (int row = 0; row < SendDlgItemMessageA(dlg, IDC_CO_LIST, LVM_GETITEMCOUNT, 0, 0); ++row) {
            char text[128] = "";
            LVITEMA item{};
            item.iSubItem = 1;
            item.pszText = text;
            item.cchTextMax = sizeof text;
            SendDlgItemMessageA(dlg, IDC_CO_LIST, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
            if (std::string(text) == key)
                return row;
        }
        return -1;
    };
    int before = 0;
    const ModalRun run = DriveModal([&] { CompareWithSite(hInst, wnd, other); return INT_PTR{0}; },
        {[&](HWND dlg) {
             before = static_cast<int>(SendDlgItemMessageA(dlg, IDC_CO_LIST, LVM_GETITEMCOUNT, 0, 0));
             EXPECT_GE(rowOf(dlg, "[OrvaBank] Bank Name (site-specific)"), 0);
             for (const char* key : {"[OrvaFile] Status Log Size", "[Modem] Ring"}) {
                 const int row = rowOf(dlg, key);
                 ASSERT_GE(row, 0) << key;
                 LVITEMA check{};
                 check.stateMask = LVIS_STATEIMAGEMASK;
                 check.state = INDEXTOSTATEIMAGEMASK(2);
                 SendDlgItemMessageA(dlg, IDC_CO_LIST, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&check));
             }
             PostMessageA(GetDlgItem(dlg, IDC_CO_TAKE), BM_CLICK, 0, 0);
         },
         [&](HWND dlg) { EXPECT_EQ(SendDlgItemMessageA(dlg, IDC_CO_LIST, LVM_GETITEMCOUNT, 0, 0), before - 2); },
         [](HWND dlg) { PostMessageA(dlg, WM_COMMAND, IDCANCEL, 0); }});
    EXPECT_EQ(run.stepsRun, 3);
    EXPECT_EQ(ChangesSinceMark(), (std::vector<std::string>{"S [Modem] Ring=4", "S [OrvaFile] Status Log Size=300"}));
    const std::vector<Confirmation> log = ReadHistory(siteDir + kHistoryFile).value();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back().command, "Taken from " + other);
    EXPECT_EQ(log.back().values.size(), 2u);
    MarkClean();
    DriveModal([&] { DispatchCommand(wnd, IDM_HISTORY); return INT_PTR{0}; },
               {[](HWND dlg) { PostMessageA(GetDlgItem(dlg, IDC_HI_UNDO), BM_CLICK, 0, 0); },
                [](HWND dlg) { PostMessageA(dlg, WM_COMMAND, IDCANCEL, 0); }});
    EXPECT_EQ(ChangesSinceMark(), (std::vector<std::string>{"S [Modem] Ring=2", "S [OrvaFile] Status Log Size=100"}));
}
