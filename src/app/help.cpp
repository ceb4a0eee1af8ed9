#include "help.h"

#include "helptopic.h"
#include "numtext.h"
#include "resource.h"
#include "site.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string_view>
#include <vector>

namespace {

// The F1 table. A command's section tells what it is for and what its dialog's fields mean; a
// sheet's pages and the dialogs a dialog opens have sections of their own where they differ.
const std::vector<HelpTopic> kTopics = {
    {"advanced", "Advanced", {IDM_ADVANCED}, {}},
    {"exit", "Exit", {IDM_EXIT}, {}},
    {"camera-system", "System Configuration", {IDM_CAMERA_SYSTEM}, {"IDD_GENCAMPROP"}},
    {"port-configuration", "Port Configuration", {IDM_PORT_CONFIG}, {"IDD_CAMERAPROP", "IDD_CAMERAPROP_2"}},
    {"name-assignment", "Name Assignment", {IDM_NAME_ASSIGNMENT}, {"IDD_CAMNAMES"}},
    {"overview", "Overview", {IDM_CAMERA_OVERVIEW}, {"IDD_OVERVIEW"}},
    {"copy-settings", "Copy Settings", {}, {"IDD_COPY_SETTINGS", "IDD_COPY_CONFIRM"}},
    {"image-selection", "Image Selection", {IDM_IMAGE_SELECTION}, {"IDD_IMAGESELECTION"}},
    {"video-parameters", "Video Parameters", {IDM_VIDEO_PARAMS}, {"IDD_VIDEO_CFG", "IDD_VIDEO_CFG2"}},
    {"video-output", "Video Output", {IDM_VIDEO_OUTPUT}, {"IDD_SCAN_VIDEO", "IDD_SCAN_VIDEO32"}},
    {"captions", "Captions", {IDM_CAPTIONS}, {"IDD_CAPTIONS"}},
    {"schedule", "Schedule", {IDM_SCHEDULE}, {"IDD_SCHED_MAIN"}},
    {"schedule-days", "The day pages", {}, {"IDD_SCHEDUAL"}},
    {"week", "The Week page", {}, {"IDD_SCHED_WEEK", "IDD_SCHED_COPYDAY"}},
    {"tdi-ports", "TDI Ports", {IDM_TDI_PORTS}, {"IDD_SERIALPORT"}},
    {"transactions", "Transactions", {IDM_TRANSACTIONS}, {"IDD_BANKPROTOCOL"}},
    {"atm-transactions", "ATM Transactions", {IDM_ATM_TRANSACTIONS}, {"IDD_ATMPRINT"}},
    {"tcpip-monitoring", "TCPIP Monitoring", {IDM_TCPIP_MONITORING}, {"IDD_TCPIP_MON"}},
    {"tcpip-atm-config", "TCPIP ATM Config", {IDM_TCPIP_ATM_CONFIG}, {"IDD_ATMPROTOCOL"}},
    {"tcpip-capture", "TCPIP Capture", {IDM_TCPIP_CAPTURE}, {"IDD_ADAPTER_INFO"}},
    {"alarm-config", "Alarm Config", {IDM_ALARM_CONFIG}, {}},
    {"system-alarms", "The Alarm Configuration page", {}, {"IDD_SYSTEMALARMS", "IDD_SYSTEMALARMS_SMS"}},
    {"input-alarms", "The input alarm pages", {}, {"IDD_INPUTALARMS"}},
    {"output-alarm", "The output alarm page", {}, {"IDD_OUTPUTALARMS"}},
    {"conditional-relays", "The conditional relay pages", {}, {"IDD_CONDITIONAL_OUTPUTALARMS"}},
    {"email", "E-mail and SMS notification", {}, {"EMAILDIALOG"}},
    {"email-password", "The SMTP password", {}, {"NEWPASSWORD"}},
    {"email-wizard", "The Email and Page Wizard", {}, {"EMAILWIZARD"}},
    {"site-map", "Site Map", {IDM_SITE_MAP}, {"IDD_SITEMAP"}},
    {"remote-monitoring", "Remote Monitoring", {IDM_REMOTE_MONITORING}, {"IDD_RMTMONITOR"}},
    {"site-identification", "Site Identification", {IDM_SITE_ID}, {"IDD_SITEID", "IDD_SITEID_RMT"}},
    {"version-info", "Version Info", {IDM_VERSION_INFO}, {"IDD_INQUIRYVER", "IDD_INQUIRYVER2"}},
    {"modem", "Modem", {IDM_MODEM}, {"IDD_MODEM"}},
    {"com-ports", "Com Ports", {IDM_PRIMARY_MUX, IDM_SLAVE_MUX1, IDM_SLAVE_MUX2, IDM_SLAVE_MUX3}, {"IDD_COMM"}},
    {"system-health", "System Health", {IDM_SYSTEM_HEALTH}, {"IDD_SYSTEM_HEALTH"}},
    {"disk-usage", "Disk Usage", {IDM_DISK_USAGE}, {"IDD_DISK", "IDD_DISK2"}},
    {"activity-log", "Activity Log", {IDM_ACTIVITY_LOG}, {"IDD_ACTIVITYLOG"}},
    {"status-log", "Status Log", {IDM_STATUS_LOG}, {"IDD_STATUSLOG"}},
    {"history", "History", {IDM_HISTORY}, {"IDD_HISTORY"}},
    {"check-site", "Check Site", {IDM_CHECK_SITE}, {"IDD_CHECKSITE"}},
    {"compare", "Compare with Site", {IDM_COMPARE_SITE}, {"IDD_COMPARE"}},
    {"site-report", "Site Report", {IDM_SITE_REPORT}, {}},
    {"roll-out", "Roll Out to Sites", {IDM_ROLL_OUT}, {"IDD_ROLLOUT"}},
    {"help-topics", "Help Topics", {IDM_HELP_TOPICS}, {}},
    {"about", "About", {IDM_ABOUT}, {"ABOUT"}},
};

constexpr char kHelpFile[] = "Bank ORVA Help.HLP";

// The folder of the running program, with a trailing backslash.
std::string ProgramFolder()
{
    std::vector<char> path(MAX_PATH);
    DWORD n = 0;
    while ((n = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()))) >= path.size() && path.size() < 32768)
        path.resize(path.size() * 2);
    const std::string self(path.data(), n < path.size() ? n : 0);
    return self.substr(0, self.find_last_of('\\') + 1);
}

