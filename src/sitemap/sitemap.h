// The site map dialog: the map picture remote users see, whether they see it, and where each
// camera's icon sits on it.
#pragma once

#include <windows.h>

INT_PTR CALLBACK SiteMapProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
