#include "tcpipmon.h"

#include "defines.h"
#include "dlgctl.h"
#include "numtext.h"
#include "profile.h"
#include "resource.h"
#include "unit.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr char kSecTcpip[] = "TCPIP";
constexpr size_t kTextMax = 79;
// Recorders watch 8 devices before version 11, 16 from then on.
constexpr int kFirstSixteenVersion = 11;
constexpr int kTransactionData = 5;
constexpr int kAddressBoxes[] = {IDC_TM_ADDRESS1, IDC_TM_ADDRESS2, IDC_TM_ADDRESS3, IDC_TM_ADDRESS4};
constexpr int kMacBoxes[] = {IDC_TM_MAC1, IDC_TM_MAC2, IDC_TM_MAC3, IDC_TM_MAC4, IDC_TM_MAC5, IDC_TM_MAC6};
// Everything a "Transaction Data" device adds: shown for that type alone.
constexpr int kTransactionFields[] = {IDC_TM_TCPIP_PORT_LABEL, IDC_TM_TCPIP_PORT, IDC_TM_COND1_GROUP, IDC_TM_COND1,
                                      IDC_TM_IGNORE_CASE1, IDC_TM_COND2_GROUP, IDC_TM_COND2, IDC_TM_IGNORE_CASE2,
                                      IDC_TM_LOGIC_GROUP, IDC_TM_BOTH, IDC_TM_EITHER, IDC_TM_TEXT_LOC_LABEL, IDC_TM_TEXT_LOC,
                                      IDC_TM_SEQ_LOC_LABEL, IDC_TM_SEQ_LOC, IDC_TM_TELLER_LABEL, IDC_TM_TELLER_LOC,
                                      IDC_TM_BRANCH_LABEL, IDC_TM_BRANCH, IDC_TM_SEQ_LEN_LABEL, IDC_TM_SEQ_LEN};

std::string DeviceKey(int channel, const char* what) { return "Device " + std::to_string(channel) + " " + what; }
int ReadDeviceInt(int channel, const char* what, int def) { return ReadInt(SystemIni(), kSecTcpip, DeviceKey(channel, what).c_str(), def); }
std::string ReadDeviceText(int channel, const char* what)
{
    return ReadString(SystemIni(), kSecTcpip, DeviceKey(channel, what).c_str(), "", kTextMax + 1);
}
void WriteDevice(int channel, const char* what, const std::string& value)
{
    WriteString(SystemIni(), kSecTcpip, DeviceKey(channel, what).c_str(), value);
}
void WriteDeviceFlag(int channel, const char* what, bool on) { WriteDevice(channel, what, on ? "1" : "0"); }

int Channels() { return QUELT_MajorVersion() >= kFirstSixteenVersion ? 16 : 8; }
int ShownChannel(HWND dlg) { return GetItemInt(dlg, IDC_TM_CHANNEL); }
// The locations are bytes of the device's data: shown modulo 256.
void SetByteItem(HWND dlg, int id, int value) { SetItemUInt(dlg, id, static_cast<unsigned>(value) % 256); }

const Refusal& kMacEntries = DeclareRefusal("Error", "MAC Address Entries Invalid");
const Refusal& kMacInvalid = DeclareRefusal("Error", "MAC Address Invalid");
const Refusal& kMacRange = DeclareRefusal("Error", "MAC Address Out of Range");
const Refusal& kAddressInvalid = DeclareRefusal("Error", "TCPIP Address Invalid");
const Refusal& kCameraPortInvalid = DeclareRefusal("Error", "Camera Port Number Invalid");
const Refusal& kStyleInvalid = DeclareRefusal("Error", "Configuration Number Invalid");

void ShowTransactionFields(HWND dlg, bool shown)
{
    for (const int id : kTransactionFields)
        ShowItem(dlg, id, shown);
    // EBCDIC data is compared as it stands: no case to ignore.
    const bool ebcdic = IsItemChecked(dlg, IDC_TM_EBCDIC);
    ShowItem(dlg, IDC_TM_IGNORE_CASE1, shown && !ebcdic);
    ShowItem(dlg, IDC_TM_IGNORE_CASE2, shown && !ebcdic);
}

// The configuration style names one of the ATM setups, so only the ATM types have one.
void ShowDeviceType(HWND dlg, int channel, int type)
{
    EnableItem(dlg, IDC_TM_CFG_UNIT, type >= 2 && type <= 4);
    if (type == kTransactionData)
        ShowTcpipCond(channel, dlg);
    else
        ShowTransactionFields(dlg, false);
}

