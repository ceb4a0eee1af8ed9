#include "alarmprop.h"

#include "defines.h"
#include "dlgctl.h"
#include "profile.h"
#include "propsheet.h"
#include "resource.h"
#include "unit.h"

#include <cstdio>
#include <string>
#include <vector>

HINSTANCE hParentInst = nullptr;

const std::array<DLGPROC, kMaxAlarmInputs> InputAlarmProcArray = MakePageProcs<InputAlarmsProc, kMaxAlarmInputs>();
const std::array<DLGPROC, kMaxOutputRelays> CondOutputAlarmProcArray = MakePageProcs<CondOutputAlarmsProc, kMaxOutputRelays>();

namespace {

constexpr char kSecAlarms[] = "Alarms";
// The recorder reads the image card's name into a 40-byte buffer.
constexpr size_t kImageCardBuf = 40;
// The recorder keeps the cameras an alarm records in an 80-byte buffer.
constexpr size_t kPortsMax = 79;

// Longer alarm recordings may not fit the disk space the recorder keeps for them.
constexpr int kLongestSafeDuration = 600;

std::string Numbered(const char* format, int number, const char* word = "")
{
    char text[64];
    std::snprintf(text, sizeof text, format, number, word);
    return text;
}

// A flag of [Alarms] shown in a check box: any nonzero number is on; written "1"/"0".
void ShowAlarmFlag(HWND page, int id, const std::string& key, int def = 0)
{
    SetItemCheck(page, id, ReadInt(SystemIni(), kSecAlarms, key.c_str(), def) != 0);
}

void SaveAlarmFlag(HWND page, int id, const std::string& key)
{
    WriteFlag(SystemIni(), kSecAlarms, key.c_str(), IsItemChecked(page, id));
}

// ---- Input alarm pages: the keys "Ch %d %s" of one alarm input ---------------------------

struct InputFlag {
    const char* word;
    int id;
};

// The flags in the order the page writes them; "Active High" is the "Open" radio button.
constexpr InputFlag kInputFlags[] = {{"Enabled", IDC_IA_ENABLED}, {"Active High", IDC_IA_OPEN},
                                     {"Report to Log", IDC_IA_LOG}, {"Report to Phone", IDC_IA_PHONE},
                                     {"Report to LAN", IDC_IA_LAN}, {"Report to Email", IDC_IA_EMAIL}};

std::string InputKey(int channel, const char* word) { return Numbered("Ch %d %s", channel, word); }

void ShowInputAlarm(HWND page, int channel)
{
    for (const InputFlag& flag : kInputFlags)
        ShowAlarmFlag(page, flag.id, InputKey(channel, flag.word));
    SetItemCheck(page, IDC_IA_CLOSED, !IsItemChecked(page, IDC_IA_OPEN));
    SetItemInt(page, IDC_IA_DURATION, ReadInt(SystemIni(), kSecAlarms, InputKey(channel, "Duration").c_str(), 0));
    LimitItemText(page, IDC_IA_PORTS, kPortsMax);
    SetItemText(page, IDC_IA_PORTS, ReadString(SystemIni(), kSecAlarms, InputKey(channel, "Ports").c_str(), "", kPortsMax + 1));
}

const Refusal& kNegativeDuration =
    DeclareRefusal("ERROR MESSAGE", "Negative number in Alarm time. Alarm time was not saved!", MB_OK | MB_ICONSTOP);
const Refusal& kBadRelayChannel = DeclareRefusal("ERROR MESSAGE", "Invalid Alarm Channel Number. Value was not saved!", MB_OK | MB_ICONSTOP);

bool SaveInputAlarm(HWND page, int channel)
{
    const int duration = GetItemInt(page, IDC_IA_DURATION);
    if (!Check(page, Accepts(kAlarmDurationRule, duration), kNegativeDuration))
        return false;
    for (const InputFlag& flag : kInputFlags)
        SaveAlarmFlag(page, flag.id, InputKey(channel, flag.word));
    WriteInt(SystemIni(), kSecAlarms, InputKey(channel, "Duration").c_str(), duration);
    if (duration > kLongestSafeDuration)
        Tell(page, "Durations more than 10 minutes may not be possible depending on disk usage!", "CAUTION MESSAGE",
             MB_OK | MB_ICONEXCLAMATION);
    WriteString(SystemIni(), kSecAlarms, InputKey(channel, "Ports").c_str(), GetItemText(page, IDC_IA_PORTS, kPortsMax));
    return true;
}

// ---- The single output relay --------------------------------------------------------------

void ShowOutputAlarm(HWND page)
{
    ShowAlarmFlag(page, IDC_OA_ENABLED, "Alarm Relay Enabled", 1);
    SetItemInt(page, IDC_OA_CHANNEL, ReadInt(SystemIni(), kSecAlarms, "Alarm Relay Channel", 2));
}

bool SaveOutputAlarm(HWND page)
{
    const int channel = GetItemInt(page, IDC_OA_CHANNEL);
    if (!Check(page, Accepts(kRelayChannelRule, channel), kBadRelayChannel))
        return false;
    SaveAlarmFlag(page, IDC_OA_ENABLED, "Alarm Relay Enabled");
    WriteInt(SystemIni(), kSecAlarms, "Alarm Relay Channel", channel);
    return true;
}

// ---- Conditional output relays: which system failures switch relay k on --------------------

struct MaskBit {
    int value;
    int id;
};

// The page's conditions. Bit 4 and the bits above 16 are none of them: the page keeps them as stored.
constexpr MaskBit kMaskBits[] = {{1, IDC_CO_DISK}, {2, IDC_CO_MUX}, {8, IDC_CO_ILLUM}, {16, IDC_CO_VIDEO}};
constexpr int kShownBits = 1 | 2 | 8 | 16;

void ShowCondOutput(HWND page, int relay)
{
    ShowAlarmFlag(page, IDC_CO_ENABLED, Numbered("Alarm Relay Enabled %d", relay));
    const int mask = ReadInt(SystemIni(), kSecAlarms, Numbered("Alarm Output Mask %d", relay).c_str(), 0);
    for (const MaskBit& bit : kMaskBits)
        SetItemCheck(page, bit.id, (mask & bit.value) != 0);
    // Relays 1 and 2 are on the primary multiplexer, 3 and 4 on the slave.
    SetItemText(page, IDC_CO_DESCRIPTION, Numbered("Controls output relay #%d on the %s", relay > 2 ? relay - 2 : relay,
                                                   relay > 2 ? "slave multiplexer." : "primary multiplexer."));
}

void SaveCondOutput(HWND page, int relay)
{
    SaveAlarmFlag(page, IDC_CO_ENABLED, Numbered("Alarm Relay Enabled %d", relay));
    const std::string key = Numbered("Alarm Output Mask %d", relay);
    int mask = ReadInt(SystemIni(), kSecAlarms, key.c_str(), 0) & ~kShownBits;
    for (const MaskBit& bit : kMaskBits)
        mask |= IsItemChecked(page, bit.id) ? bit.value : 0;
    WriteInt(SystemIni(), kSecAlarms, key.c_str(), mask);
}

} // namespace

