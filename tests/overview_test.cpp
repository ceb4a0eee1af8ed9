// The camera overview as a technician uses it: the rows it shows for the camera sheet's cameras,
// the marks on shared ports and faulty values, sorting, the camera sheet opened from a row, and
// copying one camera's settings to others (what is stored, skipped, never copied, and undone).
#include "app/orva_config.h"
#include "cameras/cameracopy.h"
#include "harness.h"
#include "history.h"
#include "listview.h"
#include "resource.h"

#include <commctrl.h>
#include <prsht.h>

namespace {

class Overview : public SiteFixture {
protected:
    void TearDown() override { CloseMainWindow(wnd); }
    // Carries out a command on the site as seeded and runs steps in its dialogs.
    ModalRun Run(UINT command, const std::vector<Step>& steps)
    {
        CloseMainWindow(wnd);
        wnd = OpenMainWindow("orva_config.exe " + SystemIniPath());
        return DriveModal([&] { DispatchCommand(wnd, command); return INT_PTR{0}; }, steps);
    }
    HWND wnd = nullptr;
};

HWND List(HWND dlg) { return GetDlgItem(dlg, IDC_OV_LIST); }

// Every row as its cells joined by "|".
std::vector<std::string> Rows(HWND dlg)
{
    std::vector<std::string> rows;
    for (int row = 0; row < ListRowCount(List(dlg)); ++row) {
        std::string line = ListCell(List(dlg), row, 0);
        for (int column = 1; column < 11; ++column)
            line += "|" + ListCell(List(dlg), row, column);
        rows.push_back(line);
    }
    return rows;
}

// The row of a camera in a list of the overview or of the copy dialog, whatever the order.
int RowOf(HWND list, int camera)
{
    LVFINDINFOA find{};
    find.flags = LVFI_PARAM;
    find.lParam = camera;
    return static_cast<int>(SendMessageA(list, LVM_FINDITEMA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)));
}

void Select(HWND list, int camera)
{
    LVITEMA state{};
    state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(RowOf(list, camera)), reinterpret_cast<LPARAM>(&state));
}

// The tip the list shows when the mouse rests on a camera's row.
std::string Tip(HWND dlg, int camera)
{
    char text[1024] = "";
    NMLVGETINFOTIPA tip{{List(dlg), IDC_OV_LIST, static_cast<UINT>(LVN_GETINFOTIPA)}, 0, text, sizeof text, RowOf(List(dlg), camera), 0, 0};
    SendMessageA(dlg, WM_NOTIFY, IDC_OV_LIST, reinterpret_cast<LPARAM>(&tip));
    return text;
}

// The camera numbers in list order after a click on a column's header.
std::string SortedBy(HWND dlg, int column)
{
    NMLISTVIEW click{{List(dlg), IDC_OV_LIST, static_cast<UINT>(LVN_COLUMNCLICK)}, -1, column, 0, 0, 0, {}, 0};
    SendMessageA(dlg, WM_NOTIFY, IDC_OV_LIST, reinterpret_cast<LPARAM>(&click));
    std::string order;
    for (int row = 0; row < ListRowCount(List(dlg)); ++row)
        order += (order.empty() ? "" : " ") + ListCell(List(dlg), row, 1);
    return order;
}

// A double-click on a camera's row, as the mouse gives it.
void DoubleClick(HWND dlg, int camera)
{
    RECT r{LVIR_LABEL, 0, 0, 0};
    SendMessageA(List(dlg), LVM_GETITEMRECT, static_cast<WPARAM>(RowOf(List(dlg), camera)), reinterpret_cast<LPARAM>(&r));
    PostMessageA(List(dlg), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(r.left + 2, (r.top + r.bottom) / 2));
}

const std::string kSixteen = "S [Global] Video Channels=16; QUELT Version=QUELT V12.1\nD [Cameras Enabled] Initilized=1\n"
                             "S [OrvaBank] Last Remote View Lobby Camera=6\n"
                             "S [OrvaBank] Lobby Camera 1 On=YES; Lobby Camera 1=1; Ch 1 Motion Amount=35; Ch 1 Capture Rate=2\n"
                             "S [OrvaBank] Lobby Camera 2 On=YES; Lobby Camera 2=5; Ch 2 Illumination Detection=1; Ch 2 Illumination Alarm=200\n"
                             "S [OrvaBank] Lobby Camera 3 On=YES; Lobby Camera 3 IP=YES; Ch 3 Motion Detection=0; Ch 3 Motion Amount=100\n"
                             "S [IP Camera] Camera 3 Address=10.0.0.10\nD [Camera Names] 1=Lobby door; 3=Vault\n"
                             "S [OrvaBank] Lobby Camera 5 On=YES; Lobby Camera 5=5; Ch 5 Motion Amount=9\n"
                             "S [OrvaBank] Lobby Camera 6=5; Lobby Camera 12 On=YES; Lobby Camera 12 IP=YES; Ch 16 Motion Amount=150\n"
                             "S [IP Camera] Camera 12 Address=10.0.0.9\n";

} // namespace

