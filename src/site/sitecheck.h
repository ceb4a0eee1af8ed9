// The site check: every stored value the owning dialog would refuse on OK or could not show as
// stored, and the faults between keys that no single dialog sees, found without opening a dialog
// and without writing anything.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct Finding {
    std::string file, section, key, value;
    std::string rule; // in plain words
    UINT command;     // the command that owns the key
};

struct SiteCheckResult {
    std::vector<Finding> findings;
    int valuesChecked = 0;
    long reads = 0; // sections read from the files
};

// Checks the site being edited: IniFile, and SiteDef.DAT, map pictures and TRANDATA.INI where the
// program finds them (cFileDir, the Windows folder). With cameraSections, the table's keys are
// checked only in sections that hold cameras' keys, and the last view's camera, the alarms'
// cameras and the map's icons (none of them a camera's own key) not at all: every finding on a
// camera's key is made, with less to read (the camera overview's marks).
SiteCheckResult CheckSite(bool cameraSections = false);

// "<file> [<section>] <key> = <value>: <rule>"
std::string FormatFinding(const Finding& finding);
