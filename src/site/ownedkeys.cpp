#include "ownedkeys.h"

#include "numtext.h"
#include "profile.h"
#include "unit.h"
#include "resource.h"
#include "alarms/alarmprop.h"
#include "cameras/camerakeys.h"
#include "cameras/camerapage.h"
#include "cameras/capturerate.h"
#include "system/logs.h"
#include "system/rmtmonitor.h"
#include "system/systemhealth.h"
#include "system/scanvideo.h"
#include "transactions/atmprint.h"
#include "transactions/bankprotocol.h"
#include "transactions/tcpipmon.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

constexpr ValueRule kNumber = NumberRule(INT_MIN, INT_MAX);
constexpr ValueRule kText79 = TextRule(79);

// Shorthands for the table: one key, or a numbered family of keys.
OwnedKey K(char file, const char* section, const char* key, ValueRule rule) { return {file, section, key, rule}; }
OwnedKey N(char file, const char* section, const char* key, ValueRule rule, int first, int last)
{
    return {file, section, key, rule, first, last};
}
// The keys of cameras first to last, as the camera keys' table spells them.
OwnedKey C(CameraKey key, ValueRule rule, int first = 1, int last = 32)
{
    const CameraKeySpelling& spelling = SpellingOf(key);
    return {spelling.file, spelling.section, spelling.pattern, rule, first, last};
}
OwnedKey R(char file, const char* section, const char* key, ValueRule rule) { return {file, section, key, rule, 0, 0, false}; }

