// Site context that can be decided from text alone: which system INI file the command line
// names, whether it is the recorder's own file, and the generation of Windows.
#pragma once

#include <string>
#include <string_view>

// The longest system INI path the program accepts: the recorder's tools keep it in a 120-byte
// buffer, terminator included.
inline constexpr size_t kIniFileMax = 119;

// Finds the first argument of a command line that has already been lower-cased. The program's
// own path is recognised by its ".exe"; the character after it (closing quote or blank) is
// skipped, then everything up to the first letter or digit, and the rest of the line is the
// argument, a trailing quote included. isAlnum is the system's letter-or-digit test. Returns
// false, with arg empty, when the line holds no argument.
bool ExtractArg1(std::string_view loweredLine, bool (*isAlnum)(unsigned char), std::string& arg);

// True for the recorder's own system INI file, C:\WINNT\ORVANT.INI or C:\WINDOWS\ORVANT.INI in
// any mixture of case: the program then configures the machine it runs on.
bool IsLocalSitePath(std::string_view iniFile);

// The operating-system generation code for a Windows version: 3 NT 4, 1 Windows 98, 2 Me,
// 4 2000, 5 XP, 6 Server 2003/XP x64, 7 Vista and 7 and 8, 0 anything else (Windows 10 too).
int OsCodeFromVersion(unsigned major, unsigned minor);
