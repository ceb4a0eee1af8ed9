#include "owned_keys.h"

#include "app/ownedkeys.h"

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
