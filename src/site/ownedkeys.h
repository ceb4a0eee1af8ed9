// The keys each menu command owns: for every command, every key its dialog (or sheet) reads and
// writes, with the kind of value the dialog shows and accepts. The site check, the change
// history's command names and the tests all take what they know about commands from here.
#pragma once

#include "rules.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

struct OwnedKey {
    char file;           // S system INI, D SiteDef.DAT, C ORVA_CONFIG.INI, T TRANDATA.INI, W Windows ORVANT.INI
    const char* section; // a "%d" in section or key stands for each number from first to last
    const char* key;
    ValueRule rule;
    int first = 0, last = 0;
    bool written = true; // false: the command only reads it
};

struct CommandKeys {
    UINT id;
    const char* name; // as the menu shows it, without the mnemonic
    std::vector<OwnedKey> keys;
};

const std::vector<CommandKeys>& CommandTable();
const CommandKeys* FindCommand(UINT id);

// The section and key names an entry stands for, with its number put in.
std::string EntrySection(const OwnedKey& entry, int number);
std::string EntryKey(const OwnedKey& entry, int number);
// Whether a key of a file ("S", "[Schedule]", "MON6") is one of the entry's, without regard to case.
bool EntryMatches(const OwnedKey& entry, char file, const std::string& section, const std::string& key);

// Keys that differ from branch to branch by nature (its name, its map and icon places, addresses):
// copying them would make one branch claim to be another.
bool SiteSpecificKey(char file, const std::string& section, const std::string& key);

// The facts of a unit that decide which of a command's keys its dialogs show and take.
struct UnitFacts {
    int channels = 32; // video channels: 32 or 16
    int major = 0, minor = 0; // recorder version
    bool s617 = false, halden = false;
    int cards = 1; // image cards, 1 or 2
};
// The facts of the unit of the site being edited.
UnitFacts ReadUnitFacts();
// Why a value of an entry (its number put in) is one this unit's dialog would not show or take, in
// plain words ("camera 17 is beyond the 16 video channels of this unit"); nullopt when it would.
// The entry's own rule first, then what the unit has.
std::optional<std::string> RefusedOnUnit(const OwnedKey& entry, int number, const std::string& value, const UnitFacts& unit);
