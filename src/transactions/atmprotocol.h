// TCP/IP ATM setup: the four ATM configuration styles (teller, branch, and where the transaction
// number comes from), edited one at a time.
#pragma once

#include <windows.h>

INT_PTR CALLBACK AtmProtocolProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
// Loads style 1 to 4 into the controls; writes the style shown (checks nothing).
void ShowAtmProc(int style, HWND dlg);
void UpdateAtmProc(HWND dlg);
