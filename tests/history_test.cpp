// The site's change history: what is recorded as dialogs store values, how the log survives odd
// values, a full log and a damaged one, and undoing a confirmation from Files > History.
#include "app/orva_config.h"
#include "defines.h"
#include "harness.h"
#include "history.h"
#include "listview.h"
#include "profile.h"
#include "resource.h"

#include <commctrl.h>

#include <fstream>
#include <sstream>

namespace {

class History : public SiteFixture {
protected:
    void TearDown() override { CloseMainWindow(wnd); }
    void Open() { ASSERT_NE(wnd = OpenMainWindow("orva_config.exe " + SystemIniPath()), nullptr); }
    // Carries out a command and runs steps in its dialog; answers the message boxes in turn.
    ModalRun Run(UINT command, const std::string& steps, std::deque<int> answers = {})
    {
        return DriveModal([&] { DispatchCommand(wnd, command); return INT_PTR{0}; }, StepsOf(steps), std::move(answers));
    }
    std::vector<Confirmation> Log() { return ReadHistory(siteDir + kHistoryFile).value(); }
    HWND wnd = nullptr;
};

// "Command: n values" and each value as the dialog describes it, oldest first.
std::vector<std::string> Summary(const std::vector<Confirmation>& log)
{
    std::vector<std::string> out;
    for (const Confirmation& c : log) {
        out.push_back(c.command + ": " + std::to_string(c.values.size()));
        for (const HistoryValue& v : c.values)
            if (c.values.size() < 4)
                out.push_back("  " + DescribeValue(v));
    }
    return out;
}

// In the history dialog: select the confirmation in row (0 the newest), then press Undo.
Step UndoRow(int row)
{
    return [row](HWND dlg) {
        LVITEMA item{};
        item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendDlgItemMessageA(dlg, IDC_HI_CONFIRMATIONS, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        PostMessageA(GetDlgItem(dlg, IDC_HI_UNDO), BM_CLICK, 0, 0);
    };
}

std::string Join(const std::vector<std::string>& lines)
{
    std::string out;
    for (const std::string& line : lines)
        out += (out.empty() ? "" : "\n") + line;
    return out;
}

Step Close() { return [](HWND dlg) { PostMessageA(dlg, WM_COMMAND, IDCANCEL, 0); }; }

int Rows(HWND dlg, int id) { return ListRowCount(GetDlgItem(dlg, id)); }

} // namespace

TEST_F(History, ConfirmationsAreRecordedUnderTheirCommandAndUndone)
{
    Seed("S [OrvaFile] Activity Log Storage=30\nS [Schedule] MON6=1");
    Open();
    Run(IDM_ACTIVITY_LOG, "type Number of days = 45; ok");
    Run(IDM_SCHEDULE, "page 3; click 07:00 - 07:59 AM; ok");
    Run(IDM_ACTIVITY_LOG, "ok"); // stores 45 again: nothing to record
    DispatchCommand(wnd, IDM_ADVANCED);
    const std::string ini = Lower(SystemIniPath());
    EXPECT_EQ(Summary(Log()), (std::vector<std::string>{"Activity Log: 1", "  " + ini + " [OrvaFile] Activity Log Storage: \"30\" -> \"45\"",
                                                        "Schedule: 25", "Advanced: 1",
                                                        "  ORVA_CONFIG.INI [Config] Advanced Menu: absent -> \"1\""}));
    EXPECT_EQ(Log()[0].time.size(), 19u);
    EXPECT_EQ(Log()[1].siteFile, Lower(SystemIniPath()));

    // Undoing the schedule: MON6 gets its 1 back, keys that were absent are removed again, and the
    // undo is a confirmation of its own, shown on top.
    MarkClean();
    DriveModal([&] { DispatchCommand(wnd, IDM_HISTORY); return INT_PTR{0}; },
               {[](HWND dlg) { EXPECT_EQ(Rows(dlg, IDC_HI_CONFIRMATIONS), 3); EXPECT_EQ(Rows(dlg, IDC_HI_VALUES), 1); }, UndoRow(1),
                [](HWND dlg) { EXPECT_EQ(Rows(dlg, IDC_HI_CONFIRMATIONS), 4); EXPECT_EQ(Rows(dlg, IDC_HI_VALUES), 25); }, Close()});
    const std::vector<std::string> restored = ChangesSinceMark();
    EXPECT_EQ(restored.size(), 25u);
    EXPECT_EQ(std::count_if(restored.begin(), restored.end(), [](const std::string& c) { return c.ends_with(" removed"); }), 25);
    EXPECT_NE(std::find(restored.begin(), restored.end(), "S [Schedule] MON7 removed"), restored.end());
    EXPECT_NE(std::find(restored.begin(), restored.end(), "S [Schedule] Enabled removed"), restored.end());
    EXPECT_EQ(Log().back().command, "Undo");

    // The activity log changed again since its first confirmation: the question lists it, and
    // Cancel undoes nothing, No skips it, Yes overwrites it.
    Run(IDM_ACTIVITY_LOG, "type Number of days = 50; ok");
    for (const int answer : {IDCANCEL, IDNO, IDYES}) {
        MarkClean();
        const ModalRun run = DriveModal([&] { DispatchCommand(wnd, IDM_HISTORY); return INT_PTR{0}; }, {UndoRow(4), Close()}, {answer});
        ASSERT_EQ(run.boxes.size(), 1u);
        EXPECT_EQ(run.boxes[0].title, "Undo This Change");
        EXPECT_NE(run.boxes[0].text.find("[OrvaFile] Activity Log Storage"), std::string::npos) << run.boxes[0].text;
        EXPECT_EQ(Join(ChangesSinceMark()), answer == IDYES ? "S [OrvaFile] Activity Log Storage=30" : "");
    }

    // The schedule's 25 values were all changed again by the undo: the question names the first
    // 12 and counts the rest.
    const ModalRun run = DriveModal([&] { DispatchCommand(wnd, IDM_HISTORY); return INT_PTR{0}; }, {UndoRow(4), Close()}, {IDCANCEL});
    ASSERT_EQ(run.boxes.size(), 1u);
    const std::string& text = run.boxes[0].text;
    size_t named = 0;
    for (size_t at = text.find(" [Schedule] "); at != std::string::npos; at = text.find(" [Schedule] ", at + 1))
        ++named;
    EXPECT_EQ(named, 12u) << text;
    EXPECT_NE(text.find("\n... and 13 more\n"), std::string::npos) << text;
}

// The history opens as its template lays it out, and as it is resized its lists share what it
// grows by, two parts to three; back at its first size, everything is where it was.
TEST_F(History, TheDialogOpensAsItsTemplateAndItsListsShareWhatItGrows)
{
    Open();
    const auto placed = [](HWND dlg, int id) {
        RECT r;
        GetWindowRect(GetDlgItem(dlg, id), &r);
        MapWindowPoints(nullptr, dlg, reinterpret_cast<POINT*>(&r), 2);
        return std::vector<LONG>{r.left, r.top, r.right, r.bottom};
    };
    const auto moved = [](std::vector<LONG> r, LONG left, LONG top, LONG right, LONG bottom) {
        return std::vector<LONG>{r[0] + left, r[1] + top, r[2] + right, r[3] + bottom};
    };
    const std::vector<int> ids = {IDC_HI_CONFIRMATIONS, IDC_HI_VALUES_LABEL, IDC_HI_VALUES, IDC_HI_UNDO, IDCANCEL};
    std::vector<std::vector<LONG>> first;
    DriveModal([&] { DispatchCommand(wnd, IDM_HISTORY); return INT_PTR{0}; },
               {[&](HWND dlg) {
                    RECT list{7, 18, 346, 72}; // x, y, width, height, each mapped alone as the dialog manager does
                    MapDialogRect(dlg, &list);
                    EXPECT_EQ(placed(dlg, IDC_HI_CONFIRMATIONS),
                              (std::vector<LONG>{list.left, list.top, list.left + list.right, list.top + list.bottom}));
                    for (const int id : ids)
                        first.push_back(placed(dlg, id));
                    RECT r;
                    GetWindowRect(dlg, &r);
                    SetWindowPos(dlg, nullptr, 0, 0, r.right - r.left + 100, r.bottom - r.top + 100, SWP_NOMOVE | SWP_NOZORDER);
                    EXPECT_EQ(placed(dlg, IDC_HI_CONFIRMATIONS), moved(first[0], 0, 0, 100, 40));
                    EXPECT_EQ(placed(dlg, IDC_HI_VALUES_LABEL), moved(first[1], 0, 40, 100, 40));
                    EXPECT_EQ(placed(dlg, IDC_HI_VALUES), moved(first[2], 0, 40, 100, 100));
                    EXPECT_EQ(placed(dlg, IDC_HI_UNDO), moved(first[3], 0, 100, 0, 100));
                    EXPECT_EQ(placed(dlg, IDCANCEL), moved(first[4], 100, 100, 100, 100));
                    SetWindowPos(dlg, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER);
                    for (size_t i = 0; i < ids.size(); ++i)
                        EXPECT_EQ(placed(dlg, ids[i]), first[i]) << ids[i];
                },
                Close()});
    EXPECT_EQ(first.size(), ids.size());
}

// The writes of a confirmation are held until it is stored: reads see them meanwhile, and a
// refused confirmation leaves the files and the history as they were.
TEST_F(History, HeldWritesAreSeenUntilDroppedWhole)
{
    Seed("S [OrvaFile] Status Log Size=100; Activity Log Storage=30");
    MarkClean();
    const std::string ini = SystemIniPath();
    BeginWrites();
    WriteString(ini.c_str(), "OrvaFile", "Status Log Size", "200");
    RemoveKey(ini.c_str(), "OrvaFile", "Activity Log Storage");
    WriteString(ini.c_str(), "Modem", "Ring", "3");
    WriteString(ini.c_str(), "modem", "RING", "4"); // the last write of a key is the one read
    EXPECT_EQ(ReadInt(ini.c_str(), "Modem", "Ring", 0), 4);
    EXPECT_EQ(ReadInt(ini.c_str(), "OrvaFile", "Status Log Size", 0), 200);
    EXPECT_EQ(StoredValue(ini.c_str(), "OrvaFile", "Activity Log Storage"), std::nullopt);
    EXPECT_EQ(ReadSection(ini.c_str(), "orvafile"), (std::vector<std::pair<std::string, std::string>>{{"Status Log Size", "200"}}));
    const std::vector<std::string> sections = ReadSectionNames(ini.c_str());
    EXPECT_NE(std::find(sections.begin(), sections.end(), "Modem"), sections.end());
    DropWrites();
    EXPECT_EQ(ReadInt(ini.c_str(), "OrvaFile", "Activity Log Storage", 0), 30);
    EXPECT_TRUE(ChangesSinceMark().empty());
    EXPECT_EQ(ReadRaw(siteDir + kHistoryFile), "");
}

// The schedule's two views store the hours once per OK or Apply: one confirmation each, holding
// only the hours changed since the last.
TEST_F(History, TheScheduleIsOneConfirmationForEachOkOrApply)
{
    Seed("S [Schedule] Enabled=1; MD When Off=1\n" + Each(0, 23, "S [Schedule] SUN%d=0; MON%d=0; TUE%d=0; WED%d=0; THU%d=0; FRI%d=0; SAT%d=0"));
    Open();
    Run(IDM_SCHEDULE, "page 9; press #OrvaWeekGrid = 219,62; release #OrvaWeekGrid = 219,62; page 3; click 08:00 - 08:59 AM; "
                      "page 4; click 09:00 - 09:59 AM; apply; page 9; press #OrvaWeekGrid = 253,83; release #OrvaWeekGrid = 253,83; ok");
    const std::string ini = Lower(SystemIniPath());
    EXPECT_EQ(Summary(Log()), (std::vector<std::string>{"Schedule: 3", "  " + ini + " [Schedule] MON7: \"0\" -> \"1\"",
                                                        "  " + ini + " [Schedule] MON8: \"0\" -> \"1\"",
                                                        "  " + ini + " [Schedule] TUE9: \"0\" -> \"1\"", "Schedule: 1",
                                                        "  " + ini + " [Schedule] TUE9: \"1\" -> \"0\""}));
}

// A read session gives what reading key by key gives, whatever a hand edit left in the file.
TEST_F(History, ASessionReadsWhatKeyByKeyReads)
{
    const std::string ini = SystemIniPath();
    WriteRaw(ini, "[Odd]\r\nSpaced =   two words  \r\nQuoted=\"in quotes\"\r\nSingle='single'\r\nHalf=\"half\r\nTail=tail\"\r\n"
                  "Twice=first\r\ntwice=second\r\nNoValue\r\nEmpty=\r\n\tTabbed\t=\tx\t\r\nLong=" + std::string(300, 'L') +
                  "\r\nEq=a=b\r\nalpha=lower case\r\n[odd]\r\nLater=in the second section\r\n[Other]\r\nSpaced=other\r\n");
    const char* keys[] = {"Spaced", "Quoted", "Single", "Half", "Tail", "TWICE", "NoValue", "Empty", "Tabbed", "Long", "Eq", "ALPHA", "Later", "Absent"};
    std::vector<std::string> byKey;
    for (const char* key : keys) {
        byKey.push_back(ReadString(ini.c_str(), "Odd", key, "default", 80));
        const std::optional<std::string> wholeByKey = StoredValue(ini.c_str(), "Odd", key);
        const ReadSession session;
        EXPECT_EQ(ReadString(ini.c_str(), "odd", key, "default", 80), byKey.back()) << key;
        EXPECT_EQ(StoredValue(ini.c_str(), "Odd", key), wholeByKey) << key;
    }
    const auto section = ReadSection(ini.c_str(), "Odd");
    const ReadSession session;
    EXPECT_EQ(ReadSection(ini.c_str(), "odd"), section);
    // Lookups one after another in one session, through the section sorted by name: a lower-case
    // name among capitals is found too.
    for (int round = 0; round < 2; ++round)
        for (size_t i = 0; i < byKey.size(); ++i)
            EXPECT_EQ(ReadString(ini.c_str(), "ODD", keys[i], "default", 80), byKey[i]) << keys[i] << " in round " << round;
}

// A session reads a plain file once and parses it itself; whatever a hand edit or another tool
// left in the file, what it gives is what the profile service gives, section by section and key
// by key, and a file it does not take for plain is left to the service.
TEST_F(History, ASessionReadsAFileOnceAndAsTheServiceDoes)
{
    using namespace std::string_literals;
    const struct {
        std::string text;
        bool plain;
    } files[] = {
        {"[Odd]\nA=1\nB = 2 \n[Two]\nC=3", true},
        {"[Odd]\r\n;Comment=x\r\n  ; spaced=y\r\nBare\r\n\tA\t=\t1\t\r\n  \r\n", true},
        {"[Spaced]\r\nA=1\r\n[a]b]\r\nB=2\r\n[unclosed\r\nC=3\r\n[]\r\nD=4\r\n[Odd]x\r\nE=5\r\n", true},
        {"Top=1\r\n[Odd]\r\nA=1\r\n[ODD]\r\nA=2\r\nB=3\r\n[Two]\r\n[Odd]\r\nF=6\r\n", true},
        {"", true},
        {"[Odd]\r\nA=Soci\xE9t\xE9 G\xE9n\xE9rale\r\n", true},
        // Each of the rest holds one thing that is not plain.
        {"[ Spaced ]\r\nA=1\r\n", false},
        {"[Odd]\r\n=nameless\r\nA=1\r\n", false},
        {"\xEF\xBB\xBF[Odd]\r\nA=1\r\n", false},
        {"\xFF\xFE[\0O\0d\0d\0]\0\r\0\n\0A\0=\0\x31\0"s, false},
        {"[Odd]\r\nA=x\0y\r\nB=2\r\n"s, false},
        {"[Odd]\rA=1\rB=2\r\n[Two]\r\nC=3\r\n", false},
        {"[Odd]\r\nA=1\xA0\r\n", false},
        {"[Odd]\r\nB=\x1a\x32\x1a\r\n", false},
        {"[Odd]\r\n\fC=3\r\n", false},
        {"[Odd]\r\n\xC9tat=1\r\n\xE9TAT=2\r\nA=1\r\n", false},
        {"[\xC9t\xE9]\r\nA=1\r\n[\xE9T\xC9]\r\nA=2\r\n", false},
    };
    const std::string ini = SystemIniPath();
    for (const auto& [text, plain] : files) {
        WriteRaw(ini, text);
        // Everything the file holds, and names it does not, read outside a session and in one.
        const auto readAll = [&] {
            std::string got;
            std::vector<std::string> names = ReadSectionNames(ini.c_str());
            for (const std::string& name : names)
                got += "[" + name + "]\n";
            for (const char* extra : {"Odd", "odd", " Spaced ", "Spaced", "a]b", "Missing", "\xC9t\xE9"})
                names.push_back(extra);
            for (const std::string& section : names) {
                std::vector<std::string> keys = {"A", "Absent", "Top", "\xC9tat"};
                for (const auto& [key, value] : ReadSection(ini.c_str(), section.c_str())) {
                    got += section + "|" + key + "=" + value + "\n";
                    keys.push_back(key);
                }
                if (section.empty() || section.front() == ' ')
                    continue; // the service trims a name asked for by key: no name of the program's has blanks round it
                for (const std::string& key : keys)
                    got += section + "|" + key + ":" + ReadString(ini.c_str(), section.c_str(), key.c_str(), "default", 80) + "|" +
                           StoredValue(ini.c_str(), section.c_str(), key.c_str()).value_or("(absent)") + "\n";
            }
            return got;
        };
        const std::string byService = readAll();
        const long before = ProfileUse().reads;
        const ReadSession session;
        EXPECT_EQ(readAll(), byService) << text;
        if (plain)
            EXPECT_EQ(ProfileUse().reads - before, 1) << text;
        else
            EXPECT_GT(ProfileUse().reads - before, 1) << "left to the service: " << text;
    }
    // A bare file name is the Windows folder's, for a session as for the service, and a write to
    // the file by its full name is seen by a read by its bare name.
    Seed("C [Config] Advanced Menu=1; Other=x");
    const long before = ProfileUse().reads;
    const ReadSession session;
    EXPECT_EQ(ReadInt(kConfigIni, "Config", "Advanced Menu", 0), 1);
    EXPECT_EQ(ReadString(kConfigIni, "config", "Other", "", 80), "x");
    EXPECT_EQ(ProfileUse().reads - before, 1);
    EXPECT_TRUE(WriteString((WinSysDir + kConfigIni).c_str(), "Config", "Other", "y"));
    EXPECT_EQ(ReadString(kConfigIni, "Config", "Other", "", 80), "y");
}

// OK on a dialog left alone keeps a value it shows otherwise than stored ("07" shown as 7), and
// records nothing.
TEST_F(History, AnUntouchedOkKeepsAValueShownOtherwise)
{
    Seed("S [OrvaBank] Last Remote View Lobby Camera=07\nS [OrvaVideo] Color=YES");
    Open();
    MarkClean();
    Run(IDM_CAMERA_SYSTEM, "see 172 = 7; ok");
    EXPECT_TRUE(ChangesSinceMark().empty());
    EXPECT_EQ(ReadRaw(siteDir + kHistoryFile), "");
}

// A value already held is not written again; one that could not be stored is tried again.
TEST_F(History, AWriteThatFailedIsTriedAgain)
{
    const std::string ini = SystemIniPath();
    WriteRaw(ini, "[Odd]\r\nKey=1\r\n");
    Seed("locked S");
    EXPECT_TRUE(WriteString(ini.c_str(), "Odd", "Key", "1")) << "held already: nothing to store";
    EXPECT_FALSE(WriteString(ini.c_str(), "Odd", "Key", "2"));
    EXPECT_FALSE(WriteString(ini.c_str(), "Odd", "Key", "2")) << "the file still holds 1";
    Seed("unlocked");
}

TEST_F(History, OddValuesRoundTripAndAFullLogIsMovedAside)
{
    Open();
    const std::string odd = "tab\there, line\r\nbreak, back\\slash \\t " + std::string(300, 'z');
    BeginWrites();
    WriteString(SystemIniPath().c_str(), "Odd", "Value", odd);
    CommitWrites();
    const std::vector<Confirmation> log = Log();
    const HistoryValue& v = log.back().values.back();
    ASSERT_TRUE(v.after);
    EXPECT_EQ(*v.after, odd);
    EXPECT_EQ(v.before, std::nullopt);
    EXPECT_EQ(ParseHistory(ReadRaw(siteDir + kHistoryFile)).size(), 1u);
    const std::string text = ReadRaw(siteDir + kHistoryFile);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2) << "one header and one value, each on one line";

