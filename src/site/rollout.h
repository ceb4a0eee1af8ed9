// Settings rolled out from one site (the reference) to many: the values the chosen commands write,
// each checked against the target unit's own rules as its dialog would check it, and stored as one
// confirmation of each target's change history, so that one undo takes a site's roll-out back.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

// The commands whose settings are taken: menu names as the menu shows them, without "&" and "...",
// and "E-mail" for the e-mail dialog the alarm sheet opens.
struct TakeGroup {
    std::string name;
    UINT command;
    const char* section; // only this section of the command's keys; null: all of them
};
const std::vector<TakeGroup>& TakeGroups();
// The groups a list names ("E-mail,Schedule", or "all"); the names it does not know go to unknown.
std::vector<TakeGroup> GroupsNamed(const std::string& list, std::vector<std::string>& unknown);

// One value of the reference, as the keys of the groups name it.
struct ReferenceValue {
    char file; // S, D or T
    std::string section, key, value;
    const struct OwnedKey* entry;
    int number;
};
struct Reference {
    std::string path;
    std::vector<ReferenceValue> values;
};
// The reference's values of the groups: keys that name the site itself and the unit's own facts
// are never taken, nor keys the reference does not hold. Nullopt when it cannot be read.
std::optional<Reference> ReadReference(const std::string& path, const std::vector<TakeGroup>& groups);

struct TakenValue {
    char file;
    std::string section, key;
    std::optional<std::string> before; // nullopt: absent at the site
    std::string after;
    std::string skipped; // the rule the value breaks on this site; empty: taken
};
struct SitePlan {
    std::string site;
    bool readable = true;
    std::vector<TakenValue> values; // those that differ, taken or skipped
    bool written = false;           // after ApplyPlan: every value taken is stored
    std::string failure;            // after ApplyPlan: why not (and then nothing is kept)
    size_t Taken() const;
    size_t Skipped() const;
};
// What taking the reference's values would change at a site; reads only.
SitePlan PlanSite(const Reference& reference, const std::string& site);
// Stores a plan's values as one confirmation of the site's history, "Taken from <reference path>".
// When a write fails part way, the values already stored are written back and the site is left
// as it was.
void ApplyPlan(SitePlan& plan, const std::string& referencePath);

// "<site>: <file> [<section>] <key>: <before> -> <after>", with " skipped: <rule>" for a skipped one.
std::string FormatTakenValue(const std::string& site, const TakenValue& value);
// "<site>: 3 values taken, 1 skipped" and the like.
std::string FormatSitePlan(const SitePlan& plan, bool dryRun);