const std::vector<CommandKeys> kTable = {
    {IDM_ABOUT, "About", {}},
    {IDM_ADVANCED, "Advanced", {K('C', "Config", "Advanced Menu", kNumber)}},
    {IDM_ACTIVITY_LOG, "Activity Log", {K('S', "OrvaFile", "Activity Log Storage", kActivityLogDaysRule)}},
    {IDM_STATUS_LOG, "Status Log", {K('S', "OrvaFile", "Status Log Size", kStatusLogSizeRule)}},
    {IDM_SITE_ID, "Site Identification", {K('S', "OrvaBank", "Bank Name", kText79)}},
    {IDM_VERSION_INFO, "Version Info", {K('D', "Viewer", "Inquiry Version", kText79)}},
    {IDM_CAMERA_SYSTEM, "System Configuration",
     {K('S', "OrvaBank", "Last Remote View Lobby Camera", kNumber), K('S', "OrvaVideo", "Color", YesNoRule())}},
    {IDM_PORT_CONFIG, "Port Configuration",
     {C(CameraKey::On, YesNoRule()), C(CameraKey::IP, YesNoRule()),
      C(CameraKey::Port, AnyRule()),
      C(CameraKey::CaptureRate, ChoiceRule(CAPTURE_RATE_TEXT.size())),
      C(CameraKey::MotionDetection, FlagRule()), C(CameraKey::MotionAmount, kMotionAmountRule),
      C(CameraKey::IlluminationDetection, FlagRule()),
      C(CameraKey::IlluminationCal, FlagRule()),
      C(CameraKey::IlluminationAlarm, kIlluminationAlarmRule), C(CameraKey::Type, kText79),
      C(CameraKey::Address, AddressRule()), C(CameraKey::Access, kText79),
      C(CameraKey::Username, kText79), C(CameraKey::Password, kText79),
      C(CameraKey::Name, kText79), C(CameraKey::Enabled, AnyRule()),
      K('D', SpellingOf(CameraKey::Enabled).section, kMirrorFilledKey, AnyRule()), K('S', "OrvaVideo", "Color", YesNoRule()),
      K('S', "OrvaBank", "Last Remote View Lobby Camera", kNumber), R('C', "Config", "Auto Disable Unused Ports", kNumber),
      R('S', "Global", "Video Channels", kNumber), R('S', kSecIPCamera, "Types Supported", AnyRule())}},
    {IDM_NAME_ASSIGNMENT, "Name Assignment", {C(CameraKey::Name, kText79)}},
    // Copying settings between cameras stores what their pages would, and never a name, port number,
    // address or password: the port key only as the page stores it for a camera switched on or off.
    {IDM_CAMERA_OVERVIEW, "Overview",
     {C(CameraKey::On, YesNoRule()), C(CameraKey::Port, AnyRule()),
      C(CameraKey::CaptureRate, ChoiceRule(CAPTURE_RATE_TEXT.size())),
      C(CameraKey::MotionDetection, FlagRule()), C(CameraKey::MotionAmount, kMotionAmountRule),
      C(CameraKey::IlluminationDetection, FlagRule()),
      C(CameraKey::IlluminationCal, FlagRule()),
      C(CameraKey::IlluminationAlarm, kIlluminationAlarmRule), C(CameraKey::Enabled, AnyRule()),
      K('D', SpellingOf(CameraKey::Enabled).section, kMirrorFilledKey, AnyRule()), K('S', "OrvaVideo", "Color", YesNoRule()),
      K('S', "OrvaBank", "Last Remote View Lobby Camera", kNumber), R('S', "Global", "Video Channels", kNumber)}},
    {IDM_SCHEDULE, "Schedule",
     {K('S', "Schedule", "Enabled", FlagRule()), K('S', "Schedule", "MD When Off", FlagRule()),
      N('S', "Schedule", "SUN%d", FlagRule(), 0, 23), N('S', "Schedule", "MON%d", FlagRule(), 0, 23),
      N('S', "Schedule", "TUE%d", FlagRule(), 0, 23), N('S', "Schedule", "WED%d", FlagRule(), 0, 23),
      N('S', "Schedule", "THU%d", FlagRule(), 0, 23), N('S', "Schedule", "FRI%d", FlagRule(), 0, 23),
      N('S', "Schedule", "SAT%d", FlagRule(), 0, 23)}},
    {IDM_TDI_PORTS, "TDI Ports",
     {N('S', "TDI Port", "Port %d Enabled", FlagRule(), 1, 8), N('S', "TDI Port", "Port %d Camera", NumberRule(0, 32), 1, 8),
      C(CameraKey::Enabled, AnyRule(), 1, 31), K('D', SpellingOf(CameraKey::Enabled).section, kMirrorFilledKey, AnyRule())}},
    {IDM_ALARM_CONFIG, "Alarm Config",
     {K('S', "Alarms", "Exclusive", FlagRule()), K('S', "Alarms", "Report Video Failures", FlagRule()),
      K('S', "Alarms", "Report Mux Fail", FlagRule()), K('S', "Alarms", "Enable Watchdog", FlagRule()),
      K('S', "Alarms", "Report Disk Fail", FlagRule()), K('S', "Alarms", "Report Power Up", FlagRule()),
      K('S', "Alarms", "Report Reboot", FlagRule()), K('S', "Alarms", "System Report to Phone", FlagRule()),
      K('S', "Alarms", "System Report to LAN", FlagRule()), K('S', "Alarms", "Report Illum Alarm", FlagRule()),
      K('S', "Alarms", "Report Phone Nbr", kText79), K('S', "Alarms", "Report LAN Addr", AddressRule()),
      K('S', "Alarms", "Alarm Relay Enabled", FlagRule()), K('S', "Alarms", "Alarm Relay Channel", kRelayChannelRule),
      N('S', "Alarms", "Alarm Relay Enabled %d", FlagRule(), 1, 4), N('S', "Alarms", "Alarm Output Mask %d", NumberRule(0, 31), 1, 4),
      N('S', "Alarms", "Ch %d Enabled", FlagRule(), 1, 4), N('S', "Alarms", "Ch %d Active High", FlagRule(), 1, 4),
      N('S', "Alarms", "Ch %d Report to Log", FlagRule(), 1, 4), N('S', "Alarms", "Ch %d Report to Phone", FlagRule(), 1, 4),
      N('S', "Alarms", "Ch %d Report to LAN", FlagRule(), 1, 4), N('S', "Alarms", "Ch %d Report to Email", FlagRule(), 1, 4),
      N('S', "Alarms", "Ch %d Duration", kAlarmDurationRule, 1, 4), N('S', "Alarms", "Ch %d Ports", kText79, 1, 4),
      K('S', "OrvaVideo", "A Rep", kNumber), K('S', "Status Report", "Report Hours", kNumber),
      K('S', "Email", "To Address", TextRule(254)), K('S', "Email", "Host", kText79), K('S', "Email", "Snmp User", kText79),
      K('S', "Email", "From", kText79), K('S', "Email", "To Name", kText79), K('S', "Email", "PW", AnyRule()),
      R('S', "Global", "LAN Alarms", kNumber)}},
    {IDM_TRANSACTIONS, "Transactions",
     {K('S', "Transaction", "Number of Images", kNumber), K('S', "Transaction", "Print Events", FlagRule()),
      K('S', "Transaction", "Cust Size", kNumber), K('S', "OrvaComm", "Bank Protocol", ChoiceRule(BankProtocolAscii.size()))}},
    {IDM_IMAGE_SELECTION, "Image Selection",
     {K('S', "OrvaVideo", "Compression Factor", kNumber), K('S', "OrvaVideo", "S Rep", kNumber),
      K('S', "OrvaVideo", "Lumin Compensation", FlagRule()), K('S', "OrvaVideo", "Global Settings", FlagRule()),
      K('S', "Lobby", "Pixel Delta Value", kNumber), K('S', "Lobby", "Pixels Changed", kNumber)}},
    {IDM_TCPIP_CAPTURE, "TCPIP Capture",
     {K('S', "Lan Monitoring", "Local Capture", FlagRule()), K('S', "Lan Monitoring", "Filter String", TextRule(255)),
      K('S', "Lan Monitoring", "Selected Adapter", kNumber), K('S', "Lan Monitoring", "Active Adapter Name", TextRule(255)),
      R('S', "Lan Monitoring", "Installed Adapters", kNumber)}},
    {IDM_TCPIP_ATM_CONFIG, "TCPIP ATM Config",
     {N('S', "ATM Config", "Unit %d Branch", kText79, 1, 4), N('S', "ATM Config", "Unit %d Teller", kText79, 1, 4),
      N('S', "ATM Config", "Unit %d Camera Field", FlagRule(), 1, 4), N('S', "ATM Config", "Unit %d Transaction Line", kText79, 1, 4),
      N('S', "ATM Config", "Unit %d Transaction Pos", kText79, 1, 4)}},
    {IDM_ATM_TRANSACTIONS, "ATM Transactions",
     {K('T', "General", "Enabled", FlagRule()), K('T', "General", "Text Block", FlagRule()),
      K('T', "General", "Text Color", ChoiceRule(ColorText.size())), K('T', "General", "Background Color", ChoiceRule(ColorText.size())),
      N('T', "Line %d", "Display", FlagRule(), 1, 12), N('T', "Line %d", "X", kNumber, 1, 12), N('T', "Line %d", "Y", kNumber, 1, 12)}},
    {IDM_TCPIP_MONITORING, "TCPIP Monitoring",
     {N('S', "TCPIP", "Device %d Use EBCDIC", FlagRule(), 1, 32), N('S', "TCPIP", "Device %d Type", ChoiceRule(TcpipDeviceText.size()), 1, 32),
      N('S', "TCPIP", "Device %d Cfg Unit", kDeviceConfigUnitRule, 1, 32), N('S', "TCPIP", "Device %d Address", AddressRule(), 1, 32),
      N('S', "TCPIP", "Device %d Port", kDeviceCameraPortRule, 1, 32), N('S', "TCPIP", "Device %d MAC Address", kText79, 1, 32),
      N('S', "TCPIP", "Device %d TCPIP Port", kText79, 1, 32), N('S', "TCPIP", "Device %d Teller Loc", kNumber, 1, 32),
      N('S', "TCPIP", "Device %d Branch", kNumber, 1, 32), N('S', "TCPIP", "Device %d Seq Loc", NumberRule(0, 255), 1, 32),
      N('S', "TCPIP", "Device %d Seq Len", NumberRule(0, 255), 1, 32), N('S', "TCPIP", "Device %d Text Loc", NumberRule(0, 255), 1, 32),
      N('S', "TCPIP", "Device %d Condition 1 String", kText79, 1, 32), N('S', "TCPIP", "Device %d Condition 2 String", kText79, 1, 32),
      N('S', "TCPIP", "Device %d Both Conditions", FlagRule(), 1, 32),
      N('S', "TCPIP", "Device %d Condition 1 Ignore Case", FlagRule(), 1, 32),
      N('S', "TCPIP", "Device %d Condition 2 Ignore Case", FlagRule(), 1, 32), K('S', "Transaction", "TCPIP Events", FlagRule())}},
    {IDM_SYSTEM_HEALTH, "System Health",
     {K('S', "OrvaComm", "Max Timeouts", kNumber), K('S', "Global", "SM Time", kErrorMinutesRule),
      K('S', "Status Report", "Debug SYSMONITOR Task", FlagRule()), K('S', "Status Report", "Check Dirty Bit Hours", kDirtyBitHoursRule),
      K('S', "Status Report", "Op Mode", kNumber), K('S', "Status Report", "PM Hour", kMaintenanceHourRule),
      K('S', "Status Report", "PM Min", kMaintenanceMinuteRule), K('S', "Status Report", "PM Format", kNumber)}},
    {IDM_VIDEO_PARAMS, "Video Parameters",
     {K('S', "OrvaVideo", "Video Sync Time", kNumber), K('S', "OrvaVideo", "Bad Video Sync Time", kNumber),
      K('S', "OrvaVideo", "Video Debug", kNumber), K('S', "OrvaVideo", "Image X Size", kNumber),
      K('S', "OrvaVideo", "Image Y Size", kNumber)}},
    {IDM_REMOTE_MONITORING, "Remote Monitoring",
     {K('S', "OrvaBank", "Last Monitored Video", kNumber), K('S', "OrvaBank", "Last Monitored Data", kNumber),
      K('S', "Status Report", "Report Hours", kNumber)}},
    {IDM_MODEM, "Modem",
     {K('S', "Modem", "Enable", FlagRule()), K('S', "Modem", "TAPI Debug", FlagRule()),
      K('S', "Modem", "Carrier TO", kModemTimeoutRule), K('S', "Modem", "Ring", kModemRingsRule)}},
    {IDM_VIDEO_OUTPUT, "Video Output",
     {N('S', "OrvaVideo", "Camera Scan %d On", YesNoRule(), 1, 32), K('S', "OrvaVideo", "Video Out Time", kScanTimeRule)}},
    {IDM_CAPTIONS, "Captions",
     {K('S', "OrvaVideo", "Enable Captions", FlagRule()), K('S', "OrvaVideo", "Caption Position", AnyRule())}},
    {IDM_DISK_USAGE, "Disk Usage",
     {K('S', "OrvaFile", "File Folder", kText79), K('S', "OrvaFile", "FileExt", kText79), K('S', "OrvaFile", "Drives", kNumber),
      K('S', "OrvaFile", "Current Directory", kText79), K('S', "OrvaFile", "Debug", FlagRule()),
      K('S', "OrvaFile", "External Trash Removal", FlagRule()), K('S', "OrvaFile", "DaysUsage", kNumber),
      K('S', "OrvaFile", "LobbyDays", kNumber), K('S', "OrvaFile", "Min Teller Days", kNumber),
      K('S', "OrvaFile", "Max Teller Days", kNumber), K('S', "OrvaFile", "EventDays", kNumber)}},
    {IDM_SITE_MAP, "Site Map",
     {K('D', "Map", "File", FlagRule()), K('D', "Map", "Name", TextRule(127)), N('D', "Map", "%d", AnyRule(), 1, 32)}},
    {IDM_PRIMARY_MUX, "Primary Mux",
     {K('S', "PriMux", "Comm Port", TextRule(5)), K('S', "PriMux", "Byte Size", TextRule(5)), K('S', "PriMux", "Baud", TextRule(7)),
      K('S', "PriMux", "Parity", NumberRule(0, 3)), K('S', "PriMux", "Stop Bits", NumberRule(0, 2)), N('S', "USB", "Unit %d ID", TextRule(39), 1, 2)}},
    {IDM_SLAVE_MUX1, "Slave Mux 1",
     {K('S', "SlaveMux1", "Comm Port", TextRule(5)), K('S', "SlaveMux1", "Byte Size", TextRule(5)),
      K('S', "SlaveMux1", "Baud", TextRule(7)), K('S', "SlaveMux1", "Parity", NumberRule(0, 3)),
      K('S', "SlaveMux1", "Stop Bits", NumberRule(0, 2)), K('S', "SlaveMux1", "Enable Mux", kNumber),
      N('S', "USB", "Unit %d ID", TextRule(39), 1, 2)}},
    {IDM_SLAVE_MUX2, "Slave Mux 2",
     {K('S', "SlaveMux2", "Comm Port", TextRule(5)), K('S', "SlaveMux2", "Byte Size", TextRule(5)),
      K('S', "SlaveMux2", "Baud", TextRule(7)), K('S', "SlaveMux2", "Parity", NumberRule(0, 3)),
      K('S', "SlaveMux2", "Stop Bits", NumberRule(0, 2)), K('S', "SlaveMux2", "Enable Mux", kNumber),
      N('S', "USB", "Unit %d ID", TextRule(39), 1, 2)}},
    {IDM_SLAVE_MUX3, "Slave Mux 3",
     {K('S', "SlaveMux3", "Comm Port", TextRule(5)), K('S', "SlaveMux3", "Byte Size", TextRule(5)),
      K('S', "SlaveMux3", "Baud", TextRule(7)), K('S', "SlaveMux3", "Parity", NumberRule(0, 3)),
      K('S', "SlaveMux3", "Stop Bits", NumberRule(0, 2)), K('S', "SlaveMux3", "Enable Mux", kNumber),
      N('S', "USB", "Unit %d ID", TextRule(39), 1, 2)}},
    {IDM_HISTORY, "History", {}},
    {IDM_CHECK_SITE, "Check Site", {}},
    {IDM_COMPARE_SITE, "Compare with Site", {}},
    {IDM_ROLL_OUT, "Roll Out to Sites", {}},
};

