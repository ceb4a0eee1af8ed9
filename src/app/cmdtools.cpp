#include "cmdtools.h"

#include "defines.h"
#include "history.h"
#include "numtext.h"
#include "site/sitecheck.h"
#include "site/sitediff.h"
#include "site/sitefiles.h"
#include "site/sitereport.h"

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
    if (!UseSite(paths[0])) {
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

// Checks each site in turn; nothing is written. 2 when a site cannot be read, else 1 when any has
// a problem, else 0.
int Check(const std::vector<std::string>& paths, const std::string& outFile)
{
    if (paths.empty()) {
        Print("Usage: orva_config.exe /check <system INI path> [more paths...] [/out <file>]\r\n", "");
        return 2;
    }
    std::string text;
    int code = 0;
    for (const std::string& path : paths) {
        if (!UseSite(path)) {
            text += path + ": the system INI file cannot be read\r\n";
            code = 2;
            continue;
        }
        const SiteCheckResult result = CheckSite();
        for (const Finding& finding : result.findings)
            text += FormatFinding(finding) + "\r\n";
        text += path + ": " + std::to_string(result.findings.size()) + (result.findings.size() == 1 ? " problem" : " problems") +
                " in " + std::to_string(result.valuesChecked) + " values checked\r\n";
        if (!result.findings.empty() && code == 0)
            code = 1;
    }
    return Print(text, outFile) ? code : 2;
}

// The values two sites hold differently, grouped by command; 0 when none, 1 when some, 2 when a
// site cannot be read.
int Diff(const std::vector<std::string>& paths, const std::string& outFile)
{
    if (paths.size() != 2) {
        Print("Usage: orva_config.exe /diff <site A system INI path> <site B system INI path> [/out <file>]\r\n", "");
        return 2;
    }
    SiteSnapshot sites[2];
    for (int i = 0; i < 2; ++i) {
        if (!UseSite(paths[static_cast<size_t>(i)])) {
            Print(paths[static_cast<size_t>(i)] + ": the system INI file cannot be read\r\n", "");
            return 2;
        }
        sites[i] = ReadSite();
    }
    const std::vector<Difference> differences = CompareSites(sites[0], sites[1]);
    std::string text;
    size_t specific = 0;
    for (const Difference& d : differences) {
        text += FormatDifference(d) + "\r\n";
        specific += d.siteSpecific ? 1 : 0;
    }
    text += paths[0] + " | " + paths[1] + ": " +
            (differences.empty() ? std::string("the same values")
                                 : std::to_string(differences.size()) + (differences.size() == 1 ? " value differs" : " values differ") +
                                       ", " + std::to_string(specific) + " of them site-specific") +
            "\r\n";
    return Print(text, outFile) ? (differences.empty() ? 0 : 1) : 2;
}

// Writes the site report; 0 when written, 2 when the site cannot be read or the report written.
int Report(const std::vector<std::string>& paths)
{
    if (paths.size() != 2) {
        Print("Usage: orva_config.exe /report <system INI path> <report .html path>\r\n", "");
        return 2;
    }
    if (!UseSite(paths[0])) {
        Print(paths[0] + ": the system INI file cannot be read\r\n", "");
        return 2;
    }
    const std::string failure = WriteSiteReport(paths[1]);
    Print(failure.empty() ? "Site report written to " + paths[1] + "\r\n" : paths[1] + ": " + failure + "\r\n", "");
    return failure.empty() ? 0 : 2;
}

} // namespace

std::optional<int> RunCommandLineTool(const char* commandLine)
{
    std::vector<std::string> args = CommandArgs(commandLine ? commandLine : "");
    if (args.size() < 2)
        return std::nullopt;
    const std::string tool = args[1];
    if (!EqualNoCase(tool, "/history") && !EqualNoCase(tool, "/check") && !EqualNoCase(tool, "/diff") && !EqualNoCase(tool, "/report"))
        return std::nullopt;
    std::string outFile;
    std::vector<std::string> rest;
    for (size_t i = 2; i < args.size(); ++i) {
        if (EqualNoCase(args[i], "/out") && i + 1 < args.size())
            outFile = args[++i];
        else
            rest.push_back(args[i]);
    }
    if (EqualNoCase(tool, "/check"))
        return Check(rest, outFile);
    if (EqualNoCase(tool, "/report"))
        return Report(rest);
    return EqualNoCase(tool, "/diff") ? Diff(rest, outFile) : History(rest, outFile);
}
