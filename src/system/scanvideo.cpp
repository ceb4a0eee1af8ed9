#include "scanvideo.h"

#include "defines.h"
#include "dlgctl.h"
#include "profile.h"
#include "resource.h"
#include "unit.h"

#include <cstdio>
#include <string>

int iBank = 1;

namespace {

// The scan time is counted in 100 ms steps; ten minutes is the longest.

// An S617 card feeds 16 ports to the output, any other card 4. It reads the system INI file:
// take it once per pass over the ports, not once per port.
int PortsPerBank() { return HasS617Card(80) ? 16 : 4; }

std::string ScanKey(int bank, int port) { return "Camera Scan " + std::to_string((bank - 1) * 16 + port) + " On"; }

void EnablePorts(HWND dlg, bool enabled)
{
    EnableItem(dlg, IDC_SV_SCAN_TIME, enabled);
    const int ports = PortsPerBank();
    for (int port = 1; port <= ports; ++port)
        EnableItem(dlg, ScanVideoCheckbox[static_cast<size_t>(port - 1)], enabled);
}

void ShowScanCommon(HWND dlg)
{
    for (int port = PortsPerBank() + 1; port <= 16; ++port)
        ShowItem(dlg, ScanVideoCheckbox[static_cast<size_t>(port - 1)], false);
    const int time = ReadInt(SystemIni(), kSecOrvaVideo, "Video Out Time", 10);
    SetItemCheck(dlg, IDC_SV_ENABLED, time != 0);
    SetItemInt(dlg, IDC_SV_SCAN_TIME, time != 0 ? time : 10);
    if (time == 0)
        DisableScanVideo(dlg);
}

void LoadPorts(HWND dlg, int bank)
{
    const int ports = PortsPerBank();
    for (int port = 1; port <= ports; ++port)
        SetItemCheck(dlg, ScanVideoCheckbox[static_cast<size_t>(port - 1)],
                     ReadYes(SystemIni(), kSecOrvaVideo, ScanKey(bank, port).c_str()));
}

const Refusal& kScanTooLong = DeclareRefusal("Error", "Scan time to long. Maximum time is 10 minutes (6000).");
const Refusal& kCaptionInvalid = DeclareRefusal("", "Caption Location Invalid.");

// The ports of the bank shown, then the scan time; a scan time past ten minutes refuses both.
bool SaveScanVideo(HWND dlg, int bank)
{
    const unsigned time = IsItemChecked(dlg, IDC_SV_ENABLED) ? GetItemUInt(dlg, IDC_SV_SCAN_TIME) : 0;
    if (!Check(dlg, Accepts(kScanTimeRule, time), kScanTooLong))
        return false;
    const int ports = PortsPerBank();
    for (int port = 1; port <= ports; ++port)
        WriteYesNo(SystemIni(), kSecOrvaVideo, ScanKey(bank, port).c_str(),
                   IsItemChecked(dlg, ScanVideoCheckbox[static_cast<size_t>(port - 1)]));
    WriteInt(SystemIni(), kSecOrvaVideo, "Video Out Time", static_cast<int>(time));
    return true;
}

bool OnEnableClicked(HWND dlg, WPARAM wParam)
{
    if (LOWORD(wParam) != IDC_SV_ENABLED)
        return false;
    EnablePorts(dlg, IsItemChecked(dlg, IDC_SV_ENABLED));
    return true;
}

// The recorder reads the caption position into an 80-byte buffer.
constexpr size_t kCaptionMax = 79;
std::string StoredCaption() { return ReadString(SystemIni(), kSecOrvaVideo, "Caption Position", "", kCaptionMax + 1); }

void ShowCaptions(HWND dlg)
{
    SetItemCheck(dlg, IDC_CP_ENABLED, ReadInt(SystemIni(), kSecOrvaVideo, "Enable Captions", 0) != 0);
    FillCombo(dlg, IDC_CP_POSITION, CaptionLoc);
    // A stored position is matched by its first words, searching from the second corner round.
    // One that matches none is shown as stored, and kept unless the user changes it.
    const std::string stored = StoredCaption();
    if (stored.empty())
        SetComboSel(dlg, IDC_CP_POSITION, 0);
    else if (SelectComboPrefix(dlg, IDC_CP_POSITION, stored, 0) == CB_ERR)
        SetItemText(dlg, IDC_CP_POSITION, stored);
}

// A text typed that is no list item is refused.
bool SaveCaptions(HWND dlg)
{
    const int position = GetComboSel(dlg, IDC_CP_POSITION);
    const bool listed = position >= 0 && position < static_cast<int>(CaptionLoc.size());
    const std::string stored = StoredCaption();
    const bool asStored = !listed && !stored.empty() && GetItemText(dlg, IDC_CP_POSITION, kCaptionMax) == stored;
    if (!Check(dlg, listed || asStored, kCaptionInvalid))
        return false;
    WriteFlag(SystemIni(), kSecOrvaVideo, "Enable Captions", IsItemChecked(dlg, IDC_CP_ENABLED));
    if (listed)
        WriteString(SystemIni(), kSecOrvaVideo, "Caption Position", CaptionLoc[static_cast<size_t>(position)]);
    return true;
}

} // namespace

