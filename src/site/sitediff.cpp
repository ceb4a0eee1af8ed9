#include "sitediff.h"

#include "ownedkeys.h"
#include "sitefiles.h"

#include "defines.h"
#include "numtext.h"
#include "profile.h"
#include "resource.h"

#include <algorithm>

namespace {

// The files compared, in the comparison's order (by letter).
constexpr char kFiles[] = {'D', 'S', 'T'};

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

// Below, at or above zero as x's file, section and key come before, with or after y's, without
// regard to case.
int Order(const SiteValue& x, const SiteValue& y)
{
    if (x.file != y.file)
        return x.file < y.file ? -1 : 1;
    const int bySection = CompareNoCase(x.section, y.section);
    return bySection ? bySection : CompareNoCase(x.key, y.key);
}

} // namespace

SiteSnapshot ReadSite()
{
    SiteSnapshot site{IniFile, {}};
    const ReadSession session;
    // In the comparison's order: files by letter, then sections, then keys, the names without
    // regard to case. Sorting a file's section names, then each section's keys, costs a fraction
    // of sorting all the site's values at once. Of a name given twice the first is kept, as the
    // recorder reads the first; the session gives a section named twice its first section's keys.
    const auto keyBefore = [](const auto& x, const auto& y) { return LessNoCase(x.first, y.first); };
    const auto sameKey = [](const auto& x, const auto& y) { return EqualNoCase(x.first, y.first); };
    for (const char file : kFiles) {
        const std::string path = SiteFiles::Path(file);
        std::vector<std::string> sections = ReadSectionNames(path.c_str());
        std::stable_sort(sections.begin(), sections.end(), LessNoCase);
        sections.erase(std::unique(sections.begin(), sections.end(), EqualNoCase), sections.end());
        for (const std::string& section : sections) {
            std::vector<std::pair<std::string, std::string>> keys = ReadSection(path.c_str(), section.c_str());
            std::stable_sort(keys.begin(), keys.end(), keyBefore);
            keys.erase(std::unique(keys.begin(), keys.end(), sameKey), keys.end());
            for (auto& [key, value] : keys)
                site.values.push_back({file, section, std::move(key), std::move(value)});
        }
    }
    return site;
}

std::vector<Difference> CompareSites(const SiteSnapshot& a, const SiteSnapshot& b)
{
    std::vector<Difference> differences;
    const auto differ = [&](const SiteValue& v, const std::string* inA, const std::string* inB) {
        if (inA && inB && *inA == *inB)
            return;
        // Only a difference is given its owner: finding it walks the command table.
        Difference d{Owner(v.file, v.section, v.key), "", v.file, v.section, v.key, std::nullopt, std::nullopt,
                     SiteSpecificKey(v.file, v.section, v.key)};
        if (inA)
            d.a = *inA;
        if (inB)
            d.b = *inB;
        const CommandKeys* owner = d.command ? FindCommand(d.command) : nullptr;
        d.group = owner ? owner->name : "Other";
        differences.push_back(std::move(d));
    };
    // Both are in order: one pass through the two, as a merge.
    auto x = a.values.begin(), y = b.values.begin();
    while (x != a.values.end() || y != b.values.end()) {
        const int order = x == a.values.end() ? 1 : y == b.values.end() ? -1 : Order(*x, *y);
        if (order < 0) {
            differ(*x, &x->value, nullptr);
            ++x;
        } else if (order > 0) {
            differ(*y, nullptr, &y->value);
            ++y;
        } else {
            differ(*x, &x->value, &y->value);
            ++x;
            ++y;
        }
    }
    std::stable_sort(differences.begin(), differences.end(),
                     [](const Difference& p, const Difference& q) { return CommandOrder(p.command) < CommandOrder(q.command); });
    return differences;
}

std::string FormatDifference(const Difference& d)
{
    const auto shown = [](const std::optional<std::string>& v) { return v ? *v : std::string("(absent)"); };
    return d.group + ": " + FileName(d.file) + " [" + d.section + "] " + d.key + (d.siteSpecific ? " (site-specific)" : "") + ": " +
           shown(d.a) + " | " + shown(d.b);
}
