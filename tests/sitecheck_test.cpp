// The site check (nothing on the sample site, each kind of fault found with its line, the menu's
// list), the comparison with another site, and the site report.
#include "app/orva_config.h"
#include "cameras/camerakeys.h"
#include "site/comparedlg.h"
#include "site/ownedkeys.h"
#include "site/sitecheck.h"
#include "site/sitereport.h"
#include "defines.h"
#include "history.h"
#include "listview.h"
#include "harness.h"
#include "resource.h"
#include "sitemap/mapview.h"

#include <commctrl.h>

#include <algorithm>
#include <climits>
#include <map>
#include <set>

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
    HWND wnd = nullptr;
};

} // namespace

TEST_F(Check, TheSampleSiteHasNoProblem)
{
    int checked = 0;
    EXPECT_EQ(Findings("", &checked), std::vector<std::string>{});
    EXPECT_GT(checked, 900);
}

// How far each numbered family of keys reaches on the recorder. The owned-keys table must reach
// exactly so far: a bad value at either end of a family is found, one just past it is no key of ours.
TEST_F(Check, NumberedKeysReachAsFarAsTheRecorders)
{
    struct Reach {
        const char *section, *keyStart;
        int first, last;
    };
    const Reach reaches[] = {{"OrvaBank", "", 1, 32},  {"IP Camera", "", 1, 32}, {"Camera Names", "", 1, 32}, {"OrvaVideo", "", 1, 32},
                             {"Alarms", "", 1, 4},     {"TCPIP", "", 1, 32},     {"TDI Port", "", 1, 8},      {"Schedule", "", 0, 23},
                             {"Line %d", "", 1, 12},   {"ATM Config", "", 1, 4}, {"USB", "", 1, 2}};
    const auto bad = [](const ValueRule& rule) -> std::string {
        switch (rule.kind) {
        case ValueKind::Number: return rule.high < INT_MAX ? std::to_string(rule.high + 1) : "x";
        case ValueKind::Choice: return std::to_string(rule.high + 1);
        case ValueKind::Flag: return "7";
        case ValueKind::YesNo: return "maybe";
        case ValueKind::Text: return std::string(rule.maxChars + 1, 'z');
        case ValueKind::Address: return "300.1.1.1";
        default: return "";
        }
    };
    std::string planted;
    std::vector<std::pair<std::string, bool>> expected; // "[section] key = ", found or not
    for (const CommandKeys& command : CommandTable())
        for (const OwnedKey& entry : command.keys) {
            const bool numbered = std::string(entry.section).find("%d") != std::string::npos || std::string(entry.key).find("%d") != std::string::npos;
            const auto reach = std::find_if(std::begin(reaches), std::end(reaches), [&](const Reach& r) { return std::string(entry.section) == r.section; });
            if (!numbered || (entry.file != 'S' && entry.file != 'T') || bad(entry.rule).empty() || reach == std::end(reaches))
                continue;
            for (const int n : {reach->first, reach->last, reach->first - 1, reach->last + 1}) {
                const std::string section = EntrySection(entry, n), key = EntryKey(entry, n);
                planted += std::string(1, entry.file) + " [" + section + "] " + key + "=" + bad(entry.rule) + "\n";
                expected.emplace_back("[" + section + "] " + key + " = ", n >= reach->first && n <= reach->last);
            }
        }
    const std::vector<std::string> found = Findings(planted);
    for (const auto& [key, inRange] : expected)
        EXPECT_EQ(std::any_of(found.begin(), found.end(), [&](const std::string& f) { return f.find(key) != std::string::npos; }), inRange) << key;
}

