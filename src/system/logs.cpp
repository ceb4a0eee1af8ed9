#include "logs.h"

#include "resource.h"
#include "defines.h"
#include "dlgctl.h"
#include "profile.h"

#include <climits>

namespace {

// One number of [OrvaFile] edited in one box, with the range the recorder accepts.
struct LogLimit {
    const char* key;
    int def;
    int editId;
    ValueRule rule;
    const Refusal* belowMin;
    const Refusal* aboveMax; // none where the rule has no maximum
};

constexpr char kRangeTitle[] = "Error - Value out of Range";
constexpr UINT kRangeStyle = MB_OK | MB_ICONEXCLAMATION;

const LogLimit kActivityLog{"Activity Log Storage", 30, IDC_ACTIVITY_DAYS, kActivityLogDaysRule,
                            &DeclareRefusal(kRangeTitle, "Minimum Value is 1 Day", kRangeStyle), nullptr};
const LogLimit kStatusLog{"Status Log Size", 100, IDC_STATUS_LOG_SIZE, kStatusLogSizeRule,
                          &DeclareRefusal(kRangeTitle, "Minimum Value is 1 (1KB)", kRangeStyle),
                          &DeclareRefusal(kRangeTitle, "Maximum Value is 20,000 (20MB)", kRangeStyle)};

void ShowLogLimit(HWND dlg, const LogLimit& limit)
{
    SetItemInt(dlg, limit.editId, ReadInt(SystemIni(), kSecOrvaFile, limit.key, limit.def));
}

// Writes the box's value when the recorder accepts it; otherwise says why and keeps the dialog.
bool SaveLogLimit(HWND dlg, const LogLimit& limit)
{
    const int value = GetItemInt(dlg, limit.editId);
    const Refusal* refusal = value < limit.rule.low ? limit.belowMin : limit.aboveMax;
    if (!Check(dlg, Accepts(limit.rule, value), *refusal)) {
        FocusItem(dlg, limit.editId);
        return false;
    }
    WriteInt(SystemIni(), kSecOrvaFile, limit.key, value);
    return true;
}

INT_PTR LogLimitProc(HWND dlg, UINT msg, WPARAM wParam, const LogLimit& limit)
{
    return OkCancelDialog(
        dlg, msg, wParam, [&](HWND d) { ShowLogLimit(d, limit); },
        [&](HWND d) { return SaveLogLimit(d, limit); });
}

} // namespace

INT_PTR CALLBACK ActivityLogProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM) noexcept
{
    return LogLimitProc(dlg, msg, wParam, kActivityLog);
}

INT_PTR CALLBACK StatusLogProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM) noexcept
{
    return LogLimitProc(dlg, msg, wParam, kStatusLog);
}
