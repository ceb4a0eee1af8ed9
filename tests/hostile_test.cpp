// Damaged and hand-edited files: every key the program reads holds an extreme value. Every
// dialog must open, and on OK (or Cancel after a refusal) write nothing but its own keys.
#include "resource.h"
#include "scenario.h"

#include <prsht.h>

namespace {

const std::vector<std::string> kExtremes = {
    std::string(10000, 'x'),
    "-2147483648",
    "99999999999",
    "\x01\x02\x7f\x1b\x08",
    "",
    "YES",
    "  -0  ",
    "S617" + std::string(5000, 'y'),
    "V",
    ",,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,",
    "QUELT V12.1",
    "2147483647",
    "\"quoted\"",
};

// Every key the program reads, with the section it lives in and the file ("S" system INI,
// "D" SiteDef.DAT, "C" ORVA_CONFIG.INI).
struct ReadKey {
    char file;
    std::string section;
    std::string key;
};

std::vector<ReadKey> KeysRead()
{
    std::vector<ReadKey> keys = {
        {'S', "Global", "Video Channels"}, {'S', "Global", "Image Card"},
        {'S', "Global", "Nbr Image Card"}, {'S', "Global", "Wendrel"},
        {'S', "Global", "Halden"},         {'S', "Global", "ORVA QUELT"},
        {'S', "Global", "QUELT Version"},  {'S', "Version", "AlertTxTask.EXE"},
        {'S', "OrvaFile", "Activity Log Storage"}, {'S', "OrvaFile", "Status Log Size"},
        {'S', "OrvaBank", "Bank Name"},    {'S', "OrvaBank", "Last Remote View Lobby Camera"},
        {'S', "OrvaVideo", "Color"},       {'S', "OrvaVideo", "Pace Motion Detect"},
        {'S', "IP Camera", "Types Supported"}, {'S', "IP Camera", "Generic URL"},
        {'D', "Viewer", "Inquiry Version"}, {'D', "Cameras Enabled", "Initilized"},
        {'C', "Config", "Auto Disable Unused Ports"},
    };
    for (int c = 1; c <= 32; ++c) {
        const std::string n = std::to_string(c);
        for (const char* suffix : {" On", " IP", ""})
            keys.push_back({'S', "OrvaBank", "Lobby Camera " + n + suffix});
        for (const char* word : {"Motion Detection", "Motion Amount", "Capture Rate",
                                 "Illumination Detection", "Illumination Cal", "Illumination Alarm"})
            keys.push_back({'S', "OrvaBank", "Ch " + n + " " + word});
        for (const char* word : {"Type", "Address", "Access", "Username", "PW"})
            keys.push_back({'S', "IP Camera", "Camera " + n + " " + word});
        keys.push_back({'D', "Camera Names", n});
    }
    return keys;
}

// What each command may write: a change counts as its own when the "FILE [section] key" text
// starts with one of these.
struct Command {
    UINT id;
    std::vector<std::string> owned;
};

const std::vector<Command> kCommands = {
    {IDM_ABOUT, {}},
    {IDM_ACTIVITY_LOG, {"S [OrvaFile] Activity Log Storage="}},
    {IDM_STATUS_LOG, {"S [OrvaFile] Status Log Size="}},
    {IDM_SITE_ID, {"S [OrvaBank] Bank Name="}},
    {IDM_VERSION_INFO, {"D [Viewer] Inquiry Version="}},
    {IDM_CAMERA_SYSTEM, {"S [OrvaBank] Last Remote View Lobby Camera=", "S [OrvaVideo] Color="}},
    {IDM_PORT_CONFIG,
     {"S [OrvaBank] Lobby Camera ", "S [OrvaBank] Ch ", "S [IP Camera] Camera ", "S [OrvaBank] Last Remote View Lobby Camera=",
      "S [OrvaVideo] Color=", "D [Camera Names] ", "D [Cameras Enabled] "}},
    {IDM_ADVANCED, {"C [Config] Advanced Menu="}},
};

class Hostile : public SiteFixture {
protected:
    // Fills every key read with an extreme value; variant shifts which key gets which value.
    void FillHostile(int variant, const char* advanced)
    {
        std::string system = "[Global]\r\nWendrel\r\n[OrvaBank]\r\n=no key\r\n", siteDef, config;
        const std::vector<ReadKey> keys = KeysRead();
        for (size_t i = 0; i < keys.size(); ++i) {
            const std::string& value = kExtremes[(i + static_cast<size_t>(variant)) % kExtremes.size()];
            std::string& text = keys[i].file == 'S' ? system : keys[i].file == 'D' ? siteDef : config;
            text = SetIniKey(text, keys[i].section, keys[i].key, value);
        }
        // A duplicate key (the first wins) and a file without a final line break.
        system += "[OrvaBank]\r\nLobby Camera 1 On=YES\r\n[Global]\r\nHalden=1";
        config = SetIniKey(config, "Config", "Advanced Menu", advanced);
        WriteRaw(SystemIniPath(), system);
        WriteRaw(PathOf("D"), siteDef);
        WriteRaw(PathOf("C"), config);
    }
};

bool Owned(const std::string& change, const std::vector<std::string>& owned)
{
    for (const std::string& prefix : owned)
        if (change.rfind(prefix, 0) == 0)
            return true;
    return false;
}

} // namespace

TEST_F(Hostile, EveryCommandOpensAndWritesOnlyItsOwnKeys)
{
    for (int variant = 0; variant < 4; ++variant) {
        for (const char* advanced : {"1", "0", "-99999999999", "junk"}) {
            FillHostile(variant, advanced);
            const HWND wnd = OpenMainWindow("orva_config.exe " + SystemIniPath());
            ASSERT_NE(wnd, nullptr);
            for (const Command& command : kCommands) {
                SCOPED_TRACE("variant " + std::to_string(variant) + ", advanced " + advanced +
                             ", command " + std::to_string(command.id));
                MarkClean();
                // OK (or, for a sheet, every page visited, then OK); after a refusal, Cancel.
                const ModalRun run = DriveModal(
                    [&] { return SendMessageA(wnd, WM_COMMAND, command.id, 0); },
                    {[](HWND dlg) {
                         const bool sheet = SendMessageA(dlg, PSM_GETTABCONTROL, 0, 0) != 0;
                         for (int page = 0; sheet && page < 32; ++page)
                             SendMessageA(dlg, PSM_SETCURSEL, static_cast<WPARAM>(page), 0);
                         if (sheet)
                             SendMessageA(dlg, PSM_PRESSBUTTON, PSBTN_OK, 0);
                         else
                             SendMessageA(dlg, WM_COMMAND, IDOK, 0);
                     },
                     [](HWND dlg) { SendMessageA(dlg, WM_COMMAND, IDCANCEL, 0); }});
                EXPECT_FALSE(run.timedOut);
                // Every command but the mode switch shows something: its dialog, or the camera
                // sheet's explanation when the stored camera count leaves no page.
                if (command.id != IDM_ADVANCED) {
                    EXPECT_TRUE(run.opened || !run.boxes.empty());
                }
                for (const std::string& change : ChangesSinceMark())
                    EXPECT_TRUE(Owned(change, command.owned)) << change;
                EXPECT_TRUE(IsWindow(wnd));
            }
            CloseMainWindow(wnd);
        }
    }
}
