// Where the site's files are: the system INI file named on the command line, the working folder
// and the Windows directory, and whether the program edits the recorder it runs on.
#pragma once

#include <windows.h>

#include <string>

// The argument of the command line (see ExtractArg1), made absolute against the current folder
// and lower-cased; false when there is none.
bool GetArg1(const char* commandLine, std::string& arg);

// True when IniFile is the recorder's own file on this machine (the local site).
bool AtLocalSite();

// Generation code of the running Windows (see OsCodeFromVersion).
int GetSystemOS();

// Sets cFileDir and WinSysDir from the system: the working folder is the current directory,
// or the temporary-files folder on Vista to 8.
void SetFileFolders();

// The open-file dialog for a map picture. On success fileName holds the chosen path (at most
// 127 characters); a cancel returns false silently, any other failure after telling the user.
bool GetLocalFileName(HWND owner, const char* title, std::string& fileName, bool mustExist);
// The open-file dialog: filter as "Name|pattern|...|", a name of at most nameBuf - 1 characters.
bool ChooseFile(HWND owner, const char* title, const char* filter, const char* defExt, size_t nameBuf, std::string& fileName,
                bool mustExist);
// The folder dialog; false when the user chose none.
bool ChooseFolder(HWND owner, const char* title, std::string& folder);
// The save-file dialog, offering fileName first; asks before replacing a file.
bool ChooseSaveFile(HWND owner, const char* title, const char* filter, const char* defExt, std::string& fileName);
// Writes a whole text file (a report, a page); an empty text when written, else the system's words why not.
std::string WriteTextFile(const std::string& path, const std::string& text);
// Opens a file with the program the system has for it (a web page in the browser); false when
// there is none or it cannot be started.
bool ShellOpen(HWND owner, const std::string& path);
// Opens the site report the same way, saying so when nothing here opens it.
void OpenInBrowser(HWND owner, const std::string& path);
