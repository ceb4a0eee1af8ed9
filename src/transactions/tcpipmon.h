// TCP/IP transaction monitoring: the network devices whose traffic the recorder watches for
// transactions, one monitor channel at a time, and the switch for the whole feature.
#pragma once

#include "rules.h"

#include <windows.h>

#include <array>

// The kinds of device the recorder can watch; the stored value is the position.
inline constexpr std::array<const char*, 6> TcpipDeviceText = {
    "Inactive", "Teller Printer", "ATM Link Converter", "InterBold TCPIP ATM", "NCR 911 TCPIP ATM", "Transaction Data"};

// The camera port (0 for none) and configuration unit a device may name.
inline constexpr ValueRule kDeviceCameraPortRule = NumberRule(0, 38);
inline constexpr ValueRule kDeviceConfigUnitRule = NumberRule(0, 4);

INT_PTR CALLBACK TcpipMonProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
// Load channel 1 to 8 or 16 into the controls, and the text conditions of a "Transaction Data"
// device; write them. UpdateTcpipChCfg checks as it writes and returns false after a message.
void ShowTcpipChCfg(int channel, HWND dlg);
void ShowTcpipCond(int channel, HWND dlg);
bool UpdateTcpipChCfg(HWND dlg);
void SaveTcpipCond(HWND dlg);
