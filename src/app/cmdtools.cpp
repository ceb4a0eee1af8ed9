#include "cmdtools.h"

#include "defines.h"
#include "history.h"
#include "numtext.h"

#include <windows.h>

#include <string>
#include <vector>

namespace {

// Text to the console the program was started from (its redirected output, if any), and to the
// /out file when one is named; false when the file cannot be written.
bool Print(const std::string& text, const std::string& outFile)
{
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if ((!out || out == INVALID_HANDLE_VALUE) && AttachConsole(ATTACH_PARENT_PROCESS))
        out = CreateFileA("CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    DWORD written = 0;
    if (out && out != INVALID_HANDLE_VALUE)
        WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    if (outFile.empty())
        return true;
    const HANDLE file = CreateFileA(outFile.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const bool ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) && written == text.size();
    CloseHandle(file);
    return ok;
}

int History(const std::vector<std::string>& paths, const std::string& outFile)
{
    if (paths.size() != 1) {
        Print("Usage: orva_config.exe /history <system INI path> [/out <file>]\r\n", "");
        return 2;
    }
    IniFile = paths[0];
    CharLowerBuffA(IniFile.data(), static_cast<DWORD>(IniFile.size()));
    if (GetFileAttributesA(IniFile.c_str()) == INVALID_FILE_ATTRIBUTES) {
        Print("No system INI file at " + paths[0] + "\r\n", "");
        return 2;
    }
    const std::optional<std::vector<Confirmation>> history = ReadHistory(HistoryPath());
    if (!history) {
        Print("The change history cannot be read: " + HistoryPath() + "\r\n", "");
        return 2;
    }
    return Print(FormatHistory(*history), outFile) ? 0 : 2;
}

} // namespace

std::optional<int> RunCommandLineTool(const char* commandLine)
{
    std::vector<std::string> args = CommandArgs(commandLine ? commandLine : "");
    if (args.size() < 2 || !EqualNoCase(args[1], "/history"))
        return std::nullopt;
    std::string outFile;
    std::vector<std::string> rest;
    for (size_t i = 2; i < args.size(); ++i) {
        if (EqualNoCase(args[i], "/out") && i + 1 < args.size())
            outFile = args[++i];
        else
            rest.push_back(args[i]);
    }
    return History(rest, outFile);
}
