// Camera names, the surveillance schedule, the TDI ports and the multiplexer ports, as a
// technician uses them: what they show for the stored keys and what they store.
#include "app/orva_config.h"
#include "resource.h"
#include "harness.h"

#include <prsht.h>

namespace {

using Ports = SiteFixture;

std::string Repeat(const std::string& text, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i)
        out += text;
    return out;
}

// The keys of an applied day, the hours given as on and the others off, but for hours kept as stored.
std::string Day(const char* day, std::initializer_list<int> on = {}, std::initializer_list<int> kept = {})
{
    std::string out;
    for (int hour = 0; hour < 24; ++hour)
        if (std::find(kept.begin(), kept.end(), hour) == kept.end())
            out += "S [Schedule] " + std::string(day) + std::to_string(hour) + "=" +
                   (std::find(on.begin(), on.end(), hour) != on.end() ? "1" : "0") + "\n";
    return out;
}

// What the "Properties" page stores when opened and left as a schedule without keys shows it.
const std::string kPropsDefault = "S [Schedule] Enabled=0; MD When Off=1\n";

const Box kAskUsb{"", "Are you sure you want to change the USB ID?", "none yesno"};

} // namespace

TEST_F(Ports, CameraNames)
{
    RunScenarios(*this, IDM_NAME_ASSIGNMENT, "", {
        {"no site definition file: camera 1 shows none, and Update stores the text shown", "",
         "see @caption = Camera Name Assignment; see 194 = 1; see Camera Name = none; click Update; cancel",
         "D [Camera Names] 1=none"},
        {"+ and - move between cameras, dropping an edit not saved with Update, and hold at 1 and 32",
         "D [Camera Names] 2=Vault; 32=Drive-up",
         "type Camera Name = lost; click +; see 194 = 2; see Camera Name = Vault; click -; see Camera Name = none; click -; "
         "see 194 = 1; " + Repeat("click +; ", 32) + "see 194 = 32; see Camera Name = Drive-up; type Camera Name = Lane 2; "
         "click Update; type Camera Name = Lane 3; click +; see Camera Name = Lane 2; click -; see 194 = 31; "
         "type Camera Name = " + std::string(90, 'n') + "; ok",
         "D [Camera Names] 32=Lane 2; 31=" + std::string(79, 'n')},
        {"OK stores the name of the camera shown; Cancel stores nothing more", "",
         "click +; click +; type Camera Name = Teller 3; ok", "D [Camera Names] 3=Teller 3"},
        {"Cancel", "", "type Camera Name = x; cancel", ""},
    });
}

TEST_F(Ports, Schedule)
{
    RunScenarios(*this, IDM_SCHEDULE, "", {
        {"empty configuration: schedule off, motion images in OFF periods on, every hour off; a day opened writes all 24 keys", "",
         "see @caption = Surveillance Schedule for All Cameras; see @tabs = 9: Week; see Enable schedule = off; "
         "see Save motion detection = on; page 3; see 06:00 - 06:59 AM = off; see 11:00 - 11:59 PM = off; "
         "click 06:00 - 06:59 AM; ok",
         kPropsDefault + Day("MON", {6})},
        {"stored hours shown; a value shown as on but not 1 is kept unless its hour is changed; days not opened keep theirs",
         "S [Schedule] Enabled=1; MD When Off=0; WED5=2; WED23=1; WED0=-1; WED6=\"1\"; WED7='0'; THU3=1; SUN4=junk",
         "see Enable schedule = on; see Save motion detection = off; click Enable schedule; click Save motion detection; "
         "page 5; see 05:00 - 05:59 AM = on; see 12:00 - 12:59 AM = on; see 11:00 - 11:59 PM = on; see 06:00 - 06:59 AM = on; "
         "see 07:00 - 07:59 AM = off; see 04:00 - 04:59 AM = off; click 11:00 - 11:59 PM; page 2; see 04:00 - 04:59 AM = off; ok",
         "S [Schedule] Enabled=0; MD When Off=1\n" + Day("WED", {}, {0, 5, 6, 7}) + Day("SUN", {}, {4})},
        {"the box labelled 05:00 - 05:50 PM is hour 17", "S [Schedule] FRI17=5",
         "page 7; see 05:00 - 05:50 PM = on; page 8; click 05:00 - 05:50 PM; ok",
         kPropsDefault + Day("FRI", {}, {17}) + Day("SAT", {17})},
        {"Apply stores the pages opened so far; Cancel afterwards stores no more", "",
         "page 2; click 12:00 - 12:59 PM; apply; see @ok = Close; page 3; click 01:00 - 01:59 AM; cancel",
         kPropsDefault + Day("SUN", {12})},
        {"Cancel stores nothing", "", "click Enable schedule; page 4; click 02:00 - 02:59 AM; cancel", ""},
    });
}

