#include "cmdtools.h"

#include "defines.h"
#include "history.h"
#include "numtext.h"
#include "site/fleet.h"
#include "site/rollout.h"
#include "site/sitecheck.h"
#include "site/sitediff.h"
#include "site/sitefiles.h"
#include "site/sitereport.h"
#include "site/sitewalk.h"

#include <windows.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {

// Lines to the console the program was started from (its redirected output, if any), and to the
// /out file when one is named, as they come: a command over thousands of sites holds no more than
// one site's lines at a time.
class Output {
public:
    explicit Output(const std::string& outFile)
    {
        console = GetStdHandle(STD_OUTPUT_HANDLE);
        if ((!console || console == INVALID_HANDLE_VALUE) && AttachConsole(ATTACH_PARENT_PROCESS))
            console = CreateFileA("CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
        if (!outFile.empty()) {
            file = CreateFileA(outFile.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
            ok = file != INVALID_HANDLE_VALUE;
        }
    }
    ~Output()
    {
        if (file != INVALID_HANDLE_VALUE)
            CloseHandle(file);
    }
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    void Line(const std::string& text)
    {
        const std::string line = text + "\r\n";
        DWORD written = 0;
        if (console && console != INVALID_HANDLE_VALUE)
            WriteFile(console, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
        if (file != INVALID_HANDLE_VALUE)
            ok = WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr) && written == line.size() && ok;
    }
    // Whether the /out file, if any, holds every line.
    bool Whole() const { return ok; }

private:
    HANDLE console = nullptr;
    HANDLE file = INVALID_HANDLE_VALUE;
    bool ok = true;
};

int Usage(const char* text)
{
    Output("").Line(std::string("Usage: orva_config.exe ") + text);
    return 2;
}

// The sites the paths name, the folders that could not be read said; false when one could not.
bool ExpandSites(const std::vector<std::string>& paths, Output& out, std::vector<std::string>& sites)
{
    const SiteList list = SitesOf(paths);
    for (const std::string& problem : list.problems)
        out.Line(problem);
    sites = list.sites;
    return list.problems.empty();
}

int History(const std::vector<std::string>& paths, const std::string& outFile)
{
    if (paths.size() != 1)
        return Usage("/history <system INI path> [/out <file>]");
    Output out(outFile);
    if (!UseSite(paths[0])) {
        out.Line("No system INI file at " + paths[0]);
        return 2;
    }
    const std::optional<std::vector<Confirmation>> history = ReadHistory(HistoryPath());
    if (!history) {
        out.Line("The change history cannot be read: " + HistoryPath());
        return 2;
    }
    std::string text = FormatHistory(*history);
    if (text.ends_with("\r\n"))
        text.resize(text.size() - 2);
    if (!text.empty())
        out.Line(text);
    return out.Whole() ? 0 : 2;
}

// Checks each site in turn; nothing is written. 2 when a site cannot be read, else 1 when any has
// a problem, else 0.
int Check(const std::vector<std::string>& paths, const std::string& outFile)
{
    if (paths.empty())
        return Usage("/check <system INI path or folder> [more...] [/out <file>]");
    Output out(outFile);
    std::vector<std::string> sites;
    int code = ExpandSites(paths, out, sites) ? 0 : 2;
    for (const std::string& path : sites) {
        if (!UseSite(path)) {
            out.Line(path + ": the system INI file cannot be read");
            code = 2;
            continue;
        }
        const SiteCheckResult result = CheckSite();
        for (const Finding& finding : result.findings)
            out.Line(FormatFinding(finding));
        out.Line(path + ": " + Plural(result.findings.size(), "problem") + " in " +
                 std::to_string(result.valuesChecked) + " values checked");
        if (!result.findings.empty() && code == 0)
            code = 1;
    }
    return out.Whole() ? code : 2;
}

// The sites of the two sides to compare: one site against each of the other side's, or, two
// folders, the sites at the same place below each.
struct Pair {
    std::string a, b;
};

std::string Below(const std::string& site, const std::string& folder)
{
    return UpperAscii(site.size() > folder.size() ? site.substr(folder.size()) : site);
}

int Diff(const std::vector<std::string>& paths, const std::string& outFile)
{
    if (paths.size() != 2)
        return Usage("/diff <site A system INI path or folder> <site B system INI path or folder> [/out <file>]");
    Output out(outFile);
    std::vector<std::string> sides[2];
    int code = ExpandSites({paths[0]}, out, sides[0]) && ExpandSites({paths[1]}, out, sides[1]) ? 0 : 2;
    std::vector<Pair> pairs;
    if (sides[0].size() == 1 || sides[1].size() == 1) {
        for (const std::string& a : sides[0])
            for (const std::string& b : sides[1])
                pairs.push_back({a, b});
    } else {
        std::map<std::string, std::string> others;
        for (const std::string& b : sides[1])
            others[Below(b, paths[1])] = b;
        for (const std::string& a : sides[0]) {
            const auto match = others.find(Below(a, paths[0]));
            if (match == others.end()) {
                out.Line(a + ": no site at the same place below " + paths[1]);
                code = 2;
                continue;
            }
            pairs.push_back({a, match->second});
            others.erase(match);
        }
        for (const auto& [place, b] : others) {
            out.Line(b + ": no site at the same place below " + paths[0]);
            code = 2;
        }
    }
    for (const Pair& pair : pairs) {
        SiteSnapshot sites[2];
        bool readable = true;
        for (const std::string* path : {&pair.a, &pair.b}) {
            const size_t i = path == &pair.a ? 0 : 1;
            if (!UseSite(*path)) {
                out.Line(*path + ": the system INI file cannot be read");
                readable = false;
                break;
            }
            sites[i] = ReadSite();
        }
        if (!readable) {
            code = 2;
            continue;
        }
        const std::vector<Difference> differences = CompareSites(sites[0], sites[1]);
        size_t specific = 0;
        for (const Difference& d : differences) {
            out.Line(FormatDifference(d));
            specific += d.siteSpecific ? 1 : 0;
        }
        out.Line(pair.a + " | " + pair.b + ": " +
                 (differences.empty() ? std::string("the same values")
                                      : std::to_string(differences.size()) + (differences.size() == 1 ? " value differs" : " values differ") +
                                            ", " + std::to_string(specific) + " of them site-specific"));
        if (!differences.empty() && code == 0)
            code = 1;
    }
    return out.Whole() ? code : 2;
}

// Writes the site report; 0 when written, 2 when the site cannot be read or the report written. A
// folder of sites gives a folder of reports, one a site.
int Report(const std::vector<std::string>& paths)
{
    if (paths.size() != 2)
        return Usage("/report <system INI path or folder> <report .html path, or a folder for a folder of sites>");
    Output out("");
    if (!IsFolder(paths[0])) {
        if (!UseSite(paths[0])) {
            out.Line(paths[0] + ": the system INI file cannot be read");
            return 2;
        }
        const std::string failure = WriteSiteReport(paths[1]);
        out.Line(failure.empty() ? "Site report written to " + paths[1] : paths[1] + ": " + failure);
        return failure.empty() ? 0 : 2;
    }
    std::vector<std::string> sites;
    int code = ExpandSites({paths[0]}, out, sites) ? 0 : 2;
    CreateDirectoryA(paths[1].c_str(), nullptr);
    for (const std::string& site : sites) {
        std::string name = site.substr(0, site.find_last_of("\\/"));
        name = name.size() > paths[0].size() ? name.substr(paths[0].size()) : "site";
        std::replace_if(name.begin(), name.end(), [](char c) { return c == '\\' || c == '/' || c == ':'; }, '-');
        name.erase(0, name.find_first_not_of('-'));
        const std::string report = paths[1] + "\\" + name + ".html";
        const std::string failure = UseSite(site) ? WriteSiteReport(report) : "the system INI file cannot be read";
        out.Line(failure.empty() ? site + ": report written to " + report : site + ": " + failure);
        code = failure.empty() ? code : 2;
    }
    return code;
}

// Rolls the reference's settings out to the sites: each value checked against each site's own
// unit, each site one confirmation of its history. 0 when every site is level with the reference,
// 1 when a value was skipped or a site not written, 2 when the reference or a site cannot be read.
int Take(const std::vector<std::string>& args, const std::string& only, bool dryRun, const std::string& outFile)
{
    if (args.size() < 2 || only.empty())
        return Usage("/take <reference system INI path> <sites or folders...> /only <commands, or all> [/dry-run] [/out <file>]");
    Output out(outFile);
    std::vector<std::string> unknown;
    const std::vector<TakeGroup> groups = GroupsNamed(only, unknown);
    for (const std::string& name : unknown)
        out.Line("No command is named " + name);
    if (!unknown.empty() || groups.empty())
        return 2;
    const std::optional<Reference> reference = ReadReference(args[0], groups);
    if (!reference) {
        out.Line(args[0] + ": the reference's system INI file cannot be read");
        return 2;
    }
    std::vector<std::string> sites;
    int code = ExpandSites({args.begin() + 1, args.end()}, out, sites) ? 0 : 2;
    size_t level = 0, partly = 0, already = 0, unchanged = 0, taken = 0, skipped = 0;
    for (const std::string& site : sites) {
        SitePlan plan = PlanSite(*reference, site);
        if (!dryRun)
            ApplyPlan(plan, reference->path);
        for (const TakenValue& v : plan.values)
            out.Line(FormatTakenValue(site, v));
        out.Line(FormatSitePlan(plan, dryRun));
        const bool failed = !plan.readable || !plan.failure.empty();
        code = !plan.readable ? 2 : code == 0 && (failed || plan.Skipped() > 0) ? 1 : code;
        unchanged += failed ? 1 : 0;
        already += !failed && plan.values.empty() ? 1 : 0;
        partly += !failed && plan.Skipped() > 0 ? 1 : 0;
        level += !failed && !plan.values.empty() && plan.Skipped() == 0 ? 1 : 0;
        taken += failed ? 0 : plan.Taken();
        skipped += plan.Skipped();
    }
    out.Line(Plural(sites.size(), "site") + ": " + std::to_string(level) +
             (dryRun ? " to bring level, " : " brought level, ") + std::to_string(partly) + " with values skipped, " +
             std::to_string(already) + " already level, " + std::to_string(unchanged) + " not changed; " + Plural(taken, "value") + (dryRun ? " to take, " : " taken, ") + std::to_string(skipped) +
             " skipped" + (dryRun ? " (nothing written)" : ""));
    return out.Whole() ? code : 2;
}

int Fleet(const std::vector<std::string>& args, const std::string& reference)
{
    if (args.size() != 2)
        return Usage("/fleet <folder> <page .html path> [/reference <system INI path>]");
    Output out("");
    const FleetResult result = WriteFleetPage(args[0], args[1], reference.empty() ? std::nullopt : std::optional(reference));
    for (const std::string& problem : result.problems)
        out.Line(problem);
    for (const FleetRow& row : result.rows)
        if (!row.readable)
            out.Line(row.path + ": the system INI file cannot be read");
    out.Line(result.failure.empty() ? "Fleet page of " + std::to_string(result.rows.size()) + " sites written to " + args[1]
                                    : args[1] + ": " + result.failure);
    return result.ExitCode();
}

} // namespace

std::optional<int> RunCommandLineTool(const char* commandLine)
{
    std::vector<std::string> args = CommandArgs(commandLine ? commandLine : "");
    if (args.size() < 2)
        return std::nullopt;
    const std::string tool = args[1];
    const char* const tools[] = {"/history", "/check", "/diff", "/report", "/take", "/fleet"};
    if (std::none_of(std::begin(tools), std::end(tools), [&](const char* t) { return EqualNoCase(tool, t); }))
        return std::nullopt;
    std::string outFile, only, reference;
    bool dryRun = false;
    std::vector<std::string> rest;
    for (size_t i = 2; i < args.size(); ++i) {
        if (EqualNoCase(args[i], "/out") && i + 1 < args.size())
            outFile = args[++i];
        else if (EqualNoCase(args[i], "/only") && i + 1 < args.size())
            only = args[++i];
        else if (EqualNoCase(args[i], "/reference") && i + 1 < args.size())
            reference = args[++i];
        else if (EqualNoCase(args[i], "/dry-run"))
            dryRun = true;
        else
            rest.push_back(args[i]);
    }
    if (EqualNoCase(tool, "/check"))
        return Check(rest, outFile);
    if (EqualNoCase(tool, "/report"))
        return Report(rest);
    if (EqualNoCase(tool, "/take"))
        return Take(rest, only, dryRun, outFile);
    if (EqualNoCase(tool, "/fleet"))
        return Fleet(rest, reference);
    return EqualNoCase(tool, "/diff") ? Diff(rest, outFile) : History(rest, outFile);
}
