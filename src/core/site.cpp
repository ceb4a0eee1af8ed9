#include "site.h"

#include <shlobj.h>

#include "profile.h"

#include "defines.h"
#include "sitepath.h"

#include <cderr.h>
#include <commdlg.h>

#include <cstdio>
#include <vector>

namespace {

std::string WithBackslash(std::string dir)
{
    if (dir.empty() || dir.back() != '\\')
        dir += '\\';
    return dir;
}

} // namespace

bool GetArg1(const char* commandLine, std::string& arg)
{
    if (!ExtractArg1(commandLine ? commandLine : "", arg))
        return false;
    // A path relative to the folder the program was started from, such as .\ORVANT.INI in a site
    // folder, names that folder's file, not one in the Windows directory.
    const DWORD size = GetFullPathNameA(arg.c_str(), 0, nullptr, nullptr);
    std::vector<char> full(size + 1, '\0');
    if (size > 0 && GetFullPathNameA(arg.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr) < full.size())
        arg = full.data();
    CharLowerBuffA(arg.data(), static_cast<DWORD>(arg.size()));
    return true;
}

bool AtLocalSite() { return IsLocalSitePath(IniFile); }

int GetSystemOS()
{
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    if (!GetVersionExA(&info))
        return 0;
    return OsCodeFromVersion(info.dwMajorVersion, info.dwMinorVersion);
}

void SetFileFolders()
{
    if (GetSystemOS() < 7) {
        const DWORD size = GetCurrentDirectoryA(0, nullptr);
        std::vector<char> buf(size + 1, '\0');
        const DWORD n = GetCurrentDirectoryA(static_cast<DWORD>(buf.size()), buf.data());
        cFileDir = WithBackslash(std::string(buf.data(), n < buf.size() ? n : 0));
    } else {
        const DWORD size = GetTempPathA(0, nullptr);
        std::vector<char> buf(size + 1, '\0');
        const DWORD n = GetTempPathA(static_cast<DWORD>(buf.size()), buf.data());
        cFileDir = WithBackslash(std::string(buf.data(), n < buf.size() ? n : 0));
    }
    const UINT size = GetWindowsDirectoryA(nullptr, 0);
    std::vector<char> buf(size + 1, '\0');
    const UINT n = GetWindowsDirectoryA(buf.data(), static_cast<UINT>(buf.size()));
    WinSysDir = WithBackslash(std::string(buf.data(), n < buf.size() ? n : 0));
}

namespace {

// Runs the open or save dialog of the common dialogs library on ofn; false on cancel, and after
// telling the user when the dialog failed.
bool RunFileDialog(OPENFILENAMEA& ofn, const char* function)
{
    // The common dialogs library (and, under it, the shell) is loaded only when a file is first
    // chosen: linking it would make every start of the program pay for it. It then stays: unloading
    // it took about a millisecond, between the user's choice and what the program does with it.
    static const HMODULE comdlg = LoadLibraryA("comdlg32.dll");
    const auto run = reinterpret_cast<BOOL(WINAPI*)(OPENFILENAMEA*)>(
        reinterpret_cast<void*>(comdlg ? GetProcAddress(comdlg, function) : nullptr));
    const auto extendedError = reinterpret_cast<DWORD(WINAPI*)()>(
        reinterpret_cast<void*>(comdlg ? GetProcAddress(comdlg, "CommDlgExtendedError") : nullptr));
    const bool chosen = run && run(&ofn);
    const DWORD code = chosen ? 0 : extendedError ? extendedError() : CDERR_INITIALIZATION;
    if (code != 0) {
        char text[48];
        std::snprintf(text, sizeof text, "Error 0x%04lX On File Dialog", static_cast<unsigned long>(code));
        MessageBoxA(ofn.hwndOwner, text, "Error", MB_OK);
    }
    return chosen;
}

bool FileDialog(HWND owner, const char* title, const char* filterText, const char* defExt, size_t nameBuf, std::string& fileName,
                DWORD flags, const char* function)
{
    // The bar ends the text and separates its parts; each one becomes a terminator.
    std::string filter = filterText;
    for (char& c : filter)
        if (c == '|')
            c = '\0';
    std::vector<char> file(nameBuf, '\0');
    fileName.copy(file.data(), nameBuf - 1);
    // Unused, but sized for any name: a short buffer makes some systems refuse a long file name.
    char fileTitle[MAX_PATH] = "";
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrFileTitle = fileTitle;
    ofn.nMaxFileTitle = sizeof fileTitle;
    ofn.lpstrInitialDir = nullptr;
    ofn.lpstrTitle = title;
    ofn.lpstrDefExt = defExt;
    ofn.Flags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | flags;
    if (!RunFileDialog(ofn, function))
        return false;
    fileName = file.data();
    return true;
}

} // namespace