TEST_F(Overview, OneRowPerCameraOfTheSheetMarkedWhereItNeedsAttention)
{
    for (const char* advanced : {"0", "1"}) {
        SCOPED_TRACE(std::string("advanced ") + advanced);
        NewSite();
        Seed(kSixteen + "C [Config] Advanced Menu=" + advanced);
        MarkClean();
        const ModalRun run = Run(IDM_CAMERA_OVERVIEW, {[&](HWND dlg) {
            const std::vector<std::string> rows = Rows(dlg);
            ASSERT_EQ(rows.size(), *advanced == '1' ? 16u : 6u) << "the camera sheet's pages";
            EXPECT_EQ(rows[0], "|1|Lobby door|On|Analog|1| 1 FPS|On|35|Off|0");
            EXPECT_EQ(rows[1], "!|2|none|On|Analog|5| 4 FPS|On|5|On|200");
            EXPECT_EQ(rows[2], "|3|Vault|On|IP|10.0.0.10|30 FPS|Off|100|Off|0");
            EXPECT_EQ(rows[3], "|4|none|Off|Analog|4||On|5|Off|0");
            EXPECT_EQ(rows[5], "|6|none|Off|Analog|5||On|5|Off|0") << "a camera that is off shares no port";
            // Cameras 2 and 5 both use port 5: each row says with which camera.
            EXPECT_EQ(Tip(dlg, 2), "Port 5 is also used by camera 5");
            EXPECT_EQ(Tip(dlg, 5), "Port 5 is also used by camera 2");
            EXPECT_EQ(Tip(dlg, 1), "");
            if (*advanced == '1') {
                EXPECT_EQ(rows[11], "|12|none|On|IP|10.0.0.9|30 FPS|On|5|Off|0");
                EXPECT_TRUE(rows[15].starts_with("!|16|")) << "the last row too";
                const std::string tip = Tip(dlg, 16);
                EXPECT_TRUE(tip.ends_with("[OrvaBank] Ch 16 Motion Amount = 150: outside its range; a whole number from 0 to 100 is expected"))
                    << tip;
                // Numbers sort as numbers, a second click reverses; addresses after ports.
                EXPECT_EQ(SortedBy(dlg, 8), "2 4 6 7 8 9 10 11 12 13 14 15 5 1 3 16");
                EXPECT_TRUE(SortedBy(dlg, 8).starts_with("16 3 1 5 2 ")) << "descending";
                EXPECT_TRUE(SortedBy(dlg, 5).ends_with(" 12 3")) << "ports first, 10.0.0.9 before 10.0.0.10";
                EXPECT_TRUE(SortedBy(dlg, 0).starts_with("2 5 16 1 ")) << "marked rows first";
            }
            SendMessageA(dlg, WM_COMMAND, IDOK, 0);
        }});
        EXPECT_TRUE(run.opened);
        EXPECT_EQ(run.stepsRun, 1);
        EXPECT_TRUE(ChangesSinceMark().empty()) << "looking stores nothing";
    }
}

// A double-click opens the camera sheet at the camera's page, which shows the row's rate; what
// the sheet stores is in the rows when it closes.
TEST_F(Overview, ARowOpensItsCameraPageWithTheSameRate)
{
    Seed(kSixteen + "C [Config] Advanced Menu=1\nS [Global] Image Card=S617; Nbr Image Card=2\nS [OrvaBank] Ch 5 Capture Rate=3\n");
    for (const int camera : {1, 3, 5}) {
        SCOPED_TRACE("camera " + std::to_string(camera));
        std::string rate;
        Run(IDM_CAMERA_OVERVIEW, {[&](HWND dlg) { rate = ListCell(List(dlg), RowOf(List(dlg), camera), 6); DoubleClick(dlg, camera); },
                                  [&](HWND sheet) {
                                      const auto page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
                                      EXPECT_EQ(SendMessageA(sheet, PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(page), 0), camera - 1);
                                      EXPECT_EQ(WindowText(GetDlgItem(page, 402)), rate);
                                      EXPECT_FALSE(rate.empty());
                                      PostMessageA(GetDlgItem(page, IDC_CAM_ENABLED), BM_CLICK, 0, 0);
                                  },
                                  [](HWND sheet) { PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0); },
                                  [&](HWND dlg) {
                                      EXPECT_EQ(ListCell(List(dlg), RowOf(List(dlg), camera), 3), "Off") << "read again";
                                      EXPECT_EQ(ListCell(List(dlg), RowOf(List(dlg), camera), 0), "");
                                      SendMessageA(dlg, WM_COMMAND, IDCANCEL, 0);
                                  }});
        Seed("S [OrvaBank] Lobby Camera " + std::to_string(camera) + " On=YES");
    }
}

