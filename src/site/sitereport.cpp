#include "sitereport.h"

#include "sitecheck.h"
#include "sitefiles.h"

#include "cameras/camerapage.h"
#include "cameras/schedule.h"
#include "defines.h"
#include "numtext.h"
#include "profile.h"
#include "quelt_utils.h"
#include "site.h"
#include "sitemap/mapview.h"
#include "sitemap/wicpicture.h"
#include "transactions/bankprotocol.h"
#include "transactions/tcpipmon.h"
#include "unit.h"

#include <array>
#include <ctime>
#include <new>
#include <optional>
#include <span>
#include <vector>

namespace {

constexpr char kStyle[] = R"(
body { font-family: Arial, Helvetica, sans-serif; font-size: 10pt; color: #000; margin: 1.5em; }
h1 { font-size: 16pt; margin-bottom: 0.2em; }
h2 { font-size: 12pt; margin: 1.4em 0 0.4em; border-bottom: 1px solid #888; break-after: avoid; page-break-after: avoid; }
p.note { color: #444; margin: 0.2em 0; }
table { border-collapse: collapse; margin-bottom: 0.6em; }
th, td { border: 1px solid #999; padding: 2px 5px; text-align: left; vertical-align: top; }
th { background: #e8e8e8; }
tr, img, table.grid, table.pairs { break-inside: avoid; page-break-inside: avoid; }
thead { display: table-header-group; }
table.grid td, table.grid th { width: 1.6em; padding: 1px; text-align: center; font-size: 8pt; }
table.grid td.on { background: #6a6; }
td.off, span.unset { color: #595959; }
img { max-width: 100%; border: 1px solid #999; }
* { -webkit-print-color-adjust: exact; print-color-adjust: exact; }
@page { margin: 12mm; }
@media print { body { margin: 0; font-size: 9pt; } }
)";

constexpr char kUnset[] = "<span class=\"unset\">not set</span>";

std::string YesNo(bool yes) { return yes ? "yes" : "no"; }

// One value of a list of settings: a flag (any nonzero number is on), a number or a text, with
// the value its dialog shows when the key is absent (no default: "not set").
struct Setting {
    const char* label;
    const char* section;
    const char* key;
    enum Kind { Flag, Number, Text } kind;
    const char* def = nullptr;
};

class Report {
public:
    explicit Report(const SiteCheckResult& check) : check(check) {}

    std::string Build()
    {
        const std::string bank = Value("OrvaBank", "Bank Name").value_or("");
        out = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"windows-1252\">\n<title>Site report: " +
              HtmlText(bank.empty() ? IniFile : bank) + "</title>\n<style>" + kStyle + "</style>\n</head>\n<body>\n<main>\n";
        Unit(bank);
        Cameras();
        Schedule();
        Alarms();
        Email();
        Transactions();
        Storage();
        Map();
        Findings();
        out += "</main>\n</body>\n</html>\n";
        return out;
    }

private:
    std::optional<std::string> Value(const char* section, const std::string& key) { return files.Value('S', section, key); }

    // A stored value as a page shows it, escaped; "not set" when absent and without default.
    std::string Shown(const Setting& setting)
    {
        const std::optional<std::string> value = Value(setting.section, setting.key);
        if (!value && !setting.def)
            return kUnset;
        const std::string text = value.value_or(setting.def);
        switch (setting.kind) {
        case Setting::Flag:
            return YesNo(LeadingInt(text) != 0);
        case Setting::Number:
            return std::to_string(LeadingInt(text));
        case Setting::Text:
            break;
        }
        return HtmlText(text);
    }

    void Heading(const char* title) { out += std::string("<h2>") + title + "</h2>\n"; }

    void Row(std::initializer_list<std::string> cells, const char* cell = "td")
    {
        out += "<tr>";
        for (const std::string& text : cells)
            out += std::string("<") + cell + ">" + text + "</" + cell + ">";
        out += "</tr>\n";
    }

    void Pairs(std::span<const Setting> settings)
    {
        out += "<table class=\"pairs\">\n";
        for (const Setting& setting : settings)
            Row({setting.label, Shown(setting)});
        out += "</table>\n";
    }

    void Unit(const std::string& bank)
    {
        out += "<h1>Site report: " + (bank.empty() ? kUnset : HtmlText(bank)) + "</h1>\n";
        char when[32] = "";
        const std::time_t now = std::time(nullptr);
        if (const std::tm* local = std::localtime(&now))
            std::strftime(when, sizeof when, "%Y-%m-%d %H:%M", local);
        out += "<p class=\"note\">" + HtmlText(IniFile) + (AtLocalSite() ? " (this recorder)" : " (a remote site)") + ", " + when +
               "</p>\n";
        Heading("Unit");
        const std::string title = EqTypeTitle();
        const size_t dash = title.find(" - ");
        static constexpr Setting kUnit[] = {{"Recorder version", "Global", "QUELT Version", Setting::Text},
                                            {"Capture card", "Global", "Image Card", Setting::Text},
                                            {"Capture cards", "Global", "Nbr Image Card", Setting::Number},
                                            {"Video channels", "Global", "Video Channels", Setting::Number}};
        out += "<table class=\"pairs\">\n";
        Row({"Unit type", dash == std::string::npos ? std::string(kUnset) : HtmlText(title.substr(dash + 3))});
        for (const Setting& setting : kUnit)
            Row({setting.label, Shown(setting)});
        Row({"Menu", AdvancedMenuOn() ? "advanced" : "basic"});
        out += "</table>\n";
    }

    void Cameras()
    {
        Heading("Cameras");
        out += "<table>\n<thead>";
        Row({"Camera", "Name", "In use", "Kind", "Port or address", "Capture rate", "Motion detection", "Motion amount (%)",
             "Illumination monitoring", "Illumination alarm level"},
            "th");
        out += "</thead>\n";
        for (const CameraSummary& c : ReadCameraSummaries(NbrKestoCameras())) {
            Row({std::to_string(c.number), HtmlText(c.name), YesNo(c.on), c.ip ? "IP" : "analog",
                 c.ip ? (c.address.empty() ? std::string(kUnset) : HtmlText(c.address)) : "port " + std::to_string(c.port),
                 c.rate.empty() ? "-" : HtmlText(c.rate), YesNo(c.motion), std::to_string(c.motionAmount),
                 YesNo(c.illumination) + (c.illuminationCal ? ", calibrated" : ""), std::to_string(c.illuminationAlarm)});
        }
        out += "</table>\n<p class=\"note\">Capture rate: the frames per second (FPS), or seconds per frame (SPF), that each "
               "camera in use gets, as its camera page shows it.</p>\n";
    }

    void Schedule()
    {
        Heading("Surveillance schedule");
        static constexpr Setting kSchedule[] = {{"Schedule enabled", "Schedule", "Enabled", Setting::Flag, "0"},
                                                {"Motion detection while off", "Schedule", "MD When Off", Setting::Flag, "1"}};
        Pairs(kSchedule);
        static constexpr std::array<const char*, 7> kDays = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
        out += "<table class=\"grid\">\n<thead><tr><th>Day</th>";
        for (int hour = 0; hour < 24; ++hour)
            out += "<th>" + std::to_string(hour) + "</th>";
        out += "</tr></thead>\n";
        for (size_t day = 0; day < kDays.size(); ++day) {
            out += std::string("<tr><th>") + kDays[day] + "</th>";
            for (int hour = 0; hour < 24; ++hour) {
                const bool on = LeadingInt(Value("Schedule", DayOfWeek[day + 1] + std::to_string(hour)).value_or("0")) != 0;
                out += on ? "<td class=\"on\">&#9679;</td>" : "<td></td>";
            }
            out += "</tr>\n";
        }
        out += "</table>\n<p class=\"note\">&#9679; the hour (from its start to the next) is an ON period; columns are the "
               "hours of the day, 0 to 23.</p>\n";
    }

    bool AlarmOn(const std::string& key, int def = 0) { return LeadingInt(Value("Alarms", key).value_or(std::to_string(def))) != 0; }
    std::string AlarmFlag(const std::string& key, int def = 0) { return YesNo(AlarmOn(key, def)); }

    void Alarms()
    {
        Heading("Alarm inputs");
        out += "<table>\n<thead>";
        Row({"Input", "Enabled", "Contact", "Log", "Phone", "LAN", "E-mail", "Duration (s)", "Cameras"}, "th");
        out += "</thead>\n";
        for (int input = 1; input <= 4; ++input) {
            const std::string ch = "Ch " + std::to_string(input) + " ";
            const std::optional<std::string> ports = Value("Alarms", ch + "Ports");
            Row({std::to_string(input), AlarmFlag(ch + "Enabled"), AlarmOn(ch + "Active High") ? "open" : "closed",
                 AlarmFlag(ch + "Report to Log"), AlarmFlag(ch + "Report to Phone"), AlarmFlag(ch + "Report to LAN"),
                 AlarmFlag(ch + "Report to Email"), std::to_string(LeadingInt(Value("Alarms", ch + "Duration").value_or("0"))),
                 ports && !ports->empty() ? HtmlText(*ports) : "-"});
        }
        out += "</table>\n";
        Heading("Relays");
        out += "<table>\n<thead>";
        Row({"Relay", "Enabled", "Switched on by"}, "th");
        out += "</thead>\n";
        Row({"Alarm relay, channel " + std::to_string(LeadingInt(Value("Alarms", "Alarm Relay Channel").value_or("2"))),
             AlarmFlag("Alarm Relay Enabled", 1), "alarm inputs"});
        static constexpr std::pair<int, const char*> kConditions[] = {{1, "disk failure"}, {2, "multiplexer failure"},
                                                                      {8, "illumination alarm"}, {16, "video failure"}};
        for (int relay = 1; relay <= 4; ++relay) {
            const int mask = LeadingInt(Value("Alarms", "Alarm Output Mask " + std::to_string(relay)).value_or("0"));
            std::string conditions;
            for (const auto& [bit, name] : kConditions)
                if (mask & bit)
                    conditions += (conditions.empty() ? "" : ", ") + std::string(name);
            Row({"Output relay #" + std::to_string(relay > 2 ? relay - 2 : relay) + (relay > 2 ? " (slave multiplexer)" : " (primary multiplexer)"),
                 AlarmFlag("Alarm Relay Enabled " + std::to_string(relay)), conditions.empty() ? "-" : conditions});
        }
        out += "</table>\n";
        Heading("System alarms");
        static constexpr Setting kSystem[] = {
            {"Report video failures", "Alarms", "Report Video Failures", Setting::Flag, "0"},
            {"Report multiplexer failures", "Alarms", "Report Mux Fail", Setting::Flag, "0"},
            {"Report disk failures", "Alarms", "Report Disk Fail", Setting::Flag, "0"},
            {"Report power up", "Alarms", "Report Power Up", Setting::Flag, "0"},
            {"Report reboot", "Alarms", "Report Reboot", Setting::Flag, "0"},
            {"Report illumination alarms", "Alarms", "Report Illum Alarm", Setting::Flag, "0"},
            {"Watchdog", "Alarms", "Enable Watchdog", Setting::Flag, "1"},
            {"System report to phone", "Alarms", "System Report to Phone", Setting::Flag, "0"},
            {"Report phone number", "Alarms", "Report Phone Nbr", Setting::Text},
            {"System report to LAN", "Alarms", "System Report to LAN", Setting::Flag, "0"},
            {"Report LAN address", "Alarms", "Report LAN Addr", Setting::Text},
            {"Status report every (hours)", "Status Report", "Report Hours", Setting::Number, "0"}};
        Pairs(kSystem);
    }

    void Email()
    {
        Heading("E-mail notification");
        static constexpr Setting kEmail[] = {{"Mail server", "Email", "Host", Setting::Text},
                                             {"User", "Email", "Snmp User", Setting::Text},
                                             {"From", "Email", "From", Setting::Text},
                                             {"To (addresses)", "Email", "To Address", Setting::Text},
                                             {"To (name)", "Email", "To Name", Setting::Text},
                                             {"On disk error", "Email", "On Disk Error", Setting::Flag, "0"},
                                             {"On video error", "Email", "On Video Error", Setting::Flag, "0"},
                                             {"On video restored", "Email", "On Video Restored", Setting::Flag, "0"},
                                             {"On multiplexer error", "Email", "On Mux Error", Setting::Flag, "0"},
                                             {"On alarm input", "Email", "On Alarm Input", Setting::Flag, "0"},
                                             {"On illumination error", "Email", "On Illum Error", Setting::Flag, "0"},
                                             {"On power up", "Email", "On Power Up", Setting::Flag, "0"},
                                             {"On termination", "Email", "On Termination", Setting::Flag, "0"}};
        Pairs(kEmail);
        // Whether a password is stored, never the password.
        const std::optional<std::string> password = Value("Email", "PW");
        out += std::string("<p class=\"note\">Password: ") + (password && !password->empty() ? "stored (not shown)" : "none") +
               "</p>\n";
    }

    void Transactions()
    {
        Heading("Transactions");
        const int protocol = LeadingInt(Value("OrvaComm", "Bank Protocol").value_or("0"));
        static constexpr Setting kTransactions[] = {{"Images per transaction", "Transaction", "Number of Images", Setting::Number, "1"},
                                                    {"Print events", "Transaction", "Print Events", Setting::Flag, "0"},
                                                    {"Customer field size", "Transaction", "Cust Size", Setting::Number, "0"},
                                                    {"TCP/IP events", "Transaction", "TCPIP Events", Setting::Flag, "0"}};
        out += "<table class=\"pairs\">\n";
        Row({"Bank protocol", protocol >= 0 && static_cast<size_t>(protocol) < BankProtocolAscii.size()
                                  ? BankProtocolAscii[static_cast<size_t>(protocol)]
                                  : "number " + std::to_string(protocol) + " (not in the list)"});
        for (const Setting& setting : kTransactions)
            Row({setting.label, Shown(setting)});
        out += "</table>\n";

        Heading("TCP/IP monitoring");
        out += "<table>\n<thead>";
        Row({"Device", "Type", "Address", "Camera port", "Teller location", "Branch", "Condition 1", "Condition 2"}, "th");
        out += "</thead>\n";
        int devices = 0;
        for (int device = 1; device <= 32; ++device) {
            const std::string prefix = "Device " + std::to_string(device) + " ";
            const std::optional<std::string> type = Value("TCPIP", prefix + "Type");
            if (LeadingInt(type.value_or("0")) == 0)
                continue; // inactive
            ++devices;
            const int kind = LeadingInt(type.value_or("0"));
            const auto text = [&](const char* what) {
                const std::optional<std::string> value = Value("TCPIP", prefix + what);
                return value && !value->empty() ? HtmlText(*value) : std::string("-");
            };
            Row({std::to_string(device),
                 kind >= 0 && static_cast<size_t>(kind) < TcpipDeviceText.size() ? TcpipDeviceText[static_cast<size_t>(kind)]
                                                                                : "number " + std::to_string(kind),
                 text("Address"), text("Port"), text("Teller Loc"), text("Branch"), text("Condition 1 String"),
                 text("Condition 2 String")});
        }
        if (devices == 0)
            Row({"-", "no device is watched", "", "", "", "", "", ""});
        out += "</table>\n<p class=\"note\">Devices not listed are inactive.</p>\n";
    }

    void Storage()
    {
        Heading("Disk and log limits");
        static constexpr Setting kStorage[] = {{"Image folder", "OrvaFile", "File Folder", Setting::Text, "\\IMG\\"},
                                               {"Drives", "OrvaFile", "Drives", Setting::Number, "1"},
                                               {"Daily reservation (Mbytes)", "OrvaFile", "DaysUsage", Setting::Number, "1000"},
                                               {"Lobby images kept (days)", "OrvaFile", "LobbyDays", Setting::Number, "7"},
                                               {"Teller images kept, at least (days)", "OrvaFile", "Min Teller Days", Setting::Number, "14"},
                                               {"Teller images kept, at most (days)", "OrvaFile", "Max Teller Days", Setting::Number, "365"},
                                               {"Event images kept (days)", "OrvaFile", "EventDays", Setting::Number, "7"},
                                               {"External trash removal", "OrvaFile", "External Trash Removal", Setting::Flag, "1"},
                                               {"Activity log kept (days)", "OrvaFile", "Activity Log Storage", Setting::Number, "30"},
                                               {"Status log size (Kbytes)", "OrvaFile", "Status Log Size", Setting::Number, "100"}};
        Pairs(kStorage);
    }

    void Map()
    {
        Heading("Site map");
        const std::optional<std::string> name = files.Value('D', "Map", "Name");
        if (!name || name->empty()) {
            out += "<p>No map picture is set.</p>\n";
            return;
        }
        // A map of the largest size the decoders take needs more than a gigabyte at each step:
        // where memory runs out, the report says so and goes on.
        Picture picture;
        int loaded = kImageNoMemory;
        std::string png;
        try {
            loaded = LoadMapWithIcons(picture);
            if (loaded == 0)
                png = Base64(EncodePng(picture));
        } catch (const std::bad_alloc&) {
            png.clear();
        }
        if (loaded != 0)
            out += "<p>The map picture " + HtmlText(*name) + " cannot be read (" + FormatLeadError(loaded) + ").</p>\n";
        else if (png.empty())
            out += "<p>The map picture " + HtmlText(*name) + " could not be made into a picture for the report (too large, or no PNG encoder here).</p>\n";
        else
            out += "<p class=\"note\">" + HtmlText(*name) + ", " + std::to_string(picture.width) + " x " + std::to_string(picture.height) +
                   ", with the camera icons remote users see.</p>\n<img alt=\"Site map with camera icons\" width=\"" +
                   std::to_string(picture.width) + "\" height=\"" + std::to_string(picture.height) + "\" src=\"data:image/png;base64," +
                   png + "\">\n";
    }

    void Findings()
    {
        Heading("Site check");
        const SiteCheckResult& result = check;
        if (result.findings.empty()) {
            out += "<p>No problem found in " + std::to_string(result.valuesChecked) + " values checked.</p>\n";
            return;
        }
        out += "<p>" + Plural(result.findings.size(), "problem") + " in " +
               std::to_string(result.valuesChecked) + " values checked:</p>\n<ul>\n";
        for (const Finding& finding : result.findings)
            out += "<li>" + HtmlText(FormatFinding(finding)) + "</li>\n";
        out += "</ul>\n";
    }

    const SiteCheckResult& check;
    SiteFiles files;
    std::string out;
};

} // namespace

std::string HtmlText(std::string_view text)
{
    std::string safe;
    safe.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&': safe += "&amp;"; break;
        case '<': safe += "&lt;"; break;
        case '>': safe += "&gt;"; break;
        case '"': safe += "&quot;"; break;
        case '\'': safe += "&#39;"; break;
        default: safe += c;
        }
    }
    return safe;
}

std::string SiteReportHtml(const SiteCheckResult& check)
{
    const ReadSession session;
    return Report(check).Build();
}
std::string SiteReportHtml() { return SiteReportHtml(CheckSite()); }

std::string WriteSiteReport(const std::string& path, const SiteCheckResult& check) { return WriteTextFile(path, SiteReportHtml(check)); }
std::string WriteSiteReport(const std::string& path) { return WriteSiteReport(path, CheckSite()); }

void SaveSiteReport(HINSTANCE, HWND parent)
{
    std::string path = "Site Report.html";
    if (!ChooseSaveFile(parent, "Save Site Report", "Web Pages (*.html)|*.html;*.htm|All Files (*.*)|*.*|", "html", path))
        return;
    const HCURSOR cursor = SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)));
    const std::string failure = WriteSiteReport(path);
    SetCursor(cursor);
    if (!failure.empty()) {
        MessageBoxA(parent, ("The site report could not be written to " + path + ":\n" + failure).c_str(), "Site Report",
                    MB_OK | MB_ICONSTOP);
        return;
    }
    OpenInBrowser(parent, path);
}
