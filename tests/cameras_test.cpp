// The camera sheet and its pages, and the camera system parameters dialog, as a technician uses
// them: what they show for the stored keys, what they store, refuse and leave alone.
#include "resource.h"
#include "harness.h"

namespace {

using Cameras = SiteFixture;

// What apply stores for an untouched page of a camera without keys ("#" the camera), the IP
// camera settings only from version 12 on.
const std::string kUntouched =
    "S [OrvaBank] Lobby Camera # On=NO; Lobby Camera # IP=NO; Lobby Camera #=; Ch # Capture Rate=0; Ch # Motion Detection=1\n"
    "S [OrvaBank] Ch # Motion Amount=5; Ch # Illumination Detection=0; Ch # Illumination Cal=0; Ch # Illumination Alarm=0\n"
    "D [Camera Names] #=none\nD [Cameras Enabled] #=OFF\n";
const std::string kUntouchedIP = "S [IP Camera] Camera # Type=Generic; Camera # Address=; Camera # Access=; Camera # Username=; Camera # PW=\n";

// The lines for one camera, with some keys given other values.
std::string Cam(int camera, const std::string& changed = "", const std::string& lines = kUntouched + kUntouchedIP)
{
    std::string out;
    for (std::string line : KeyLines(lines)) {
        for (size_t at; (at = line.find('#')) != std::string::npos;)
            line.replace(at, 1, std::to_string(camera));
        for (const std::string& other : KeyLines(changed))
            if (other.substr(0, other.find('=')) == line.substr(0, line.find('=')))
                line = other;
        out += line + "\n";
    }
    return out;
}

// Advanced mode on a version 12 unit whose SiteDef.DAT mirror is filled and whose first camera
// (shown, so applied, whenever the sheet opens) already holds what its page stores.
const std::string kAdvanced12 = "C [Config] Advanced Menu=1\nS [Global] QUELT Version=QUELT V12.01\nD [Cameras Enabled] Initilized=1\n" + Cam(1);
const std::string kTypes = "S [IP Camera] Types Supported=Axis,Sony; Axis URL=axis.cgi; Sony URL=sony.cgi\n";
const std::string kIPCamera6 = Cam(6, "S [OrvaBank] Lobby Camera 6 On=YES; Lobby Camera 6 IP=YES; Ch 6 Capture Rate=2\nD [Cameras Enabled] 6=ON");

Box Refused(const std::string& what, int camera)
{
    const bool motion = what == "motion";
    return {"Error", (motion ? "Motion percentage out of range for port " : "Illumination alarm level for port ") + std::to_string(camera) +
                         (motion ? "!\nRange - Min 0 Max 100." : " out of range!\nRange - Min 0 Max 256.") + "\nValue was not saved!",
            "stop"};
}

} // namespace