TEST_F(Overview, CopyMotionThroughTheDialogs)
{
    Seed(kSixteen + "C [Config] Advanced Menu=1\nS [OrvaBank] Ch 1 Motion Amount=20; Ch 3 Motion Amount=20; Ch 3 Motion Detection=1");
    MarkClean();
    const auto checkTargets = [](HWND dlg) {
        const HWND list = GetDlgItem(dlg, IDC_CS_TARGETS);
        EXPECT_EQ(RowOf(list, 1), -1) << "not a target of itself";
        for (const int camera : {2, 3, 4}) {
            LVITEMA state{};
            state.stateMask = LVIS_STATEIMAGEMASK;
            state.state = INDEXTOSTATEIMAGEMASK(2);
            SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(RowOf(list, camera)), reinterpret_cast<LPARAM>(&state));
        }
    };
    std::vector<std::string> listed;
    const ModalRun run = Run(IDM_CAMERA_OVERVIEW,
        {[](HWND dlg) { // no row selected: said, and nothing opens
             LVITEMA none{};
             none.stateMask = LVIS_SELECTED;
             SendMessageA(List(dlg), LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
             PostMessageA(GetDlgItem(dlg, IDC_OV_COPY), BM_CLICK, 0, 0);
         },
         [](HWND dlg) { Select(List(dlg), 1); PostMessageA(GetDlgItem(dlg, IDC_OV_COPY), BM_CLICK, 0, 0); },
         [](HWND dlg) { EXPECT_EQ(WindowText(GetDlgItem(dlg, IDC_CS_SOURCE)), "From camera 1 (Lobby door)"); },
         StepsOf("click OK")[0], // nothing checked: said, and the dialog stays
         checkTargets, StepsOf("click Motion detection")[0], StepsOf("click OK")[0],
         [](HWND confirm) { PostMessageA(confirm, WM_COMMAND, IDCANCEL, 0); }, // not confirmed: nothing stored
         [&](HWND dlg) {
             EXPECT_EQ(ChangesSinceMark(), std::vector<std::string>{});
             PostMessageA(GetDlgItem(dlg, IDOK), BM_CLICK, 0, 0);
         },
         [&](HWND confirm) {
             for (int i = 0; i < SendDlgItemMessageA(confirm, IDC_CC_LIST, LB_GETCOUNT, 0, 0); ++i) {
                 char line[512] = "";
                 SendDlgItemMessageA(confirm, IDC_CC_LIST, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(line));
                 listed.push_back(line);
             }
             PostMessageA(GetDlgItem(confirm, IDOK), BM_CLICK, 0, 0);
         },
         [](HWND dlg) {
             EXPECT_EQ(WindowText(GetDlgItem(dlg, IDC_OV_SUMMARY)), "16 cameras, 3 marked; copied 4 values from camera 1");
             PostMessageA(GetDlgItem(dlg, IDC_OV_COPY), BM_CLICK, 0, 0);
         },
         [](HWND copy) { PostMessageA(copy, WM_COMMAND, IDCANCEL, 0); }, // Cancel closes the copy dialog alone
         [](HWND dlg) {
             EXPECT_NE(GetDlgItem(dlg, IDC_OV_LIST), nullptr);
             SendMessageA(dlg, WM_COMMAND, IDCANCEL, 0);
         }});
    EXPECT_EQ(run.stepsRun, 13);
    ASSERT_EQ(run.boxes.size(), 2u);
    EXPECT_EQ(run.boxes[0].title + "|" + run.boxes[0].text, "Copy Camera Settings|Select the camera whose settings are to be copied.");
    EXPECT_EQ(run.boxes[1].text, "Check the cameras to copy to.");
    EXPECT_EQ(listed, (std::vector<std::string>{"Camera 2: Ch 2 Motion Detection: (absent) -> 1", "Camera 2: Ch 2 Motion Amount: (absent) -> 20",
                                                "Camera 4: Ch 4 Motion Detection: (absent) -> 1", "Camera 4: Ch 4 Motion Amount: (absent) -> 20"}));
    EXPECT_EQ(ChangesSinceMark(), (std::vector<std::string>{"S [OrvaBank] Ch 2 Motion Amount=20", "S [OrvaBank] Ch 2 Motion Detection=1",
                                                            "S [OrvaBank] Ch 4 Motion Amount=20", "S [OrvaBank] Ch 4 Motion Detection=1"}));
}