TEST_F(Check, EachKindOfFaultIsFoundWithItsLine)
{
    const std::string name80(80, 'n'), to255(255, 't');
    const std::vector<std::string> found = Findings(
        "S [OrvaFile] Status Log Size=20001\nS [Schedule] MON3=2\nS [OrvaBank] Ch 2 Motion Amount=12abc; Ch 1 Capture Rate=9\n"
        "S [OrvaBank] Bank Name=" + name80 + "\nS [IP Camera] Camera 7 Address=10.0.0.300\n"
        "S [OrvaBank] Lobby Camera 3=2; Lobby Camera 4=17; Last Remote View Lobby Camera=20\n"
        "S [OrvaBank] Lobby Camera 12 On=YES; Lobby Camera 12 IP=NO; Lobby Camera 12=5; Lobby Camera 1=16; Lobby Camera 6=16\n"
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
        "orvant.ini [OrvaBank] Lobby Camera 6 = 16: port 16 is also used by enabled camera 1", // the unit's last port is one
        "orvant.ini [OrvaBank] Last Remote View Lobby Camera = 20: above the 16 video channels of this unit",
        "orvant.ini [Alarms] Ch 1 Ports = 1,40: camera 40 is outside 1 to 32",
        "SiteDef.DAT [Map] 5 = 9999,10: the camera icon lies outside the * map picture"};
    for (const std::string& line : expected)
        EXPECT_TRUE(std::any_of(found.begin(), found.end(), [&](const std::string& f) {
            return f == line || (line.ends_with("* map picture") && f.starts_with(line.substr(0, line.find('*'))));
        })) << "not found: " << line;
    EXPECT_EQ(found.size(), expected.size());
    // Checked for the camera overview, in the sections that hold cameras' keys only: the same
    // findings on cameras' keys, from fewer sections read.
    const SiteCheckResult all = CheckSite(), cameras = CheckSite(true);
    const auto onCameras = [](const SiteCheckResult& r) {
        std::vector<std::string> lines;
        for (const Finding& f : r.findings)
            if (CameraOfKey(f.section, f.key))
                lines.push_back(FormatFinding(f));
        return lines;
    };
    EXPECT_EQ(onCameras(cameras), onCameras(all));
    EXPECT_EQ(onCameras(all).size(), 7u); // Ch 1 and Ch 2, Camera 7, Lobby Camera 3, 4, 6 and 12
    EXPECT_LT(cameras.reads, all.reads);
    EXPECT_TRUE(ChangesSinceMark().size() > 0); // the planted keys; the check itself writes nothing:
    MarkClean();
    CheckSite();
    EXPECT_TRUE(ChangesSinceMark().empty());
    // A JPEG map's size is read from its frame header.
    EXPECT_EQ(Findings("D [Map] Name=BRANCH.JPG; 5=480,10; 6=479,379; 7=0,380"),
              (std::vector<std::string>{"SiteDef.DAT [Map] 5 = 480,10: the camera icon lies outside the 480 x 380 map picture",
                                        "SiteDef.DAT [Map] 7 = 0,380: the camera icon lies outside the 480 x 380 map picture"}));
    // A map picture named but not in the site folder.
    EXPECT_EQ(Findings("D [Map] Name=GONE.PCX"),
              std::vector<std::string>{"SiteDef.DAT [Map] Name = GONE.PCX: the map picture is not in the site folder"});
    // A unit's last channel is one of its cameras, on 16 channels and on 32.
    EXPECT_EQ(Findings("S [Global] Video Channels=16\nS [OrvaBank] Last Remote View Lobby Camera=16"), std::vector<std::string>{});
    EXPECT_EQ(Findings("S [Global] Video Channels=32\nS [OrvaBank] Lobby Camera 1=32; Last Remote View Lobby Camera=32"),
              std::vector<std::string>{});
    // A key given twice, in either case, is the first as the recorder reads it, and one value.
    int sampleChecked = 0;
    Findings("", &sampleChecked);
    std::string text = ReadRaw(SystemIniPath());
    text.insert(text.find("[Schedule]") + 12, "mon3=2\r\nTUE4=0\r\ntue4=5\r\n");
    WriteRaw(SystemIniPath(), text);
    const SiteCheckResult twice = CheckSite();
    ASSERT_EQ(twice.findings.size(), 1u);
    EXPECT_EQ(FormatFinding(twice.findings[0]).substr(twice.findings[0].file.find_last_of('\\') + 1),
              "orvant.ini [Schedule] MON3 = 2: neither 0 nor 1");
    EXPECT_EQ(twice.valuesChecked, sampleChecked);
}