// Six parts of one to three hexadecimal digits, each at most FF and not all zero; empty when all
// six boxes are. Returns false after saying what is wrong.
bool ReadMacAddress(HWND dlg, std::string& mac)
{
    std::string parts[6];
    int filled = 0;
    for (size_t i = 0; i < 6; ++i)
        filled += !(parts[i] = GetItemText(dlg, kMacBoxes[i], 3)).empty();
    mac.clear();
    if (filled == 0)
        return true;
    if (!Check(dlg, filled == 6, kMacEntries))
        return false;
    unsigned bytes[6];
    unsigned sum = 0;
    for (size_t i = 0; i < 6; ++i) {
        if (!Check(dlg, parts[i].find_first_not_of("0123456789abcdefABCDEF") == std::string::npos, kMacInvalid))
            return false;
        sum += bytes[i] = static_cast<unsigned>(std::strtoul(parts[i].c_str(), nullptr, 16));
    }
    for (const unsigned byte : bytes)
        if (!Check(dlg, byte <= 255 && sum != 0, kMacRange))
            return false;
    char text[32];
    std::snprintf(text, sizeof text, "%02X:%02X:%02X:%02X:%02X:%02X", bytes[0], bytes[1], bytes[2], bytes[3], bytes[4], bytes[5]);
    mac = text;
    return true;
}

} // namespace

void ShowTcpipChCfg(int channel, HWND dlg)
{
    if (QUELT_MajorVersion() >= 12)
        SetItemText(dlg, IDC_TM_CAMERA_LABEL, "Camera Num&ber");
    SetItemInt(dlg, IDC_TM_CHANNEL, channel);
    SetItemCheck(dlg, IDC_TM_EBCDIC, ReadDeviceInt(channel, "Use EBCDIC", 0) != 0);
    const int type = ReadDeviceInt(channel, "Type", 0);
    SetComboSel(dlg, IDC_TM_TYPE, type >= 0 && type < static_cast<int>(TcpipDeviceText.size()) ? type : -1);
    SetItemUInt(dlg, IDC_TM_CFG_UNIT, static_cast<unsigned>(ReadDeviceInt(channel, "Cfg Unit", 1)));
    ShowDeviceType(dlg, channel, type);
    const auto octets = SplitDottedOctets(ReadDeviceText(channel, "Address"));
    for (size_t i = 0; i < octets.size(); ++i)
        SetItemInt(dlg, kAddressBoxes[i], octets[i]);
    SetItemInt(dlg, IDC_TM_CAMERA_PORT, ReadDeviceInt(channel, "Port", channel));
    const std::string mac = ReadDeviceText(channel, "MAC Address");
    size_t start = 0;
    for (const int id : kMacBoxes) {
        const size_t colon = std::min(mac.find(':', start), mac.size());
        SetItemText(dlg, id, start <= mac.size() ? mac.substr(start, colon - start) : "");
        start = colon + 1;
    }
}

void ShowTcpipCond(int channel, HWND dlg)
{
    ShowTransactionFields(dlg, true);
    SetItemText(dlg, IDC_TM_TCPIP_PORT, ReadDeviceText(channel, "TCPIP Port"));
    SetItemInt(dlg, IDC_TM_TELLER_LOC, ReadDeviceInt(channel, "Teller Loc", 0));
    SetItemInt(dlg, IDC_TM_BRANCH, ReadDeviceInt(channel, "Branch", 0));
    SetByteItem(dlg, IDC_TM_SEQ_LOC, ReadDeviceInt(channel, "Seq Loc", 0));
    SetByteItem(dlg, IDC_TM_SEQ_LEN, ReadDeviceInt(channel, "Seq Len", 0));
    SetByteItem(dlg, IDC_TM_TEXT_LOC, ReadDeviceInt(channel, "Text Loc", 0));
    SetItemText(dlg, IDC_TM_COND1, ReadDeviceText(channel, "Condition 1 String"));
    const bool both = ReadDeviceInt(channel, "Both Conditions", 0) != 0;
    SetItemCheck(dlg, IDC_TM_BOTH, both);
    SetItemCheck(dlg, IDC_TM_EITHER, !both);
    SetItemCheck(dlg, IDC_TM_IGNORE_CASE1, ReadDeviceInt(channel, "Condition 1 Ignore Case", 0) != 0);
    SetItemText(dlg, IDC_TM_COND2, ReadDeviceText(channel, "Condition 2 String"));
    SetItemCheck(dlg, IDC_TM_IGNORE_CASE2, ReadDeviceInt(channel, "Condition 2 Ignore Case", 0) != 0);
}