void EnableScanVideo(HWND dlg) { EnablePorts(dlg, true); }
void DisableScanVideo(HWND dlg) { EnablePorts(dlg, false); }

void ShowScanVideo(HWND dlg, int bank)
{
    LoadPorts(dlg, bank);
    SetItemText(dlg, IDC_SV_PORTS_GROUP, bank == 1 ? "Enable Video Out - Video Card #1" : "Enable Video Out - Video Card #2");
}

INT_PTR CALLBACK ScanVideoProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM) noexcept
{
    if (msg == WM_COMMAND && OnEnableClicked(dlg, wParam))
        return TRUE;
    return OkCancelDialog(
        dlg, msg, wParam,
        [](HWND d) {
            ShowScanCommon(d);
            LoadPorts(d, 1);
        },
        [](HWND d) { return SaveScanVideo(d, 1); });
}

INT_PTR CALLBACK ScanVideoProc32(HWND dlg, UINT msg, WPARAM wParam, LPARAM) noexcept
{
    if (msg == WM_COMMAND && OnEnableClicked(dlg, wParam))
        return TRUE;
    if (msg == WM_COMMAND && (LOWORD(wParam) == IDC_SV_BANK1 || LOWORD(wParam) == IDC_SV_BANK2)) {
        // The bank shown is reloaded from the file: what was not saved is dropped.
        iBank = LOWORD(wParam) == IDC_SV_BANK1 ? 1 : 2;
        const ReadSession session;
        ShowScanVideo(dlg, iBank);
        Rehearse(dlg, [](HWND d) { return SaveScanVideo(d, iBank); });
        return TRUE;
    }
    if (msg == WM_COMMAND && LOWORD(wParam) == IDC_SV_SAVE) {
        WriteNow(dlg, [&] { SaveScanVideo(dlg, iBank); });
        return TRUE;
    }
    return OkCancelDialog(
        dlg, msg, wParam,
        [](HWND d) {
            if (PortsPerBank() == 16 && VideoChannels() == 32) {
                for (const int id : {IDC_SV_BANK_GROUP, IDC_SV_BANK1, IDC_SV_BANK2})
                    ShowItem(d, id, true);
                SetItemCheck(d, IDC_SV_BANK1, true);
                for (int port = 1; port <= 16; ++port)
                    SetItemText(d, ScanVideoCheckbox[static_cast<size_t>(port - 1)], "Video Port " + std::to_string(port));
            }
            ShowScanCommon(d);
            iBank = 1;
            ShowScanVideo(d, iBank);
        },
        [](HWND d) { return SaveScanVideo(d, iBank); });
}

INT_PTR CALLBACK CaptionsProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM) noexcept
{
    if (msg == WM_COMMAND && LOWORD(wParam) == IDC_CP_ENABLED) {
        EnableItem(dlg, IDC_CP_POSITION, IsItemChecked(dlg, IDC_CP_ENABLED));
        return TRUE;
    }
    return OkCancelDialog(dlg, msg, wParam, ShowCaptions, SaveCaptions);
}
