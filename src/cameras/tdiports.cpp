#include "tdiports.h"

#include "camerakeys.h"
#include "camerapage.h"
#include "cameraprop.h"

#include "defines.h"
#include "dlgctl.h"
#include "profile.h"
#include "propsheet.h"
#include "resource.h"
#include "unit.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

const std::array<DLGPROC, kMaxTdiPorts> SerialPortPropArray = MakePageProcs<SerialPortPropProc, kMaxTdiPorts>();

namespace {

constexpr char kSecTdiPort[] = "TDI Port";
constexpr int kPortsPerCard = 4;
// The recorder shows a TDI port's camera name in a 24-byte buffer.
constexpr size_t kNameMax = 23;

std::string PortKey(int port, const char* word)
{
    char key[32];
    std::snprintf(key, sizeof key, "Port %d %s", port, word);
    return key;
}

// The cameras a port may serve: in the advanced menu every video channel, in the basic menu those
// up to the last one remote users may view. A unit has at most 32 cameras, whatever a damaged
// file says, so the list never grows past them.
int CameraCount()
{
    const int count = AdvancedMenuOn() ? ReadInt(SystemIni(), kSecGlobal, "Video Channels", 32)
                                       : ReadInt(SystemIni(), kSecOrvaBank, "Last Remote View Lobby Camera", 0);
    return std::clamp(count, 0, kMaxCameras);
}

void ShowPort(HWND page, int port)
{
    SetItemCheck(page, IDC_TDI_ENABLED, ReadInt(SystemIni(), kSecTdiPort, PortKey(port, "Enabled").c_str(), 0) != 0);
    const int count = CameraCount();
    std::vector<std::string> cameras;
    for (int camera = 1; camera <= count; ++camera)
        cameras.push_back(std::to_string(camera));
    FillCombo(page, IDC_TDI_CAMERA, cameras);
    // A stored camera outside the list leaves no selection.
    const int camera = ReadInt(SystemIni(), kSecTdiPort, PortKey(port, "Camera").c_str(), 1);
    SetComboSel(page, IDC_TDI_CAMERA, camera >= 1 && camera <= count ? camera - 1 : CB_ERR);
    ShowCameraName(page, camera);
}

void SavePort(HWND page, int port)
{
    WriteFlag(SystemIni(), kSecTdiPort, PortKey(port, "Enabled").c_str(), IsItemChecked(page, IDC_TDI_ENABLED));
    // Text typed into the list that names no camera stores camera 0: the port serves none.
    WriteInt(SystemIni(), kSecTdiPort, PortKey(port, "Camera").c_str(), GetComboSel(page, IDC_TDI_CAMERA) + 1);
}

} // namespace

void ShowCameraName(HWND hDlg, int Ch)
{
    FillCamerasEnabledOnce();
    SetItemText(hDlg, IDC_TDI_NAME, ShownCameraName(Ch, kNameMax));
}

INT_PTR SerialPortPropProc(HWND page, UINT msg, WPARAM wParam, LPARAM lParam, int port) noexcept
{
    if (msg == WM_COMMAND) {
        const int id = LOWORD(wParam);
        if (id != IDC_TDI_CAMERA && id != IDC_TDI_ENABLED)
            return FALSE;
        // Any notice of the camera list (a choice, or typing) shows the camera it now names.
        if (id == IDC_TDI_CAMERA && GetWindowLongPtrA(page, GWLP_USERDATA))
            WriteNow(page, [&] { ShowCameraName(page, GetComboSel(page, IDC_TDI_CAMERA) + 1); });
    }
    return EditPage(page, msg, lParam, [&](HWND p) { WriteNow(p, [&] { ShowPort(p, port); }); },
                    [&](HWND p) { SavePort(p, port); });
}

void DisplaySerialPortProperties(HINSTANCE instance, HWND parent)
{
    // Read as a count of cards, so that a damaged count cannot overflow the page count.
    const int cards = std::clamp(ReadInt(SystemIni(), kSecGlobal, "Nbr Image Card", 0), 1, kMaxTdiPorts / kPortsPerCard);
    std::vector<SheetPage> pages;
    for (int port = 1; port <= cards * kPortsPerCard; ++port) {
        char title[16];
        std::snprintf(title, sizeof title, "TDI Port %02d", port);
        pages.push_back({"IDD_SERIALPORT", title, SerialPortPropArray[static_cast<size_t>(port - 1)]});
    }
    ShowPropertySheet(instance, parent, "TID Port Properties", pages);
}