bool FileExists(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Under Wine the program for web pages is one of the host system, which reads the host's paths:
// the Windows path of the guide would lead it nowhere.
std::string HostPath(const std::string& path)
{
    using ToUnix = char*(CDECL*)(const WCHAR*);
    const HMODULE kernel = GetModuleHandleA("kernel32.dll");
    const auto toUnix = reinterpret_cast<ToUnix>(reinterpret_cast<void*>(kernel ? GetProcAddress(kernel, "wine_get_unix_file_name") : nullptr));
    if (!toUnix)
        return path;
    std::wstring wide(path.size() + 1, L'\0');
    wide.resize(static_cast<size_t>(std::max(MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), static_cast<int>(wide.size())), 1) - 1));
    char* host = toUnix(wide.c_str());
    if (!host)
        return path;
    std::string result = host;
    HeapFree(GetProcessHeap(), 0, host);
    return result;
}

// The file: address of a local file, as a browser reads it: the path in UTF-8, every byte but
// letters, digits and "-._~/:" written as %XX.
std::string FileUrl(const std::string& path)
{
    std::string utf8 = HostPath(path);
    if (utf8 == path) {
        std::wstring wide(path.size() + 1, L'\0');
        wide.resize(static_cast<size_t>(std::max(MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), static_cast<int>(wide.size())), 1) - 1));
        utf8.assign(wide.size() * 3 + 1, '\0');
        utf8.resize(static_cast<size_t>(std::max(WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr), 1) - 1));
    }
    for (char& c : utf8)
        if (c == '\\')
            c = '/';
    // C:/x is file:///C:/x, //server/share/x (a network path) is file://server/share/x, and a
    // host path /home/x is file:///home/x.
    std::string url = utf8.starts_with("//") ? "file:" : utf8.starts_with("/") ? "file://" : "file:///";
    for (const unsigned char c : utf8) {
        if (std::isalnum(c) || std::string_view("-._~/:").find(static_cast<char>(c)) != std::string_view::npos) {
            url += static_cast<char>(c);
        } else {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", c);
            url += escaped;
        }
    }
    return url;
}

