// Looking changes nothing: every command of the command table opened on sites whose every owned
// key sits at an edge of its rule (the lowest and the highest value its dialog shows and takes,
// and one just beyond what it can show), every page visited and OK pressed untouched (Cancel
// after a refusal): no value stored before has changed. A refusal stores nothing: every refusal
// the program declares has a case below that makes it happen after other changes, cancels, and
// finds no key changed.
#include "harness.h"
#include "owned_keys.h"
#include "site/ownedkeys.h"
#include "dlgctl.h"
#include "profile.h"
#include "resource.h"

#include <prsht.h>

#include <algorithm>
#include <set>

namespace {

enum class Edge { Lowest, Highest, Beyond };

// The text a rule gives a key at an edge; none for a rule that takes any text.
std::optional<std::string> ValueAt(const ValueRule& rule, Edge edge)
{
    const auto pick = [edge](std::string low, std::string high, std::string beyond) {
        return edge == Edge::Lowest ? low : edge == Edge::Highest ? high : beyond;
    };
    switch (rule.kind) {
    case ValueKind::Number:
    case ValueKind::Choice:
        return pick(std::to_string(rule.low), std::to_string(rule.high), std::to_string(rule.high + 1));
    case ValueKind::Flag:
        return pick("0", "1", "2");
    case ValueKind::YesNo: // any case is "YES"; anything else is "NO"
        return pick("no", "yes", "Yes please");
    case ValueKind::Text:
        return pick("", std::string(rule.maxChars, 'T'), std::string(rule.maxChars + 1, 'U'));
    case ValueKind::Address:
        return pick("0.0.0.0", "255.255.255.255", "256.1.2.3");
    case ValueKind::Any:
        break;
    }
    return std::nullopt;
}

// A site's INI files as sections of keys, in file order, to be changed and written whole.
using Sections = std::vector<std::pair<std::string, std::vector<std::pair<std::string, std::string>>>>;

Sections Parse(const std::string& text)
{
    Sections sections;
    for (std::string line : SplitText(text, "\n")) {
        if (line.ends_with("\r"))
            line.pop_back();
        if (line.starts_with("[") && line.find(']') != std::string::npos)
            sections.push_back({line.substr(1, line.find(']') - 1), {}});
        else if (!sections.empty() && line.find('=') != std::string::npos)
            sections.back().second.emplace_back(line.substr(0, line.find('=')), line.substr(line.find('=') + 1));
    }
    return sections;
}

void Set(Sections& sections, const std::string& section, const std::string& key, const std::string& value)
{
    auto s = std::find_if(sections.begin(), sections.end(), [&](const auto& x) { return Lower(x.first) == Lower(section); });
    if (s == sections.end())
        s = sections.insert(sections.end(), {section, {}});
    auto k = std::find_if(s->second.begin(), s->second.end(), [&](const auto& x) { return Lower(x.first) == Lower(key); });
    if (k == s->second.end())
        s->second.emplace_back(key, value);
    else
        k->second = value;
}

std::string Text(const Sections& sections)
{
    std::string text;
    for (const auto& [name, keys] : sections) {
        text += "[" + name + "]\r\n";
        for (const auto& [key, value] : keys)
            text += key + "=" + value + "\r\n";
    }
    return text;
}

// Facts of the unit that the commands only read: the sweep leaves them to the unit's kind.
bool UnitFact(const OwnedKey& entry) { return !entry.written; }

// The kinds of unit the menu tells apart, by their [Global] keys over the sample's.
const char* const kUnits[] = {"", "S [Global] Wendrel=0; Halden=0; Image Card=Osprey 100; QUELT Version=QUELT V10.02",
                              "S [Global] Wendrel=32; Video Channels=32; Image Card=Osprey 100", "S [Global] Halden=1; Image Card=Osprey 100"};

class Sweep : public SiteFixture {
protected:
    // The sample site as the unit of the given kind, in one menu mode, with every key a command
    // owns at the edge; the commands opened one after another in the real main window.
    void LookAtEveryCommand(const std::string& unit, Edge edge, const char* advanced)
    {
        MakeSite(unit, edge, advanced);
        const HWND wnd = OpenMainWindow("orva_config.exe " + SystemIniPath());
        ASSERT_NE(wnd, nullptr);
        // The mode switch is no dialog; commands that own no key store nothing (the hostile
        // sweep holds them to that).
        for (const CommandKeys& command : CommandTable())
            if (command.id != IDM_ADVANCED && !command.keys.empty())
                LookAndConfirm(wnd, command);
        CloseMainWindow(wnd);
    }

private:
    void MakeSite(const std::string& unit, Edge edge, const char* advanced)
    {
        NewSite();
        CopySample();
        std::map<char, Sections> files;
        for (const char file : std::string("SDTC"))
            files[file] = Parse(ReadRaw(PathOf(std::string(1, file))));
        for (const CommandKeys& command : CommandTable())
            for (const OwnedKey& entry : command.keys) {
                const std::optional<std::string> value = ValueAt(entry.rule, edge);
                for (int n = entry.first; value && !UnitFact(entry) && n <= entry.last; ++n)
                    Set(files[entry.file], EntrySection(entry, n), EntryKey(entry, n), *value);
            }
        for (const std::string& line : KeyLines(unit + "\nC [Config] Advanced Menu=" + advanced)) {
            const size_t close = line.find("] "), eq = line.find('=', close);
            Set(files[line[0]], line.substr(3, close - 3), line.substr(close + 2, eq - close - 2), line.substr(eq + 1));
        }
        for (const auto& [file, sections] : files)
            WriteRaw(PathOf(std::string(1, file)), Text(sections));
    }