    // Past 1 MB the log becomes the old one (replacing an older one) and a new log begins.
    // (An INI file cannot hold a line break: what it kept of the value is what was there before.)
    const std::optional<std::string> kept = StoredValue(SystemIniPath().c_str(), "Odd", "Value");
    WriteRaw(siteDir + kOldHistoryFile, "the generation before");
    WriteRaw(siteDir + kHistoryFile, std::string(kHistoryLimit + 1, '#'));
    BeginWrites();
    WriteString(SystemIniPath().c_str(), "Odd", "Value", "plain");
    CommitWrites();
    EXPECT_EQ(ReadRaw(siteDir + kOldHistoryFile).size(), static_cast<size_t>(kHistoryLimit + 1));
    EXPECT_EQ(Log().size(), 1u);
    EXPECT_EQ(Log()[0].values[0].before, kept);
}

// Said once, and only with changes that were stored: when the settings could not be stored either,
// the technician is told that, and not that they are saved.
TEST_F(History, AHistoryThatCannotBeWrittenIsSaidOnceAndEditingGoesOn)
{
    CreateDirectoryA((siteDir + kHistoryFile).c_str(), nullptr); // a folder where the log should be
    Seed("locked S");
    Open();
    const ModalRun lost = Run(IDM_ACTIVITY_LOG, "type Number of days = 40; ok; cancel");
    ASSERT_EQ(lost.boxes.size(), 1u);
    EXPECT_EQ(lost.boxes[0].title, "Settings Not Saved");
    EXPECT_NE(lost.boxes[0].text.find(Lower(SystemIniPath())), std::string::npos) << lost.boxes[0].text;
    Seed("unlocked");
    const ModalRun first = Run(IDM_ACTIVITY_LOG, "type Number of days = 40; ok");
    const ModalRun second = Run(IDM_STATUS_LOG, "type Maximum Status Log = 200; ok");
    ASSERT_EQ(first.boxes.size(), 1u);
    EXPECT_EQ(first.boxes[0].title, "Change History Not Written");
    EXPECT_NE(first.boxes[0].text.find("Your changes are still saved"), std::string::npos);
    EXPECT_TRUE(second.boxes.empty());
    EXPECT_EQ(Join(ChangesSinceMark()), "S [OrvaFile] Activity Log Storage=40\nS [OrvaFile] Status Log Size=200");
}

TEST_F(History, ADamagedLogShowsWhatParses)
{
    std::string damaged = "V\tS\tsec\tkey\t\\-\tbefore any header\r\n";
    damaged += std::string("\x00\xff\x01 binary\r\n", 13) + std::string(100000, 'H') + "\r\n";
    damaged += "H\t2026-01-02 03:04:05\tSchedule\tx.ini\r\nV\tS\tSchedule\tMON1\t0\t1\r\nV\ttoo\tfew\r\nH\tbroken\r\n";
    WriteRaw(siteDir + kHistoryFile, damaged);
    Open();
    const ModalRun run = DriveModal([&] { DispatchCommand(wnd, IDM_HISTORY); return INT_PTR{0}; },
                                    {[](HWND dlg) { EXPECT_EQ(Rows(dlg, IDC_HI_CONFIRMATIONS), 2); }, Close()});
    EXPECT_TRUE(run.opened);
    EXPECT_TRUE(run.boxes.empty());
    EXPECT_EQ(Summary(Log()), (std::vector<std::string>{": 1", "  S [sec] key: absent -> \"before any header\"", "Schedule: 1",
                                                        "  S [Schedule] MON1: \"0\" -> \"1\""}));
}
