#include "rollout.h"

#include "ownedkeys.h"
#include "sitefiles.h"

#include "history.h"
#include "numtext.h"
#include "profile.h"
#include "resource.h"

#include <algorithm>

namespace {

const char* FileName(char file) { return file == 'S' ? "system INI" : file == 'D' ? "SiteDef.DAT" : "TRANDATA.INI"; }

std::string Shown(const std::optional<std::string>& value) { return value ? *value : "(absent)"; }

} // namespace

const std::vector<TakeGroup>& TakeGroups()
{
    static const std::vector<TakeGroup> groups = [] {
        std::vector<TakeGroup> all;
        for (const CommandKeys& command : CommandTable())
            if (!command.keys.empty() && command.id != IDM_ADVANCED)
                all.push_back({command.name, command.id, nullptr});
        all.push_back({"E-mail", IDM_ALARM_CONFIG, "Email"});
        return all;
    }();
    return groups;
}

std::vector<TakeGroup> GroupsNamed(const std::string& list, std::vector<std::string>& unknown)
{
    if (EqualNoCase(Trimmed(list), "all"))
        return TakeGroups();
    std::vector<TakeGroup> named;
    for (const std::string_view item : Tokens(list, ',')) {
        const std::string name(Trimmed(item));
        const auto found = std::find_if(TakeGroups().begin(), TakeGroups().end(), [&](const TakeGroup& g) { return EqualNoCase(g.name, name); });
        if (found == TakeGroups().end())
            unknown.push_back(name);
        else
            named.push_back(*found);
    }
    return named;
}

std::optional<Reference> ReadReference(const std::string& path, const std::vector<TakeGroup>& groups)
{
    if (!UseSite(path))
        return std::nullopt;
    Reference reference{path, {}};
    SiteFiles files;
    std::vector<std::string> seen;
    for (const TakeGroup& group : groups)
        for (const OwnedKey& entry : FindCommand(group.command)->keys) {
            // This program's own settings and the unit's facts are no setting of the recorder's to take.
            if (!entry.written || entry.file == 'C' || entry.file == 'W' || (group.section && !EqualNoCase(entry.section, group.section)))
                continue;
            for (int n = entry.first; n <= entry.last; ++n) {
                const std::string section = EntrySection(entry, n), key = EntryKey(entry, n);
                const std::string id = std::string(1, entry.file) + UpperAscii(section) + "\n" + UpperAscii(key);
                if (SiteSpecificKey(entry.file, section, key) || std::find(seen.begin(), seen.end(), id) != seen.end())
                    continue;
                seen.push_back(id);
                if (const std::optional<std::string> value = files.Value(entry.file, section, key))
                    reference.values.push_back({entry.file, section, key, *value, &entry, n});
            }
        }
    return reference;
}

size_t SitePlan::Taken() const
{
    return static_cast<size_t>(std::count_if(values.begin(), values.end(), [](const TakenValue& v) { return v.skipped.empty(); }));
}

size_t SitePlan::Skipped() const { return values.size() - Taken(); }

SitePlan PlanSite(const Reference& reference, const std::string& site)
{
    SitePlan plan;
    plan.site = site;
    if (!UseSite(site)) {
        plan.readable = false;
        return plan;
    }
    const UnitFacts unit = ReadUnitFacts();
    SiteFiles files;
    for (const ReferenceValue& v : reference.values) {
        const std::optional<std::string> before = files.Value(v.file, v.section, v.key);
        if (before == v.value)
            continue;
        plan.values.push_back({v.file, v.section, v.key, before, v.value, RefusedOnUnit(*v.entry, v.number, v.value, unit).value_or("")});
    }
    return plan;
}

void ApplyPlan(SitePlan& plan, const std::string& referencePath)
{
    plan.written = plan.readable && plan.Taken() == 0;
    if (!plan.readable || plan.Taken() == 0 || !UseSite(plan.site))
        return;
    StartHistory();
    const auto store = [&](const std::string& command, bool back) {
        SetHistoryCommand(command);
        BeginWrites();
        for (const TakenValue& v : plan.values) {
            if (!v.skipped.empty())
                continue;
            const std::string file = SiteFiles::Path(v.file);
            if (!back)
                WriteString(file.c_str(), v.section.c_str(), v.key.c_str(), v.after);
            else if (v.before)
                WriteString(file.c_str(), v.section.c_str(), v.key.c_str(), *v.before);
            else
                RemoveKey(file.c_str(), v.section.c_str(), v.key.c_str());
        }
        return CommitWrites();
    };
    plan.written = store("Taken from " + referencePath, false);
    if (plan.written)
        return;
    const std::optional<FailedWrite> failed = FirstFailedWrite();
    plan.failure = failed ? failed->file + ": " + SystemErrorText(failed->error) : "a value could not be stored";
    // What was stored of it is written back, so that the site keeps its own settings whole.
    store("Roll-out written back", true);
}

std::string FormatTakenValue(const std::string& site, const TakenValue& v)
{
    return site + ": " + FileName(v.file) + " [" + v.section + "] " + v.key + ": " + Shown(v.before) + " -> " + v.after +
           (v.skipped.empty() ? "" : " skipped: " + v.skipped);
}

std::string FormatSitePlan(const SitePlan& plan, bool dryRun)
{
    if (!plan.readable)
        return plan.site + ": the system INI file cannot be read";
    const size_t taken = plan.Taken(), skipped = plan.Skipped();
    if (!plan.failure.empty())
        return plan.site + ": not changed: " + plan.failure;
    if (taken == 0 && skipped == 0)
        return plan.site + ": already level";
    std::string text = plan.site + ": " + Plural(taken, "value") + (dryRun ? " to take" : " taken");
    if (skipped)
        text += ", " + std::to_string(skipped) + " skipped";
    return text;
}
