// The transaction dialogs, as a technician uses them.
#include "harness.h"
#include "resource.h"

namespace {

using Transactions = SiteFixture;

} // namespace

TEST_F(Transactions, TransactionSetup)
{
    RunScenarios(*this, IDM_TRANSACTIONS, "", {
        {"no keys: one image, no printing, the default protocol with its customer field; OK stores them as shown", "",
         "see @caption = Transaction Setup; see 163 = 1; see Print All = off; "
         "items Transaction Protocol = Default, Wells Fargo, First Union, Cal Fed, Washington Mutual, Norwest, Guaranty, "
         "Brattleboro, Custom, First Commerce, Union State; see Transaction Protocol = Default; enabled Customer Field Size; "
         "see Customer Field Size = 0; ok",
         "S [Transaction] Cust Size=0; Number of Images=1; Print Events=0\nS [OrvaComm] Bank Protocol=0"},
        {"a protocol without a customer field disables the box, whose value is still stored as a number",
         "S [OrvaComm] Bank Protocol=1\nS [Transaction] Cust Size=12",
         "see Transaction Protocol = Wells Fargo; enabled Customer Field Size; choose Transaction Protocol = Custom; "
         "disabled Customer Field Size; type Customer Field Size = abc; click Print All; ok",
         "S [Transaction] Cust Size=0; Number of Images=1; Print Events=1\nS [OrvaComm] Bank Protocol=8"},
        {"a stored protocol outside the list: none shown, the box disabled, and the protocol kept", "S [OrvaComm] Bank Protocol=11",
         "see Transaction Protocol = <none>; disabled Customer Field Size; ok",
         "S [Transaction] Cust Size=0; Number of Images=1; Print Events=0"},
        {"+ and - step the images, never below one", "S [Transaction] Number of Images=-4",
         "click -; see 163 = 1; click +; click +; see 163 = 3; click -; "
         "type 163 = x; click +; see 163 = 1; cancel", ""},
    });
}

TEST_F(Transactions, ImageSelection)
{
    RunScenarios(*this, IDM_IMAGE_SELECTION, "", {
        {"no keys: the defaults, and OK stores what the two-decimal percentages come back as", "",
         "see @caption = Image Selection; see Compression Factor = 6; see Pixel Delta = 11.76; see Pixels Changed = 10.50; "
         "see Surveillance Image Repetition = 1; see Lumin Compensation = off; see Global Contrast = on; ok",
         "S [OrvaVideo] S Rep=1; Compression Factor=-6; Global Settings=1; Lumin Compensation=0\n"
         "S [Lobby] Pixel Delta Value=30; Pixels Changed=9996"},
        {"percentages typed: 100 is the whole scale, text is 0; an empty compression box stores 0",
         "S [OrvaVideo] Compression Factor=-9; S Rep=3", "see Compression Factor = 9; type Pixel Delta = 100; "
         "type Pixels Changed = many; type Compression Factor = ; click Lumin Compensation; click Global Contrast; ok",
         "S [OrvaVideo] Compression Factor=0; Global Settings=0; Lumin Compensation=1\n"
         "S [Lobby] Pixel Delta Value=255; Pixels Changed=0"},
        {"a Halden unit cannot change the compression, which is stored again unchanged",
         "S [Global] Halden=1\nS [OrvaVideo] Compression Factor=-4; S Rep=1; Global Settings=1; Lumin Compensation=0\n"
         "S [Lobby] Pixel Delta Value=30; Pixels Changed=95200", "disabled Compression Factor; see Pixels Changed = 100.00; ok", ""},
    });
}

TEST_F(Transactions, CaptureAdapter)
{
    RunScenarios(*this, IDM_TCPIP_CAPTURE, "", {
        {"no adapters: none selected, local capture on; OK stores no adapter and an empty filter", "",
         "see @caption = TCPIP Capture Adapter Setup; items Adapter Name = None Selected; see Adapter Name = None Selected; "
         "see Adapter Description = ; see Use Local = on; see Filter String = ; ok",
         "S [Lan Monitoring] Local Capture=1; Selected Adapter=0; Active Adapter Name=; Filter String="},
        {"the adapter chosen is stored by number and name; descriptions follow the choice",
         "S [Lan Monitoring] Installed Adapters=3; Adapter 1 Name=eth0; Adapter 2 Name=Intel PRO/1000; Adapter 3 Name=wifi\n"
         "S [Lan Monitoring] Adapter 2 Desc=Teller network; Selected Adapter=3; Adapter 3 Desc=Wireless",
         "items Adapter Name = None Selected, eth0, Intel PRO/1000, wifi; see Adapter Description = Wireless; "
         "choose Adapter Name = Intel PRO/1000; see Adapter Description = Teller network; choose Adapter Name = None Selected; "
         "see Adapter Description = (No description available); choose Adapter Name = Intel PRO/1000; "
         "type Filter String = tcp port 5000; click Use Local; ok",
         "S [Lan Monitoring] Local Capture=0; Selected Adapter=2; Active Adapter Name=Intel PRO/1000; Filter String=tcp port 5000"},
        {"a stored adapter beyond the list: none selected, and kept; a count beyond any real one is bounded",
         "S [Lan Monitoring] Installed Adapters=100000; Selected Adapter=300", "see Adapter Name = <none>; ok",
         "S [Lan Monitoring] Local Capture=1; Active Adapter Name=; Filter String="},
    });
}