    void LookAndConfirm(HWND wnd, const CommandKeys& command)
    {
        SCOPED_TRACE(command.name);
        MarkClean();
        const auto confirm = [](HWND dlg) {
            const bool sheet = SendMessageA(dlg, PSM_GETTABCONTROL, 0, 0) != 0;
            for (int page = 0; sheet && page < 32; ++page)
                SendMessageA(dlg, PSM_SETCURSEL, static_cast<WPARAM>(page), 0);
            SendMessageA(dlg, sheet ? PSM_PRESSBUTTON : WM_COMMAND, sheet ? PSBTN_OK : IDOK, 0);
        };
        const auto cancel = [](HWND dlg) { // after a refusal
            const bool sheet = SendMessageA(dlg, PSM_GETTABCONTROL, 0, 0) != 0;
            SendMessageA(dlg, sheet ? PSM_PRESSBUTTON : WM_COMMAND, sheet ? PSBTN_CANCEL : IDCANCEL, 0);
        };
        DriveModal([&] { return SendMessageA(wnd, WM_COMMAND, command.id, 0); }, {confirm, cancel});
        for (const std::string& change : StoredKeysChangedSinceMark())
            EXPECT_TRUE(ReplacedOnOpening(command.id, change)) << "a stored value changed: " << change;
        for (const std::string& change : ChangesSinceMark())
            EXPECT_TRUE(OwnedBy(command.id, change)) << change << " is not the command's";
        // Now that the files hold what the command shows, looking again touches no file at all.
        const long writes = ProfileUse().writes;
        DriveModal([&] { return SendMessageA(wnd, WM_COMMAND, command.id, 0); }, {confirm, cancel});
        EXPECT_EQ(ProfileUse().writes, writes) << "a second untouched look stored something";
    }
};

} // namespace

class UntouchedOk : public Sweep, public ::testing::WithParamInterface<std::tuple<size_t, const char*, Edge>> {};

TEST_P(UntouchedOk, KeepsEveryStoredValue)
{
    const auto [unit, advanced, edge] = GetParam();
    LookAtEveryCommand(kUnits[unit], edge, advanced);
}

INSTANTIATE_TEST_SUITE_P(Units, UntouchedOk,
                         ::testing::Combine(::testing::Range<size_t>(0, std::size(kUnits)), ::testing::Values("0", "1"),
                                            ::testing::Values(Edge::Lowest, Edge::Highest, Edge::Beyond)));