std::string Numbered(const char* pattern, int number)
{
    if (!std::strstr(pattern, "%d"))
        return pattern;
    char text[128];
    std::snprintf(text, sizeof text, pattern, number);
    return text;
}

// Whether text is the pattern with some number from first to last put in for its "%d".
bool PatternMatches(const char* pattern, int first, int last, const std::string& text)
{
    const char* mark = std::strstr(pattern, "%d");
    if (!mark)
        return EqualNoCase(pattern, text);
    const std::string_view head(pattern, static_cast<size_t>(mark - pattern)), tail(mark + 2);
    if (text.size() <= head.size() + tail.size() || !EqualNoCase(std::string_view(text).substr(0, head.size()), head) ||
        !EqualNoCase(std::string_view(text).substr(text.size() - tail.size()), tail))
        return false;
    const std::string digits = text.substr(head.size(), text.size() - head.size() - tail.size());
    const std::optional<int> n = ParseSignedText(digits);
    return n && digits.find_first_not_of("0123456789") == std::string::npos && std::to_string(*n) == digits && *n >= first && *n <= last;
}

} // namespace

const std::vector<CommandKeys>& CommandTable() { return kTable; }

const CommandKeys* FindCommand(UINT id)
{
    for (const CommandKeys& command : kTable)
        if (command.id == id)
            return &command;
    return nullptr;
}