TEST_F(Cameras, PageShowsStoresAndRefuses)
{
    const std::string name79(79, 'x');
    RunScenarios(*this, IDM_PORT_CONFIG, kAdvanced12, {
        {"a camera without keys shows the defaults, and apply stores every key of its page", "",
         "page 9; see Enabled = off; see Analog Camera = on; see IP Camera = off; see Port Number = 11; enabled Port Number; "
         "see Camera Name = none; see Motion Detect = on; see Percentage Change = 5; enabled Percentage Change; "
         "items Capture Rate = Full Speed, 1/2 Speed, 1/4 Speed, 1/8 Speed, 1/16 Speed, 1/32 Speed; "
         "see Capture Rate = Full Speed; enabled Capture Rate; see Monitor Illumination = off; see Calibrate Illumination = off; "
         "see Alarm Level = 0; disabled Alarm Level; see 402 = ; items Camera Type = Generic; disabled Camera Type; "
         "see Access String = ; ok", Cam(9)},
        {"a Halden unit numbers ports one to one and opening its pages stores them as IP cameras", "S [Global] Halden=1",
         "page 9; see Port Number = 9; see IP Camera = on; disabled Analog Camera; disabled Port Number; "
         "type Camera Name = typed, then cancelled; cancel", "S [OrvaBank] Lobby Camera 1 IP=YES; Lobby Camera 9 IP=YES"},
        {"stored values are shown",
         "S [OrvaBank] Lobby Camera 4 On=yes; Lobby Camera 4 IP=Yes; Lobby Camera 4=6; Ch 4 Motion Detection=0\n"
         "S [OrvaBank] Ch 4 Motion Amount=35; Ch 4 Capture Rate=3; Ch 4 Illumination Detection=2; Ch 4 Illumination Cal=1\n"
         "S [OrvaBank] Ch 4 Illumination Alarm=200\nD [Camera Names] 4=" + name79 + "tail",
         "page 4; see Enabled = on; see IP Camera = on; see Analog Camera = off; see Port Number = 6; disabled Port Number; "
         "see Camera Name = " + name79 + "; see Motion Detect = off; disabled Percentage Change; see Percentage Change = 35; "
         "see Capture Rate = 1/8 Speed; enabled Capture Rate; see 402 =  4 FPS; see Monitor Illumination = on; "
         "enabled Alarm Level; see Calibrate Illumination = on; see Alarm Level = 200; enabled Camera Type; cancel", ""},
        {"an analog camera switched on with every field changed", "",
         "page 3; click Enabled; type Port Number = 7; type Camera Name = Lobby door; click Monitor Illumination; "
         "click Calibrate Illumination; type Alarm Level = 256; type Percentage Change = 100; "
         "choose Capture Rate = 1/4 Speed; click Motion Detect; ok",
         Cam(3, "S [OrvaBank] Lobby Camera 3 On=YES; Lobby Camera 3=7; Ch 3 Capture Rate=2; Ch 3 Motion Detection=0\n"
                "S [OrvaBank] Ch 3 Motion Amount=100; Ch 3 Illumination Detection=1; Ch 3 Illumination Cal=1\n"
                "S [OrvaBank] Ch 3 Illumination Alarm=256\nD [Camera Names] 3=Lobby door\nD [Cameras Enabled] 3=ON")},
        {"an IP camera switched on", kTypes,
         "page 3; click Enabled; click IP Camera; disabled Port Number; enabled IP Address; enabled User Name; "
         "choose Camera Type = Axis; type IP Address = 10.1.2.3; see Access String = http://10.1.2.3/axis.cgi; "
         "type User Name = admin; type Password = s3cret; ok",
         Cam(3, "S [OrvaBank] Lobby Camera 3 On=YES; Lobby Camera 3 IP=YES\nD [Cameras Enabled] 3=ON\n"
                "S [IP Camera] Camera 3 Type=Axis; Camera 3 Address=10.1.2.3; Camera 3 Access=http://10.1.2.3/axis.cgi\n"
                "S [IP Camera] Camera 3 Username=admin; Camera 3 PW=s3cret")},
        {"an IP camera switched back to analog gets its port again",
         Cam(4, "S [OrvaBank] Lobby Camera 4 On=YES; Lobby Camera 4 IP=YES\nD [Cameras Enabled] 4=ON"),
         "page 4; click Analog Camera; enabled Port Number; disabled Camera Type; disabled Password; disabled Access String; ok",
         "S [OrvaBank] Lobby Camera 4 IP=NO; Lobby Camera 4=4"},
        {"port and name are stored as typed; the port box takes five digits", Cam(2),
         "page 2; keys Port Number = 123456; see Port Number = 12345; click Enabled; type Port Number = -40; type Camera Name = a=b;[c]; ok",
         "S [OrvaBank] Lobby Camera 2 On=YES; Lobby Camera 2=-40\nD [Camera Names] 2=a=b;[c]\nD [Cameras Enabled] 2=ON"},
        {"a version 11 page has its rates but no camera type, and stores no IP camera settings",
         "S [Global] QUELT Version=QUELT V11.02\n" + Cam(3, "S [OrvaBank] Ch 3 Capture Rate=2; Ch 3 Motion Detection=0", kUntouched),
         "page 3; see Capture Rate = 1/4 Speed; enabled Capture Rate; click Enabled; type Port Number = 12; ok",
         "S [OrvaBank] Lobby Camera 3 On=YES; Lobby Camera 3=12\nD [Cameras Enabled] 3=ON"},
        {"the last camera sits on port 38 of a plain unit, and its rate is shown",
         Cam(32, "S [OrvaBank] Lobby Camera 32 On=YES\nD [Cameras Enabled] 32=ON"), "page 32; see Port Number = 38; see 402 = 12 FPS; cancel", ""},
        {"values just out of range are refused one at a time, naming the camera, and each refusal stores nothing",
         Cam(17, "S [OrvaBank] Ch 17 Motion Amount=20; Ch 17 Illumination Alarm=30"),
         "page 17; type Percentage Change = 101; type Alarm Level = 257; type Camera Name = Vault; apply; see @ok = OK; "
         "enabled @apply; type Percentage Change = 100; apply; see @ok = OK; type Alarm Level = 256; apply; see @ok = Close; "
         "disabled @apply; cancel", "D [Camera Names] 17=Vault\nS [OrvaBank] Ch 17 Motion Amount=100; Ch 17 Illumination Alarm=256",
         {Refused("motion", 17), Refused("alarm", 17)}},
        {"the range ends are stored", "", "type Percentage Change = 0; type Alarm Level = 256; ok",
         "S [OrvaBank] Ch 1 Motion Amount=0; Ch 1 Illumination Alarm=256"},
        {"a negative amount is refused and keeps the sheet open; an empty level reads as 0", "S [OrvaBank] Ch 1 Illumination Alarm=30",
         "type Percentage Change = -1; type Alarm Level = ; ok; type Percentage Change = 7; ok",
         "S [OrvaBank] Ch 1 Motion Amount=7; Ch 1 Illumination Alarm=0", {Refused("motion", 1)}},
        {"a file that cannot be written: the sheet says which and stays open; the other file's values are stored",
         "locked D", "click Enabled; page 2; click Enabled; ok; cancel",
         "S [OrvaBank] Lobby Camera 1 On=YES; Lobby Camera 1=1\n" +
             Cam(2, "S [OrvaBank] Lobby Camera 2 On=YES; Lobby Camera 2=2", kUntouched.substr(0, kUntouched.find("D [")) + kUntouchedIP),
         {{"Settings Not Saved", "A setting could not be saved in the file\n*\\SiteDef.DAT\n\n*", "stop"}}},
        {"filling a page is no change; typing is, until applied", "",
         "disabled @apply; type User Name = operator; enabled @apply; apply; disabled @apply; see @ok = Close; cancel",
         "S [IP Camera] Camera 1 Username=operator"},
    });
}