// The week page's grid on the sheet as the test prefix's dialog font lays it out: the cell of day d
// (0 Sunday) and hour h has its middle at x = 100 + 17h, y = 41 + 21d; the days' names are at
// x = 40 and the hours' headings at y = 20.
TEST_F(Ports, ScheduleWeek)
{
    const std::string stored = "S [Schedule] Enabled=1; MD When Off=1\n" +
                               Each(0, 23, "S [Schedule] SUN%d=0; MON%d=0; TUE%d=0; WED%d=0; THU%d=0; FRI%d=0; SAT%d=0");
    RunScenarios(*this, IDM_SCHEDULE, stored, {
        {"a drag paints the rectangle from the pressed cell to the pointer with that cell's new state", "S [Schedule] TUE8=1; MON20=1; TUE20=1",
         "page 9; see @tabs = 9: Week; press #OrvaWeekGrid = 219,62; drag #OrvaWeekGrid = 236,83; drag #OrvaWeekGrid = 253,104; "
         "release #OrvaWeekGrid = 253,104; press #OrvaWeekGrid = 440,83; drag #OrvaWeekGrid = 457,62; release #OrvaWeekGrid = 457,62; "
         "see 1062 = Monday, 09:00 - 09:59 PM: OFF; see 1063 = ON hours in the week: 9 of 168; ok",
         "S [Schedule] MON7=1; MON8=1; MON9=1; TUE7=1; TUE9=1; WED7=1; WED8=1; WED9=1; MON20=0; TUE20=0"},
        {"an hour's heading paints its column and a day's name its row, by the first cell's new state; a drag from a name takes whole days",
         "S [Schedule] WED0=1; THU3=1; MON8=1",
         "page 9; press #OrvaWeekGrid = 236,20; release #OrvaWeekGrid = 236,20; press #OrvaWeekGrid = 40,83; release #OrvaWeekGrid = 40,83; "
         "press #OrvaWeekGrid = 40,104; drag #OrvaWeekGrid = 40,125; release #OrvaWeekGrid = 40,125; ok",
         Each(0, 23, "S [Schedule] TUE%d=1") + "S [Schedule] SUN8=1; FRI8=1; SAT8=1; WED0=0; THU3=0"},
        {"the keyboard: arrows move the focus cell and stay in the grid, Space turns it, Home and End go to the row's ends, "
         "Shift and the arrows draw a rectangle that Space sets to the focus cell's inverse", "S [Schedule] TUE1=1",
         "page 9; focus #OrvaWeekGrid; key #OrvaWeekGrid = Down; key #OrvaWeekGrid = Space; key #OrvaWeekGrid = End; "
         "key #OrvaWeekGrid = Space; see 1062 = Monday, 11:00 - 11:59 PM: ON; key #OrvaWeekGrid = Home; key #OrvaWeekGrid = Left; "
         "key #OrvaWeekGrid = Shift+Right; key #OrvaWeekGrid = Shift+Down; key #OrvaWeekGrid = Shift+Right; "
         "see 1062 = Tuesday, 02:00 - 02:59 AM: OFF; key #OrvaWeekGrid = Space; key #OrvaWeekGrid = Right; key #OrvaWeekGrid = Space; "
         "see 1063 = ON hours in the week: 8 of 168; ok",
         "S [Schedule] MON0=1; MON1=1; MON2=1; MON23=1; TUE0=1; TUE2=1; TUE3=1"},
        {"the week and the day pages show one schedule: a change on either is on the other when its tab is selected; "
         "the text names the cell under the pointer, or the focus cell when the pointer is on no cell", "",
         "page 9; press #OrvaWeekGrid = 219,62; release #OrvaWeekGrid = 219,62; page 3; see 07:00 - 07:59 AM = on; "
         "click 05:00 - 05:50 PM; page 4; click 08:00 - 08:59 AM; page 9; hover #OrvaWeekGrid = 389,62; "
         "see 1062 = Monday, 05:00 - 05:50 PM: ON; hover #OrvaWeekGrid = 236,83; see 1062 = Tuesday, 08:00 - 08:59 AM: ON; "
         "hover #OrvaWeekGrid = 40,83; see 1062 = Monday, 07:00 - 07:59 AM: ON; press #OrvaWeekGrid = 236,83; release #OrvaWeekGrid = 236,83; page 4; see 08:00 - 08:59 AM = off; ok",
         "S [Schedule] MON7=1; MON17=1"},
        {"Copy Day: Weekdays ticks Monday to Friday, less the day copied; OK copies its hours onto them", "S [Schedule] MON7=1; MON8=1; FRI20=1; SUN9=1",
         "page 9; click Copy Day; choose Copy the hours of = Monday; disabled 1073; click Weekdays; see Sunday = off; "
         "see Friday = on; ok; see 1063 = ON hours in the week: 11 of 168; ok",
         "S [Schedule] TUE7=1; TUE8=1; WED7=1; WED8=1; THU7=1; THU8=1; FRI7=1; FRI8=1; FRI20=0"},
        {"Escape during a drag puts the hours back as they were and leaves the sheet open", "S [Schedule] TUE8=1",
         "page 9; press #OrvaWeekGrid = 219,62; drag #OrvaWeekGrid = 253,104; key #OrvaWeekGrid = Escape; "
         "release #OrvaWeekGrid = 253,104; see 1063 = ON hours in the week: 1 of 168; ok", ""},
        {"Cancel stores nothing, whichever view changed the hours", "",
         "page 9; press #OrvaWeekGrid = 219,62; release #OrvaWeekGrid = 219,62; page 3; click 01:00 - 01:59 AM; cancel", ""},
        {"an untouched OK keeps every stored value, one shown as ON but not 1 too", "S [Schedule] MON8=2; THU3=-1; FRI0=7",
         "page 9; page 3; page 6; see 03:00 - 03:59 AM = on; ok", ""},
        {"such a value is stored as 1 or 0 only when its hour is changed", "S [Schedule] MON8=2; FRI0=7",
         "page 9; press #OrvaWeekGrid = 236,62; release #OrvaWeekGrid = 236,62; ok", "S [Schedule] MON8=0"},
    });
}