std::string EntrySection(const OwnedKey& entry, int number) { return Numbered(entry.section, number); }
std::string EntryKey(const OwnedKey& entry, int number) { return Numbered(entry.key, number); }

bool EntryMatches(const OwnedKey& entry, char file, const std::string& section, const std::string& key)
{
    if (entry.file != file)
        return false;
    const bool numberedSection = std::strstr(entry.section, "%d") != nullptr;
    for (int n = entry.first; numberedSection && n <= entry.last; ++n)
        if (EqualNoCase(EntrySection(entry, n), section) && EqualNoCase(EntryKey(entry, n), key))
            return true;
    return !numberedSection && EqualNoCase(entry.section, section) && PatternMatches(entry.key, entry.first, entry.last, key);
}

bool SiteSpecificKey(char file, const std::string& section, const std::string& key)
{
    const auto is = [&](char f, const char* s) { return file == f && EqualNoCase(section, s); };
    const std::string k = UpperAscii(key);
    return (is('S', "OrvaBank") && k == "BANK NAME") || is('D', "Map") || (is('S', kSecIPCamera) && k.ends_with(" ADDRESS")) ||
           (is('S', kSecIPCamera) && k.ends_with(" ACCESS")) || (is('S', "Alarms") && k == "REPORT LAN ADDR") ||
           (is('S', "TCPIP") && (k.ends_with(" ADDRESS") || k.ends_with(" MAC ADDRESS")));
}

