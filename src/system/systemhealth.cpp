#include "systemhealth.h"

#include "defines.h"
#include "dlgctl.h"
#include "hourformat.h"
#include "profile.h"
#include "resource.h"
#include "unit.h"

#include <cstdio>

namespace {

constexpr char kSecStatusReport[] = "Status Report";
// Turning the reboot on proposes this many timeouts.
constexpr unsigned kProposedTimeouts = 32;

void EnableTimeControls(HWND dlg, bool enabled)
{
    for (const int id : {IDC_SH_HOUR, IDC_SH_MINUTE, IDC_SH_12_HOUR, IDC_SH_24_HOUR})
        EnableItem(dlg, id, enabled);
}

// The form the time is shown in, kept with the dialog: a click on the radio of the form already
// shown converts nothing.
bool TwelveHourShown(HWND dlg) { return GetWindowLongPtrA(dlg, DWLP_USER) != 0; }

void ShowTwelveHour(HWND dlg, bool twelve)
{
    SetWindowLongPtrA(dlg, DWLP_USER, twelve);
    for (const int id : {IDC_SH_AM, IDC_SH_PM, IDC_SH_AM_PM_FRAME})
        ShowItem(dlg, id, twelve);
    ShowItem(dlg, IDC_SH_24_HOUR_NOTE, !twelve);
    if (!twelve)
        SetItemText(dlg, IDC_SH_24_HOUR_NOTE, "24 Hour Format");
}

void CheckOnly(HWND dlg, int checked, std::initializer_list<int> cleared)
{
    SetItemCheck(dlg, checked, true);
    for (const int id : cleared)
        SetItemCheck(dlg, id, false);
}

void ShowSystemHealth(HWND dlg)
{
    const int timeouts = ReadInt(SystemIni(), kSecOrvaComm, "Max Timeouts", 0);
    SetItemUInt(dlg, IDC_SH_MAX_TIMEOUTS, static_cast<unsigned>(timeouts));
    if (timeouts < 1)
        EnableItem(dlg, IDC_SH_MAX_TIMEOUTS, false);
    else
        SetItemCheck(dlg, IDC_SH_REBOOT, true);
    SetItemCheck(dlg, IDC_SH_DEBUG, ReadInt(SystemIni(), kSecStatusReport, "Debug SYSMONITOR Task", 0) != 0);
    SetItemInt(dlg, IDC_SH_DIRTY_HOURS, ReadInt(SystemIni(), kSecStatusReport, "Check Dirty Bit Hours", 1));
    SetItemInt(dlg, IDC_SH_SM_TIME, ReadInt(SystemIni(), kSecGlobal, "SM Time", 5));
    if (IsHaldenUnit())
        EnableItem(dlg, IDC_SH_REBOOT, false);
    const int mode = ReadInt(SystemIni(), kSecStatusReport, "Op Mode", 1);
    SetItemCheck(dlg, mode == 2 ? IDC_SH_AS_NEEDED : mode == 3 ? IDC_SH_EVERY_DAY : IDC_SH_ON_ERROR, true);
    if (mode != 2 && mode != 3)
        DisableSpecificPMTime(dlg);
    SetItemInt(dlg, IDC_SH_HOUR, ReadInt(SystemIni(), kSecStatusReport, "PM Hour", 1));
    SetItemText(dlg, IDC_SH_MINUTE, ReadString(SystemIni(), kSecStatusReport, "PM Min", "00", 40));
    const bool twelve = ReadInt(SystemIni(), kSecStatusReport, "PM Format", 24) == 12;
    SetItemCheck(dlg, twelve ? IDC_SH_12_HOUR : IDC_SH_24_HOUR, true);
    ShowTwelveHour(dlg, twelve);
    if (twelve)
        SetItemInt(dlg, IDC_SH_HOUR, Change24to12(dlg, GetItemInt(dlg, IDC_SH_HOUR)));
}

struct Range {
    int id;
    ValueRule rule;
    const Refusal& refusal;
};

const Range kRanges[] = {
    {IDC_SH_DIRTY_HOURS, kDirtyBitHoursRule,
     DeclareRefusal("Error Message", "Time Range for Check of Disk Structure Not Valid. Valid range 1-24")},
    {IDC_SH_SM_TIME, kErrorMinutesRule,
     DeclareRefusal("Error Message", "Time Range for Minutes of Error Condition Not Valid. Valid range 1-60")},
    {IDC_SH_HOUR, kMaintenanceHourRule, DeclareRefusal("", "Hour Value for Perform System Maintenance Out of Range")},
    {IDC_SH_MINUTE, kMaintenanceMinuteRule, DeclareRefusal("", "Minute Value for Perform System Maintenance Out of Range")}};

bool SaveSystemHealth(HWND dlg)
{
    for (const Range& range : kRanges)
        if (!Check(dlg, Accepts(range.rule, GetItemUInt(dlg, range.id)), range.refusal))
            return false;
    WriteInt(SystemIni(), kSecStatusReport, "Check Dirty Bit Hours", static_cast<int>(GetItemUInt(dlg, IDC_SH_DIRTY_HOURS)));
    WriteInt(SystemIni(), kSecGlobal, "SM Time", static_cast<int>(GetItemUInt(dlg, IDC_SH_SM_TIME)));
    WriteInt(SystemIni(), kSecOrvaComm, "Max Timeouts",
             IsItemChecked(dlg, IDC_SH_REBOOT) ? static_cast<int>(GetItemUInt(dlg, IDC_SH_MAX_TIMEOUTS)) : 0);
    WriteFlag(SystemIni(), kSecStatusReport, "Debug SYSMONITOR Task", IsItemChecked(dlg, IDC_SH_DEBUG));
    WriteInt(SystemIni(), kSecStatusReport, "Op Mode",
             IsItemChecked(dlg, IDC_SH_AS_NEEDED) ? 2 : IsItemChecked(dlg, IDC_SH_EVERY_DAY) ? 3 : 1);
    // The recorder keeps the hour in 24-hour form whatever form the technician used.
    const bool twentyFour = IsItemChecked(dlg, IDC_SH_24_HOUR);
    WriteString(SystemIni(), kSecStatusReport, "PM Format", twentyFour ? "24" : "12");
    const int hour = static_cast<int>(GetItemUInt(dlg, IDC_SH_HOUR));
    WriteInt(SystemIni(), kSecStatusReport, "PM Hour", twentyFour ? hour : Change12to24(dlg, hour));
    char minute[16];
    std::snprintf(minute, sizeof minute, "%02u", GetItemUInt(dlg, IDC_SH_MINUTE));
    WriteString(SystemIni(), kSecStatusReport, "PM Min", minute);
    return true;
}

void OnSystemHealthCommand(HWND dlg, int id)
{
    switch (id) {
    case IDC_SH_REBOOT:
        EnableItem(dlg, IDC_SH_MAX_TIMEOUTS, IsItemChecked(dlg, IDC_SH_REBOOT));
        if (IsItemChecked(dlg, IDC_SH_REBOOT) && GetItemUInt(dlg, IDC_SH_MAX_TIMEOUTS) == 0)
            SetItemUInt(dlg, IDC_SH_MAX_TIMEOUTS, kProposedTimeouts);
        break;
    case IDC_SH_ON_ERROR:
        CheckOnly(dlg, IDC_SH_ON_ERROR, {IDC_SH_AS_NEEDED, IDC_SH_EVERY_DAY});
        DisableSpecificPMTime(dlg);
        break;
    case IDC_SH_AS_NEEDED:
    case IDC_SH_EVERY_DAY:
        CheckOnly(dlg, id, {id == IDC_SH_AS_NEEDED ? IDC_SH_EVERY_DAY : IDC_SH_AS_NEEDED, IDC_SH_ON_ERROR});
        EnableSpecificPMTime(dlg);
        break;
    case IDC_SH_12_HOUR:
        if (TwelveHourShown(dlg))
            break;
        // An hour the 12-hour form cannot show keeps the 24-hour form, radios and all.
        if (GetItemUInt(dlg, IDC_SH_HOUR) >= 25) {
            Tell(dlg, "Hour Value Out of Range", "", MB_OK);
            CheckOnly(dlg, IDC_SH_24_HOUR, {IDC_SH_12_HOUR});
            break;
        }
        SetItemInt(dlg, IDC_SH_HOUR, Change24to12(dlg, static_cast<int>(GetItemUInt(dlg, IDC_SH_HOUR))));
        ShowTwelveHour(dlg, true);
        break;
    case IDC_SH_24_HOUR:
        if (!TwelveHourShown(dlg))
            break;
        SetItemInt(dlg, IDC_SH_HOUR, Change12to24(dlg, static_cast<int>(GetItemUInt(dlg, IDC_SH_HOUR))));
        ShowTwelveHour(dlg, false);
        break;
    case IDC_SH_AM: // the two boxes act as one choice, and choose the 12-hour form
    case IDC_SH_PM:
        CheckOnly(dlg, id, {id == IDC_SH_AM ? IDC_SH_PM : IDC_SH_AM, IDC_SH_24_HOUR});
        SetItemCheck(dlg, IDC_SH_12_HOUR, true);
        break;
    default:
        break;
    }
}

} // namespace

void DisableSpecificPMTime(HWND dlg) { EnableTimeControls(dlg, false); }
void EnableSpecificPMTime(HWND dlg) { EnableTimeControls(dlg, true); }

int Change24to12(HWND dlg, int hour)
{
    bool pm = false;
    const int shown = Hour24To12(hour, pm);
    SetItemCheck(dlg, IDC_SH_AM, !pm);
    SetItemCheck(dlg, IDC_SH_PM, pm);
    return shown;
}

int Change12to24(HWND dlg, int hour) { return Hour12To24(hour, IsItemChecked(dlg, IDC_SH_PM)); }

INT_PTR CALLBACK SystemHealthProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM) noexcept
{
    if (msg == WM_COMMAND && LOWORD(wParam) != IDOK && LOWORD(wParam) != IDCANCEL) {
        OnSystemHealthCommand(dlg, LOWORD(wParam));
        return TRUE;
    }
    return OkCancelDialog(dlg, msg, wParam, ShowSystemHealth, SaveSystemHealth);
}