bool ChooseFile(HWND owner, const char* title, const char* filterText, const char* defExt, size_t nameBuf, std::string& fileName,
                bool mustExist)
{
    fileName.clear();
    return FileDialog(owner, title, filterText, defExt, nameBuf, fileName, mustExist ? OFN_FILEMUSTEXIST : 0, "GetOpenFileNameA");
}

bool ChooseSaveFile(HWND owner, const char* title, const char* filterText, const char* defExt, std::string& fileName)
{
    return FileDialog(owner, title, filterText, defExt, MAX_PATH, fileName, OFN_OVERWRITEPROMPT, "GetSaveFileNameA");
}

std::string WriteTextFile(const std::string& path, const std::string& text)
{
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return SystemErrorText(GetLastError());
    DWORD written = 0;
    const bool ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) && written == text.size();
    const DWORD error = ok ? 0 : GetLastError();
    CloseHandle(file);
    return ok ? std::string() : SystemErrorText(error ? error : ERROR_WRITE_FAULT);
}

bool ChooseFolder(HWND owner, const char* title, std::string& folder)
{
    // The shell is loaded only here, for the same reason as the common dialogs.
    const HMODULE shell = LoadLibraryA("shell32.dll");
    const auto browse = reinterpret_cast<PIDLIST_ABSOLUTE(WINAPI*)(BROWSEINFOA*)>(
        reinterpret_cast<void*>(shell ? GetProcAddress(shell, "SHBrowseForFolderA") : nullptr));
    const auto pathOf = reinterpret_cast<BOOL(WINAPI*)(PCIDLIST_ABSOLUTE, char*)>(
        reinterpret_cast<void*>(shell ? GetProcAddress(shell, "SHGetPathFromIDListA") : nullptr));
    if (!browse || !pathOf)
        return false;
    char path[MAX_PATH] = "";
    BROWSEINFOA info{};
    info.hwndOwner = owner;
    info.pszDisplayName = path;
    info.lpszTitle = title;
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    const PIDLIST_ABSOLUTE chosen = browse(&info);
    if (!chosen)
        return false;
    const bool named = pathOf(chosen, path);
    // The folder's name was given in the shell's memory, freed by COM's allocator (loaded with the shell).
    const HMODULE com = LoadLibraryA("ole32.dll");
    if (const auto free = reinterpret_cast<void(WINAPI*)(void*)>(reinterpret_cast<void*>(com ? GetProcAddress(com, "CoTaskMemFree") : nullptr)))
        free(chosen);
    if (named)
        folder = path;
    return named;
}

bool ShellOpen(HWND owner, const std::string& path)
{
    // The shell is loaded only here, for the same reason as the common dialogs.
    const HMODULE shell = LoadLibraryA("shell32.dll");
    const auto execute = reinterpret_cast<HINSTANCE(WINAPI*)(HWND, const char*, const char*, const char*, const char*, INT)>(
        reinterpret_cast<void*>(shell ? GetProcAddress(shell, "ShellExecuteA") : nullptr));
    return execute && reinterpret_cast<INT_PTR>(execute(owner, "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL)) > 32;
}

void OpenInBrowser(HWND owner, const std::string& path)
{
    if (!ShellOpen(owner, path))
        MessageBoxA(owner, ("The report was saved as " + path + ", but no program opens it here.").c_str(), "Site Report",
                    MB_OK | MB_ICONINFORMATION);
}

bool GetLocalFileName(HWND owner, const char* title, std::string& fileName, bool mustExist)
{
    return ChooseFile(owner, title, "Map Files(*.PCX, *.JPG)|*.pcx;*.jpg|All Files(*.*)|*.*|", "PCX", 128, fileName, mustExist);
}
