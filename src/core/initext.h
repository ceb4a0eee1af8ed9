// An INI file's text read the way the Windows profile service reads it, so that a dialog opening
// can read a file once instead of asking the service for each section (every call of the service
// opens the file again: a fifth of a millisecond under Wine, and a whole site is forty sections).
//
// Only plain text is read here; for anything else the caller asks the service, which stays the
// judge of what a file holds. Plain means: no byte-order mark, no NUL byte, no carriage return
// except before a line feed, no other control character and no no-break space (the service counts
// some of them blanks), other bytes above 127 only where the program's code page is Windows-1252
// and only in values (so that names compare as the service compares them), no key without a name
// and no section name with blanks round it (versions of Wine read those two differently).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

struct IniText {
    struct Section {
        std::string name;  // between "[" and the last "]" of its line, blanks kept
        size_t begin, end; // the lines of its keys, in text
    };
    std::string text;
    std::vector<Section> sections; // in file order, a name given twice listed twice
};

// nullopt when the text is not plain.
std::optional<IniText> ParseIniText(std::string text, bool latin1CodePage);

// The keys of the first section of that name (without regard to case), as the service lists
// them: each line with "=" whose name is not empty and does not begin with ";", the name without
// the blanks after it and the value without the blanks round it, in file order.
std::vector<std::pair<std::string, std::string>> IniSectionKeys(const IniText& ini, const std::string& section);
// The names of the sections, in file order; an empty name is not listed.
std::vector<std::string> IniSectionNames(const IniText& ini);
