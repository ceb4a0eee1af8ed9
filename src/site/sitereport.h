// The site report: one printable HTML page recording how a branch's recorder is configured, to
// leave with the branch or file with the job. It needs nothing but itself to be read or printed:
// no script, no other file, no network; the map picture is inside it.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

struct SiteCheckResult;

// The report of the site being edited (IniFile and the files found beside it), with the site
// check's findings (made here when not given).
std::string SiteReportHtml();
std::string SiteReportHtml(const SiteCheckResult& check);

// Writes the report of the site being edited; an empty text when written, else why not.
std::string WriteSiteReport(const std::string& path);
std::string WriteSiteReport(const std::string& path, const SiteCheckResult& check);

// Files > Site Report: asks where to save the report, writes it and opens it in the browser.
void SaveSiteReport(HINSTANCE instance, HWND parent);

// Text made safe to stand in HTML, in an element or a quoted attribute.
std::string HtmlText(std::string_view text);