// Every group at once: values the pages refuse are skipped and said, a camera's name, port and
// address stay its own, a camera switched on gets its port and mirror as its page stores them,
// and one undo of the change history takes it all back.
TEST_F(Overview, CopyEveryGroupSkipsRefusedValuesAndIsUndoneAtOnce)
{
    Seed("S [Global] Video Channels=16; QUELT Version=QUELT V12.1\nC [Config] Advanced Menu=1\nD [Cameras Enabled] Initilized=1\n"
         "S [OrvaBank] Lobby Camera 2 On=YES; Lobby Camera 2=7; Ch 2 Motion Detection=1; Ch 2 Motion Amount=150; Ch 2 Capture Rate=0\n"
         "S [OrvaBank] Ch 2 Illumination Detection=1; Ch 2 Illumination Cal=1; Ch 2 Illumination Alarm=256\n"
         "S [IP Camera] Camera 2 Address=10.0.0.1; Camera 2 Username=admin; Camera 2 PW=pw\nD [Camera Names] 2=Door; 3=Vault\n"
         "S [OrvaBank] Lobby Camera 3 On=YES; Lobby Camera 3 IP=YES; Ch 3 Capture Rate=3\nS [IP Camera] Camera 3 Address=10.0.0.3\n"
         "S [OrvaBank] Lobby Camera 4=\nD [Cameras Enabled] 1=OFF; 4=OFF");
    wnd = OpenMainWindow("orva_config.exe " + SystemIniPath());
    MarkClean();
    const CopyPlan done = CopyCameraSettings(2, {2, 1, 3, 4}, kCopyMotion | kCopyRate | kCopyIllumination | kCopyOnOff);
    std::vector<std::string> expected = KeyLines(
        "D [Cameras Enabled] 1=ON; 4=ON\nS [OrvaBank] Ch 1 Capture Rate=0; Ch 3 Capture Rate=0; Ch 4 Capture Rate=0\n"
        "S [OrvaBank] Lobby Camera 1=1; Lobby Camera 1 On=YES; Lobby Camera 4=4; Lobby Camera 4 On=YES\n" +
        Each(1, 4, "S [OrvaBank] Ch %d Illumination Alarm=256; Ch %d Illumination Cal=1; Ch %d Illumination Detection=1; Ch %d Motion Detection=1"));
    std::erase_if(expected, [](const std::string& line) { return line.starts_with("S [OrvaBank] Ch 2 "); }); // the source
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(ChangesSinceMark(), expected);
    EXPECT_EQ(done.changes.size(), expected.size());
    ASSERT_EQ(done.skipped.size(), 3u);
    EXPECT_EQ(DescribeCopySkip(done.skipped[1]),
              "Camera 3: Ch 3 Motion Amount: 150 not copied (outside its range; a whole number from 0 to 100 is expected)");

    const std::vector<Confirmation> log = ReadHistory(siteDir + kHistoryFile).value();
    ASSERT_EQ(log.size(), 1u) << "one confirmation";
    EXPECT_EQ(log[0].command, "Copy Settings from Camera 2");
    DriveModal([&] { DispatchCommand(wnd, IDM_HISTORY); return INT_PTR{0}; },
               {[](HWND dlg) {
                    LVITEMA item{};
                    item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
                    SendDlgItemMessageA(dlg, IDC_HI_CONFIRMATIONS, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&item));
                    PostMessageA(GetDlgItem(dlg, IDC_HI_UNDO), BM_CLICK, 0, 0);
                },
                [](HWND dlg) { SendMessageA(dlg, WM_COMMAND, IDCANCEL, 0); }});
    EXPECT_EQ(ChangesSinceMark(), std::vector<std::string>{}) << "the files as they were";

    // In the basic menu, cameras switched off: the mirror is filled once, and the last remote-view
    // camera is the highest one still in use, in colour.
    NewSite();
    Seed("S [OrvaBank] Last Remote View Lobby Camera=4; Lobby Camera 2 On=YES; Lobby Camera 3 On=YES; Lobby Camera 3=3\n"
         "S [OrvaBank] Lobby Camera 4 On=YES; Lobby Camera 4=4");
    MarkClean();
    CopyCameraSettings(1, {3, 4}, kCopyOnOff);
    expected = KeyLines(Each(5, 31, "D [Cameras Enabled] %d=OFF") + "D [Cameras Enabled] 1=OFF; 2=ON; 3=OFF; 4=OFF; Initilized=1\n"
                        "S [OrvaBank] Lobby Camera 3 On=NO; Lobby Camera 3=; Lobby Camera 4 On=NO; Lobby Camera 4=\n"
                        "S [OrvaBank] Last Remote View Lobby Camera=2\nS [OrvaVideo] Color=YES");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(ChangesSinceMark(), expected);
}