UnitFacts ReadUnitFacts()
{
    UnitFacts unit;
    unit.channels = VideoChannels() == 32 ? 32 : 16;
    unit.major = QUELT_MajorVersion();
    unit.minor = QUELT_VersionSameOrLater(unit.major, 1) ? 1 : 0;
    unit.s617 = HasS617Card(40);
    unit.halden = IsHaldenUnit();
    unit.cards = std::clamp(ReadInt(SystemIni(), "Global", "Nbr Image Card", 0), 1, 2);
    return unit;
}

namespace {

std::string Beyond(const char* what, int number, int count, const char* of)
{
    return what + std::string(" ") + std::to_string(number) + " is beyond the " + std::to_string(count) + " " + of + " of this unit";
}

// The camera key an entry of the table is, when it is one.
const CameraKeySpelling* CameraEntry(const OwnedKey& entry)
{
    for (const CameraKeySpelling& spelling : kCameraKeys)
        if (std::strcmp(spelling.section, entry.section) == 0 && std::strcmp(spelling.pattern, entry.key) == 0)
            return &spelling;
    return nullptr;
}

std::optional<std::string> Needs(bool met, const char* what)
{
    return met ? std::nullopt : std::optional<std::string>(what);
}

} // namespace

std::optional<std::string> RefusedOnUnit(const OwnedKey& entry, int number, const std::string& value, const UnitFacts& unit)
{
    if (std::optional<std::string> broken = Violation(entry.rule, value))
        return broken;
    const std::string section = entry.section, key = entry.key;
    const bool numbered = key.find("%d") != std::string::npos || section.find("%d") != std::string::npos;
    const CameraKeySpelling* camera = CameraEntry(entry);
    if (camera && number > unit.channels)
        return Beyond("camera", number, unit.channels, "video channels");
    if (camera && camera->key == CameraKey::CaptureRate)
        return Needs(unit.major >= 11, "capture rates are chosen from recorder version 11 on");
    if (section == kSecIPCamera)
        return Needs(unit.major >= 12, "IP cameras need recorder version 12 or later");
    if (section == "Email")
        return Needs(unit.major > 12 || (unit.major == 12 && unit.minor >= 1), "e-mail notification needs recorder version 12.1 or later");
    if (section == "TCPIP" && numbered) {
        const int devices = unit.major >= 11 ? 16 : 8;
        return number > devices ? std::optional(Beyond("device", number, devices, "TCP/IP devices")) : std::nullopt;
    }
    if (section == "TDI Port") {
        if (unit.major < 12)
            return "TDI ports need recorder version 12 or later";
        if (number > 4 * unit.cards)
            return Beyond("port", number, 4 * unit.cards, "TDI ports");
        if (key == "Port %d Camera" && LeadingInt(value) > unit.channels)
            return Beyond("camera", LeadingInt(value), unit.channels, "video channels");
    }
    if (section == "OrvaBank" && key == "Last Remote View Lobby Camera" && LeadingInt(value) > unit.channels)
        return Beyond("camera", LeadingInt(value), unit.channels, "video channels");
    if (section == "OrvaVideo" && key == "Camera Scan %d On") {
        const int ports = unit.s617 ? unit.channels : 4;
        return number > ports ? std::optional(Beyond("video output port", number, ports, "scanned ports")) : std::nullopt;
    }
    if (section == "Alarms" && key.starts_with("Ch %d")) {
        if (unit.halden)
            return "a Halden unit has no alarm inputs to set";
        const int inputs = unit.s617 && unit.channels == 32 ? 4 : 2;
        return number > inputs ? std::optional(Beyond("alarm input", number, inputs, "alarm inputs")) : std::nullopt;
    }
    if (section == "Alarms" && (key == "Alarm Relay Enabled %d" || key == "Alarm Output Mask %d")) {
        if (!unit.s617 || unit.halden)
            return "conditional relays need an S617 card";
        const int relays = unit.channels == 32 ? 4 : 2;
        return number > relays ? std::optional(Beyond("relay", number, relays, "conditional relays")) : std::nullopt;
    }
    if (section == "Alarms" && (key == "Alarm Relay Enabled" || key == "Alarm Relay Channel"))
        return Needs(!unit.s617 && !unit.halden, "this unit has conditional relays instead of the single alarm relay");
    return std::nullopt;
}
