// Transaction setup: the bank's transaction protocol, the images captured per transaction,
// event printing and the customer field size.
#pragma once

#include <windows.h>

#include <array>

// The protocols the recorder knows; the stored value is the position.
inline constexpr std::array<const char*, 11> BankProtocolAscii = {
    "Default", "Wells Fargo", "First Union", "Cal Fed", "Washington Mutual", "Norwest",
    "Guaranty", "Brattleboro", "Custom", "First Commerce", "Union State"};

INT_PTR CALLBACK BankProtocolProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