TEST_F(Cameras, RateFollowsMotionPacingAndTheStoredCameras)
{
    RunScenarios(*this, IDM_PORT_CONFIG, kAdvanced12, {
        {"without pacing a motion camera runs at full speed whatever its list says", kIPCamera6 + "S [OrvaVideo] Pace Motion Detect=0",
         "page 6; see 402 =  8 FPS; disabled Capture Rate; click Enabled; click Enabled; see 402 = 30 FPS; click Motion Detect; "
         "enabled Capture Rate; see 402 =  8 FPS; click Motion Detect; disabled Capture Rate; see 402 = 30 FPS; ok", ""},
        {"with pacing the list decides; a camera switched off shows no rate", kIPCamera6,
         "page 6; enabled Capture Rate; choose Capture Rate = 1/32 Speed; see 402 =  1 SPF; click Enabled; see 402 = ; ok",
         "S [OrvaBank] Ch 6 Capture Rate=5; Lobby Camera 6 On=NO\nD [Cameras Enabled] 6=OFF"},
        {"without pacing a camera without motion detection keeps its list",
         kIPCamera6 + "S [OrvaVideo] Pace Motion Detect=0\nS [OrvaBank] Ch 6 Motion Detection=0",
         "page 6; choose Capture Rate = 1/2 Speed; see 402 = 15 FPS; ok", "S [OrvaBank] Ch 6 Capture Rate=1"},
        {"before version 11 every camera runs at full speed; the stored rate is kept",
         "S [Global] QUELT Version=QUELT V10.3\nS [OrvaBank] Ch 1 Capture Rate=4; Ch 1 Motion Detection=0",
         "click Motion Detect; click Motion Detect; disabled Capture Rate; see Capture Rate = Full Speed; ok", ""},
        {"a stored rate the list cannot show leaves no selection and is kept; one that is no number reads as full speed",
         kIPCamera6 + "S [OrvaBank] Ch 6 Capture Rate=6\n" +
         Cam(7, "S [OrvaBank] Lobby Camera 7 On=YES; Lobby Camera 7 IP=YES; Ch 7 Capture Rate=junk\nD [Cameras Enabled] 7=ON"),
         "page 6; see Capture Rate = <none>; see 402 = ; page 7; see Capture Rate = Full Speed; see 402 = 30 FPS; ok", ""},
        {"a page shown again works its rate out from what was applied",
         "S [OrvaBank] Lobby Camera 1 On=YES; Lobby Camera 1 IP=YES\nD [Cameras Enabled] 1=ON",
         "see 402 = 30 FPS; click Analog Camera; apply; page 2; page 1; see 402 = 12 FPS; cancel",
         "S [OrvaBank] Lobby Camera 1 IP=NO; Lobby Camera 1=1"},
        // Two S617 cards, ports 1-16 on the first: camera 3 shares it with cameras 1, 2 and 4 (5 is
        // on the second card, 6 is IP, 7 is off).
        {"analog cameras share their card's frames",
         "S [Global] Image Card=S617; Nbr Image Card=2\nS [OrvaBank] Ch 3 Capture Rate=2\n" + Each(1, 6, "S [OrvaBank] Lobby Camera %d On=YES") +
         "S [OrvaBank] Lobby Camera 1=3; Lobby Camera 2=5; Lobby Camera 3=10; Lobby Camera 4=16; Lobby Camera 5=17\n"
         "S [OrvaBank] Lobby Camera 6 IP=YES; Lobby Camera 6=2; Lobby Camera 7=4",
         "page 3; see 402 =  2 FPS; choose Capture Rate = Full Speed; see 402 =  8 FPS; page 5; see 402 = 30 FPS; "
         "page 7; see 402 = ; click Enabled; see 402 =  8 FPS; cancel", ""},
        {"one S617 card takes ports 17 to 32, the ports before them run alone",
         "S [Global] Image Card=S617; Nbr Image Card=1\nS [OrvaBank] Ch 20 Capture Rate=3\n" + Each(20, 22, "S [OrvaBank] Lobby Camera %d On=YES") +
         "S [OrvaBank] Lobby Camera 20=20; Lobby Camera 21=17; Lobby Camera 22=32; Lobby Camera 2 On=YES; Lobby Camera 2=5",
         "page 20; see 402 =  1 FPS; page 2; see 402 = 30 FPS; cancel", ""},
    });
}