// Files > Check Site lists the problems; double-clicking one opens its dialog, and the list is
// checked again when it closes.
TEST_F(Check, TheMenuListsProblemsAndOpensTheirDialog)
{
    Findings("S [OrvaFile] Status Log Size=0\nS [Schedule] TUE4=7");
    MarkClean();
    static NMHDR doubleClick{nullptr, IDC_CK_LIST, static_cast<UINT>(NM_DBLCLK)};
    const auto rows = [](HWND dlg) { return ListRowCount(GetDlgItem(dlg, IDC_CK_LIST)); };
    const auto cell = [](HWND dlg, int row, int column) { return ListCell(GetDlgItem(dlg, IDC_CK_LIST), row, column); };
    std::vector<Step> steps = {[&](HWND dlg) {
                                   EXPECT_EQ(rows(dlg), 2);
                                   EXPECT_EQ(cell(dlg, 0, 1) + " = " + cell(dlg, 0, 2), "[OrvaFile] Status Log Size = 0");
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

// Files > Compare with Site: the values that differ, names matched without regard to case; the
// checked ones taken from the other site as one confirmation of the history, which one undo takes
// back.
TEST_F(Check, ValuesTakenFromAnotherSiteAndUndone)
{
    Findings("S [OrvaFile] Status Log Size=100\nS [Modem] Ring=2");
    // The other site is a copy of this one with three values changed and one left out (the file's
    // last in the comparison's order), written in another order: the bank's section last, and the
    // Modem's section and key in upper case, first in their section and followed by a second key of
    // that name, which the recorder does not read.
    CreateDirectoryA((siteDir + "other").c_str(), nullptr);
    const std::string other = siteDir + "other\\ORVANT.INI";
    std::string text = ReadRaw(SystemIniPath());
    for (const auto& [from, to] : std::vector<std::pair<std::string, std::string>>{
             {"Status Log Size=100", "Status Log Size=300"}, {"\r\nRing=2\r\n", "\r\n"}, {"[Modem]\r\n", "[MODEM]\r\nRING=4\r\nring=9\r\n"},
             {"Bank Name=Maple Street Branch", "Bank Name=Other Branch"}, {"\r\nVideoCapture.EXE=12.1.03\r\n", "\r\n"}}) {
        ASSERT_NE(text.find(from), std::string::npos) << from;
        text.replace(text.find(from), from.size(), to);
    }
    const size_t bank = text.find("[OrvaBank]"), next = text.find("\r\n[", bank);
    ASSERT_NE(next, std::string::npos);
    text += "\r\n" + text.substr(bank, next + 2 - bank);
    text.erase(bank, next + 2 - bank);
    WriteRaw(other, text);
    for (const char* file : {"SiteDef.DAT", "TRANDATA.INI"})
        WriteRaw(siteDir + "other\\" + file, ReadRaw(siteDir + file));
    MarkClean();
    const auto rowOf = [](HWND dlg, const std::string& key) {
        const HWND list = GetDlgItem(dlg, IDC_CO_LIST);
        for (int row = 0; row < ListRowCount(list); ++row)
            if (ListCell(list, row, 1) == key)
                return row;
        return -1;
    };
    // The line under the list counts its rows, every one of them shown.
    const auto counted = [](HWND dlg) {
        const int rows = ListRowCount(GetDlgItem(dlg, IDC_CO_LIST));
        EXPECT_EQ(WindowText(GetDlgItem(dlg, IDC_CO_SUMMARY)), std::to_string(rows) + (rows == 1 ? " value differs" : " values differ"));
        return rows;
    };
    int before = 0;
    const ModalRun run = DriveModal([&] { CompareWithSite(hInst, wnd, other); return INT_PTR{0}; },
        {[&](HWND dlg) {
             before = counted(dlg);
             EXPECT_EQ(before, 4);
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
         [&](HWND dlg) { EXPECT_EQ(counted(dlg), before - 2); },
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

namespace {

std::string Between(const std::string& text, const std::string& from, const std::string& to)
{
    const size_t start = text.find(from);
    return start == std::string::npos ? "" : text.substr(start, text.find(to, start) - start);
}

} // namespace

// The report of the sample site: a row per camera with its name and the rate its page shows, the
// week's grid as stored, the map with the icons drawn on it, and a page that stands on its own.
TEST_F(Check, ReportOfTheSampleSite)
{
    Findings("S [OrvaBank] Lobby Camera 9 On=NO");
    const std::string html = SiteReportHtml();
    EXPECT_EQ(HtmlProblem(html), "");
    std::string headings;
    for (size_t at = html.find("<h2>"); at != std::string::npos; at = html.find("<h2>", at + 1))
        headings += html.substr(at + 4, html.find("</h2>", at) - at - 4) + "; ";
    EXPECT_EQ(headings, "Unit; Cameras; Surveillance schedule; Alarm inputs; Relays; System alarms; E-mail notification; "
                        "Transactions; TCP/IP monitoring; Disk and log limits; Site map; Site check; ");
    EXPECT_NE(html.find("<tr><td>Unit type</td><td>ORVA QUELT Unit Kesto</td></tr>\n<tr><td>Recorder version</td><td>QUELT V12.1</td></tr>\n"
                        "<tr><td>Capture card</td><td>S617</td></tr>\n<tr><td>Capture cards</td><td>2</td></tr>\n"
                        "<tr><td>Video channels</td><td>16</td></tr>\n<tr><td>Menu</td><td>basic</td></tr>"),
              std::string::npos);
    // Every alarm input has its row, the fourth (off in the sample) too.
    const std::string inputs = Between(html, "<h2>Alarm inputs", "</table>");
    EXPECT_NE(inputs.find("<tr><td>4</td><td>no</td><td>closed</td><td>no</td><td>no</td><td>no</td><td>no</td><td>0</td><td>-</td></tr>"),
              std::string::npos) << inputs;
    const std::string relays = Between(html, "<h2>Relays", "</table>");
    // The sample's masks: 19 is disk, multiplexer and video failures; 8 the illumination alarm.
    EXPECT_NE(relays.find("<tr><td>Output relay #1 (primary multiplexer)</td><td>yes</td><td>disk failure, multiplexer failure, video "
                          "failure</td></tr>\n<tr><td>Output relay #2 (primary multiplexer)</td><td>no</td><td>illumination alarm</td></tr>\n"
                          "<tr><td>Output relay #1 (slave multiplexer)</td>"),
              std::string::npos) << relays;
    int relayRows = 0;
    for (size_t at = relays.find("<tr>"); at != std::string::npos; at = relays.find("<tr>", at + 1))
        ++relayRows;
    EXPECT_EQ(relayRows, 6) << relays; // the head, the alarm relay and four conditional relays
    // Six enabled analog cameras share the fast card: 30 / 6 frames, halved for camera 3; the IP
    // cameras get 30 and 15; a camera that is off shows no rate.
    for (const char* row : {"<tr><td>1</td><td>Teller Line</td><td>yes</td><td>analog</td><td>port 1</td><td> 5 FPS</td><td>yes</td><td>5</td>"
                            "<td>yes, calibrated</td><td>40</td></tr>",
                            "<tr><td>3</td><td>Vestibule</td><td>yes</td><td>analog</td><td>port 3</td><td> 2 FPS</td>",
                            "<tr><td>7</td><td>ATM Front</td><td>yes</td><td>IP</td><td>192.168.10.31</td><td>30 FPS</td>",
                            "<tr><td>8</td><td>ATM Surround</td><td>yes</td><td>IP</td><td>192.168.10.32</td><td>15 FPS</td>",
                            "<tr><td>9</td><td>Night Drop</td><td>no</td><td>IP</td><td>192.168.10.33</td><td>-</td>",
                            "<tr><td>16</td><td>Equipment Room</td>"})
        EXPECT_NE(html.find(row), std::string::npos) << row;
    EXPECT_EQ(html.find("<tr><td>17</td>"), std::string::npos) << "a 16-channel unit";
    // Each day's row has its hours as stored.
    const std::string grid = Between(html, "<table class=\"grid\">", "</table>");
    const std::pair<const char*, const char*> days[] = {{"Sunday", "SUN"},   {"Monday", "MON"}, {"Tuesday", "TUE"}, {"Wednesday", "WED"},
                                                        {"Thursday", "THU"}, {"Friday", "FRI"}, {"Saturday", "SAT"}};
    for (const auto& [name, key] : days) {
        std::string stored, shown;
        for (int hour = 0; hour < 24; ++hour)
            stored += GetPrivateProfileIntA("Schedule", (key + std::to_string(hour)).c_str(), 0, SystemIniPath().c_str()) ? "#" : ".";
        const std::string row = Between(grid, std::string("<tr><th>") + name + "</th>", "</tr>");
        for (size_t at = row.find("<td"); at != std::string::npos; at = row.find("<td", at + 1))
            shown += row.compare(at, 13, "<td class=\"on") == 0 ? "#" : ".";
        EXPECT_EQ(shown, stored) << name;
    }
    // The map: the sample's picture where no icon lies, camera 1's button at its stored place.
    const std::string data = Between(html, "base64,", "\"").substr(7);
    ASSERT_FALSE(data.empty());
    std::string png;
    for (size_t i = 0, bits = 0, acc = 0; i < data.size() && data[i] != '='; ++i) {
        acc = acc << 6 | std::string("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/").find(data[i]);
        if ((bits += 6) >= 8)
            png += static_cast<char>(acc >> (bits -= 8) & 0xFF);
    }
    EXPECT_TRUE(png.ends_with(std::string("IEND\xAE\x42\x60\x82", 8))) << "the whole file, to its last byte";
    WriteRaw(siteDir + "map.png", png);
    Picture drawn, source;
    ASSERT_EQ(LoadPicture(siteDir + "map.png", drawn), 0);
    ASSERT_EQ(LoadPicture(siteDir + "BRANCH.PCX", source), 0);
    ASSERT_EQ(drawn.pixels.size(), source.pixels.size());
    const auto differs = [&](int x0, int y0, int x1, int y1) {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                n += ((drawn.pixels[static_cast<size_t>(y * drawn.width + x)] ^ source.pixels[static_cast<size_t>(y * drawn.width + x)]) &
                      0xFFFFFF) != 0;
        return n;
    };
    EXPECT_GT(differs(185, 110, 201, 126), 100) << "camera 1's icon";
    EXPECT_EQ(differs(0, 200, 480, 260), 0) << "no icon there";
    char password[80] = "";
    GetPrivateProfileStringA("Email", "PW", "", password, sizeof password, SystemIniPath().c_str());
    ASSERT_NE(password[0], '\0');
    EXPECT_EQ(html.find(password), std::string::npos);
    EXPECT_NE(html.find("Password: stored (not shown)"), std::string::npos);
}

// Texts from the files are shown, never obeyed; a damaged site still gives a whole report.
TEST_F(Check, ReportOfADamagedSite)
{
    Findings("S [OrvaBank] Bank Name=<script>alert(\"x\")</script> & Co\nD [Camera Names] 2=<b>Lobby</b>\n"
             "S [Email] PW=secret-word; To Address=a@b.example\nS [OrvaComm] Bank Protocol=-5\nS [TCPIP] Device 3 Type=6\n"
             "S [OrvaBank] Ch 1 Capture Rate=77; Lobby Camera 2=-2147483648\nD [Map] 1=-99999,-99999; 2=2147483647,5\n"
             "S [Schedule] Enabled=2; MD When Off=0");
    // Alarm keys the file lacks read as the alarm page reads them: off, contact closed.
    for (const char* key : {"Ch 4 Enabled", "Ch 4 Active High", "Ch 4 Report to Log"})
        WritePrivateProfileStringA("Alarms", key, nullptr, SystemIniPath().c_str());
    std::string html = SiteReportHtml();
    EXPECT_EQ(HtmlProblem(html), "");
    EXPECT_NE(html.find("<tr><td>4</td><td>no</td><td>closed</td><td>no</td>"), std::string::npos);
    EXPECT_NE(html.find("<tr><td>3</td><td>number 6</td>"), std::string::npos) << "a device type past the list";
    EXPECT_NE(html.find("<h1>Site report: &lt;script&gt;alert(&quot;x&quot;)&lt;/script&gt; &amp; Co</h1>"), std::string::npos);
    EXPECT_NE(html.find("<td>&lt;b&gt;Lobby&lt;/b&gt;</td>"), std::string::npos);
    EXPECT_EQ(html.find("secret-word"), std::string::npos);
    EXPECT_NE(html.find("number -5 (not in the list)"), std::string::npos);
    EXPECT_NE(html.find("<tr><td>Schedule enabled</td><td>yes</td></tr>\n<tr><td>Motion detection while off</td><td>no</td></tr>"),
              std::string::npos) << "any number but 0 is on, as the schedule page shows it";
    EXPECT_NE(html.find("Ch 1 Capture Rate = 77"), std::string::npos) << "the site check's findings close the report";
    // A map picture that is no picture.
    WriteRaw(siteDir + "BRANCH.PCX", std::string("\x0A\x05\x01\x08", 4));
    html = SiteReportHtml();
    EXPECT_EQ(HtmlProblem(html), "");
    EXPECT_NE(html.find("The map picture BRANCH.PCX cannot be read"), std::string::npos);
    EXPECT_EQ(html.find("data:image"), std::string::npos);
}

// Files > Site Report: the page written under the name given in the save dialog, then opened with
// the program the system has for web pages; here none, which is said rather than ignored.
TEST_F(Check, ReportSavedFromTheMenu)
{
    Findings("");
    // Wine's shell reads the machine's classes, not the user's (the test prefix is this program's own).
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, ".html", 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr), ERROR_SUCCESS);
    RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>("OrvaTests.NoViewer"), 19);
    RegCloseKey(key);
    const std::string path = siteDir + "branch.html";
    const ModalRun run = DriveModal([&] { DispatchCommand(wnd, IDM_SITE_REPORT); return INT_PTR{0}; }, StepsOf("type 1148 = " + path + "; ok"));
    RegDeleteKeyA(HKEY_CLASSES_ROOT, ".html");
    ASSERT_EQ(run.boxes.size(), 1u);
    EXPECT_EQ(run.boxes[0].text, "The report was saved as " + path + ", but no program opens it here.");
    const std::string page = ReadRaw(path);
    EXPECT_TRUE(page.starts_with("<!DOCTYPE html>"));
    EXPECT_TRUE(page.ends_with("</html>\n"));
}
