// What kind of recorder unit the site is, read from [Global] and [Version] of the system INI file
// anew at every call, so a value changed by one dialog is seen by the next.
#pragma once

#include <windows.h>

#include <string>

int QUELT_MajorVersion();
bool QUELT_VersionSameOrLater(int major, int minor);
// Major version of one recorder task, from the [Version] key named after its program file.
int AppMajorVersion(const char* taskName);
// A Wendrel unit of recorder version 11 or later.
bool IsKestoUnit();
// [Global] "Video Channels": 32 marks a 32-channel unit, anything else a 16-channel one.
int VideoChannels();
int NbrKestoCameras();   // 32 on a 32-channel unit, else 16
int NbrKestoDataPorts(); // 8 on a 32-channel unit, else 4
bool IsHaldenUnit();
// True when [Global] "Image Card" (read into a buffer of bufSize bytes) names an S617 card.
bool HasS617Card(size_t bufSize);

// The window title for the unit, or an empty string when no unit-type key is set (the title
// then stays as created).
std::string EqTypeTitle();
// Sets the main window's title after the unit type.
void ShowEqType(HWND wnd);

// Advanced mode, [Config] "Advanced Menu" of ORVA_CONFIG.INI: nonzero is on.
bool AdvancedMenuOn();