void SaveTcpipCond(HWND dlg)
{
    const int channel = ShownChannel(dlg);
    WriteDevice(channel, "TCPIP Port", GetItemText(dlg, IDC_TM_TCPIP_PORT, kTextMax));
    WriteDevice(channel, "Teller Loc", std::to_string(GetItemInt(dlg, IDC_TM_TELLER_LOC)));
    for (const auto& [what, id] : {std::pair{"Branch", IDC_TM_BRANCH}, {"Seq Loc", IDC_TM_SEQ_LOC}, {"Seq Len", IDC_TM_SEQ_LEN},
                                   {"Text Loc", IDC_TM_TEXT_LOC}})
        WriteDevice(channel, what, std::to_string(GetItemUInt(dlg, id)));
    WriteDevice(channel, "Condition 1 String", GetItemText(dlg, IDC_TM_COND1, kTextMax));
    WriteDeviceFlag(channel, "Both Conditions", IsItemChecked(dlg, IDC_TM_BOTH));
    WriteDeviceFlag(channel, "Condition 1 Ignore Case", IsItemChecked(dlg, IDC_TM_IGNORE_CASE1));
    WriteDevice(channel, "Condition 2 String", GetItemText(dlg, IDC_TM_COND2, kTextMax));
    WriteDeviceFlag(channel, "Condition 2 Ignore Case", IsItemChecked(dlg, IDC_TM_IGNORE_CASE2));
}

// Every value is checked before any is written: a refusal stores nothing of the channel.
bool UpdateTcpipChCfg(HWND dlg)
{
    const int channel = ShownChannel(dlg);
    std::string mac;
    if (!ReadMacAddress(dlg, mac))
        return false;
    unsigned octets[4];
    bool addressValid = true;
    for (size_t i = 0; i < 4; ++i)
        addressValid = (octets[i] = GetItemUInt(dlg, kAddressBoxes[i])) <= 255 && addressValid;
    const unsigned port = GetItemUInt(dlg, IDC_TM_CAMERA_PORT), style = GetItemUInt(dlg, IDC_TM_CFG_UNIT);
    if (!Check(dlg, addressValid, kAddressInvalid) || !Check(dlg, Accepts(kDeviceCameraPortRule, port), kCameraPortInvalid) ||
        !Check(dlg, Accepts(kDeviceConfigUnitRule, style), kStyleInvalid))
        return false;
    WriteDeviceFlag(channel, "Use EBCDIC", IsItemChecked(dlg, IDC_TM_EBCDIC));
    WriteDevice(channel, "MAC Address", mac);
    char address[48];
    std::snprintf(address, sizeof address, "%u.%u.%u.%u", octets[0], octets[1], octets[2], octets[3]);
    WriteDevice(channel, "Address", address);
    WriteDevice(channel, "Port", std::to_string(port));
    const int type = GetComboSel(dlg, IDC_TM_TYPE);
    WriteDevice(channel, "Type", std::to_string(type));
    if (type == kTransactionData)
        SaveTcpipCond(dlg);
    WriteDevice(channel, "Cfg Unit", std::to_string(style));
    return true;
}

namespace {

// OK: the channel shown, and monitoring switched on or off with it.
bool SaveTcpipMon(HWND dlg)
{
    if (!UpdateTcpipChCfg(dlg))
        return false;
    WriteFlag(SystemIni(), "Transaction", "TCPIP Events", IsItemChecked(dlg, IDC_TM_ENABLED));
    return true;
}

} // namespace

INT_PTR CALLBACK TcpipMonProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM) noexcept
{
    if (msg == WM_COMMAND) {
        switch (LOWORD(wParam)) {
        case IDC_TM_NEXT: // moving to another channel discards what was not updated
        case IDC_TM_PREVIOUS: {
            const ReadSession session;
            ShowTcpipChCfg(StepItemInt(dlg, IDC_TM_CHANNEL, LOWORD(wParam) == IDC_TM_NEXT ? 1 : -1, 1, Channels()), dlg);
            Rehearse(dlg, SaveTcpipMon);
            return TRUE;
        }
        case IDC_TM_UPDATE:
            WriteNow(dlg, [&] { UpdateTcpipChCfg(dlg); });
            return TRUE;
        case IDC_TM_TYPE:
            if (HIWORD(wParam) == CBN_SELCHANGE)
                ShowDeviceType(dlg, ShownChannel(dlg), GetComboSel(dlg, IDC_TM_TYPE));
            return TRUE;
        case IDC_TM_EBCDIC:
            if (GetComboSel(dlg, IDC_TM_TYPE) == kTransactionData)
                for (const int id : {IDC_TM_IGNORE_CASE1, IDC_TM_IGNORE_CASE2})
                    ShowItem(dlg, id, !IsItemChecked(dlg, IDC_TM_EBCDIC));
            return TRUE;
        default:
            break;
        }
    }
    return OkCancelDialog(
        dlg, msg, wParam,
        [](HWND d) {
            SetItemCheck(d, IDC_TM_ENABLED, ReadInt(SystemIni(), "Transaction", "TCPIP Events", 0) != 0);
            FillCombo(d, IDC_TM_TYPE, TcpipDeviceText);
            ShowTcpipChCfg(1, d);
        },
        SaveTcpipMon);
}
