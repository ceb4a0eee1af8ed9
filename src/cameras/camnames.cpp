#include "camnames.h"

#include "camerakeys.h"
#include "cameraprop.h"

#include "dlgctl.h"
#include "profile.h"
#include "resource.h"

#include <string>

namespace {

// The recorder keeps a camera name in an 80-byte buffer.
constexpr size_t kNameMax = 79;

// "+" and "-" move between cameras 1 to 32 whatever the unit's channel count: names may be set
// for cameras before they are installed. An edit not yet saved with Update is dropped.
void ShowCamera(HWND dlg, int delta)
{
    const int camera = StepItemInt(dlg, IDC_CN_NUMBER, delta, 1, kMaxCameras);
    SetItemText(dlg, IDC_CN_NAME, ShownCameraName(camera, kNameMax));
}

void SaveName(HWND dlg)
{
    WriteCameraText(CameraKey::Name, GetItemInt(dlg, IDC_CN_NUMBER), GetItemText(dlg, IDC_CN_NAME, kNameMax));
}

} // namespace

INT_PTR CALLBACK LobbyNmProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM) noexcept
{
    const auto save = [](HWND d) {
        SaveName(d);
        return true;
    };
    if (msg == WM_COMMAND && (LOWORD(wParam) == IDC_CN_PLUS || LOWORD(wParam) == IDC_CN_MINUS)) {
        const ReadSession session;
        ShowCamera(dlg, LOWORD(wParam) == IDC_CN_PLUS ? 1 : -1);
        Rehearse(dlg, save);
        return TRUE;
    }
    if (msg == WM_COMMAND && LOWORD(wParam) == IDC_CN_UPDATE) {
        WriteNow(dlg, [&] { SaveName(dlg); });
        return TRUE;
    }
    return OkCancelDialog(
        dlg, msg, wParam,
        [](HWND d) {
            LimitItemText(d, IDC_CN_NAME, kNameMax);
            ShowCamera(d, 0);
        },
        save);
}
