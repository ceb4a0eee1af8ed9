// The comparison of two sites: every value of their system INI, SiteDef.DAT and TRANDATA.INI
// files that differs, grouped by the command that owns it.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

struct Difference {
    UINT command;       // 0: no command owns the key ("Other")
    std::string group;  // the command's name, or "Other"
    char file;          // S, D or T
    std::string section, key;
    std::optional<std::string> a, b; // nullopt: absent at that site
    bool siteSpecific;  // a key that names the site itself (its name, map, icon places, addresses)
};

// All of one site's values, read for the site IniFile and cFileDir point at, in the order of
// file, section and key without regard to case; of a key given twice, the first, as the recorder
// reads it. Their owners and whether they name the site are found by the comparison, for the
// values that differ.
struct SiteValue {
    char file;
    std::string section, key, value;
};
struct SiteSnapshot {
    std::string path;
    std::vector<SiteValue> values;
};
SiteSnapshot ReadSite();

// The differences between two sites, in the order of the command table, "Other" last.
std::vector<Difference> CompareSites(const SiteSnapshot& a, const SiteSnapshot& b);

// "<command>: <file> [<section>] <key>: <A value> | <B value>", absent shown as "(absent)", and
// " (site-specific)" after a key that names the site.
std::string FormatDifference(const Difference& d);
