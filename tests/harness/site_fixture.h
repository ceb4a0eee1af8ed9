// A fresh site for every test: a folder, also made the current directory, holding a remote
// site's system INI file (or the local site's C:\windows\ORVANT.INI), this program's
// ORVA_CONFIG.INI reset, the program's globals pointed at them, and snapshots of every INI file
// to tell which keys a step changed.
#pragma once

#include "ini_text.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

// Every key of every file the program may touch, by file name.
using SiteSnapshot = std::map<std::string, IniSections, NoCaseLess>;

class SiteFixture : public ::testing::Test {
protected:
    void SetUp() override;

    // Switches to the local site: IniFile is the Windows directory's ORVANT.INI.
    void UseLocalSite();

    // Path of the system INI file, ORVA_CONFIG.INI, and a file of the site folder.
    std::string SystemIniPath() const;
    std::string ConfigIniPath() const;
    std::string SiteFile(const std::string& name) const { return siteDir + name; }

    // Sets one key on disk, without the system's profile service.
    void Seed(const std::string& path, const std::string& section, const std::string& key,
              const std::string& value);
    void SeedSystem(const std::string& section, const std::string& key, const std::string& value)
    {
        Seed(SystemIniPath(), section, key, value);
    }
    void SeedConfig(const std::string& section, const std::string& key, const std::string& value)
    {
        Seed(ConfigIniPath(), section, key, value);
    }
    // Replaces a file's whole text (for damaged files).
    void WriteRaw(const std::string& path, const std::string& text) { WriteFileText(path, text); }

    // One key as stored on disk, or nullopt when absent.
    std::optional<std::string> Key(const std::string& path, const std::string& section,
                                   const std::string& key) const;
    std::optional<std::string> SystemKey(const std::string& section, const std::string& key) const
    {
        return Key(SystemIniPath(), section, key);
    }

    SiteSnapshot Snapshot() const;
    // "FILE [section] key: old -> new" for each key added, changed or removed between snapshots,
    // "<absent>" standing for a missing key.
    static std::vector<std::string> Changes(const SiteSnapshot& before, const SiteSnapshot& after);
    // Changes since the snapshot taken at SetUp (or by the last MarkClean).
    std::vector<std::string> ChangesSinceMark() const { return Changes(mark, Snapshot()); }
    void MarkClean() { mark = Snapshot(); }

    std::string siteDir; // the remote site's folder, with a trailing backslash
    std::string winDir;  // the Windows directory, with a trailing backslash

private:
    SiteSnapshot mark;
};

// Builds "FILE [section] key: old -> new" for expectations.
std::string Change(const std::string& file, const std::string& section, const std::string& key,
                   const std::optional<std::string>& before, const std::optional<std::string>& after);
