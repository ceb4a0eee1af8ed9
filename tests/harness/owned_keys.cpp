#include "owned_keys.h"

#include "site/ownedkeys.h"
#include "resource.h"

std::string OwningEntry(UINT command, const std::string& change)
{
    const CommandKeys* keys = FindCommand(command);
    const size_t open = change.find(" ["), close = change.find("] ");
    if (!keys || change.size() < 2 || open != 1 || close == std::string::npos)
        return {};
    const std::string section = change.substr(open + 2, close - open - 2);
    std::string key = change.substr(close + 2);
    key = key.ends_with(" removed") ? key.substr(0, key.size() - 8) : key.substr(0, key.find('='));
    for (const OwnedKey& entry : keys->keys)
        if (entry.written && EntryMatches(entry, change[0], section, key))
            return std::string(entry.section) + "/" + entry.key;
    return {};
}

bool OwnedBy(UINT command, const std::string& change) { return !OwningEntry(command, change).empty(); }

namespace {

struct Replaced {
    UINT command;
    const char *start, *end; // the change begins and ends so, a camera's number between
};

// The values the Parts store at once when a dialog opens.
const Replaced kReplacedOnOpening[] = {
    // No dialog: the command switches the menu to the other mode.
    {IDM_ADVANCED, "C [Config] Advanced Menu=", ""},
    // Every camera of a Halden unit is an IP camera.
    {IDM_PORT_CONFIG, "S [OrvaBank] Lobby Camera ", " IP=YES"},
    // The remote viewer's on/off mirror is filled once, when its "Initilized" does not read as set.
    {IDM_PORT_CONFIG, "D [Cameras Enabled] ", ""},
    {IDM_TDI_PORTS, "D [Cameras Enabled] ", ""},
    // A Kesto unit has fewer ports: counts above them are brought down to its own.
    {IDM_REMOTE_MONITORING, "S [OrvaBank] Last Monitored ", ""},
};

} // namespace

bool ReplacedOnOpening(UINT command, const std::string& change)
{
    for (const Replaced& r : kReplacedOnOpening)
        if (r.command == command && change.starts_with(r.start) && change.ends_with(r.end))
            return true;
    return false;
}
