// The camera property sheet: one page per camera, up to 32.
#pragma once

#include <windows.h>

#include <array>

inline constexpr int kMaxCameras = 32;

// The page procedures of the camera sheet, entry k - 1 serving camera k.
extern const std::array<DLGPROC, kMaxCameras> CameraPropArray;

// How many camera pages the sheet shows: the last remote-view camera in the basic menu, every
// video channel in advanced mode; 0 to 32.
int CameraPageCount();

// Opens the camera sheet from the main window: in the basic menu one page per camera up to the
// last one remote users may view, in advanced mode one per video channel, at most 32. In the
// basic menu the cameras after the last page are first switched off, unless ORVA_CONFIG.INI says
// otherwise.
void DisplayCameraProperties(HINSTANCE instance, HWND parent);
// The same, opened on the page of camera startPage + 1 (on the first when there is no such page).
void DisplayCameraProperties(HINSTANCE instance, HWND parent, int startPage);
