// The alarm sheet: which pages a unit gets, and what the system, input and output pages show,
// store and refuse.
#include "harness.h"
#include "resource.h"

namespace {

using Alarms = SiteFixture;

// What the system page of a recorder before 12.1 stores when its keys are absent: the sheet opens
// on it, so it is applied with every other page.
const std::string kSystemUntouched =
    "S [Alarms] Exclusive=0; Report Video Failures=0; Report Mux Fail=0; Enable Watchdog=1; Report Disk Fail=0\n"
    "S [Alarms] Report Power Up=0; Report Reboot=0; System Report to Phone=0; System Report to LAN=0; Report Illum Alarm=0\n"
    "S [Alarms] Report Phone Nbr=; Report LAN Addr=255.255.255.255\nS [Status Report] Report Hours=0\nS [OrvaVideo] A Rep=1\n";
const std::string kInputUntouched = "S [Alarms] Ch %d Enabled=0; Ch %d Active High=0; Ch %d Report to Log=0; Ch %d Report to Phone=0\n"
                                    "S [Alarms] Ch %d Report to LAN=0; Ch %d Report to Email=0; Ch %d Duration=0; Ch %d Ports=";
const Box kInvalidChannel{"ERROR MESSAGE", "Invalid Alarm Channel Number. Value was not saved!", "stop"};

} // namespace

TEST_F(Alarms, PagesFollowTheUnit)
{
    RunScenarios(*this, IDM_ALARM_CONFIG, "", {
        {"another card, or no version: two inputs, the single output, the older system page", "",
         "see @caption = Alarm Properties; see @tabs = 4: Output Alarm; see Report Phone Number = ; cancel", ""},
        {"32 channels without an S617 card change nothing", "S [Global] Video Channels=32; Image Card=s617",
         "see @tabs = 4: Output Alarm; cancel", ""},
        {"an S617 card: two conditional outputs", "S [Global] Image Card=S617 PCI", "see @tabs = 5: Output Alarm #2; cancel", ""},
        {"an S617 card on 32 channels: four inputs, four outputs", "S [Global] Image Card=S617; Video Channels=32",
         "see @tabs = 9: Output Alarm #4; cancel", ""},
        {"a Halden unit: the system page alone", "S [Global] Halden=1; Image Card=S617; Video Channels=32",
         "see @tabs = 1: System Alarms; cancel", ""},
        {"12.1 and later: the system page with e-mail settings", "S [Global] QUELT Version=QUELT V12.1",
         "enabled Configure Email/SMS; see Modem Phone Number = ; cancel", ""},
    });
}

TEST_F(Alarms, SystemPage)
{
    RunScenarios(*this, IDM_ALARM_CONFIG, "S [Global] QUELT Version=V12.0", {
        {"no keys: the watchdog alone on, the address 255 four times, and that is what apply stores", "",
         "see Enable Watchdog = on; see Exclusive Camera Record = off; see Report Reboot = off; see Number of samples = 1; "
         "see Hours between = 0; see 177 = 255; see 179 = 255; hidden Enable LAN Report; hidden 175; ok", kSystemUntouched},
        {"a LAN address split as the recorder splits it; shown but disabled with an old alert task",
         "S [Alarms] Report LAN Addr=10.1.300.7\nS [Global] LAN Alarms=1",
         "shown Enable LAN Report; disabled Enable LAN Report; disabled 177; see 177 = 10; see 175 = 1; see 176 = 44; "
         "see 179 = 7; cancel", ""},
        {"runs of dots are one; the controls enabled from alert task 2 on", "S [Alarms] Report LAN Addr=10..5\nS [Version] AlertTxTask.EXE=2.05",
         "enabled Enable LAN Report; enabled 177; see 177 = 10; see 175 = 5; see 176 = 255; see 179 = 255; cancel", ""},
        {"an octet above 255 refuses the page: nothing is stored and the sheet stays open",
         kSystemUntouched + "S [Alarms] Report LAN Addr=1.2.3.4\nS [Version] AlertTxTask.EXE=2",
         "click Enable Watchdog; type Hours between = 12; type 177 = 10; type 175 = 0; type 176 = 0; type 179 = 256; ok; "
         "see 179 = 256; cancel", "", {{"Error", "TCPIP address invalid. Address not saved.", "none"}}},
        {"255 is an octet", kSystemUntouched + "S [Version] AlertTxTask.EXE=2",
         "type 177 = 10; type 175 = 0; type 176 = 0; type 179 = 255; ok", "S [Alarms] Report LAN Addr=10.0.0.255"},
        {"a Halden unit hides exclusive recording and fixes the samples, both kept as stored",
         kSystemUntouched + "S [Global] Halden=1\nS [Alarms] Exclusive=2\nS [OrvaVideo] A Rep=3x",
         "hidden Exclusive Camera Record; disabled Number of samples; see Number of samples = 3; click Report Reboot; ok",
         "S [Alarms] Report Reboot=1"},
        {"12.1: the modem number and the e-mail addresses each in their own box",
         kSystemUntouched + "S [Global] QUELT Version=V12.1\nS [Alarms] Report Phone Nbr=5551234\nS [Email] To Address=a@example.com;b@x.org",
         "enabled Email/SMS Address; enabled Configure Email/SMS; see Modem Phone Number = 5551234; "
         "see Email/SMS Address = a@example.com;b@x.org; type Modem Phone Number = 5559876; "
         "type Email/SMS Address = c@example.com; ok", "S [Alarms] Report Phone Nbr=5559876\nS [Email] To Address=c@example.com"},
        {"before 12.1 the e-mail addresses are neither shown nor stored",
         kSystemUntouched + "S [Email] To Address=a@example.com\nS [Alarms] Report Phone Nbr=555", "see Report Phone Number = 555; ok", ""},
    });
}

