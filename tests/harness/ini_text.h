// The harness's own reading and writing of INI text, independent of the system's profile
// service, so that tests see exactly what reached the disk and can write damaged files.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

// Section and key names compare without regard to case, as the profile service does.
struct NoCaseLess {
    bool operator()(const std::string& a, const std::string& b) const;
};

using IniKeys = std::map<std::string, std::string, NoCaseLess>;
using IniSections = std::map<std::string, IniKeys, NoCaseLess>;

// Parses INI text: "[section]" lines, "key=value" lines with blanks around both trimmed; the
// first of duplicate keys wins, as it does for the profile service. Other lines are ignored.
IniSections ParseIni(const std::string& text);

std::optional<std::string> ReadFileText(const std::string& path);
void WriteFileText(const std::string& path, const std::string& text);

// Sets one key in a file's text, keeping every other line as it was; adds the section at the
// end and the key at the end of its section when absent.
std::string SetIniKey(const std::string& text, const std::string& section, const std::string& key,
                      const std::string& value);
