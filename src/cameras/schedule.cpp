#include "schedule.h"

#include "defines.h"
#include "dlgctl.h"
#include "profile.h"
#include "propsheet.h"
#include "resource.h"
#include "weekgrid.h"

#include <algorithm>
#include <cstdio>
#include <span>
#include <string>

const std::array<const char*, 8> DayOfWeek = {"", "SUN", "MON", "TUE", "WED", "THU", "FRI", "SAT"};
const std::array<const char*, 8> DayName = {"", "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

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

// The day pages have always labelled hour 17 "05:00 - 05:50 PM"; the week page names every hour as
// its box is labelled, so that the two views read alike.
std::string HourLabel(int hour)
{
    const int twelve = hour % 12 == 0 ? 12 : hour % 12;
    char text[32];
    std::snprintf(text, sizeof text, "%02d:00 - %02d:%s %s", twelve, twelve, hour == 17 ? "50" : "59", hour < 12 ? "AM" : "PM");
    return text;
}

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

// ---- The hours of the sheet -------------------------------------------------------------------
// The day pages and the week page show one set of hours, read when the sheet opens and kept for
// its life: a change on one view is on the other when its tab is selected.
struct SheetHours {
    WeekHours hours{};
    // Days a page has shown. On OK their 24 keys are stored, off hours as "0", so that the
    // recorder never keeps an ON period a page showed as off; a day no page showed keeps its keys.
    std::array<bool, 7> shown{};
    // The hours stored as shown, rehearsed when read: an hour the user did not change keeps its
    // stored text (a "2" shown as ON stays "2").
    long rehearsal = 0;
};

SheetHours* sheetHours = nullptr;

bool& HourOf(int day, int hour) { return sheetHours->hours[static_cast<size_t>(day)][static_cast<size_t>(hour)]; }

void StoreHours(const SheetHours& sheet, bool everyDay)
{
    for (int day = 0; day < 7; ++day)
        for (int hour = 0; hour < 24 && (everyDay || sheet.shown[static_cast<size_t>(day)]); ++hour)
            WriteFlag(SystemIni(), kSecSchedule, HourKey(day + 1, hour).c_str(), sheet.hours[static_cast<size_t>(day)][static_cast<size_t>(hour)]);
}

// The section is read whole: under Wine each key read alone is a trip to the file, and the week
// has 168 of them.
void ReadHours(SheetHours& sheet)
{
    const ReadSession session; // the rehearsal compares with the section as read here
    for (int day = 0; day < 7; ++day)
        for (int hour = 0; hour < 24; ++hour)
            sheet.hours[static_cast<size_t>(day)][static_cast<size_t>(hour)] =
                ReadInt(SystemIni(), kSecSchedule, HourKey(day + 1, hour).c_str(), 0) != 0;
    sheet.rehearsal = BeginRehearsal();
    StoreHours(sheet, true);
    EndRehearsal();
}

// One OK or Apply stores the hours once, from the last page it reaches (which also completes the
// confirmation), whichever view changed them.
void ApplyHours(HWND page)
{
    ApplyPage(page, [&] {
        if (!LastOpenedPage(page))
            return;
        ContinueWrites(sheetHours->rehearsal);
        StoreHours(*sheetHours, false);
    });
}

// The notices a page of hours answers: shown again when its tab is selected, as the other view
// may have changed the hours; applied on OK or Apply.
template <typename Show>
INT_PTR HoursNotice(HWND page, LPARAM lParam, Show show)
{
    switch (reinterpret_cast<const NMHDR*>(lParam)->code) {
    case PSN_SETACTIVE:
        show();
        return FALSE;
    case PSN_APPLY:
        ApplyHours(page);
        return TRUE;
    default:
        return FALSE;
    }
}

void ShowDay(HWND page, int day)
{
    for (int hour = 0; hour < 24; ++hour)
        SetItemCheck(page, HourToCheckBox[static_cast<size_t>(hour)], HourOf(day - 1, hour));
}

// ---- The week page ----------------------------------------------------------------------------

// A status text is set only when it reads differently: following the pointer, it would
// otherwise be drawn again at every move.
void ShowText(HWND page, int id, const std::string& text)
{
    if (GetItemText(page, id, 128) != text)
        SetItemText(page, id, text);
}

WeekCell CellOf(LRESULT result) { return {LOWORD(result), HIWORD(result)}; }

void ShowWeekStatus(HWND page)
{
    const WeekCell cell = CellOf(SendMessageA(Item(page, IDC_WEEK_GRID), WGM_NAMEDCELL, 0, 0));
    ShowText(page, IDC_WEEK_CELL, std::string(DayName[static_cast<size_t>(cell.day) + 1]) + ", " + HourLabel(cell.hour) + ": " +
                                      (HourOf(cell.day, cell.hour) ? "ON" : "OFF"));
    int on = 0;
    for (const auto& day : sheetHours->hours)
        on += static_cast<int>(std::count(day.begin(), day.end(), true));
    ShowText(page, IDC_WEEK_COUNT, "ON hours in the week: " + std::to_string(on) + " of 168");
}

void ShowWeek(HWND page)
{
    SendMessageA(Item(page, IDC_WEEK_GRID), WGM_SETHOURS, 0, reinterpret_cast<LPARAM>(&sheetHours->hours));
    ShowWeekStatus(page);
}

// ---- Copy Day ---------------------------------------------------------------------------------

struct CopyDay {
    WeekHours* hours;
    int source; // 0 Sunday to 6 Saturday
};

// Copying a day onto itself changes nothing: its box is cleared and disabled.
void ChooseSource(HWND dlg, int source)
{
    for (int day = 0; day < 7; ++day) {
        EnableItem(dlg, IDC_CD_DAY0 + day, day != source);
        if (day == source)
            SetItemCheck(dlg, IDC_CD_DAY0 + day, false);
    }
}

// "Weekdays" ticks Monday to Friday and clears the weekend; "All" ticks every day.
void TickDays(HWND dlg, int source, bool weekdays)
{
    for (int day = 0; day < 7; ++day)
        if (day != source)
            SetItemCheck(dlg, IDC_CD_DAY0 + day, !weekdays || (day >= 1 && day <= 5));
}

void CopyTicked(HWND dlg, const CopyDay& copy)
{
    bool changed = false;
    auto& hours = *copy.hours;
    for (int day = 0; day < 7; ++day)
        if (day != copy.source && IsItemChecked(dlg, IDC_CD_DAY0 + day)) {
            changed = changed || hours[static_cast<size_t>(day)] != hours[static_cast<size_t>(copy.source)];
            hours[static_cast<size_t>(day)] = hours[static_cast<size_t>(copy.source)];
        }
    EndDialog(dlg, changed ? 1 : 0);
}

INT_PTR CALLBACK CopyDayProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    auto* copy = reinterpret_cast<CopyDay*>(GetWindowLongPtrA(dlg, DWLP_USER));
    if (msg == WM_INITDIALOG) {
        SetWindowLongPtrA(dlg, DWLP_USER, lParam);
        copy = reinterpret_cast<CopyDay*>(lParam);
        FillCombo(dlg, IDC_CD_SOURCE, std::span(DayName).subspan(1));
        SetComboSel(dlg, IDC_CD_SOURCE, copy->source);
        ChooseSource(dlg, copy->source);
        return TRUE;
    }
    if (msg != WM_COMMAND || !copy)
        return FALSE;
    switch (LOWORD(wParam)) {
    case IDC_CD_SOURCE:
        if (HIWORD(wParam) == CBN_SELCHANGE && GetComboSel(dlg, IDC_CD_SOURCE) >= 0) {
            copy->source = GetComboSel(dlg, IDC_CD_SOURCE);
            ChooseSource(dlg, copy->source);
        }
        return TRUE;
    case IDC_CD_WEEKDAYS:
    case IDC_CD_ALL:
        TickDays(dlg, copy->source, LOWORD(wParam) == IDC_CD_WEEKDAYS);
        return TRUE;
    case IDOK:
        CopyTicked(dlg, *copy);
        return TRUE;
    case IDCANCEL:
        EndDialog(dlg, 0);
        return TRUE;
    default:
        return FALSE;
    }
}

