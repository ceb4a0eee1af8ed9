#include "schedule.h"

#include "dlgctl.h"
#include "profile.h"
#include "propsheet.h"
#include "resource.h"

#include <algorithm>
#include <string>

const std::array<const char*, 8> DayOfWeek = {"", "SUN", "MON", "TUE", "WED", "THU", "FRI", "SAT"};

const std::array<int, 24> HourToCheckBox = {
    IDC_SCH_H0,  IDC_SCH_H1,  IDC_SCH_H2,  IDC_SCH_H3,  IDC_SCH_H4,  IDC_SCH_H5,  IDC_SCH_H6,  IDC_SCH_H7,
    IDC_SCH_H8,  IDC_SCH_H9,  IDC_SCH_H10, IDC_SCH_H11, IDC_SCH_H12, IDC_SCH_H13, IDC_SCH_H14, IDC_SCH_H15,
    IDC_SCH_H16, IDC_SCH_H17, IDC_SCH_H18, IDC_SCH_H19, IDC_SCH_H20, IDC_SCH_H21, IDC_SCH_H22, IDC_SCH_H23};

const DLGPROC SchedProcSun = &PageThunk<SchedProc, 1>;
const DLGPROC SchedProcMon = &PageThunk<SchedProc, 2>;
const DLGPROC SchedProcTue = &PageThunk<SchedProc, 3>;
const DLGPROC SchedProcWed = &PageThunk<SchedProc, 4>;
const DLGPROC SchedProcThu = &PageThunk<SchedProc, 5>;
const DLGPROC SchedProcFri = &PageThunk<SchedProc, 6>;
const DLGPROC SchedProcSat = &PageThunk<SchedProc, 7>;

namespace {

constexpr char kSecSchedule[] = "Schedule";
constexpr char kEnabledKey[] = "Enabled";
constexpr char kMotionWhenOffKey[] = "MD When Off";

// "MON8" is Monday 08:00 to 08:59; any nonzero value is an ON period.
std::string HourKey(int day, int hour) { return DayOfWeek[static_cast<size_t>(day)] + std::to_string(hour); }

void ShowFlag(HWND page, int id, const char* key, int def)
{
    SetItemCheck(page, id, ReadInt(SystemIni(), kSecSchedule, key, def) != 0);
}

void SaveFlag(HWND page, int id, const std::string& key)
{
    WriteFlag(SystemIni(), kSecSchedule, key.c_str(), IsItemChecked(page, id));
}

void ShowProperties(HWND page)
{
    ShowFlag(page, IDC_SCH_ENABLED, kEnabledKey, 0);
    ShowFlag(page, IDC_SCH_MD_WHEN_OFF, kMotionWhenOffKey, 1);
}

void SaveProperties(HWND page)
{
    SaveFlag(page, IDC_SCH_ENABLED, kEnabledKey);
    SaveFlag(page, IDC_SCH_MD_WHEN_OFF, kMotionWhenOffKey);
}

} // namespace

INT_PTR CALLBACK SchedPropProc(HWND page, UINT msg, WPARAM, LPARAM lParam) noexcept
{
    return EditPage(page, msg, lParam, ShowProperties, SaveProperties);
}

// An applied day writes all 24 of its hours, off ones as "0", so the recorder never keeps an ON
// period the page showed as off.
INT_PTR SchedProc(HWND page, UINT msg, WPARAM wParam, LPARAM lParam, int day) noexcept
{
    if (msg == WM_COMMAND && std::ranges::find(HourToCheckBox, LOWORD(wParam)) == HourToCheckBox.end())
        return FALSE;
    return EditPage(
        page, msg, lParam,
        [&](HWND p) {
            for (int hour = 0; hour < 24; ++hour)
                ShowFlag(p, HourToCheckBox[static_cast<size_t>(hour)], HourKey(day, hour).c_str(), 0);
        },
        [&](HWND p) {
            for (int hour = 0; hour < 24; ++hour)
                SaveFlag(p, HourToCheckBox[static_cast<size_t>(hour)], HourKey(day, hour));
        });
}

void DisplaySchedProperties(HINSTANCE instance, HWND parent)
{
    const SheetPage pages[] = {
        {"IDD_SCHED_MAIN", "Properties", SchedPropProc}, {"IDD_SCHEDUAL", "Sunday", SchedProcSun},
        {"IDD_SCHEDUAL", "Monday", SchedProcMon},        {"IDD_SCHEDUAL", "Tuesday", SchedProcTue},
        {"IDD_SCHEDUAL", "Wednesday", SchedProcWed},     {"IDD_SCHEDUAL", "Thursday", SchedProcThu},
        {"IDD_SCHEDUAL", "Friday", SchedProcFri},        {"IDD_SCHEDUAL", "Saturday", SchedProcSat},
    };
    ShowPropertySheet(instance, parent, "Surveillance Schedule for All Cameras", pages);
}