namespace {

struct RefusalCase {
    UINT command;
    Scenario scenario; // changes other values, meets the refusal, answers it and cancels: nothing stored
};

const char kEmail[] = "S [Global] QUELT Version=V12.1\nS [Email] PW=plain\n";
const char kCameras[] = "C [Config] Advanced Menu=1\nS [Global] QUELT Version=QUELT V12.1; Video Channels=4\nD [Cameras Enabled] Initilized=1\n";
const char kMux11[] = "S [Global] QUELT Version=QUELT V11.00\nS [USB] Unit 2 ID=Left mux\n";

const std::vector<RefusalCase> kRefusals = {
    {IDM_ACTIVITY_LOG, {"days", "", "type Number of days = 0; ok; cancel", "", {{"Error - Value out of Range", "Minimum Value is 1 Day", "exclamation"}}}},
    {IDM_STATUS_LOG, {"size", "", "type Maximum Status Log = 0; ok; type Maximum Status Log = 20001; ok; cancel", "",
                      {{"Error - Value out of Range", "Minimum Value is 1 (1KB)", "exclamation"},
                       {"Error - Value out of Range", "Maximum Value is 20,000 (20MB)", "exclamation"}}}},
    {IDM_SITE_ID, {"site name", "local", "type Site Name = A.B; ok; cancel", "", {{"", "Site name cannot contain the characters ,./:*?<>|", "none"}}}},
    {IDM_SYSTEM_HEALTH, {"each range", "S [Status Report] Op Mode=3",
                         "click Reboot on Mux Timeout; type Hours Between = 25; ok; type Hours Between = 2; type Minutes of Error = 0; ok; "
                         "type Minutes of Error = 9; type HOUR = 25; ok; type HOUR = 3; type MIN = 61; ok; cancel", "",
                         {{"Error Message", "Time Range for Check of Disk Structure Not Valid. Valid range 1-24", "none"},
                          {"Error Message", "Time Range for Minutes of Error Condition Not Valid. Valid range 1-60", "none"},
                          {"", "Hour Value for Perform System Maintenance Out of Range", "none"},
                          {"", "Minute Value for Perform System Maintenance Out of Range", "none"}}}},
    {IDM_VIDEO_OUTPUT, {"scan time", "S [OrvaVideo] Video Out Time=0", "click Enable Video Output; click Camera Port 1; type 106 = 6001; ok; cancel", "",
                        {{"Error", "Scan time to long. Maximum time is 10 minutes (6000).", "none"}}}},
    {IDM_CAPTIONS, {"position", "", "click Enable Captions; keys Location of Caption = Centre; ok; cancel", "", {{"", "Caption Location Invalid.", "none"}}}},
    {IDM_MODEM, {"rings and timeout", "C [Config] Advanced Menu=1",
                 "click Enabled Modem; click Enable TAPI; type Answer On Ring = 0; ok; type Answer On Ring = 3; type No Answer Timeout = 361; ok; cancel",
                 "", {{"Error", "Minimum number for rings is 1.", "none"}, {"Error", "No Answer Timeout Value Out of Range", "none"}}}},
    {IDM_PORT_CONFIG, {"motion and illumination, on a page other than the one shown", kCameras,
                       "click Enabled; type Camera Name = Door; page 2; type Percentage Change = 101; page 3; ok; "
                       "type Percentage Change = 5; type Alarm Level = 257; apply; cancel", "",
                       {{"Error", "Motion percentage out of range for port 2!\nRange - Min 0 Max 100.\nValue was not saved!", "stop"},
                        {"Error", "Illumination alarm level for port 2 out of range!\nRange - Min 0 Max 256.\nValue was not saved!", "stop"}}}},
    {IDM_ALARM_CONFIG, {"address, duration and relay channel", "S [Version] AlertTxTask.EXE=2",
                        "click Enable Watchdog; type 179 = 256; page 2; click Alarm Enabled; type Record Time = -1; page 4; "
                        "type Output Alarm Channel = 0; ok; type 179 = 1; ok; type Record Time = 5; ok; cancel", "",
                        {{"Error", "TCPIP address invalid. Address not saved.", "none"},
                         {"ERROR MESSAGE", "Negative number in Alarm time. Alarm time was not saved!", "stop"},
                         {"ERROR MESSAGE", "Invalid Alarm Channel Number. Value was not saved!", "stop"}}}},
    {IDM_ALARM_CONFIG, {"the password dialog", kEmail,
                        "click Configure Email/SMS; click Send On Disk Error; click Change Password; type New Password = a; "
                        "type Old Password = x; ok; type Old Password = plain; type Confirm Password = b; ok; "
                        "type New Password = a\xE9; type Confirm Password = a\xE9; ok; cancel; cancel; cancel", "",
                        {{"", "Old Password is Incorrect", "stop"}, {"", "New Password and Confirm Password Are Different", "none"},
                         {"", "A password may hold only letters, digits, blanks and the punctuation of a US keyboard.\n"
                              "The password was not changed.", "none"},
                         {"", "Password was not changed", "none"}}}},
    {IDM_ALARM_CONFIG, {"the paging wizard",
                        std::string(kEmail) + "S [Email] To Address=" + std::string(240, 'a') +
                            "\nPhoneMsgProviders.TXT [Basic Email] Providers=1; Provider 1=Northwind,sms.northwind.example",
                        "click Configure Email/SMS; click SMS; ok; type 10 Digit = 5551234567; choose Phone Carrier Name = Northwind; "
                        "ok; click Add Email to Existing List; ok; cancel; cancel; cancel", "",
                        {{"", "No selection made.", "none"}, {"", "Please Specify Replace Existing Email or Add Email to List.", "none"},
                         {"", "The recipient list is full: it may hold at most 254 characters.\n"
                              "Remove an address in the e-mail dialog first. Nothing was added.", "none"}}}},
    {IDM_SITE_MAP, {"map name", "", "click Display Site Map; type 161 = ..; ok; cancel", "",
                    {{"Site Map", "The site map filename must be a plain file name, without a folder.", "stop"}}}},
    {IDM_TCPIP_MONITORING, {"each value of a channel", "S [Global] QUELT Version=QUELT V12.1",
                            "click Enable TCPIP; click EBCDIC; type 173 = 1; click Update; type 177 = 2; type 179 = 3; type 180 = 4; "
                            "type 178 = 5; type 181 = zz; ok; type 181 = 100; ok; type 181 = 6; type 199 = 256; ok; type 199 = 1; "
                            "type Camera Number = 39; ok; type Camera Number = 3; choose Device Type = ATM Link Converter; "
                            "type Configuration Style = 5; ok; cancel", "",
                            {{"Error", "MAC Address Entries Invalid", "none"}, {"Error", "MAC Address Invalid", "none"},
                             {"Error", "MAC Address Out of Range", "none"}, {"Error", "TCPIP Address Invalid", "none"},
                             {"Error", "Camera Port Number Invalid", "none"}, {"Error", "Configuration Number Invalid", "none"}}}},
    {IDM_PRIMARY_MUX, {"a new USB identifier not confirmed", kMux11,
                       "choose Parity = Odd; choose Com Port = USB2; type 233 = Right mux; ok; cancel", "",
                       {{"", "Are you sure you want to change the USB ID?", "none yesno", "no"}}}},
};

// Whether a box shown is a declared refusal's text ("%d" any number).
bool SameText(const std::string& shown, const std::string& declared)
{
    const size_t mark = declared.find("%d");
    if (mark == std::string::npos)
        return shown == declared;
    const std::string tail = declared.substr(mark + 2);
    return shown.size() > declared.size() - 2 && shown.starts_with(declared.substr(0, mark)) && shown.ends_with(tail) &&
           std::all_of(shown.begin() + static_cast<long>(mark), shown.end() - static_cast<long>(tail.size()), ::isdigit);
}

} // namespace

TEST_F(Sweep, EveryRefusalStoresNothing)
{
    for (const RefusalCase& c : kRefusals)
        RunScenarios(*this, c.command, "", {c.scenario});
    for (const Refusal* refusal : DeclaredRefusals()) {
        const bool met = std::any_of(kRefusals.begin(), kRefusals.end(), [&](const RefusalCase& c) {
            return std::any_of(c.scenario.boxes.begin(), c.scenario.boxes.end(),
                               [&](const Box& box) { return box.title == refusal->title && SameText(box.text, refusal->text); });
        });
        EXPECT_TRUE(met) << "no case meets the refusal \"" << refusal->text << "\"";
    }
}
