#include "fleet.h"

#include "ownedkeys.h"
#include "sitecheck.h"
#include "sitediff.h"
#include "sitefiles.h"
#include "sitereport.h"
#include "sitewalk.h"

#include "cameras/camerakeys.h"
#include "defines.h"
#include "history.h"
#include "numtext.h"
#include "profile.h"
#include "site.h"
#include "unit.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>

namespace {

constexpr char kStyle[] = R"(
body { font-family: Arial, Helvetica, sans-serif; font-size: 10pt; color: #000; margin: 1.5em; }
h1 { font-size: 16pt; margin-bottom: 0.2em; }
p.note { color: #444; margin: 0.2em 0; }
table { border-collapse: collapse; }
th, td { border: 1px solid #999; padding: 2px 5px; text-align: left; vertical-align: top; }
th { background: #e8e8e8; }
td.number { text-align: right; }
tr.problem td.problems { font-weight: bold; color: #900; }
tr { break-inside: avoid; page-break-inside: avoid; }
thead { display: table-header-group; }
* { -webkit-print-color-adjust: exact; print-color-adjust: exact; }
@page { margin: 12mm; }
@media print { body { margin: 0; font-size: 9pt; } a { color: #000; text-decoration: none; } }
)";

// The last confirmation of a site's change history, "time command": the log's last header that
// reads, looked for from its end (a log holds up to a megabyte). One confirmation's values can fill
// more than the first read (a camera's settings copied to the 31 others, many values taken from
// another site), so each read that finds no header reaches four times as far back.
std::string LastChange(const std::string& log)
{
    std::ifstream in(log, std::ios::binary | std::ios::ate);
    if (!in)
        return {};
    const std::streamoff size = in.tellg();
    for (std::streamoff reach = 65536;; reach *= 4) {
        const std::streamoff from = std::max<std::streamoff>(0, size - reach);
        in.seekg(from);
        std::string tail(static_cast<size_t>(size - from), '\0');
        in.read(tail.data(), static_cast<std::streamsize>(tail.size()));
        // Headers from the last back. A line is whole after a line break, or at the log's start;
        // the first line of a later read may be cut.
        for (size_t end = tail.size();;) {
            const size_t brk = end == 0 ? std::string::npos : tail.rfind("\nH\t", end - 1);
            const size_t start = brk != std::string::npos ? brk + 1 : from == 0 && tail.starts_with("H\t") ? 0 : std::string::npos;
            if (start == std::string::npos)
                break;
            const std::vector<Confirmation> parsed = ParseHistory(tail.substr(start, tail.find('\n', start) - start));
            if (!parsed.empty() && !parsed[0].time.empty())
                return parsed[0].time + " " + parsed[0].command;
            if (start == 0)
                break;
            end = start - 1;
        }
        if (from == 0)
            return {};
    }
}

// "0007 Region A - Branch 12.html" for the site Region A\Branch 12\ORVANT.INI below the folder.
std::string ReportName(size_t index, const std::string& folder, const std::string& site)
{
    std::string relative = site.substr(0, site.find_last_of("\\/"));
    relative = relative.size() > folder.size() && EqualNoCase(relative.substr(0, folder.size()), folder) ? relative.substr(folder.size() + 1)
                                                                                                         : "site";
    for (char& c : relative)
        if (c == '\\' || c == '/' || c == ':')
            c = '-';
    char number[16];
    std::snprintf(number, sizeof number, "%04zu ", index + 1);
    return number + relative + ".html";
}

// A relative address: every byte that is not plainly safe in one is escaped.
std::string UrlPath(const std::string& path)
{
    std::string url;
    for (const char c : path) {
        const auto u = static_cast<unsigned char>(c);
        if (std::isalnum(u) || c == '-' || c == '_' || c == '.' || c == '/') {
            url += c;
        } else {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", u);
            url += hex;
        }
    }
    return url;
}

int CamerasInUse(SiteFiles& files, int channels)
{
    int on = 0;
    for (int camera = 1; camera <= channels; ++camera)
        on += IsYesText(files.Value('S', "OrvaBank", CameraKeyName(CameraKey::On, camera)).value_or("NO")) ? 1 : 0;
    return on;
}

size_t Differences(const SiteSnapshot& reference)
{
    const std::vector<Difference> all = CompareSites(reference, ReadSite());
    return static_cast<size_t>(std::count_if(all.begin(), all.end(), [](const Difference& d) { return !d.siteSpecific; }));
}

std::string Cell(const std::string& text, const char* cls = nullptr)
{
    return std::string("<td") + (cls ? std::string(" class=\"") + cls + "\"" : "") + ">" + HtmlText(text) + "</td>";
}

} // namespace

int FleetResult::ExitCode() const
{
    if (!failure.empty() || !problems.empty() || std::any_of(rows.begin(), rows.end(), [](const FleetRow& r) { return !r.readable; }))
        return 2;
    return std::any_of(rows.begin(), rows.end(), [](const FleetRow& r) { return r.problems > 0; }) ? 1 : 0;
}

FleetResult WriteFleetPage(const std::string& folder, const std::string& page, const std::optional<std::string>& reference,
                           const std::function<void(const std::string&)>& progress)
{
    FleetResult result;
    std::optional<SiteSnapshot> referenceSite;
    if (reference) {
        if (!UseSite(*reference)) {
            result.failure = "the reference site " + *reference + " cannot be read";
            return result;
        }
        referenceSite = ReadSite();
    }
    const SiteList list = SitesBelow(folder);
    result.problems = list.problems;
    // The sites' reports go into a folder beside the page, named after it.
    const size_t slash = page.find_last_of("\\/"), dot = page.find_last_of('.');
    const std::string reports = page.substr(0, dot != std::string::npos && (slash == std::string::npos || dot > slash) ? dot : page.size()) + " sites";
    const std::string reportsLink = reports.substr(slash == std::string::npos ? 0 : slash + 1);
    if (!CreateDirectoryA(reports.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
        result.failure = reports + ": " + SystemErrorText(GetLastError());
        return result;
    }
    std::string root = folder;
    while (root.size() > 3 && (root.back() == '\\' || root.back() == '/'))
        root.pop_back();
    for (size_t i = 0; i < list.sites.size(); ++i) {
        FleetRow row;
        row.path = list.sites[i];
        if (progress)
            progress(row.path);
        if (!UseSite(row.path)) {
            row.readable = false;
            result.rows.push_back(row);
            continue;
        }
        const ReadSession session;
        SiteFiles files;
        row.name = files.Value('S', "OrvaBank", "Bank Name").value_or("");
        row.version = files.Value('S', "Global", "QUELT Version").value_or("");
        const std::string title = EqTypeTitle();
        row.unit = title.find(" - ") == std::string::npos ? "" : title.substr(title.find(" - ") + 3);
        row.channels = VideoChannels() == 32 ? 32 : 16;
        row.camerasInUse = CamerasInUse(files, row.channels);
        const SiteCheckResult check = CheckSite();
        row.problems = check.findings.size();
        row.lastChange = LastChange(HistoryPath());
        if (referenceSite)
            row.differences = Differences(*referenceSite);
        const std::string name = ReportName(i, root, row.path);
        if (WriteSiteReport(reports + "\\" + name, check).empty())
            row.report = reportsLink + "/" + name;
        result.rows.push_back(std::move(row));
    }
    // Sites that need looking at first, each group in path order.
    std::stable_sort(result.rows.begin(), result.rows.end(), [](const FleetRow& a, const FleetRow& b) {
        return (!a.readable || a.problems > 0) > (!b.readable || b.problems > 0);
    });
    result.failure = WriteTextFile(page, FleetPageHtml(folder, result.rows, reference));
    return result;
}

std::string FleetPageHtml(const std::string& folder, const std::vector<FleetRow>& rows, const std::optional<std::string>& reference)
{
    const size_t troubled = static_cast<size_t>(std::count_if(rows.begin(), rows.end(), [](const FleetRow& r) { return !r.readable || r.problems; }));
    std::string out = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"windows-1252\">\n<title>Fleet: " + HtmlText(folder) +
                      "</title>\n<style>" + kStyle + "</style>\n</head>\n<body>\n<main>\n<h1>Fleet: " + HtmlText(folder) + "</h1>\n";
    out += "<p>" + Plural(rows.size(), "site") + ", " + std::to_string(troubled) +
           " of them with problems (listed first).";
    if (reference)
        out += " Values held differently are counted against " + HtmlText(*reference) + ", keys that name a site left out.";
    out += "</p>\n<table>\n<thead><tr><th scope=\"col\">Site</th><th scope=\"col\">Path</th><th scope=\"col\">Unit</th>"
           "<th scope=\"col\">Version</th><th scope=\"col\">Channels</th><th scope=\"col\">Cameras in use</th>"
           "<th scope=\"col\">Problems</th><th scope=\"col\">Last change</th>";
    if (reference)
        out += "<th scope=\"col\">Differences</th>";
    out += "</tr></thead>\n<tbody>\n";
    for (const FleetRow& r : rows) {
        out += std::string("<tr") + (!r.readable || r.problems ? " class=\"problem\"" : "") + ">";
        const std::string name = r.name.empty() ? "(no name)" : r.name;
        out += r.report.empty() ? Cell(name) : "<td><a href=\"" + HtmlText(UrlPath(r.report)) + "\">" + HtmlText(name) + "</a></td>";
        out += Cell(r.path);
        if (!r.readable) {
            out += "<td colspan=\"" + std::string(reference ? "7" : "6") + "\">the system INI file cannot be read</td></tr>\n";
            continue;
        }
        out += Cell(r.unit) + Cell(r.version) + Cell(std::to_string(r.channels), "number") + Cell(std::to_string(r.camerasInUse), "number") +
               Cell(std::to_string(r.problems), "number problems") + Cell(r.lastChange.empty() ? "none recorded" : r.lastChange);
        if (reference)
            out += Cell(r.differences ? std::to_string(*r.differences) : "", "number");
        out += "</tr>\n";
    }
    out += "</tbody>\n</table>\n</main>\n</body>\n</html>\n";
    return out;
}
