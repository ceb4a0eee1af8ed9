#include "atmprint.h"

#include "defines.h"
#include "dlgctl.h"
#include "profile.h"
#include "resource.h"
#include "site.h"

#include <string>
#include <tuple>

namespace {

constexpr char kSecGeneral[] = "General";
constexpr int kReceiptLines = 12;

// The display lines under the image, by the text row the recorder draws each at.
struct DisplayLine {
    int id;
    int y;
};
constexpr DisplayLine kDisplayLines[] = {{IDC_AP_LINE1, 3}, {IDC_AP_LINE2, 17}, {IDC_AP_LINE3, 31}};
constexpr int kDisplayX = 3;

std::string LineSection(int line) { return "Line " + std::to_string(line); }

} // namespace

std::string TranDataFile() { return (AtLocalSite() ? WinSysDir : cFileDir) + "TRANDATA.INI"; }

void ShowATMLineStatus(HWND dlg, int line)
{
    const std::string file = TranDataFile(), section = LineSection(line);
    SetItemCheck(dlg, IDC_AP_DISPLAY, ReadInt(file.c_str(), section.c_str(), "Display", 0) != 0);
    for (const DisplayLine& display : kDisplayLines)
        SetItemCheck(dlg, display.id, ReadInt(file.c_str(), section.c_str(), "Y", 0) == display.y);
}

// With no display line chosen (a line never placed) only "Display" is written, so the stored
// position stays as it was.
void UpdateATMLineStatus(HWND dlg, int line)
{
    const std::string file = TranDataFile(), section = LineSection(line);
    WriteFlag(file.c_str(), section.c_str(), "Display", IsItemChecked(dlg, IDC_AP_DISPLAY));
    for (const DisplayLine& display : kDisplayLines)
        if (IsItemChecked(dlg, display.id)) {
            WriteInt(file.c_str(), section.c_str(), "Y", display.y);
            WriteInt(file.c_str(), section.c_str(), "X", kDisplayX);
        }
}

namespace {

void ShowATMPrint(HWND dlg)
{
    const std::string file = TranDataFile();
    SetItemCheck(dlg, IDC_AP_ENABLED, ReadInt(file.c_str(), kSecGeneral, "Enabled", 0) != 0);
    // The recorder blocks out a strip for the text unless it is overlaid on the picture.
    SetItemCheck(dlg, IDC_AP_OVERLAY, ReadInt(file.c_str(), kSecGeneral, "Text Block", 1) == 0);
    for (const auto& [id, key, def] : {std::tuple{IDC_AP_TEXT_COLOR, "Text Color", 1}, {IDC_AP_BACK_COLOR, "Background Color", 0}}) {
        FillCombo(dlg, id, ColorText);
        const int color = ReadInt(file.c_str(), kSecGeneral, key, def);
        if (color >= 0 && color < static_cast<int>(ColorText.size()))
            SetComboSel(dlg, id, color);
    }
    SetItemInt(dlg, IDC_AP_RECEIPT_LINE, 1);
    ShowATMLineStatus(dlg, 1);
}

bool SaveATMPrint(HWND dlg)
{
    const std::string file = TranDataFile();
    UpdateATMLineStatus(dlg, GetItemInt(dlg, IDC_AP_RECEIPT_LINE));
    WriteFlag(file.c_str(), kSecGeneral, "Text Block", !IsItemChecked(dlg, IDC_AP_OVERLAY));
    WriteFlag(file.c_str(), kSecGeneral, "Enabled", IsItemChecked(dlg, IDC_AP_ENABLED));
    WriteInt(file.c_str(), kSecGeneral, "Text Color", GetComboSel(dlg, IDC_AP_TEXT_COLOR));
    WriteInt(file.c_str(), kSecGeneral, "Background Color", GetComboSel(dlg, IDC_AP_BACK_COLOR));
    return true;
}

} // namespace

INT_PTR CALLBACK ATMPrintProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM) noexcept
{
    if (msg == WM_COMMAND) {
        switch (LOWORD(wParam)) {
        case IDC_AP_PLUS: // moving to another line discards what was not updated
        case IDC_AP_MINUS: {
            const ReadSession session;
            ShowATMLineStatus(dlg, StepItemInt(dlg, IDC_AP_RECEIPT_LINE, LOWORD(wParam) == IDC_AP_PLUS ? 1 : -1, 1, kReceiptLines));
            Rehearse(dlg, SaveATMPrint);
            return TRUE;
        }
        case IDC_AP_UPDATE:
            WriteNow(dlg, [&] { UpdateATMLineStatus(dlg, GetItemInt(dlg, IDC_AP_RECEIPT_LINE)); });
            return TRUE;
        default:
            break;
        }
    }
    return OkCancelDialog(dlg, msg, wParam, ShowATMPrint, SaveATMPrint);
}
