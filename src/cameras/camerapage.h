// One page of the camera sheet: whether a camera is in use, analog or IP, its port, name,
// illumination monitoring, motion detection and capture rate, and on recorders of version 12
// and later the settings the recorder needs to reach an IP camera over the network.
#pragma once

#include "rules.h"

#include <windows.h>

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