TEST_F(Cameras, IPCameraSettings)
{
    const std::string address29 = "cam-0001.branch-17.bank.local", url79(79, 'u');
    const std::string built = "http://" + address29 + "/" + url79;
    RunScenarios(*this, IDM_PORT_CONFIG, kAdvanced12 + kTypes, {
        {"the recorder's types, Generic last; the stored type chosen in any case",
         "S [IP Camera] Types Supported=,,Axis,,,Sony,,; Camera 1 Type=sONY",
         "items Camera Type = Axis, Sony, Generic; see Camera Type = Sony; cancel", ""},
        {"a type no longer listed is shown as none and kept with every disabled setting",
         Cam(3, "S [IP Camera] Camera 3 Type=Panasonic; Camera 3 Address=10.0.0.3; Camera 3 Access=rtsp://10.0.0.3/\n"
                "S [IP Camera] Camera 3 Username=viewer; Camera 3 PW=pw"),
         "page 3; see Camera Type = <none>; see Access String = rtsp://10.0.0.3/; click Enabled; ok",
         "S [OrvaBank] Lobby Camera 3 On=YES; Lobby Camera 3=3\nD [Cameras Enabled] 3=ON"},
        {"the access string is built from the address and the type's URL, or up to the slash without a type",
         "S [IP Camera] Camera 1 Type=Axis; Camera 1 Address=10.0.0.9; Camera 2 Type=Panasonic; Camera 2 Address=10.0.0.9\n"
         "S [IP Camera] Camera 3 Type=Sony; Sony URL=; Camera 3 Address=10.0.0.9; Camera 4 Type=Axis; Camera 4 Access=rtsp://cam/s",
         "see Access String = http://10.0.0.9/axis.cgi; page 2; see Access String = http://10.0.0.9/; page 3; "
         "see Access String = ; page 4; see Access String = rtsp://cam/s; cancel", ""},
        {"the longest access string is held whole and stored as the recorder reads it",
         "S [IP Camera] Camera 1 Type=Axis; Camera 1 Address=10.0.0.1; Camera 1 Access=rtsp://old; Axis URL=" + url79,
         "type IP Address = " + address29 + "; see Access String = " + built + "; ok",
         "S [IP Camera] Camera 1 Access=" + built.substr(0, 79) + "; Camera 1 Address=" + address29},
        {"focus passing through the address and the type keeps a custom access string; a password holds 79 characters",
         "S [IP Camera] Camera 1 Type=Axis; Camera 1 Address=10.0.0.1; Camera 1 Access=rtsp://10.0.0.1:554/custom\n"
         "S [OrvaBank] Lobby Camera 1 IP=YES", "focus IP Address; focus Camera Type; focus User Name; keys Password = " +
         std::string(80, 'p') + "; see Password = " + std::string(79, 'p') + "; ok", "S [IP Camera] Camera 1 PW=" + std::string(79, 'p')},
        {"a new address or type replaces a hand-edited access string",
         "S [IP Camera] Camera 1 Type=Axis; Camera 1 Access=rtsp://stored\nS [OrvaBank] Lobby Camera 1 IP=YES",
         "see Access String = rtsp://stored; type IP Address = 10.9.8.7; see Access String = http://10.9.8.7/axis.cgi; "
         "type Access String = hand edit; choose Camera Type = Sony; see Access String = http://10.9.8.7/sony.cgi; "
         "type Access String = rtsp://10.9.8.7/live; ok",
         "S [IP Camera] Camera 1 Access=rtsp://10.9.8.7/live; Camera 1 Type=Sony; Camera 1 Address=10.9.8.7"},
    });
}

