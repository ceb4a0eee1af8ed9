#include "gencamprop.h"

#include "capturerate.h"

#include "resource.h"
#include "defines.h"
#include "dlgctl.h"
#include "profile.h"
#include "unit.h"

#include <string>

namespace {

constexpr char kLastViewKey[] = "Last Remote View Lobby Camera";
constexpr char kColorKey[] = "Color";
constexpr int kMaxCameras = 32;
void WriteColor(bool color) { WriteYesNo(SystemIni(), kSecOrvaVideo, kColorKey, color); }

void ShowGenCamProp(HWND dlg)
{
    SetItemInt(dlg, IDC_GENCAM_LAST_VIEW, ReadInt(SystemIni(), kSecOrvaBank, kLastViewKey, 0));
    const bool color = ReadYes(SystemIni(), kSecOrvaVideo, kColorKey);
    SetItemCheck(dlg, IDC_GENCAM_COLOR, color);
    SetItemCheck(dlg, IDC_GENCAM_MONOCHROME, !color);
}

// The number is stored as typed: the recorder and the camera sheet bound it themselves.
bool SaveGenCamProp(HWND dlg)
{
    WriteInt(SystemIni(), kSecOrvaBank, kLastViewKey, GetItemInt(dlg, IDC_GENCAM_LAST_VIEW));
    WriteColor(!IsItemChecked(dlg, IDC_GENCAM_MONOCHROME));
    return true;
}

} // namespace

INT_PTR CALLBACK GenCamPropProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM) noexcept
{
    return OkCancelDialog(dlg, msg, wParam, ShowGenCamProp, SaveGenCamProp);
}

void SetLastViewCamera()
{
    // In the advanced menu the technician sets both values by hand in the dialog above.
    if (AdvancedMenuOn())
        return;
    for (int camera = kMaxCameras; camera >= 1; --camera) {
        if (CameraOn(camera)) {
            WriteDerived(SystemIni(), kSecOrvaBank, kLastViewKey, std::to_string(camera));
            // The basic menu has no way to choose monochrome, so its cameras are colour.
            WriteDerived(SystemIni(), kSecOrvaVideo, kColorKey, "YES");
            return;
        }
    }
}
