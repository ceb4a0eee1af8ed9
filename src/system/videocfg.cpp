#include "videocfg.h"

#include "defines.h"
#include "dlgctl.h"
#include "profile.h"
#include "resource.h"
#include "unit.h"

namespace {

// "Video Debug" is a set of bits; this page owns only the one that logs the resolution (the
// bit of value 1 is another setting's).
constexpr int kShowResolutionBit = 2;

int ReadVideo(const char* key, int def) { return ReadInt(SystemIni(), kSecOrvaVideo, key, def); }

void SetImageSize(HWND dlg, int x, int y)
{
    SetItemInt(dlg, IDC_VC_X_SIZE, x);
    SetItemInt(dlg, IDC_VC_Y_SIZE, y);
}

void ShowVideoCfg(HWND dlg)
{
    SetItemInt(dlg, IDC_VC_SYNC_TIME, ReadVideo("Video Sync Time", 200));
    SetItemInt(dlg, IDC_VC_BAD_SYNC_TIME, ReadVideo("Bad Video Sync Time", 2500));
    SetItemCheck(dlg, IDC_VC_SHOW_RESOLUTION, (ReadVideo("Video Debug", 0) & kShowResolutionBit) != 0);
    SetImageSize(dlg, ReadVideo("Image X Size", 320), ReadVideo("Image Y Size", 243));
    for (const int id : {IDC_VC_SHOW_RESOLUTION, IDC_VC_DEBUG_GROUP, IDC_VC_DEBUG_NOTE})
        ShowItem(dlg, id, AdvancedMenuOn());
}

// Outside advanced mode only the image size is stored, whatever the sync boxes show.
bool SaveVideoCfg(HWND dlg)
{
    if (AdvancedMenuOn()) {
        // S617 cards sync by themselves.
        if (!HasS617Card(20)) {
            WriteInt(SystemIni(), kSecOrvaVideo, "Video Sync Time", GetItemInt(dlg, IDC_VC_SYNC_TIME));
            WriteInt(SystemIni(), kSecOrvaVideo, "Bad Video Sync Time", GetItemInt(dlg, IDC_VC_BAD_SYNC_TIME));
        }
        const int debug = ReadVideo("Video Debug", 0) & ~kShowResolutionBit;
        WriteInt(SystemIni(), kSecOrvaVideo, "Video Debug",
                 debug | (IsItemChecked(dlg, IDC_VC_SHOW_RESOLUTION) ? kShowResolutionBit : 0));
    }
    WriteInt(SystemIni(), kSecOrvaVideo, "Image X Size", GetItemInt(dlg, IDC_VC_X_SIZE));
    WriteInt(SystemIni(), kSecOrvaVideo, "Image Y Size", GetItemInt(dlg, IDC_VC_Y_SIZE));
    return true;
}

} // namespace

INT_PTR CALLBACK VideoCfgProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM) noexcept
{
    if (msg == WM_COMMAND && (LOWORD(wParam) == IDC_VC_FULL_SIZE || LOWORD(wParam) == IDC_VC_STD_SIZE)) {
        if (LOWORD(wParam) == IDC_VC_FULL_SIZE)
            SetImageSize(dlg, 640, 480);
        else
            SetImageSize(dlg, 320, 243);
        return TRUE;
    }
    return OkCancelDialog(dlg, msg, wParam, ShowVideoCfg, SaveVideoCfg);
}
