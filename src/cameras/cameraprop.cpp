#include "cameraprop.h"

#include "camerakeys.h"
#include "camerapage.h"
#include "capturerate.h"
#include "defines.h"
#include "dlgctl.h"
#include "profile.h"
#include "propsheet.h"
#include "unit.h"

#include <algorithm>
#include <cstdio>
#include <vector>

const std::array<DLGPROC, kMaxCameras> CameraPropArray = MakePageProcs<CameraPropProc_IP, kMaxCameras>();

namespace {

int StoredPageCount()
{
    if (AdvancedMenuOn())
        return ReadInt(SystemIni(), kSecGlobal, "Video Channels", 32);
    return ReadInt(SystemIni(), kSecOrvaBank, "Last Remote View Lobby Camera", 0);
}

// In the basic menu the recorder would still capture cameras the technician cannot see; they
// are switched off each time the sheet opens. Without a last remote-view camera nothing is
// known to be unused, and nothing is switched off.
void DisableCamerasAfter(int lastPage)
{
    for (int camera = lastPage + 1; lastPage > 0 && camera <= kMaxCameras; ++camera)
        WriteCameraYesNo(CameraKey::On, camera, false);
}

void ExplainNoPages(HWND parent, bool advanced)
{
    const char* text =
        advanced ? "The unit reports no video channels ([Global] \"Video Channels\" is 0 or less), "
                   "so there is no camera page to show."
                 : "No camera is in use for remote viewing, so there is no camera page to show.\n\n"
                   "To set the last camera that remote users can view, switch on Operation > "
                   "Advanced and use Video > Cameras > System Configuration; in advanced mode "
                   "this sheet shows every video channel.";
    MessageBoxA(parent, text, "Camera Properties", MB_OK | MB_ICONINFORMATION);
}

} // namespace

int CameraPageCount() { return std::clamp(StoredPageCount(), 0, kMaxCameras); }

void DisplayCameraProperties(HINSTANCE instance, HWND parent) { DisplayCameraProperties(instance, parent, 0); }

void DisplayCameraProperties(HINSTANCE instance, HWND parent, int startPage)
{
    bool advanced = false;
    int stored = 0, version = 0;
    {
        const ReadSession session; // the menu mode, the page count and the cameras to switch off
        version = QUELT_MajorVersion();
        advanced = AdvancedMenuOn();
        stored = StoredPageCount();
        WriteNow(parent, [&] {
            if (!advanced && ReadInt(kConfigIni, kSecConfig, "Auto Disable Unused Ports", 1) != 0 && stored < kMaxCameras)
                DisableCamerasAfter(stored);
        });
    }
    const int count = std::min(stored, kMaxCameras);
    if (count <= 0) {
        ExplainNoPages(parent, advanced);
        return;
    }
    const char* templateName = version < 12 ? "IDD_CAMERAPROP" : "IDD_CAMERAPROP_2";
    std::vector<SheetPage> pages;
    for (int camera = 1; camera <= count; ++camera) {
        char title[16];
        std::snprintf(title, sizeof title, "Camera %02d", camera);
        pages.push_back({templateName, title, CameraPropArray[static_cast<size_t>(camera - 1)]});
    }
    ShowPropertySheet(instance, parent, "Camera Properties", pages, static_cast<size_t>(std::max(startPage, 0)));
}