TEST_F(Cameras, SheetPagesAndWhatOpeningWrites)
{
    const std::string basic = "C [Config] Advanced Menu=0\nD [Cameras Enabled] Initilized=1\n";
    RunScenarios(*this, IDM_PORT_CONFIG, "S [Global] QUELT Version=QUELT V12.1\nS [OrvaBank] Last Remote View Lobby Camera=4", {
        {"advanced mode shows every channel, at most 32", "C [Config] Advanced Menu=1\nS [Global] Video Channels=40\n"
         "D [Cameras Enabled] Initilized=1", "see @caption = Camera Properties; see @tabs = 32: Camera 32; cancel", ""},
        {"advanced mode without a channel count shows 32", "C [Config] Advanced Menu=-7\nD [Cameras Enabled] Initilized=1",
         "see @tabs = 32: Camera 32; cancel", ""},
        {"the basic menu shows the cameras up to the last remote-view one, switches off the rest and fills the mirror",
         "S [OrvaBank] Lobby Camera 1 On=YES; Lobby Camera 3 On=yes\nS [Global] Video Channels=16",
         "see @tabs = 4: Camera 04; cancel",
         Each(5, 32, "S [OrvaBank] Lobby Camera %d On=NO") + Each(4, 31, "D [Cameras Enabled] %d=OFF") +
         "D [Cameras Enabled] Initilized=1; 1=ON; 2=OFF; 3=ON"},
        {"the switching off cannot be stored: said once, and the sheet opens", basic + "locked S",
         "see @tabs = 4: Camera 04; cancel", "", {{"Settings Not Saved", "A setting could not be saved in the file\n*orvant.ini\n\n*", "stop"}}},
        {"without auto-disable nothing is switched off", basic + "C [Config] Auto Disable Unused Ports=0",
         "see @tabs = 4: Camera 04; cancel", ""},
        {"the basic menu shows at most 32 pages and switches nothing off at 32",
         basic + "S [OrvaBank] Last Remote View Lobby Camera=40", "see @tabs = 32: Camera 32; cancel", ""},
        {"a camera switched on in the basic menu becomes the last remote-view one, in colour",
         basic + Cam(1, "S [OrvaBank] Lobby Camera 1 On=YES; Lobby Camera 1=1\nD [Cameras Enabled] 1=ON") + Cam(2) +
         "S [OrvaBank] Last Remote View Lobby Camera=3\nS [OrvaVideo] Color=NO", "page 2; click Enabled; ok",
         Each(4, 32, "S [OrvaBank] Lobby Camera %d On=NO") + "S [OrvaBank] Lobby Camera 2 On=YES; Lobby Camera 2=2\n"
         "D [Cameras Enabled] 2=ON\nS [OrvaBank] Last Remote View Lobby Camera=2\nS [OrvaVideo] Color=YES"},
        {"no camera in use: an explanation instead of an empty sheet, and no camera switched off",
         basic + "S [OrvaBank] Last Remote View Lobby Camera=-5; Lobby Camera 3 On=YES", "", "",
         {{"Camera Properties", "No camera is in use for remote viewing, so there is no camera page to show.\n\n"
           "To set the last camera that remote users can view, switch on Operation > Advanced and use Video > "
           "Cameras > System Configuration; in advanced mode this sheet shows every video channel.", "information"}}},
        {"no video channel in advanced mode", "C [Config] Advanced Menu=1\nS [Global] Video Channels=0", "", "",
         {{"Camera Properties", "The unit reports no video channels ([Global] \"Video Channels\" is 0 or less), "
           "so there is no camera page to show.", "information"}}},
        {"a mirror flag that reads nonzero is never filled again",
         "C [Config] Advanced Menu=1\nD [Cameras Enabled] Initilized=-1\nS [OrvaBank] Lobby Camera 5 On=YES", "page 3; cancel", ""},
    });
}

TEST_F(Cameras, SystemParameters)
{
    RunScenarios(*this, IDM_CAMERA_SYSTEM, "", {
        {"stored values shown; OK stores the number as typed and the camera type",
         "S [OrvaBank] Last Remote View Lobby Camera=12\nS [OrvaVideo] Color=yes",
         "see @caption = Surveillance Camera System Parameters; see Last camera = 12; see Color = on; "
         "see Monochrome = off; type Last camera = 40; click Monochrome; ok",
         "S [OrvaBank] Last Remote View Lobby Camera=40\nS [OrvaVideo] Color=NO"},
        {"absent keys read as 0 and monochrome; a box that holds no number stores 0", "",
         "see Last camera = 0; see Monochrome = on; type Last camera = 12abc; click Color; ok",
         "S [OrvaBank] Last Remote View Lobby Camera=0\nS [OrvaVideo] Color=YES"},
        {"Cancel stores nothing", "", "type Last camera = 5; click Color; cancel", ""},
    });
}
