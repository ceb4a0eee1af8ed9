// Globals shared by the whole program, and the names of the files and sections it edits.
#pragma once

#include <windows.h>

#include <string>

// Set by the start-up of the main window and read by every dialog.
extern HINSTANCE hInst;
extern HWND hWndMain;
// The main window's status line (menu help, the site being edited); null before it exists.
extern HWND hStatusWnd;
// Number (1 to 3) of the slave multiplexer whose port dialog is being opened.
extern int iDlgResult;

extern const char lpszAppName[]; // window class, and the first words of the window title
extern const char lpszTitle[];   // window title until the unit type is known

// The recorder's system INI file, lower case, at most kIniFileMax characters.
extern std::string IniFile;
// Working folder, ending in a backslash: home of SiteDef.DAT, map pictures and a remote site's
// TRANDATA.INI.
extern std::string cFileDir;
// The Windows directory, ending in a backslash, kept whole however long it is.
extern std::string WinSysDir;

// This program's own settings, a bare name so that it lives in the Windows directory whatever
// site is being edited.
inline constexpr char kConfigIni[] = "ORVA_CONFIG.INI";

inline constexpr char kSecGlobal[] = "Global";
inline constexpr char kSecVersion[] = "Version";
inline constexpr char kSecConfig[] = "Config";
inline constexpr char kSecOrvaBank[] = "OrvaBank";
inline constexpr char kSecOrvaVideo[] = "OrvaVideo";
inline constexpr char kSecOrvaFile[] = "OrvaFile";
inline constexpr char kSecOrvaComm[] = "OrvaComm";
