#include "alarmprop.h"
#include "email.h"

#include "defines.h"
#include "dlgctl.h"
#include "helptopic.h"
#include "numtext.h"
#include "profile.h"
#include "propsheet.h"
#include "resource.h"
#include "unit.h"

#include <cstdio>
#include <string>

namespace {

constexpr char kSecAlarms[] = "Alarms";
constexpr char kSecEmail[] = "Email";
constexpr char kSecStatusReport[] = "Status Report";
constexpr size_t kPhoneMax = 79;
// The recorder reads the e-mail and SMS addresses into a 255-byte buffer.
constexpr size_t kAddressesMax = 254;

struct SystemFlag {
    const char* key;
    int id;
    int def;
};

// The flags in the order the page writes them.
constexpr SystemFlag kSystemFlags[] = {
    {"Exclusive", IDC_SA_EXCLUSIVE, 0},           {"Report Video Failures", IDC_SA_REPORT_VIDEO, 0},
    {"Report Mux Fail", IDC_SA_REPORT_MUX, 0},    {"Enable Watchdog", IDC_SA_WATCHDOG, 1},
    {"Report Disk Fail", IDC_SA_REPORT_DISK, 0},  {"Report Power Up", IDC_SA_REPORT_POWER, 0},
    {"Report Reboot", IDC_SA_REPORT_REBOOT, 0},   {"System Report to Phone", IDC_SA_PHONE_REPORT, 0},
    {"System Report to LAN", IDC_SA_LAN_REPORT, 0}, {"Report Illum Alarm", IDC_SA_REPORT_ILLUM, 0}};

// The address boxes from left to right, and the controls of the LAN (Korvel) report.
constexpr int kOctets[] = {IDC_SA_OCTET1, IDC_SA_OCTET2, IDC_SA_OCTET3, IDC_SA_OCTET4};
constexpr int kLanControls[] = {IDC_SA_LAN_REPORT, IDC_SA_LAN_LABEL, IDC_SA_OCTET1, IDC_SA_OCTET2, IDC_SA_OCTET3, IDC_SA_OCTET4};

// The layout of 12.1 and later has its own box for the modem's number and keeps box 174 for the
// e-mail and SMS addresses, so that the two never overwrite each other.
bool HasEmailSettings(HWND page) { return Item(page, IDC_SA_MODEM_PHONE) != nullptr; }
int PhoneBox(HWND page) { return HasEmailSettings(page) ? IDC_SA_MODEM_PHONE : IDC_SA_PHONE; }

void ShowSystemAlarms(HWND page)
{
    // The alert task sends LAN reports from its version 2 on; with an older one the controls are
    // only shown, disabled, where the unit is set up for LAN alarms.
    const bool lanTask = AppMajorVersion("AlertTxTask.EXE") >= 2;
    const bool lanShown = lanTask || ReadInt(SystemIni(), kSecGlobal, "LAN Alarms", 0) != 0;
    for (const int id : kLanControls) {
        EnableItem(page, id, lanTask);
        ShowItem(page, id, lanShown);
    }
    SetItemInt(page, IDC_SA_SAMPLES, ReadInt(SystemIni(), kSecOrvaVideo, "A Rep", 1));
    // A Halden unit records its alarm cameras its own way; the values are still written as shown.
    if (IsHaldenUnit()) {
        ShowItem(page, IDC_SA_EXCLUSIVE, false);
        EnableItem(page, IDC_SA_SAMPLES, false);
    }
    for (const SystemFlag& flag : kSystemFlags)
        SetItemCheck(page, flag.id, ReadInt(SystemIni(), kSecAlarms, flag.key, flag.def) != 0);
    SetItemUInt(page, IDC_SA_REPORT_HOURS, static_cast<unsigned>(ReadInt(SystemIni(), kSecStatusReport, "Report Hours", 0)));
    LimitItemText(page, PhoneBox(page), kPhoneMax);
    SetItemText(page, PhoneBox(page), ReadString(SystemIni(), kSecAlarms, "Report Phone Nbr", "", kPhoneMax + 1));
    const auto octets = SplitDottedOctets(ReadString(SystemIni(), kSecAlarms, "Report LAN Addr", "", kPhoneMax + 1));
    for (size_t i = 0; i < octets.size(); ++i)
        SetItemInt(page, kOctets[i], octets[i]);
    if (HasEmailSettings(page)) {
        EnableItem(page, IDC_SA_PHONE, true);
        EnableItem(page, IDC_SA_CONFIGURE_EMAIL, true);
        LimitItemText(page, IDC_SA_PHONE, kAddressesMax);
        SetItemText(page, IDC_SA_PHONE, ReadString(SystemIni(), kSecEmail, "To Address", "", kAddressesMax + 1));
    }
}

const Refusal& kBadAddress = DeclareRefusal("Error", "TCPIP address invalid. Address not saved.");

bool SaveSystemAlarms(HWND page)
{
    unsigned octets[4];
    bool valid = true;
    for (size_t i = 0; i < 4; ++i)
        valid = (octets[i] = GetItemUInt(page, kOctets[i])) <= 255 && valid;
    if (!Check(page, valid, kBadAddress))
        return false;
    for (const SystemFlag& flag : kSystemFlags)
        WriteFlag(SystemIni(), kSecAlarms, flag.key, IsItemChecked(page, flag.id));
    WriteInt(SystemIni(), kSecStatusReport, "Report Hours", static_cast<int>(GetItemUInt(page, IDC_SA_REPORT_HOURS)));
    WriteInt(SystemIni(), kSecOrvaVideo, "A Rep", GetItemInt(page, IDC_SA_SAMPLES));
    WriteString(SystemIni(), kSecAlarms, "Report Phone Nbr", GetItemText(page, PhoneBox(page), kPhoneMax));
    char address[48];
    std::snprintf(address, sizeof address, "%u.%u.%u.%u", octets[0], octets[1], octets[2], octets[3]);
    WriteString(SystemIni(), kSecAlarms, "Report LAN Addr", address);
    if (HasEmailSettings(page))
        WriteString(SystemIni(), kSecEmail, "To Address", GetItemText(page, IDC_SA_PHONE, kAddressesMax));
    return true;
}

} // namespace

INT_PTR CALLBACK SystemAlarmsProc(HWND page, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    // The e-mail dialog may change the recipient list: shown again after its OK.
    if (msg == WM_COMMAND && LOWORD(wParam) == IDC_SA_CONFIGURE_EMAIL) {
        if (ModalDialog(hParentInst, "EmailDialog", page, EmailDialogProc, 0) != 0)
            SetItemText(page, IDC_SA_PHONE, ReadString(SystemIni(), kSecEmail, "To Address", "", kAddressesMax + 1));
        return TRUE;
    }
    return EditPage(page, msg, lParam, ShowSystemAlarms, SaveSystemAlarms);
}
