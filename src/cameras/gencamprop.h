// Settings of the camera system as a whole: the last camera a remote viewer may watch live, and
// whether the cameras are colour or monochrome.
#pragma once

#include <windows.h>

INT_PTR CALLBACK GenCamPropProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
// In the basic menu, makes the last remotely viewable camera the highest camera in use.
void SetLastViewCamera();
