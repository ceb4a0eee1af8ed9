#include "rmtmonitor.h"

#include "defines.h"
#include "dlgctl.h"
#include "profile.h"
#include "resource.h"
#include "unit.h"

namespace {

constexpr char kSecStatusReport[] = "Status Report";
constexpr char kSecModem[] = "Modem";

// The ports the companion can check: video ports are cameras, data ports the serial ports.
struct PortLimits {
    int videoMax;
    int dataMax;
};

int ReadBank(const char* key, int def) { return ReadInt(SystemIni(), kSecOrvaBank, key, def); }

INT_PTR RmtMonitor(HWND dlg, UINT msg, WPARAM wParam, PortLimits limits, bool kesto)
{
    if (msg == WM_COMMAND) {
        switch (LOWORD(wParam)) {
        case IDC_RM_VIDEO_PLUS:
        case IDC_RM_VIDEO_MINUS:
            StepItemInt(dlg, IDC_RM_VIDEO, LOWORD(wParam) == IDC_RM_VIDEO_PLUS ? 1 : -1, 1, limits.videoMax);
            return TRUE;
        case IDC_RM_DATA_PLUS:
        case IDC_RM_DATA_MINUS:
            StepItemInt(dlg, IDC_RM_DATA, LOWORD(wParam) == IDC_RM_DATA_PLUS ? 1 : -1, 0, limits.dataMax);
            return TRUE;
        default:
            break;
        }
    }
    return OkCancelDialog(
        dlg, msg, wParam,
        [&](HWND d) {
            int video = ReadBank("Last Monitored Video", ReadBank("Last Remote View Lobby Camera", 1));
            int data = ReadBank("Last Monitored Data", 38);
            // A Kesto unit has fewer ports: counts above them are brought down and stored at once.
            if (kesto) {
                WriteNow(d, [&] {
                    if (video > limits.videoMax)
                        WriteInt(SystemIni(), kSecOrvaBank, "Last Monitored Video", video = limits.videoMax);
                    if (data > limits.dataMax)
                        WriteInt(SystemIni(), kSecOrvaBank, "Last Monitored Data", data = limits.dataMax);
                });
            }
            SetItemInt(d, IDC_RM_VIDEO, video);
            SetItemInt(d, IDC_RM_DATA, data);
            SetItemUInt(d, IDC_RM_REPORT_HOURS, static_cast<unsigned>(ReadInt(SystemIni(), kSecStatusReport, "Report Hours", 0)));
        },
        [](HWND d) {
            WriteInt(SystemIni(), kSecOrvaBank, "Last Monitored Video", GetItemInt(d, IDC_RM_VIDEO));
            WriteInt(SystemIni(), kSecOrvaBank, "Last Monitored Data", GetItemInt(d, IDC_RM_DATA));
            WriteInt(SystemIni(), kSecStatusReport, "Report Hours", static_cast<int>(GetItemUInt(d, IDC_RM_REPORT_HOURS)));
            return true;
        });
}

void ShowModem(HWND dlg)
{
    SetItemCheck(dlg, IDC_MD_ENABLED, ReadInt(SystemIni(), kSecModem, "Enable", 0) != 0);
    SetItemCheck(dlg, IDC_MD_TAPI_DEBUG, ReadInt(SystemIni(), kSecModem, "TAPI Debug", 0) != 0);
    SetItemInt(dlg, IDC_MD_TIMEOUT, ReadInt(SystemIni(), kSecModem, "Carrier TO", 60));
    SetItemInt(dlg, IDC_MD_RINGS, ReadInt(SystemIni(), kSecModem, "Ring", 1));
    ShowItem(dlg, IDC_MD_TAPI_DEBUG, AdvancedMenuOn());
}

const Refusal& kTooFewRings = DeclareRefusal("Error", "Minimum number for rings is 1.");
const Refusal& kBadTimeout = DeclareRefusal("Error", "No Answer Timeout Value Out of Range");

bool SaveModem(HWND dlg)
{
    const int rings = GetItemInt(dlg, IDC_MD_RINGS), timeout = GetItemInt(dlg, IDC_MD_TIMEOUT);
    if (!Check(dlg, Accepts(kModemRingsRule, rings), kTooFewRings) || !Check(dlg, Accepts(kModemTimeoutRule, timeout), kBadTimeout))
        return false;
    if (AdvancedMenuOn())
        WriteFlag(SystemIni(), kSecModem, "TAPI Debug", IsItemChecked(dlg, IDC_MD_TAPI_DEBUG));
    WriteInt(SystemIni(), kSecModem, "Ring", rings);
    WriteInt(SystemIni(), kSecModem, "Carrier TO", timeout);
    WriteFlag(SystemIni(), kSecModem, "Enable", IsItemChecked(dlg, IDC_MD_ENABLED));
    return true;
}

} // namespace

INT_PTR CALLBACK RmtMonitorProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM) noexcept
{
    return RmtMonitor(dlg, msg, wParam, {32, 38}, false);
}

INT_PTR CALLBACK RmtMonitorProcKesto(HWND dlg, UINT msg, WPARAM wParam, LPARAM) noexcept
{
    return RmtMonitor(dlg, msg, wParam, {NbrKestoCameras(), NbrKestoDataPorts()}, true);
}

INT_PTR CALLBACK ModemProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM) noexcept
{
    return OkCancelDialog(dlg, msg, wParam, ShowModem, SaveModem);
}