TEST_F(Transactions, TcpipAtmSetup)
{
    RunScenarios(*this, IDM_TCPIP_ATM_CONFIG, "", {
        {"a style without keys: teller 99, the camera field, no line or position stored", "",
         "see @caption = TCPIP ATM Setup; see ATM Configuration Style = 1; see Branch Number = ; see Teller Number = 99; "
         "see Camera Field = on; disabled Line Number; disabled Character Position; ok",
         "S [ATM Config] Unit 1 Branch=; Unit 1 Teller=99; Unit 1 Camera Field=1"},
        {"the print field shows the style's own line and position, and is stored with the style, not at once", "",
         "see Line Number = 10; see Character Position = 25; click Print Field; enabled Line Number; cancel", ""},
        {"the print field stored with OK, with the line and position shown", "",
         "click Print Field; ok",
         "S [ATM Config] Unit 1 Branch=; Unit 1 Teller=99; Unit 1 Camera Field=0; Unit 1 Transaction Line=10; Unit 1 Transaction Pos=25"},
        {"Next and Previous discard edits and stop at styles 4 and 1; Update stores the style shown",
         "S [ATM Config] Unit 2 Camera Field=0; Unit 2 Transaction Line=12; Unit 2 Transaction Pos=40; Unit 3 Teller=7",
         "type Branch Number = lost; click Previous; see Branch Number = ; click Next; see Line Number = 12; click Next; "
         "see Teller Number = 7; see Line Number = 10; disabled Line Number; click Next; click Next; see ATM Configuration Style = 4; "
         "type Branch Number = 0042; click Update; click Previous; click Previous; type Character Position = 41; ok",
         "S [ATM Config] Unit 4 Branch=0042; Unit 4 Teller=99; Unit 4 Camera Field=1\n"
         "S [ATM Config] Unit 2 Branch=; Unit 2 Teller=99; Unit 2 Transaction Pos=41"},
    });
}

TEST_F(Transactions, AtmReceiptText)
{
    RunScenarios(*this, IDM_ATM_TRANSACTIONS, "", {
        {"no file: receipts off, no overlay, white on black, line 1 not placed; OK keeps a line's position as stored", "",
         "see @caption = ATM Transaction Data; see Show receipt = off; see Overlay = off; see Text Color = White; "
         "see Background Color = Black; see 172 = 1; see Display Line = off; see Line 1 = off; see Line 2 = off; ok",
         "T [Line 1] Display=0\nT [General] Text Block=1; Enabled=0; Text Color=1; Background Color=0"},
        {"+ and - stop at 12 and 1, reload the line and discard edits; Update stores the line shown, in the copy's folder",
         "T [Line 12] Display=1; Y=17\nT [Line 2] Y=31; X=3",
         "click -; see 172 = 1; click Display Line; click +; see Line 3 = on; click Line 1; click Update; "
         "click +; click +; click +; click +; click +; click +; click +; click +; click +; click +; click +; see 172 = 12; "
         "see Display Line = on; see Line 2 = on; click Overlay; choose Text Color = Blue; ok",
         "T [Line 2] Display=0; Y=3\nT [Line 12] X=3\nT [General] Text Block=0; Enabled=0; Text Color=4; Background Color=0"},
        {"the local recorder's file is the Windows folder's, and a colour it cannot show is kept",
         "local\nT [General] Text Color=5", "see Text Color = <none>; ok",
         "T [Line 1] Display=0\nT [General] Text Block=1; Enabled=0; Background Color=0"},
    });
}