INT_PTR InputAlarmsProc(HWND page, UINT msg, WPARAM, LPARAM lParam, int channel) noexcept
{
    return EditPage(page, msg, lParam, [&](HWND p) { ShowInputAlarm(p, channel); }, [&](HWND p) { return SaveInputAlarm(p, channel); });
}

INT_PTR CALLBACK OutputAlarmsProc(HWND page, UINT msg, WPARAM, LPARAM lParam) noexcept
{
    return EditPage(page, msg, lParam, ShowOutputAlarm, SaveOutputAlarm);
}

INT_PTR CondOutputAlarmsProc(HWND page, UINT msg, WPARAM, LPARAM lParam, int relay) noexcept
{
    return EditPage(page, msg, lParam, [&](HWND p) { ShowCondOutput(p, relay); }, [&](HWND p) { SaveCondOutput(p, relay); });
}

void DisplayAlarmProperties(HINSTANCE instance, HWND parent)
{
    hParentInst = instance;
    const bool halden = IsHaldenUnit();
    const bool s617 = HasS617Card(kImageCardBuf);
    // 32-channel S617 units have a slave multiplexer with two more inputs and relays.
    const int perMux = s617 && VideoChannels() == 32 ? 4 : 2;
    std::vector<SheetPage> pages = {{QUELT_VersionSameOrLater(12, 1) ? "IDD_SYSTEMALARMS_SMS" : "IDD_SYSTEMALARMS",
                                     "System Alarms", SystemAlarmsProc}};
    for (int input = 1; !halden && input <= perMux; ++input)
        pages.push_back({"IDD_INPUTALARMS", Numbered("Alarm #%d", input), InputAlarmProcArray[static_cast<size_t>(input - 1)]});
    if (!halden && !s617)
        pages.push_back({"IDD_OUTPUTALARMS", "Output Alarm", OutputAlarmsProc});
    for (int relay = 1; !halden && s617 && relay <= perMux; ++relay)
        pages.push_back({"IDD_CONDITIONAL_OUTPUTALARMS", Numbered("Output Alarm #%d", relay),
                         CondOutputAlarmProcArray[static_cast<size_t>(relay - 1)]});
    ShowPropertySheet(instance, parent, "Alarm Properties", pages);
}
