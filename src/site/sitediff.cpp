#include "sitediff.h"

#include "ownedkeys.h"
#include "sitefiles.h"

#include "defines.h"
#include "numtext.h"
#include "resource.h"

#include <algorithm>
#include <map>

namespace {

constexpr char kFiles[] = {'S', 'D', 'T'};

const char* FileName(char file) { return file == 'S' ? "system INI" : file == 'D' ? "SiteDef.DAT" : "TRANDATA.INI"; }

// The first command of the table that owns a key, or 0.
UINT Owner(char file, const std::string& section, const std::string& key)
{
    for (const CommandKeys& command : CommandTable())
        for (const OwnedKey& entry : command.keys)
            if (EntryMatches(entry, file, section, key))
                return command.id;
    return 0;
}

int CommandOrder(UINT command)
{
    const auto& table = CommandTable();
    for (size_t i = 0; i < table.size(); ++i)
        if (table[i].id == command)
            return static_cast<int>(i);
    return static_cast<int>(table.size());
}

} // namespace

SiteSnapshot ReadSite()
{
    SiteSnapshot site{IniFile, {}};
    SiteFiles files;
    for (const char file : kFiles)
        for (const std::string& section : files.Sections(file))
            for (const auto& [key, value] : files.Keys(file, section))
                site.values.push_back({0, "", file, section, key, value, std::nullopt, false});
    return site;
}

std::vector<Difference> CompareSites(const SiteSnapshot& a, const SiteSnapshot& b)
{
    // By file, section and key without regard to case; the first of a duplicated key counts.
    std::map<std::string, Difference> all;
    const auto id = [](const Difference& d) { return std::string(1, d.file) + UpperAscii(d.section) + "\n" + UpperAscii(d.key); };
    for (const Difference& v : a.values)
        all.emplace(id(v), v);
    for (const Difference& v : b.values) {
        const auto [known, fresh] = all.emplace(id(v), v);
        if (fresh) {
            known->second.a.reset();
            known->second.b = v.a;
        } else if (!known->second.b) {
            known->second.b = v.a;
        }
    }
    std::vector<Difference> differences;
    for (auto& [key, d] : all) {
        if (d.a == d.b)
            continue;
        // Only a difference is given its owner: finding it walks the command table.
        d.command = Owner(d.file, d.section, d.key);
        d.siteSpecific = SiteSpecificKey(d.file, d.section, d.key);
        const CommandKeys* owner = d.command ? FindCommand(d.command) : nullptr;
        d.group = owner ? owner->name : "Other";
        differences.push_back(d);
    }
    std::stable_sort(differences.begin(), differences.end(),
                     [](const Difference& x, const Difference& y) { return CommandOrder(x.command) < CommandOrder(y.command); });
    return differences;
}

std::string FormatDifference(const Difference& d)
{
    const auto shown = [](const std::optional<std::string>& v) { return v ? *v : std::string("(absent)"); };
    return d.group + ": " + FileName(d.file) + " [" + d.section + "] " + d.key + (d.siteSpecific ? " (site-specific)" : "") + ": " +
           shown(d.a) + " | " + shown(d.b);
}