TEST_F(Transactions, TcpipMonitoring)
{
    const Box kOutOfRange{"Error", "MAC Address Out of Range", "none"};
    std::string nineNexts;
    for (int i = 0; i < 9; ++i)
        nineNexts += "click Next; ";
    RunScenarios(*this, IDM_TCPIP_MONITORING, "S [Global] QUELT Version=V12.0", {
        {"a channel without keys, and what Update stores for it", "",
         "see @caption = TCPIP Transaction Monitoring; see 191 = 1; see Device Type = Inactive; see Configuration Style = 1; "
         "disabled Configuration Style; see 199 = 255; see 134 = 255; see 173 = ; see Camera Number = 1; see 51783 = Camera Num&ber; "
         "hidden TCPIP Port; "
         "hidden 239; click Update; cancel",
         "S [TCPIP] Device 1 Use EBCDIC=0; Device 1 MAC Address=; Device 1 Address=255.255.255.255; Device 1 Port=1\n"
         "S [TCPIP] Device 1 Type=0; Device 1 Cfg Unit=1"},
        {"an address above 255 is refused with the MAC address before it; a MAC address in any case is stored in capitals", "",
         "type 173 = 0; type 177 = a; type 179 = 1B; type 180 = c; type 178 = D; type 181 = ff; type 199 = 256; ok; see 199 = 256; "
         "type 199 = 10; ok", "S [TCPIP] Device 1 MAC Address=00:0A:1B:0C:0D:FF; Device 1 Address=10.255.255.255; Device 1 Use EBCDIC=0\n"
         "S [TCPIP] Device 1 Cfg Unit=1; Device 1 Port=1; Device 1 Type=0\nS [Transaction] TCPIP Events=0",
         {{"Error", "TCPIP Address Invalid", "none"}}},
        {"MAC addresses refused: all zero, a part above FF, not hexadecimal, a part missing", "",
         "type 173 = 0; type 177 = 0; type 179 = 0; type 180 = 0; type 178 = 0; type 181 = 0; click Update; type 181 = 100; "
         "click Update; type 181 = zz; click Update; type 181 = ; click Update; cancel", "",
         {kOutOfRange, kOutOfRange, {"Error", "MAC Address Invalid", "none"}, {"Error", "MAC Address Entries Invalid", "none"}}},
        {"camera 38 and style 4 are the last; an ATM type has a style", "",
         "type Camera Number = 39; click Update; type Camera Number = 38; choose Device Type = ATM Link Converter; "
         "enabled Configuration Style; type Configuration Style = 5; click Update; type Configuration Style = 4; ok",
         "S [TCPIP] Device 1 Use EBCDIC=0; Device 1 MAC Address=; Device 1 Address=255.255.255.255; Device 1 Port=38\n"
         "S [TCPIP] Device 1 Type=2; Device 1 Cfg Unit=4\nS [Transaction] TCPIP Events=0",
         {{"Error", "Camera Port Number Invalid", "none"}, {"Error", "Configuration Number Invalid", "none"}}},
        {"version 10 watches 8 channels, 11 watches 16", "S [Global] QUELT Version=V10.0",
         "click Previous; see 191 = 1; " + nineNexts + "see 191 = 8; cancel", ""},
        {"version 11 watches 16", "S [Global] QUELT Version=V11.0\nS [TCPIP] Device 16 Port=7",
         nineNexts + nineNexts + "see 191 = 16; see Camera Port Number = 7; cancel", ""},
        {"a transaction-data device: its fields, bytes modulo 256 (kept as stored), EBCDIC hiding the case choice but not its value",
         "S [TCPIP] Device 1 Type=5; Device 1 Seq Loc=300; Device 1 Condition 1 Ignore Case=1; Device 1 Use EBCDIC=1\n"
         "S [TCPIP] Device 1 Condition 1 String=DEPOSIT",
         "shown TCPIP Port; see Seq Location = 44; hidden 114; see 239 = DEPOSIT; type 239 = typed; choose Device Type = Inactive; "
         "hidden TCPIP Port; choose Device Type = Transaction Data; see 239 = DEPOSIT; click EBCDIC; shown 114; ok",
         "S [TCPIP] Device 1 Use EBCDIC=0; Device 1 MAC Address=; Device 1 Address=255.255.255.255; Device 1 Port=1\n"
         "S [TCPIP] Device 1 TCPIP Port=; Device 1 Teller Loc=0; Device 1 Branch=0; Device 1 Seq Len=0\n"
         "S [TCPIP] Device 1 Text Loc=0; Device 1 Both Conditions=0; Device 1 Condition 2 String=; Device 1 Condition 2 Ignore Case=0\n"
         "S [TCPIP] Device 1 Cfg Unit=1\nS [Transaction] TCPIP Events=0"},
    });
}
