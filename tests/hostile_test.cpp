// Damaged and hand-edited files: every key the program reads holds an extreme value. Every
// command must open its dialog, and on OK (or Cancel after a refusal) write nothing but its own keys.
#include "resource.h"
#include "harness.h"
#include "owned_keys.h"
#include "site/ownedkeys.h"

#include <set>

#include <prsht.h>

namespace {

const std::vector<std::string> kExtremes = {
    std::string(10000, 'x'), "-2147483648", "99999999999", "\x01\x02\x7f\x1b\x08", "", "YES", "  -0  ",
    "S617" + std::string(5000, 'y'), "V", std::string(100, ','), "QUELT V12.1", "2147483647", "\"quoted\"", "1.2.3.4.5.6", "....", std::string(50, ':'), "5", "-5", "abc", "-1"};

// Every key the program reads ("#" a camera number, 1 to 32).
const std::string kKeysRead =
    "S [Global] Video Channels; Image Card; Nbr Image Card; Wendrel; Halden; ORVA QUELT; QUELT Version\n"
    "S [Version] AlertTxTask.EXE\nS [OrvaFile] Activity Log Storage; Status Log Size\n"
    "S [OrvaBank] Bank Name; Last Remote View Lobby Camera\nS [OrvaVideo] Color; Pace Motion Detect\n"
    "S [IP Camera] Types Supported; Generic URL\nD [Viewer] Inquiry Version\nD [Cameras Enabled] Initilized\n"
    "C [Config] Auto Disable Unused Ports\n" +
    Each(1, 32, "S [OrvaBank] Lobby Camera %d On; Lobby Camera %d IP; Lobby Camera %d") +
    Each(1, 32, "S [OrvaBank] Ch %d Motion Detection; Ch %d Motion Amount; Ch %d Capture Rate") +
    Each(1, 32, "S [OrvaBank] Ch %d Illumination Detection; Ch %d Illumination Cal; Ch %d Illumination Alarm") +
    Each(1, 32, "S [IP Camera] Camera %d Type; Camera %d Address; Camera %d Access") +
    Each(1, 32, "S [IP Camera] Camera %d Username; Camera %d PW\nD [Camera Names] %d") +
    "S [Alarms] Exclusive; Report Video Failures; Report Mux Fail; Enable Watchdog; Report Disk Fail; Report Power Up\n"
    "S [Alarms] Report Reboot; System Report to Phone; System Report to LAN; Report Illum Alarm; Report Phone Nbr\n"
    "S [Alarms] Report LAN Addr; Alarm Relay Enabled; Alarm Relay Channel\nS [OrvaVideo] A Rep\nS [Global] LAN Alarms\n"
    "S [Status Report] Report Hours\nS [Email] To Address\n" + Each(1, 4, "S [Alarms] Alarm Relay Enabled %d; Alarm Output Mask %d") +
    Each(1, 4, "S [Alarms] Ch %d Enabled; Ch %d Active High; Ch %d Report to Log; Ch %d Report to Phone; Ch %d Report to LAN") +
    Each(1, 4, "S [Alarms] Ch %d Report to Email; Ch %d Duration; Ch %d Ports") +
    "S [Transaction] Number of Images; Print Events; Cust Size\nS [OrvaComm] Bank Protocol\n"
    "S [OrvaVideo] Compression Factor; S Rep; Lumin Compensation; Global Settings\nS [Lobby] Pixel Delta Value; Pixels Changed\n"
    "S [Lan Monitoring] Local Capture; Installed Adapters; Selected Adapter; Filter String; Adapter 1 Name; Adapter 1 Desc\n"
    "S [ATM Config] Unit 1 Branch; Unit 1 Teller; Unit 1 Camera Field; Unit 1 Transaction Line; Unit 1 Transaction Pos\n"
    "S [TCPIP] Device 1 Use EBCDIC; Device 1 Type; Device 1 Cfg Unit; Device 1 Address; Device 1 Port; Device 1 MAC Address\n"
    "S [TCPIP] Device 1 TCPIP Port; Device 1 Teller Loc; Device 1 Seq Loc; Device 1 Condition 1 String; Device 1 Both Conditions\n"
    "S [Transaction] TCPIP Events\nT [General] Enabled; Text Block; Text Color; Background Color\nT [Line 1] Display; Y\n"
    "S [OrvaComm] Max Timeouts\nS [Global] SM Time\nS [Status Report] Debug SYSMONITOR Task; Check Dirty Bit Hours; Op Mode\n"
    "S [Status Report] PM Hour; PM Min; PM Format\n"
    "S [OrvaVideo] Video Sync Time; Bad Video Sync Time; Video Debug; Image X Size; Image Y Size\n"
    "S [OrvaBank] Last Monitored Video; Last Monitored Data\nS [Modem] Enable; TAPI Debug; Carrier TO; Ring\n"
    "S [OrvaFile] File Folder; FileExt; Drives; Current Directory; Debug; External Trash Removal; DaysUsage; LobbyDays\n"
    "S [OrvaFile] Min Teller Days; Max Teller Days; EventDays\n"
    "W [OrvaFile] Image Drive Size; Minimum Avail Drive Space; Minimum Avail Pct Drive Space\n"
    "S [OrvaVideo] Video Out Time; Enable Captions; Caption Position\n" + Each(1, 32, "S [OrvaVideo] Camera Scan %d On") +
    "S [Schedule] Enabled; MD When Off\n" + Each(0, 23, "S [Schedule] SUN%d; MON%d; TUE%d; WED%d; THU%d; FRI%d; SAT%d") +
    Each(1, 8, "S [TDI Port] Port %d Enabled; Port %d Camera") + "S [USB] Unit 1 ID; Unit 2 ID\n" +
    "S [PriMux] Comm Port; Byte Size; Baud; Parity; Stop Bits\n" +
    Each(1, 3, "S [SlaveMux%d] Comm Port; Byte Size; Baud; Parity; Stop Bits; Enable Mux");

using Hostile = SiteFixture;

// Fills every key read with an extreme value; variant shifts which key gets which value.
void FillHostile(SiteFixture& site, size_t variant, const char* advanced)
{
    // By file letter and section; a line without "=" and a key without a name among them.
    std::map<std::string, std::string> sections = {
        {"S[Global]", "Wendrel\r\n"}, {"S[OrvaBank]", "=no key\r\n"}, {"C[Config]", std::string("Advanced Menu=") + advanced + "\r\n"}};
    const std::vector<std::string> keys = KeyLines(kKeysRead);
    for (size_t i = 0; i < keys.size(); ++i) {
        const size_t close = keys[i].find("] ");
        sections[keys[i].substr(0, 1) + keys[i].substr(2, close - 1)] +=
            keys[i].substr(close + 2) + "=" + kExtremes[(i + variant) % kExtremes.size()] + "\r\n";
    }
    std::map<char, std::string> files;
    for (const auto& [where, text] : sections)
        files[where[0]] += where.substr(1) + "\r\n" + text;
    // Sections given twice, a duplicate key, and no line break at the end.
    files['S'] += "[OrvaBank]\r\nLobby Camera 1 On=YES\r\n[Global]\r\nHalden=1";
    for (const auto& [file, text] : files)
        site.WriteRaw(site.PathOf(std::string(1, file)), text);
    // A damaged change history: binary bytes, a line of 100,000 characters, values before any header.
    site.WriteRaw(site.siteDir + "ORVA_HISTORY.LOG", "V\tS\tx\ty\t\\-\t" + kExtremes[variant % kExtremes.size()] + "\r\n" +
                                                         std::string("\0\xff\x1b\r\n", 5) + std::string(100000, 'V') + "\r\nH\t\t\t\r\n");
}

// OK (or, for a sheet, every page visited, then OK); after a refusal, Cancel.
void VisitAndConfirm(HWND dlg)
{
    const bool sheet = SendMessageA(dlg, PSM_GETTABCONTROL, 0, 0) != 0;
    for (int page = 0; sheet && page < 32; ++page)
        SendMessageA(dlg, PSM_SETCURSEL, static_cast<WPARAM>(page), 0);
    SendMessageA(dlg, sheet ? PSM_PRESSBUTTON : WM_COMMAND, sheet ? PSBTN_OK : IDOK, 0);
}

// One run of every command on the site as it stands: each opens, and OK (Cancel after a refusal)
// writes nothing but its own keys and changes no stored value; returns the entries written.
std::set<std::string> RunEveryCommand(SiteFixture& site, const std::string& trace)
{
    std::set<std::string> written;
    const HWND wnd = OpenMainWindow("orva_config.exe " + site.SystemIniPath());
    EXPECT_NE(wnd, nullptr);
    for (const CommandKeys& table : CommandTable()) {
        const UINT command = table.id;
        SCOPED_TRACE(trace + ", command " + table.name);
        site.MarkClean();
        const ModalRun run = DriveModal([&] { return SendMessageA(wnd, WM_COMMAND, command, 0); },
                                        {VisitAndConfirm, [](HWND dlg) { SendMessageA(dlg, WM_COMMAND, IDCANCEL, 0); }});
        // Every command but the mode switch shows something: its dialog, or the camera
        // sheet's explanation when the stored camera count leaves no page.
        EXPECT_TRUE(run.opened || !run.boxes.empty() || command == IDM_ADVANCED);
        for (const std::string& change : site.ChangesSinceMark()) {
            const std::string entry = OwningEntry(command, change);
            EXPECT_FALSE(entry.empty()) << change << " is not in the keys of command " << command;
            written.insert(entry);
        }
        for (const std::string& change : site.StoredKeysChangedSinceMark())
            EXPECT_TRUE(ReplacedOnOpening(command, change)) << "a stored value changed: " << change;
        EXPECT_TRUE(IsWindow(wnd));
    }
    CloseMainWindow(wnd);
    return written;
}

// Read as advanced and as basic.
constexpr const char* kModes[] = {"-99999999999", "junk"};

class HostileFiles : public SiteFixture, public ::testing::WithParamInterface<std::tuple<size_t, const char*>> {};

} // namespace