TEST_F(Alarms, InputAndOutputPages)
{
    RunScenarios(*this, IDM_ALARM_CONFIG, "S [Global] QUELT Version=V12.0\n" + kSystemUntouched, {
        {"an input without keys shows everything off and closed, and apply stores that", "",
         "page 2; see Alarm Enabled = off; see Closed = on; see Open = off; see Record Time = 0; see Record Surveillance = ; "
         "disabled @apply; click Email/SMS; enabled @apply; click Email/SMS; ok", Each(1, 1, kInputUntouched.c_str())},
        {"a negative time refuses the sheet's OK and shows its page; 600 seconds stored without a word",
         Each(1, 2, kInputUntouched.c_str()) + "S [Alarms] Ch 2 Duration=30",
         "page 2; type Record Time = 600; click Open; page 3; type Record Time = -1; page 2; ok; see Record Time = -1; "
         "type Record Time = 30; ok", "S [Alarms] Ch 1 Duration=600; Ch 1 Active High=1",
         {{"ERROR MESSAGE", "Negative number in Alarm time. Alarm time was not saved!", "stop"}}},
        {"601 seconds stored with a caution", Each(1, 1, kInputUntouched.c_str()), "page 2; type Record Time = 601; ok",
         "S [Alarms] Ch 1 Duration=601", {{"CAUTION MESSAGE", "Durations more than 10 minutes may not be possible depending on disk usage!", "exclamation"}}},
        {"input 3 of a 32-channel S617 unit touches only its own keys", "S [Global] Image Card=S617; Video Channels=32",
         "page 4; click Alarm Enabled; type Record Surveillance = 1,2,17; ok",
         "S [Alarms] Ch 3 Enabled=1; Ch 3 Active High=0; Ch 3 Report to Log=0; Ch 3 Report to Phone=0; Ch 3 Report to LAN=0\n"
         "S [Alarms] Ch 3 Report to Email=0; Ch 3 Duration=0; Ch 3 Ports=1,2,17"},
        {"the single output: on, channel 2 by default, and apply stores them", "",
         "page 4; see Output Alarm Enabled = on; see Output Alarm Channel = 2; ok", "S [Alarms] Alarm Relay Enabled=1; Alarm Relay Channel=2"},
        {"channels 0, none and 33 refused and the stored one kept; 32 stored", "S [Alarms] Alarm Relay Enabled=1; Alarm Relay Channel=5",
         "page 4; type Output Alarm Channel = 0; apply; type Output Alarm Channel = ; apply; type Output Alarm Channel = 33; apply; "
         "type Output Alarm Channel = 32; ok", "S [Alarms] Alarm Relay Channel=32", {kInvalidChannel, kInvalidChannel, kInvalidChannel}},
        {"channel 1 stored", "S [Alarms] Alarm Relay Enabled=1", "page 4; type Output Alarm Channel = 1; ok", "S [Alarms] Alarm Relay Channel=1"},
        {"a relay's mask of 31 ticks all four conditions; a condition cleared keeps bit 4, which the page does not show",
         "S [Global] Image Card=S617\nS [Alarms] Alarm Output Mask 1=31",
         "page 4; see Report Disk Failures = on; see Report Mux Failures = on; see Report Illumination Alarms = on; "
         "see Report Video Failures = on; see Output Alarm Enabled = off; click Report Disk Failures; ok",
         "S [Alarms] Alarm Relay Enabled 1=0; Alarm Output Mask 1=30"},
        {"a mask of 4 ticks nothing; a condition ticked keeps it, and the bits above the page's",
         "S [Global] Image Card=S617\nS [Alarms] Alarm Output Mask 2=36; Alarm Relay Enabled 2=1",
         "page 5; see Report Disk Failures = off; see Report Video Failures = off; see Output Alarm Enabled = on; "
         "click Report Mux Failures; ok", "S [Alarms] Alarm Output Mask 2=38"},
        {"relays 1 and 2 are on the primary multiplexer, 3 and 4 on the slave", "S [Global] Image Card=S617; Video Channels=32",
         "page 7; see 402 = CONTROLS OUTPUT RELAY #2 ON THE PRIMARY MULTIPLEXER.; page 9; "
         "see 402 = CONTROLS OUTPUT RELAY #2 ON THE SLAVE MULTIPLEXER.; cancel", ""},
    });
}
