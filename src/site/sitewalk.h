// The sites a command line names: a system INI file names one site; a folder names every site
// below it, a folder holding an ORVANT.INI (in any case), in path order. A bank's video team keeps
// one folder per branch, thousands of them, and the Windows command line cannot name them one by one.
#pragma once

#include <string>
#include <vector>

struct SiteList {
    std::vector<std::string> sites;    // the system INI files, in path order
    std::vector<std::string> problems; // "<folder>: the folder cannot be read (<why>)", or holds no site
};

// The sites below one path. A folder that cannot be read is reported and the walk goes on; a
// folder reached twice (through a link that loops) is walked once.
SiteList SitesBelow(const std::string& path);
// The sites of several paths, in the order given.
SiteList SitesOf(const std::vector<std::string>& paths);
// Whether a path names a folder rather than a file.
bool IsFolder(const std::string& path);
