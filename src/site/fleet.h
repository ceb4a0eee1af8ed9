// The fleet page: one printable web page listing every site below a folder, with what a video
// team looks at first (problems, the last change, how far a site is from the reference), each
// row linked to the site's own report, written into a folder beside the page.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

struct FleetRow {
    std::string path;     // the system INI file
    bool readable = true;
    std::string name;     // [OrvaBank] "Bank Name"
    std::string unit;     // the unit type, as the main window's title names it
    std::string version;  // [Global] "QUELT Version"
    int channels = 0, camerasInUse = 0;
    size_t problems = 0;  // what the site check finds
    std::string lastChange; // "2026-12-01 09:00:00 Site Identification", or empty
    std::optional<size_t> differences; // values held differently from the reference
    std::string report;   // the site's report, relative to the page; empty when it was not written
};

struct FleetResult {
    std::vector<FleetRow> rows; // as the page lists them: sites with problems first
    std::vector<std::string> problems; // folders that could not be read
    std::string failure; // why the page could not be written; empty when it was
    int ExitCode() const;  // as /check: 2 a site unreadable or the page unwritten, 1 a problem, else 0
};

// Reads every site below the folder, one at a time, writes its report into "<page name> sites"
// beside the page, and the page itself. progress is told each site's path before it is read.
FleetResult WriteFleetPage(const std::string& folder, const std::string& page, const std::optional<std::string>& reference,
                           const std::function<void(const std::string&)>& progress = {});

// The page's HTML for rows already read (the page's own name for its title).
std::string FleetPageHtml(const std::string& folder, const std::vector<FleetRow>& rows, const std::optional<std::string>& reference);