// Also holds the table of owned keys to the dialogs: every change a command makes is in its table,
// and every key its table says it writes is written on an empty site of a version 12.1 unit, where
// OK stores every default, except those written only by a button inside the dialog (Update, a
// nested dialog, the USB question).
TEST_F(Hostile, EveryCommandOnAnEmptySiteWritesItsTable)
{
    std::set<std::string> written;
    for (const char* advanced : kModes) {
        NewSite();
        // The advanced run opens the parts of dialogs an empty site hides: S617 relays, a
        // transaction data device, a printed-field ATM unit, a placed receipt line. An untouched
        // OK keeps those stored values, so the basic run has none of them.
        Seed(std::string("C [Config] Advanced Menu=") + advanced + "\nS [Global] QUELT Version=QUELT V12.1\n" +
             (advanced[0] == '-' ? "S [Global] Image Card=S617\nS [TCPIP] Device 1 Type=5\n"
                                   "S [ATM Config] Unit 1 Camera Field=0\nT [Line 1] Y=17" : ""));
        written.merge(RunEveryCommand(*this, std::string("empty site, advanced ") + advanced));
    }
    const std::set<std::string> onlyByButtons = {"Email/Host", "Email/Snmp User", "Email/From", "Email/To Name", "Email/PW",
                                                 "Map/%d", "USB/Unit %d ID", "Lan Monitoring/Selected Adapter", "Line %d/Y"};
    for (const CommandKeys& table : CommandTable())
        for (const OwnedKey& entry : table.keys) {
            const std::string name = std::string(entry.section) + "/" + entry.key;
            if (entry.written && !onlyByButtons.contains(name)) {
                EXPECT_TRUE(written.contains(name)) << table.name << ": " << name << " never written";
            }
        }
}

TEST_P(HostileFiles, EveryCommandOpensAndWritesOnlyItsOwnKeys)
{
    const auto [variant, advanced] = GetParam();
    FillHostile(*this, variant, advanced);
    RunEveryCommand(*this, "variant " + std::to_string(variant) + ", advanced " + advanced);
}

INSTANTIATE_TEST_SUITE_P(Rotations, HostileFiles, ::testing::Combine(::testing::Range<size_t>(0, 4), ::testing::ValuesIn(kModes)));
