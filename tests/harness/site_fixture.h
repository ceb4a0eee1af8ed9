// A fresh site for every test: a folder, also made the current directory, holding a remote
// site's system INI file (or the local site's C:\windows\ORVANT.INI), this program's
// ORVA_CONFIG.INI reset, the program's globals pointed at them, and snapshots of every INI file
// to tell which keys a step changed.
//
// Keys are named "F [section] key", F a letter for the file: S the system INI file,
// D SiteDef.DAT, C ORVA_CONFIG.INI, T TRANDATA.INI; any other file by its own name.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

// Every key of the site's files by "F [SECTION] KEY" in capitals (section and key names are
// compared without regard to case, as the profile service does): its name as written, its value.
using Keys = std::map<std::string, std::pair<std::string, std::string>>;

class SiteFixture : public ::testing::Test {
public:
    void SetUp() override { NewSite(); }
    // Starts over on an empty remote site; UseLocalSite makes IniFile C:\windows\ORVANT.INI.
    void NewSite();
    void UseLocalSite();

    // Full path of a file by its letter, or of a file of the site folder by its name.
    std::string PathOf(const std::string& file) const;
    std::string SystemIniPath() const { return PathOf("S"); }
    // Sets keys from KeyLines; a line "local" switches to the local site.
    void Seed(const std::string& lines);
    // Replaces a file's whole text (for damaged files).
    void WriteRaw(const std::string& path, const std::string& text) const;
    std::optional<std::string> Key(const std::string& file, const std::string& section, const std::string& key) const;

    // "F [section] key=new value" (or "F [section] key removed") for every key changed since the
    // last MarkClean, sorted.
    std::vector<std::string> ChangesSinceMark() const;
    void MarkClean() { mark = Snapshot(); }

    std::string siteDir; // the remote site's folder, with a trailing backslash
    std::string winDir;  // the Windows directory, with a trailing backslash

private:
    Keys Snapshot() const;
    Keys mark;
};

// Splits text at a separator, dropping empty pieces.
std::vector<std::string> SplitText(const std::string& text, const std::string& separator);
// "F [section] key=value" lines, one a key; a line may hold more keys of its section after "; ".
std::vector<std::string> KeyLines(const std::string& text);
