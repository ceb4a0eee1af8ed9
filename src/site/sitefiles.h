// The files of the site being edited, each read once while the object lives (a read session), and
// each section kept: its keys found by name without regard to case (the first of a duplicated key,
// as the recorder reads it). For what looks up many keys of a site: the site check, the report, the
// fleet's page and the roll-out.
#pragma once

#include "numtext.h"
#include "profile.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

class SiteFiles {
public:
    // S the system INI file, D SiteDef.DAT, T TRANDATA.INI, C ORVA_CONFIG.INI, W the Windows
    // folder's ORVANT.INI, where the program finds them for IniFile and cFileDir.
    static std::string Path(char file);

    SiteFiles() = default;
    SiteFiles(const SiteFiles&) = delete; // what it found points into its own sections
    SiteFiles& operator=(const SiteFiles&) = delete;

    std::optional<std::string> Value(char file, const std::string& section, const std::string& key);
    // The same by the section's SectionId (the file's letter, then the section's name in upper
    // case); null when the key is absent. For the site check, which looks up two thousand keys a
    // site.
    static std::string SectionId(char file, const std::string& section);
    const std::string* Find(const std::string& sectionId, std::string_view key);

    long reads = 0; // sections read

private:
    // Names hashed and compared without regard to case, as the service finds them.
    struct NoCaseHash {
        size_t operator()(std::string_view name) const noexcept;
    };
    struct NoCaseEqual {
        bool operator()(std::string_view a, std::string_view b) const noexcept { return EqualNoCase(a, b); }
    };
    struct Section {
        std::vector<std::pair<std::string, std::string>> keys;
        // Where each name is in keys; the names are keys' own, which therefore never move.
        std::unordered_map<std::string_view, size_t, NoCaseHash, NoCaseEqual> byName;
    };
    const Section& Read(const std::string& sectionId);
    const ReadSession session;
    std::map<std::string, Section> sections;
    const std::pair<const std::string, Section>* last = nullptr; // the section last read, a node of sections
};

// Points the program at a site as starting on it would: IniFile, and for the site's other files
// its folder (the local site keeps its map and TRANDATA.INI where the recorder does). False when
// the system INI file is not there.
bool UseSite(const std::string& path);
