#include "atmprotocol.h"

#include "defines.h"
#include "dlgctl.h"
#include "profile.h"
#include "resource.h"

#include <algorithm>
#include <string>

namespace {

constexpr char kSecAtmConfig[] = "ATM Config";
constexpr size_t kTextMax = 79;
constexpr int kStyles = 4;

std::string StyleKey(int style, const char* what) { return "Unit " + std::to_string(style) + " " + what; }

std::string ReadStyle(int style, const char* what, const char* def)
{
    return ReadString(SystemIni(), kSecAtmConfig, StyleKey(style, what).c_str(), def, kTextMax + 1);
}

void WriteStyle(int style, const char* what, const std::string& value)
{
    WriteString(SystemIni(), kSecAtmConfig, StyleKey(style, what).c_str(), value);
}

int ShownStyle(HWND dlg) { return std::clamp(GetItemInt(dlg, IDC_ATM_STYLE), 1, kStyles); }

void EnableReceiptPosition(HWND dlg)
{
    const bool printField = IsItemChecked(dlg, IDC_ATM_PRINT_FIELD);
    EnableItem(dlg, IDC_ATM_LINE, printField);
    EnableItem(dlg, IDC_ATM_POSITION, printField);
}

bool SaveAtm(HWND dlg)
{
    UpdateAtmProc(dlg);
    return true;
}

} // namespace

void ShowAtmProc(int style, HWND dlg)
{
    SetItemInt(dlg, IDC_ATM_STYLE, style);
    SetItemText(dlg, IDC_ATM_BRANCH, ReadStyle(style, "Branch", ""));
    SetItemText(dlg, IDC_ATM_TELLER, ReadStyle(style, "Teller", "99"));
    // The style's own receipt position is shown either way; with the camera field it is not used.
    const bool cameraField = ReadInt(SystemIni(), kSecAtmConfig, StyleKey(style, "Camera Field").c_str(), 1) != 0;
    SetItemCheck(dlg, IDC_ATM_CAMERA_FIELD, cameraField);
    SetItemCheck(dlg, IDC_ATM_PRINT_FIELD, !cameraField);
    SetItemText(dlg, IDC_ATM_LINE, ReadStyle(style, "Transaction Line", "10"));
    SetItemText(dlg, IDC_ATM_POSITION, ReadStyle(style, "Transaction Pos", "25"));
    EnableReceiptPosition(dlg);
}

void UpdateAtmProc(HWND dlg)
{
    const int style = ShownStyle(dlg);
    WriteStyle(style, "Branch", GetItemText(dlg, IDC_ATM_BRANCH, kTextMax));
    WriteStyle(style, "Teller", GetItemText(dlg, IDC_ATM_TELLER, kTextMax));
    const bool cameraField = IsItemChecked(dlg, IDC_ATM_CAMERA_FIELD);
    WriteFlag(SystemIni(), kSecAtmConfig, StyleKey(style, "Camera Field").c_str(), cameraField);
    if (!cameraField) {
        WriteStyle(style, "Transaction Line", GetItemText(dlg, IDC_ATM_LINE, kTextMax));
        WriteStyle(style, "Transaction Pos", GetItemText(dlg, IDC_ATM_POSITION, kTextMax));
    }
}

INT_PTR CALLBACK AtmProtocolProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM) noexcept
{
    if (msg == WM_COMMAND) {
        switch (LOWORD(wParam)) {
        case IDC_ATM_CAMERA_FIELD: // the choice is stored with the style, by Update or OK
        case IDC_ATM_PRINT_FIELD:
            EnableReceiptPosition(dlg);
            return TRUE;
        case IDC_ATM_NEXT: // moving on discards what was not updated
        case IDC_ATM_PREVIOUS: {
            const ReadSession session;
            ShowAtmProc(StepItemInt(dlg, IDC_ATM_STYLE, LOWORD(wParam) == IDC_ATM_NEXT ? 1 : -1, 1, kStyles), dlg);
            Rehearse(dlg, SaveAtm);
            return TRUE;
        }
        case IDC_ATM_UPDATE:
            WriteNow(dlg, [&] { UpdateAtmProc(dlg); });
            return TRUE;
        default:
            break;
        }
    }
    return OkCancelDialog(dlg, msg, wParam, [](HWND d) { ShowAtmProc(1, d); }, SaveAtm);
}
