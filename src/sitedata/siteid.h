// Site Data: the site's name shown to remote users, and the software versions.
#pragma once

#include <windows.h>

INT_PTR CALLBACK SiteIDProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
INT_PTR CALLBACK InquiryVerProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
