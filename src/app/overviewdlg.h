// Video > Cameras > Overview: every camera of the camera sheet in one list, the ones that need
// attention marked (a port another camera in use shares, a value the site check finds), the
// camera sheet opened at a camera's page by a double-click, and one camera's settings copied to
// others as one change.
#pragma once

#include <windows.h>

INT_PTR CALLBACK CameraOverviewProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
// The cameras to copy to and the settings to copy; lParam is the camera copied from. Ends with 1
// when the settings were copied.
INT_PTR CALLBACK CopySettingsProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
void DisplayCameraOverview(HINSTANCE instance, HWND owner);