// The shell opens a file by its path and drops any "#section" after it, so the guide is opened at
// a section through a small page of our own, written to the temporary folder, that sends the
// browser on to the guide's address with the section. Empty when it cannot be written.
std::string WriteSectionPage(const HelpTopic& topic)
{
    char temp[MAX_PATH + 1] = "";
    const DWORD n = GetTempPathA(sizeof temp, temp);
    if (n == 0 || n > MAX_PATH)
        return "";
    const std::string page = std::string(temp) + "ORVA Configurator guide.html";
    const std::string url = FileUrl(GuidePath()) + "#" + topic.anchor;
    const std::string html = std::string("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n") +
                             "<meta http-equiv=\"refresh\" content=\"0; url=" + url + "\">\n<title>ORVA Configurator guide: " + topic.title +
                             "</title>\n</head>\n<body>\n<p><a href=\"" + url + "\">The ORVA Configurator guide: " + topic.title +
                             "</a></p>\n</body>\n</html>\n";
    const HANDLE file = CreateFileA(page.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return "";
    DWORD written = 0;
    const bool ok = WriteFile(file, html.data(), static_cast<DWORD>(html.size()), &written, nullptr) && written == html.size();
    CloseHandle(file);
    return ok ? page : "";
}

} // namespace

const std::vector<HelpTopic>& HelpTopics() { return kTopics; }

const HelpTopic* TopicOfCommand(UINT command)
{
    for (const HelpTopic& topic : kTopics)
        for (const UINT id : topic.commands)
            if (id == command)
                return &topic;
    return nullptr;
}

const HelpTopic* TopicOfTemplate(const char* templateName)
{
    if (!templateName || IS_INTRESOURCE(templateName))
        return nullptr;
    for (const HelpTopic& topic : kTopics)
        for (const char* name : topic.templates)
            if (EqualNoCase(name, templateName))
                return &topic;
    return nullptr;
}

std::string GuidePath() { return ProgramFolder() + "docs\\guide\\index.html"; }

void OpenGuide(HWND owner, const HelpTopic* topic)
{
    const std::string guide = GuidePath();
    if (!FileExists(guide)) {
        MessageBoxA(owner, ("The guide is not beside the program: " + guide + " is missing.").c_str(), "Help", MB_OK | MB_ICONINFORMATION);
        return;
    }
    const std::string section = topic ? WriteSectionPage(*topic) : "";
    if (ShellOpen(owner, section.empty() ? guide : section))
        return;
    std::string text = "No program here opens web pages. The guide is\n" + guide + "\nOpen it with a web browser";
    text += topic ? std::string(" and look up \"") + topic->title + "\"." : ".";
    MessageBoxA(owner, text.c_str(), "Help", MB_OK | MB_ICONINFORMATION);
}

void ShowHelpTopics(HWND wnd)
{
    // A help file of the old format beside the program is what its installation chose; where
    // Windows can no longer show it, the guide is shown instead.
    const std::string helpFile = ProgramFolder() + kHelpFile;
    if (FileExists(helpFile) && WinHelpA(wnd, helpFile.c_str(), HELP_FINDER, 0))
        return;
    OpenGuide(wnd, nullptr);
}

void ShowHelp(HWND wnd, const HELPINFO& info, UINT runningCommand)
{
    const HelpTopic* topic = nullptr;
    HWND asking = wnd;
    if (info.iContextType == HELPINFO_MENUITEM) {
        topic = TopicOfCommand(static_cast<UINT>(info.iCtrlId));
    } else if (const auto item = static_cast<HWND>(info.hItemHandle); item && IsWindow(item)) {
        topic = TopicOfTemplate(HelpTopicOf(item));
        asking = GetAncestor(item, GA_ROOT);
        if (!topic && asking != wnd)
            topic = TopicOfCommand(runningCommand);
    }
    OpenGuide(asking ? asking : wnd, topic);
}
