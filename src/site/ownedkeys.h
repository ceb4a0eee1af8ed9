// The keys each menu command owns: for every command, every key its dialog (or sheet) reads and
// writes, with the kind of value the dialog shows and accepts. The site check, the change
// history's command names and the tests all take what they know about commands from here.
#pragma once

#include "rules.h"

#include <windows.h>

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
