// One page of the camera sheet: whether a camera is in use, analog or IP, its port, name,
// illumination monitoring, motion detection and capture rate, and on recorders of version 12
// and later the settings the recorder needs to reach an IP camera over the network.
#pragma once

#include "rules.h"

#include <windows.h>

#include <string>
#include <vector>

// The common page procedure of the camera sheet; camera is 1 to 32, supplied by the page's thunk.
INT_PTR CameraPropProc_IP(HWND page, UINT msg, WPARAM wParam, LPARAM lParam, int camera) noexcept;

// Enables the port of an analog camera or the network settings of an IP camera, after the
// "IP Camera" radio.
void EnableIPFields(HWND hDlg);
// Sets the access string, "http://" + address + "/" + the selected camera type's URL path. It is
// left empty when there is no address, or when the selected type has no URL path: the recorder
// cannot reach a camera through half an address.
void BuildAccessString(HWND hDlg);

// The first time a camera or TDI port page opens on a site, SiteDef.DAT gets the on/off mirror
// of cameras 1 to 31 that the remote viewer reads, and is marked so that it is done only once.
void FillCamerasEnabledOnce();

// What a camera page accepts: the motion percentage, and the illumination alarm level (the
// recorder takes 256 although the label says 255).
inline constexpr ValueRule kMotionAmountRule = NumberRule(0, 100);
inline constexpr ValueRule kIlluminationAlarmRule = NumberRule(0, 256);

// What a camera's page shows when it opens, read from the files without opening it: for the
// site report and the camera overview.
struct CameraSummary {
    int number = 0;
    std::string name; // "none" when it has none
    bool on = false;
    bool ip = false;     // every camera of a Halden unit is an IP camera
    int port = 0;        // where an analog camera is wired
    std::string address; // an IP camera's, on recorders of version 12 and later
    std::string rate;    // the frame-rate display ("15 FPS"); empty for a camera that is off
    int rateIndex = -1;  // the capture-rate list's selection; -1 when the stored rate is not in it
    bool motion = false;
    int motionAmount = 0;
    bool illumination = false;
    bool illuminationCal = false;
    int illuminationAlarm = 0;
};
CameraSummary ReadCameraSummary(int camera);
// The summaries of cameras 1 to count, the capture cards read once for all of them.
std::vector<CameraSummary> ReadCameraSummaries(int count);

// One value as a camera page stores it: the file's path, section, key and the text written.
struct CameraValue {
    std::string file, section, key, value;
};
// What applying the camera's page, as it opens, with its Enabled box set to on stores for the
// camera's use: its flag, its port (only an analog camera in use has one) and the remote viewer's
// mirror in SiteDef.DAT.
std::vector<CameraValue> SwitchedCameraValues(const CameraSummary& camera, bool on);
