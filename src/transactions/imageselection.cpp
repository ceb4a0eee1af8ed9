#include "imageselection.h"

#include "defines.h"
#include "dlgctl.h"
#include "percent.h"
#include "profile.h"
#include "resource.h"
#include "unit.h"

#include <climits>

namespace {

constexpr char kSecLobby[] = "Lobby";
constexpr size_t kPercentMax = 79;

void ShowImageSelection(HWND dlg)
{
    // The recorder stores the compression factor negative; the technician sees its size.
    const int compression = ReadInt(SystemIni(), kSecOrvaVideo, "Compression Factor", -6);
    SetItemInt(dlg, IDC_IS_COMPRESSION, compression == INT_MIN ? INT_MAX : -compression);
    if (IsHaldenUnit())
        EnableItem(dlg, IDC_IS_COMPRESSION, false);
    SetItemText(dlg, IDC_IS_PIXEL_DELTA, PercentText(ReadInt(SystemIni(), kSecLobby, "Pixel Delta Value", 30), kPixelDeltaScale));
    SetItemText(dlg, IDC_IS_PIXELS_CHANGED, PercentText(ReadInt(SystemIni(), kSecLobby, "Pixels Changed", 10000), kImagePixels));
    SetItemCheck(dlg, IDC_IS_LUMIN, ReadInt(SystemIni(), kSecOrvaVideo, "Lumin Compensation", 0) != 0);
    SetItemCheck(dlg, IDC_IS_GLOBAL, ReadInt(SystemIni(), kSecOrvaVideo, "Global Settings", 1) != 0);
    SetItemInt(dlg, IDC_IS_REPETITION, ReadInt(SystemIni(), kSecOrvaVideo, "S Rep", 1));
}

// Nothing is refused: a percentage above 100 stores a value above the scale.
bool SaveImageSelection(HWND dlg)
{
    WriteInt(SystemIni(), kSecOrvaVideo, "S Rep", GetItemInt(dlg, IDC_IS_REPETITION));
    // Written from the box even when a Halden unit disables it, so the stored value stays.
    const int compression = GetItemInt(dlg, IDC_IS_COMPRESSION);
    WriteInt(SystemIni(), kSecOrvaVideo, "Compression Factor", compression == INT_MIN ? INT_MAX : -compression);
    WriteFlag(SystemIni(), kSecOrvaVideo, "Global Settings", IsItemChecked(dlg, IDC_IS_GLOBAL));
    WriteFlag(SystemIni(), kSecOrvaVideo, "Lumin Compensation", IsItemChecked(dlg, IDC_IS_LUMIN));
    WriteString(SystemIni(), kSecLobby, "Pixel Delta Value",
                StoredFromPercent(GetItemText(dlg, IDC_IS_PIXEL_DELTA, kPercentMax), kPixelDeltaScale));
    WriteString(SystemIni(), kSecLobby, "Pixels Changed",
                StoredFromPercent(GetItemText(dlg, IDC_IS_PIXELS_CHANGED, kPercentMax), kImagePixels));
    return true;
}

} // namespace

INT_PTR CALLBACK ImageSelectionProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM) noexcept
{
    return OkCancelDialog(dlg, msg, wParam, ShowImageSelection, SaveImageSelection);
}
