// The log, site identification and version dialogs, as a technician uses them.
#include "resource.h"
#include "dlgctl.h"
#include "harness.h"

namespace {

using Dialogs = SiteFixture;

const char kRange[] = "Error - Value out of Range";
Box kNotSaved(const std::string& file)
{
    return {"Settings Not Saved", "A setting could not be saved in the file\n*\\" + file + "\n\n*", "stop"};
}
const Box kNotBelowOneDay{kRange, "Minimum Value is 1 Day", "exclamation"};
const Box kSiteNameRefused{"", "Site name cannot contain the characters ,./:*?<>|", "none"};

HWND MakeEdit(HWND dlg, int id, const char* text)
{
    return CreateWindowA("EDIT", text, WS_CHILD, 0, 0, 50, 10, dlg, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

} // namespace

// Controls are kept once found: a kept control must never stand for another dialog's, one that was
// destroyed, or one that moved away, and a control added later is found.
TEST(DialogControls, KeptControlsFollowTheDialogs)
{
    std::vector<HWND> dialogs;
    for (int i = 0; i < 6; ++i) { // more dialogs than are kept
        dialogs.push_back(CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr));
        MakeEdit(dialogs.back(), 100, ("dialog " + std::to_string(i)).c_str());
    }
    for (int round = 0; round < 2; ++round)
        for (size_t i = 0; i < dialogs.size(); ++i)
            EXPECT_EQ(GetItemText(dialogs[i], 100, 20), "dialog " + std::to_string(i));

    DestroyWindow(Item(dialogs[0], 100));
    MakeEdit(dialogs[0], 100, "made again");
    EXPECT_EQ(GetItemText(dialogs[0], 100, 20), "made again");

    const HWND elsewhere = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    SetParent(Item(dialogs[1], 100), elsewhere);
    EXPECT_EQ(Item(dialogs[1], 100), nullptr);
    EXPECT_EQ(GetItemText(elsewhere, 100, 20), "dialog 1");
    dialogs.push_back(elsewhere);

    EXPECT_EQ(Item(dialogs[3], 200), nullptr);
    const HWND added = MakeEdit(dialogs[3], 200, "added");
    EXPECT_EQ(Item(dialogs[3], 200), added);
    for (const HWND dlg : dialogs)
        DestroyWindow(dlg);
}

TEST_F(Dialogs, LogLimits)
{
    RunScenarios(*this, IDM_ACTIVITY_LOG, "", {
        {"the default is shown; 0 is refused and the dialog stays open for a correction", "",
         "see @caption = Activity Log Setup; see Number of days = 30; type Number of days = 0; ok; "
         "see Number of days = 0; type Number of days = 1; ok",
         "S [OrvaFile] Activity Log Storage=1", {kNotBelowOneDay}},
        {"any number of days from 1 up is stored", "S [OrvaFile] Activity Log Storage=45",
         "see Number of days = 45; type Number of days = 2147483647; ok", "S [OrvaFile] Activity Log Storage=2147483647"},
        {"a file that cannot be written: OK says which and why, and the dialog stays open", "S [OrvaFile] Activity Log Storage=30\nlocked S",
         "type Number of days = 40; ok; see Number of days = 40; cancel", "", {kNotSaved("orvant.ini")}},
        {"a box that holds no number reads as 0; Cancel after a refusal stores nothing", "",
         "type Number of days = 12abc; ok; cancel", "", {kNotBelowOneDay}},
    });
    RunScenarios(*this, IDM_STATUS_LOG, "", {
        {"1 to 20,000 KB: the limits are refused, the last value in range stored", "",
         "see @caption = Status Log Setup; see Maximum Status Log = 100; type Maximum Status Log = 20001; ok; "
         "type Maximum Status Log = 0; ok; type Maximum Status Log = 20000; ok",
         "S [OrvaFile] Status Log Size=20000",
         {{kRange, "Maximum Value is 20,000 (20MB)", "exclamation"}, {kRange, "Minimum Value is 1 (1KB)", "exclamation"}}},
        {"the stored size is shown and the smallest one stored", "S [OrvaFile] Status Log Size=640",
         "see Maximum Status Log = 640; type Maximum Status Log = 1; ok", "S [OrvaFile] Status Log Size=1"},
    });
}

TEST_F(Dialogs, SiteIdentification)
{
    RunScenarios(*this, IDM_SITE_ID, "", {
        {"a remote site: Unknown by default; the name stored as typed", "",
         "see @caption = Identification of Remote Site; see Site Name = Unknown; type Site Name =   Branch 12  West; ok",
         "S [OrvaBank] Bank Name=Branch 12  West"},
        {"the local site: characters that file names forbid, or a trailing blank, are refused",
         "local\nS [OrvaBank] Bank Name=Elm", "see @caption = Site Identification; see Site Name = Elm; "
         "type Site Name = Elm St.; ok; type Site Name = Elm ; ok; type Site Name = A\\B; ok; type Site Name = Elm 2; ok",
         "S [OrvaBank] Bank Name=Elm 2", {kSiteNameRefused, kSiteNameRefused, kSiteNameRefused}},
        {"a long stored name shows its first 79 characters and is kept whole unless changed",
         "S [OrvaBank] Bank Name=" + std::string(10000, 'N'), "see Site Name = " + std::string(79, 'N') + "; ok", ""},
        {"the box takes no more than the recorder keeps", "",
         "keys Site Name = " + std::string(100, 'x') + "; see Site Name = " + std::string(79, 'x') + "; cancel", ""},
    });
}

TEST_F(Dialogs, VersionInformation)
{
    RunScenarios(*this, IDM_VERSION_INFO, "D [Viewer] Inquiry Version=400", {
        {"normal mode shows the recorder's version and stores nothing", "",
         "see @caption = Software Version Information; see Bank ORVA QUELT Version = unknown; ok", ""},
        {"a long version shows its first 79 characters", "S [Global] QUELT Version=" + std::string(10000, 'V'),
         "see Bank ORVA QUELT Version = " + std::string(79, 'V') + "; ok", ""},
        {"advanced mode edits the inquiry version",
         "C [Config] Advanced Menu=1\nS [Global] QUELT Version=QUELT V12.1",
         "see @caption = Inquiry Software Version Control; see ORVA Inquiry version = 400; "
         "see Bank ORVA NT Version Info = QUELT V12.1; type ORVA Inquiry version = 401; ok",
         "D [Viewer] Inquiry Version=401"},
        {"advanced mode shows none for no inquiry version, and keeps it empty", "C [Config] Advanced Menu=1\nD [Viewer] Inquiry Version=",
         "see ORVA Inquiry version = none; ok", ""},
    });
}

TEST_F(Dialogs, SystemHealth)
{
    RunScenarios(*this, IDM_SYSTEM_HEALTH, "", {
        {"no keys: no reboot, maintenance on error with its time disabled, the 24-hour form; OK stores them", "",
         "see @caption = Monitor System Health; see Reboot on Mux Timeout = off; disabled Maximum number; see Hours Between = 1; "
         "see Minutes of Error = 5; see When Error Condition Detected = on; disabled HOUR; disabled 12 Hour; see HOUR = 1; "
         "see MIN = 00; see 24 Hour = on; see 112 = 24 Hour Format; hidden AM; ok",
         "S [Status Report] Check Dirty Bit Hours=1; Debug SYSMONITOR Task=0; Op Mode=1; PM Format=24; PM Hour=1; PM Min=00\n"
         "S [Global] SM Time=5\nS [OrvaComm] Max Timeouts=0"},
    });
    RunScenarios(*this, IDM_SYSTEM_HEALTH, "S [Status Report] Check Dirty Bit Hours=1; Debug SYSMONITOR Task=0; Op Mode=3\n"
                 "S [Status Report] PM Format=12; PM Hour=13; PM Min=05\nS [Global] SM Time=5\nS [OrvaComm] Max Timeouts=0", {
        {"a 12-hour site: 13 shows as 1 PM and is stored back as 13; a stored debug flag shows and is kept",
         "S [Status Report] Debug SYSMONITOR Task=1",
         "see HOUR = 1; see PM = on; see AM = off; shown AM; enabled HOUR; see Enable SYSMONITOR Debug = on; ok", ""},
        {"switching forms converts the hour; the radio of the form shown converts nothing", "",
         "click 24 Hour; see HOUR = 13; hidden AM; click 24 Hour; see HOUR = 13; click 12 Hour; see HOUR = 1; see PM = on; "
         "click 12 Hour; see HOUR = 1; see PM = on; ok", ""},
        {"an hour the 12-hour form cannot show keeps the 24-hour form and its radio", "S [Status Report] PM Format=24; PM Hour=12",
         "click 24 Hour; see HOUR = 12; type HOUR = 30; click 12 Hour; see 24 Hour = on; see 12 Hour = off; hidden AM; "
         "type HOUR = 12; ok", "", {{"", "Hour Value Out of Range", "none"}}},
        {"AM and PM are one choice and choose the 12-hour form", "",
         "click 24 Hour; click AM; see AM = on; see PM = off; see 12 Hour = on; see 24 Hour = off; click PM; see AM = off; ok", ""},
        {"the four checks in order, each keeping the dialog open", "",
         "type Hours Between = 25; ok; type Hours Between = 24; type Minutes of Error = 0; ok; type Minutes of Error = 60; "
         "type HOUR = 25; ok; type HOUR = 24; type MIN = 61; ok; type MIN = 60; ok",
         "S [Status Report] Check Dirty Bit Hours=24; PM Hour=24; PM Min=60\nS [Global] SM Time=60",
         {{"Error Message", "Time Range for Check of Disk Structure Not Valid. Valid range 1-24", "none"},
          {"Error Message", "Time Range for Minutes of Error Condition Not Valid. Valid range 1-60", "none"},
          {"", "Hour Value for Perform System Maintenance Out of Range", "none"},
          {"", "Minute Value for Perform System Maintenance Out of Range", "none"}}},
        {"the reboot proposes 32 timeouts; maintenance on error keeps its time controls disabled", "",
         "click Reboot on Mux Timeout; see Maximum number = 32; click When Error Condition Detected; disabled HOUR; ok",
         "S [OrvaComm] Max Timeouts=32\nS [Status Report] Op Mode=1"},
        {"a Halden unit cannot switch the reboot but stores its number", "S [Global] Halden=1\nS [OrvaComm] Max Timeouts=7",
         "disabled Reboot on Mux Timeout; see Reboot on Mux Timeout = on; type Maximum number = 9; ok", "S [OrvaComm] Max Timeouts=9"},
    });
}

TEST_F(Dialogs, VideoParameters)
{
    RunScenarios(*this, IDM_VIDEO_PARAMS, "", {
        {"outside advanced mode the sync times are shown but only the image size is stored", "",
         "see @caption = Video Parameters; see Video Sync Time = 200; see Video Recovery Time = 2500; see X Resolution = 320; "
         "see Y Resolution = 243; hidden Show Video Resolution; type Video Sync Time = 150; click Full Size; ok",
         "S [OrvaVideo] Image X Size=640; Image Y Size=480"},
        {"advanced mode stores the sync times and the resolution bit alone of Video Debug",
         "C [Config] Advanced Menu=1\nS [OrvaVideo] Video Debug=3; Image X Size=640; Image Y Size=480",
         "see Show Video Resolution = on; click Show Video Resolution; type Video Recovery Time = 3000; click Std. Size; ok",
         "S [OrvaVideo] Video Sync Time=200; Bad Video Sync Time=3000; Video Debug=1; Image X Size=320; Image Y Size=243"},
        {"an S617 card has no sync times to store", "C [Config] Advanced Menu=1\nS [Global] Image Card=S617\nS [OrvaVideo] Video Debug=1",
         "shown Show Video Resolution; click Show Video Resolution; ok",
         "S [OrvaVideo] Video Debug=3; Image X Size=320; Image Y Size=243"},
    });
}

TEST_F(Dialogs, RemoteMonitoringAndModem)
{
    RunScenarios(*this, IDM_REMOTE_MONITORING, "", {
        {"a plain unit: the last remote-view camera by default, 38 data ports at most", "S [OrvaBank] Last Remote View Lobby Camera=5",
         "see @caption = Remote Status Monitoring; see 172 = 5; see 176 = 38; click 107; see 176 = 38; click 103; click 103; "
         "click 103; click 103; click 103; click 103; see 172 = 1; click 108; type Hours between = 6; ok",
         "S [OrvaBank] Last Monitored Video=2; Last Monitored Data=38\nS [Status Report] Report Hours=6"},
        {"a 16-channel Kesto unit brings larger counts down at once, kept after Cancel",
         "S [Global] Wendrel=16; QUELT Version=V11.0\nS [OrvaBank] Last Monitored Video=20; Last Monitored Data=5",
         "see 172 = 16; see 176 = 4; click 108; see 172 = 16; click 107; see 176 = 4; click 105; cancel",
         "S [OrvaBank] Last Monitored Video=16; Last Monitored Data=4"},
    });
    RunScenarios(*this, IDM_MODEM, "", {
        {"no keys: modem off, 60 seconds, one ring; OK stores them", "",
         "see @caption = Modem Setup; see Enabled Modem = off; see No Answer Timeout = 60; see Answer On Ring = 1; "
         "hidden Enable TAPI; click Enabled Modem; ok", "S [Modem] Ring=1; Carrier TO=60; Enable=1"},
        {"rings and timeout checked in turn, nothing written until both pass", "C [Config] Advanced Menu=1",
         "shown Enable TAPI; type Answer On Ring = 0; ok; type Answer On Ring = 2; type No Answer Timeout = 361; ok; "
         "type No Answer Timeout = 0; ok; type No Answer Timeout = 360; ok",
         "S [Modem] TAPI Debug=0; Ring=2; Carrier TO=360; Enable=0",
         {{"Error", "Minimum number for rings is 1.", "none"}, {"Error", "No Answer Timeout Value Out of Range", "none"},
          {"Error", "No Answer Timeout Value Out of Range", "none"}}},
    });
}

TEST_F(Dialogs, DiskAllocation)
{
    const char kVerify[] = "A minimum of %s Mbyte is recommended for Days Usage. OK to change value?";
    auto verify = [&](const char* minimum, const char* answer) {
        char text[160];
        std::snprintf(text, sizeof text, kVerify, minimum);
        return Box{"Verify Value", text, "none yesno", answer};
    };
    const std::string days = "S [OrvaFile] DaysUsage=1000; LobbyDays=7; Min Teller Days=14; Max Teller Days=365; EventDays=7";
    RunScenarios(*this, IDM_DISK_USAGE, "", {
        {"a remote site in normal mode: the day keys alone, no drive button, 999 days at most", "",
         "see @caption = Disk Allocation; see Disk space to reserve = 1000; see Number of days to save surveillance = 7; "
         "see Number of days to save event = 7; see Minimum number = 14; see Maximum number = 365; absent 171; "
         "type Maximum number = 5000; ok", "S [OrvaFile] DaysUsage=1000; LobbyDays=7; Min Teller Days=14; Max Teller Days=999; EventDays=7"},
        {"without a known drive size there is nothing to recommend, even for a negative reservation", days,
         "type Disk space to reserve = -5; ok", "S [OrvaFile] DaysUsage=-5"},
        {"a reservation below a share of the image drive is questioned; No keeps it",
         days + "\nW [OrvaFile] Image Drive Size=100000; Minimum Avail Pct Drive Space=1", "type Disk space to reserve = 500; ok",
         "S [OrvaFile] DaysUsage=500", {verify("1000", "no")}},
        {"the floor of 950 holds for a small share; Yes takes it",
         days + "\nW [OrvaFile] Image Drive Size=40000; Minimum Avail Pct Drive Space=2; Minimum Avail Drive Space=100",
         "type Disk space to reserve = 10; ok", "S [OrvaFile] DaysUsage=950", {verify("950", "yes")}},
        {"advanced mode edits where images are kept too", "C [Config] Advanced Menu=1\n" + days,
         "see Directory to store = \\IMG\\; see File extension = .PCX; see Number of Drives = 1; "
         "see Default Directory = C:\\BankORVA_NT\\; see Ext Disk Cleanup = on; see File Debug = off; type Number of Drives = 2; ok",
         "S [OrvaFile] Drives=2; File Folder=\\IMG\\; FileExt=.PCX; Current Directory=C:\\BankORVA_NT\\; Debug=0; External Trash Removal=1"},
        {"on the recorder itself the fixed drives are described", "local\n" + days, "click Drive Info; cancel", "",
         {{"Drive Information", "Drive C:\\\nTotal Size * Mbytes\nFree Space * Mbytes", "none"},
          {"Drive Information", "Drive Z:\\\nTotal Size * Mbytes\nFree Space * Mbytes", "none"}}},
    });
}

TEST_F(Dialogs, VideoOutputAndCaptions)
{
    RunScenarios(*this, IDM_VIDEO_OUTPUT, "", {
        {"another card feeds ports 1 to 4; no scan time disables them and OK stores those four, keeping a stored yes",
         "S [OrvaVideo] Video Out Time=0; Camera Scan 5 On=YES; Camera Scan 2 On=yes",
         "see @caption = Video Output Configuration; see Enable Video Output = off; see 106 = 10; disabled 106; "
         "disabled Camera Port 1; see Camera Port 2 = on; hidden Camera Port 5; ok",
         "S [OrvaVideo] Camera Scan 1 On=NO; Camera Scan 3 On=NO; Camera Scan 4 On=NO"},
        {"an S617 card feeds 16; ten minutes is the longest scan, and its refusal stores no port",
         "S [Global] Image Card=S617\nS [OrvaVideo] Video Out Time=0",
         "click Enable Video Output; enabled Camera Port 16; click Camera Port 16; type 106 = 6001; ok; type 106 = 6000; ok",
         Each(1, 15, "S [OrvaVideo] Camera Scan %d On=NO") + "S [OrvaVideo] Camera Scan 16 On=YES; Video Out Time=6000",
         {{"Error", "Scan time to long. Maximum time is 10 minutes (6000).", "none"}}},
        {"32 channels: two banks, each stored by Save or OK, a switch dropping what was not saved",
         "S [Global] Image Card=S617; Video Channels=32\nS [OrvaVideo] Video Out Time=20\n" + Each(1, 32, "S [OrvaVideo] Camera Scan %d On=NO"),
         "shown Video Card #1; see Video Card #1 = on; click Video Port 1; click Save; click Video Card #2; click Video Port 2; "
         "click Video Card #1; click Video Card #2; see Video Port 2 = off; click Video Port 3; ok",
         "S [OrvaVideo] Camera Scan 1 On=YES; Camera Scan 19 On=YES"},
    });
    RunScenarios(*this, IDM_CAPTIONS, "", {
        {"no keys: captions off in the upper left corner, and OK stores that", "",
         "see @caption = On Screen Captions; see Enable Captions = off; see Location of Caption = Upper Left Corner; "
         "enabled Location of Caption; ok", "S [OrvaVideo] Enable Captions=0; Caption Position=Upper Left Corner"},
        {"a stored word finds its corner from the second on, and is kept as stored", "S [OrvaVideo] Caption Position=Upper",
         "see Location of Caption = Upper Right Corner; click Enable Captions; ok", "S [OrvaVideo] Enable Captions=1"},
        {"a stored position that is no corner is shown and kept; one typed is refused until a corner is chosen",
         "S [OrvaVideo] Caption Position=Middle; Enable Captions=0",
         "see Location of Caption = <none>; click Enable Captions; ok", "S [OrvaVideo] Enable Captions=1"},
        {"a typed position that is no corner is refused, and the refusal stores nothing", "S [OrvaVideo] Enable Captions=0",
         "click Enable Captions; keys Location of Caption = Centre; see Location of Caption = <none>; ok; choose Location of Caption = Lower Right Corner; ok",
         "S [OrvaVideo] Enable Captions=1; Caption Position=Lower Right Corner", {{"", "Caption Location Invalid.", "none"}}},
    });
}