// What the grid draws is what it holds, where the pointer finds it: an ON hour filled in the
// selection colour and marked in its middle (so that it reads in black and white too), an OFF hour
// in the window colour, lines between them; every day's name and every hour's heading beside them.
TEST_F(Ports, TheWeekGridDrawsTheHoursItHolds)
{
    Seed("S [Schedule] SUN0=1; MON7=1; MON8=1; TUE17=2; SAT23=1");
    const std::vector<std::pair<int, int>> on = {{0, 0}, {1, 7}, {1, 8}, {2, 17}, {6, 23}};
    const auto look = [&](HWND sheet) {
        const HWND grid = FindWindowExA(reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)), nullptr, "OrvaWeekGrid", nullptr);
        RECT rc{};
        GetClientRect(grid, &rc);
        BITMAPINFO info{{sizeof(BITMAPINFOHEADER), rc.right, -rc.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
        void* bits = nullptr;
        const HDC dc = CreateCompatibleDC(nullptr);
        const HBITMAP picture = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        SelectObject(dc, picture);
        SendMessageA(grid, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
        for (int day = 0; day < 7; ++day)
            for (int hour = 0; hour < 24; ++hour) {
                const bool isOn = std::find(on.begin(), on.end(), std::pair{day, hour}) != on.end();
                const int x = 100 + 17 * hour, y = 41 + 21 * day;
                EXPECT_EQ(GetPixel(dc, x - 5, y), GetSysColor(isOn ? COLOR_HIGHLIGHT : COLOR_WINDOW)) << day << " " << hour;
                EXPECT_EQ(GetPixel(dc, x, y), GetSysColor(isOn ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOW)) << day << " " << hour;
                // The line before the hour: noon's in the text colour.
                EXPECT_EQ(GetPixel(dc, x - 8, y), GetSysColor(hour == 12 ? COLOR_WINDOWTEXT : COLOR_BTNSHADOW)) << day << " " << hour;
            }
        // Text drawn in a heading's place: something there is not the page's colour, as in the corner.
        const COLORREF page = GetPixel(dc, 0, 0);
        const auto inked = [&](int left, int top, int right, int bottom) {
            for (int x = left; x < right; ++x)
                for (int y = top; y < bottom; ++y)
                    if (GetPixel(dc, x, y) != page)
                        return true;
            return false;
        };
        for (int day = 0; day < 7; ++day)
            EXPECT_TRUE(inked(0, 32 + 21 * day, 91, 51 + 21 * day)) << "no name for day " << day;
        for (int hour = 0; hour < 24; ++hour)
            EXPECT_TRUE(inked(93 + 17 * hour, 16, 108 + 17 * hour, 30)) << "no heading for hour " << hour;
        DeleteDC(dc);
        DeleteObject(picture);
    };
    const HWND wnd = OpenMainWindow("orva_config.exe " + SystemIniPath());
    DriveModal([&] { DispatchCommand(wnd, IDM_SCHEDULE); return INT_PTR{0}; }, {StepsOf("page 9")[0], look});
    CloseMainWindow(wnd);
}

TEST_F(Ports, TdiPorts)
{
    const std::string advanced = "C [Config] Advanced Menu=1\nD [Cameras Enabled] Initilized=1\n";
    RunScenarios(*this, IDM_TDI_PORTS, advanced, {
        {"four pages a card, at least four and at most eight", "", "see @caption = TID Port Properties; see @tabs = 4: TDI Port 04; cancel", ""},
        {"two cards", "S [Global] Nbr Image Card=2", "see @tabs = 8: TDI Port 08; cancel", ""},
        {"three cards are held at eight pages", "S [Global] Nbr Image Card=3", "see @tabs = 8: TDI Port 08; cancel", ""},
        {"a huge card count is held at eight pages", "S [Global] Nbr Image Card=2147483647", "see @tabs = 8: TDI Port 08; cancel", ""},
        {"a port without keys: off, camera 1 and its name; apply stores both", "D [Camera Names] 1=Lobby; 5=Vault",
         "see Enable TDI Port = off; see Use Camera = 1; see Camera Name = Lobby; choose Use Camera = 5; "
         "see Camera Name = Vault; click Enable TDI Port; ok",
         "S [TDI Port] Port 1 Enabled=1; Port 1 Camera=5"},
        {"stored port shown; typed text naming no camera shows none and stores camera 0",
         "S [TDI Port] Port 3 Enabled=1; Port 3 Camera=12\nD [Camera Names] 12=" + std::string(40, 'c'),
         "page 3; see Enable TDI Port = on; see Use Camera = 12; see Camera Name = " + std::string(23, 'c') + "; "
         "keys Use Camera = 9x; see Use Camera = <none>; see Camera Name = none; ok",
         "S [TDI Port] Port 1 Enabled=0; Port 1 Camera=1; Port 3 Camera=0"},
        {"the list has every video channel, at most 32; a stored camera outside it selects none",
         "S [Global] Video Channels=2147483647\nS [TDI Port] Port 1 Camera=33",
         "see Use Camera = <none>; items Use Camera = 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, "
         "21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32; cancel", ""},
    });
    RunScenarios(*this, IDM_TDI_PORTS, "", {
        {"the basic menu lists the cameras up to the last remote-view one; the first page fills the on/off mirror",
         "S [OrvaBank] Last Remote View Lobby Camera=6; Lobby Camera 2 On=YES\nS [TDI Port] Port 1 Camera=6",
         "items Use Camera = 1, 2, 3, 4, 5, 6; see Use Camera = 6; cancel",
         "D [Cameras Enabled] Initilized=1; 1=OFF; 2=ON\n" + Each(3, 31, "D [Cameras Enabled] %d=OFF")},
    });
}

TEST_F(Ports, MultiplexerPorts)
{
    const std::string v11 = "S [Global] QUELT Version=QUELT V11.0\n";
    RunScenarios(*this, IDM_PRIMARY_MUX, "", {
        {"a primary without keys shows the defaults; OK stores them", "",
         "see @caption = Primary Mux Communication Configuration; items Com Port = Com1, Com2, Com3, Com4, Com5, Com6, Com7, Com8; "
         "see Com Port = Com1; see Bits Per Byte = 8; see Baud Rate = 9600; see Parity = None; see Stop Bits = 1 Stop; "
         "items Parity = Even, Mark, None, Odd; items Baud Rate = 1200, 2400, 4800, 9600, 19200; "
         "see Enabled = on; disabled Enabled; hidden 233; ok",
         "S [PriMux] Comm Port=Com1; Byte Size=8; Baud=9600; Parity=0; Stop Bits=0"},
        {"stored choices shown and changed; a rate typed earlier is kept as it stands",
         "S [PriMux] Comm Port=com7; Byte Size=7; Baud=38400; Parity=3; Stop Bits=2",
         "see Com Port = Com7; see Bits Per Byte = 7; see Baud Rate = <none>; see Parity = Mark; see Stop Bits = 2 Stop; "
         "choose Parity = Even; choose Stop Bits = 1.5 Stop; ok",
         "S [PriMux] Parity=2; Stop Bits=1"},
        {"codes outside the lists show nothing and stay as stored; typed texts are stored as they stand",
         "S [PriMux] Parity=9; Stop Bits=-1",
         "see Parity = <none>; see Stop Bits = <none>; type Baud Rate = 57600; type Com Port = COM12; type Stop Bits = 3 Stop; ok",
         "S [PriMux] Comm Port=COM12; Byte Size=8; Baud=57600"},
        {"a Wendrel unit of version 11 names its multiplexer Ovex and offers the USB links",
         v11 + "S [Global] Wendrel=1", "see @caption = Primary Ovex Communication Configuration; "
         "items Com Port = Com1, Com2, Com3, Com4, USB1, USB2; cancel", ""},
        {"choosing a USB link shows its identifier and disables the serial settings; back on a COM port they return",
         v11 + "S [USB] Unit 2 ID=Left mux",
         "choose Com Port = USB2; disabled Baud Rate; disabled Bits Per Byte; disabled Parity; disabled Stop Bits; shown 233; shown 402; "
         "see 402 = &USB #2 ID; see 233 = Left mux; choose Com Port = USB1; see 402 = &USB #1 ID; see 233 = None Assigned; "
         "choose Com Port = Com2; enabled Baud Rate; hidden 233; hidden 402; cancel", ""},
        {"a changed USB identifier is asked for: No keeps the dialog open with the stored one, and stores nothing",
         v11 + "S [USB] Unit 2 ID=Left mux",
         "choose Com Port = USB2; type 233 = Right mux; ok; see 233 = Left mux; cancel", "", {{kAskUsb.title, kAskUsb.text, kAskUsb.kind, "no"}}},
        {"Yes stores it with the rest", v11,
         "choose Com Port = USB1; type 233 = Unit A; ok",
         "S [USB] Unit 1 ID=Unit A\nS [PriMux] Comm Port=USB1; Byte Size=8; Baud=9600; Parity=0; Stop Bits=0", {{kAskUsb.title, kAskUsb.text, kAskUsb.kind, "yes"}}},
        {"an unchanged identifier asks nothing; one never shown is never stored", v11 + "S [PriMux] Comm Port=USB1",
         "shown 233; ok", "S [PriMux] Byte Size=8; Baud=9600; Parity=0; Stop Bits=0"},
        {"a USB port typed rather than chosen leaves the identifier alone", v11,
         "type Com Port = usb2; ok", "S [PriMux] Comm Port=usb2; Byte Size=8; Baud=9600; Parity=0; Stop Bits=0"},
    });
    RunScenarios(*this, IDM_SLAVE_MUX2, "", {
        {"slave 2 without keys: Com4, not in use; OK stores its own section", "",
         "see @caption = Slave #2 Mux Communication Configuration; see Com Port = Com4; see Enabled = off; enabled Enabled; ok",
         "S [SlaveMux2] Comm Port=Com4; Byte Size=8; Baud=9600; Parity=0; Stop Bits=0; Enable Mux=0"},
        {"a slave in use", "S [SlaveMux2] Enable Mux=1", "see Enabled = on; click Enabled; cancel", ""},
    });
    RunScenarios(*this, IDM_SLAVE_MUX3, "S [SlaveMux3] Enable Mux=0",
                 {{"slave 3", "", "see Com Port = Com5; click Enabled; ok",
                   "S [SlaveMux3] Comm Port=Com5; Byte Size=8; Baud=9600; Parity=0; Stop Bits=0; Enable Mux=1"}});
}