void OpenCopyDay(HWND page)
{
    CopyDay copy{&sheetHours->hours, CellOf(SendMessageA(Item(page, IDC_WEEK_GRID), WGM_FOCUSCELL, 0, 0)).day};
    if (DialogBoxParamA(hInst, "IDD_SCHED_COPYDAY", page, CopyDayProc, reinterpret_cast<LPARAM>(&copy)) != 1)
        return;
    ShowWeek(page);
    NotifyChanged(page);
}

} // namespace

INT_PTR CALLBACK SchedPropProc(HWND page, UINT msg, WPARAM, LPARAM lParam) noexcept
{
    return EditPage(page, msg, lParam, ShowProperties, SaveProperties);
}

INT_PTR SchedProc(HWND page, UINT msg, WPARAM wParam, LPARAM lParam, int day) noexcept
{
    if (!sheetHours)
        return FALSE;
    switch (msg) {
    case WM_INITDIALOG:
        sheetHours->shown[static_cast<size_t>(day) - 1] = true;
        ShowDay(page, day);
        return TRUE;
    case WM_COMMAND: {
        const auto box = std::ranges::find(HourToCheckBox, LOWORD(wParam));
        if (box == HourToCheckBox.end() || HIWORD(wParam) != BN_CLICKED)
            return FALSE;
        HourOf(day - 1, static_cast<int>(box - HourToCheckBox.begin())) = IsItemChecked(page, *box);
        NotifyChanged(page);
        return TRUE;
    }
    case WM_NOTIFY:
        return HoursNotice(page, lParam, [&] { ShowDay(page, day); });
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK SchedProcWeek(HWND page, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    if (!sheetHours)
        return FALSE;
    switch (msg) {
    case WM_INITDIALOG:
        sheetHours->shown.fill(true);
        ShowWeek(page);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_WEEK_GRID) {
            if (HIWORD(wParam) == WGN_CHANGED)
                NotifyChanged(page);
            ShowWeekStatus(page);
            return TRUE;
        }
        if (LOWORD(wParam) == IDC_WEEK_COPY && HIWORD(wParam) == BN_CLICKED) {
            OpenCopyDay(page);
            return TRUE;
        }
        return FALSE;
    case WM_NOTIFY:
        return HoursNotice(page, lParam, [&] { ShowWeek(page); });
    default:
        return FALSE;
    }
}

void DisplaySchedProperties(HINSTANCE instance, HWND parent)
{
    RegisterWeekGrid(instance);
    SheetHours hours;
    ReadHours(hours);
    // The hours live as long as the sheet shows them.
    struct Shown {
        explicit Shown(SheetHours& h) { sheetHours = &h; }
        ~Shown()
        {
            ForgetRehearsal(sheetHours->rehearsal);
            sheetHours = nullptr;
        }
    } shown(hours);
    const SheetPage pages[] = {
        {"IDD_SCHED_MAIN", "Properties", SchedPropProc}, {"IDD_SCHEDUAL", "Sunday", SchedProcSun},
        {"IDD_SCHEDUAL", "Monday", SchedProcMon},        {"IDD_SCHEDUAL", "Tuesday", SchedProcTue},
        {"IDD_SCHEDUAL", "Wednesday", SchedProcWed},     {"IDD_SCHEDUAL", "Thursday", SchedProcThu},
        {"IDD_SCHEDUAL", "Friday", SchedProcFri},        {"IDD_SCHEDUAL", "Saturday", SchedProcSat},
        {"IDD_SCHED_WEEK", "Week", SchedProcWeek},
    };
    ShowPropertySheet(instance, parent, "Surveillance Schedule for All Cameras", pages);
}
