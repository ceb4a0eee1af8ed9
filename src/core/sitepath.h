// Site context that can be decided from text alone: which system INI file the command line
// names, whether it is the recorder's own file, and the generation of Windows.
#pragma once

#include <string>
#include <string_view>

// The longest system INI path the program accepts: the recorder's tools keep it in a 120-byte
// buffer, terminator included.
inline constexpr size_t kIniFileMax = 119;

// Finds the argument of a command line. The program's own path is split off as Windows splits it
// (a quoted first token ends at its closing quote, an unquoted one at the first blank) and the
// blanks after it are skipped. A quoted argument ends at its closing quote, which is not part of
// it; an unquoted one is the rest of the line less its trailing blanks, so that a path with
// blanks typed without quotes still works. Returns false, with arg empty, when there is none.
bool ExtractArg1(std::string_view line, std::string& arg);

// True for the recorder's own system INI file, C:\WINNT\ORVANT.INI or C:\WINDOWS\ORVANT.INI in
// any mixture of case: the program then configures the machine it runs on.
bool IsLocalSitePath(std::string_view iniFile);

// The operating-system generation code for a Windows version: 3 NT 4, 1 Windows 98, 2 Me,
// 4 2000, 5 XP, 6 Server 2003/XP x64, 7 Vista and 7 and 8, 0 anything else (Windows 10 too).
int OsCodeFromVersion(unsigned major, unsigned minor);
