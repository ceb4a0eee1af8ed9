#include "sitepath.h"

#include "numtext.h"

#include <algorithm>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

} // namespace

bool ExtractArg1(std::string_view line, std::string& arg)
{
    arg.clear();
    size_t pos = 0;
    if (!line.empty() && line.front() == '"')
        pos = std::min(line.find('"', 1), line.size() - 1) + 1;
    while (pos < line.size() && !IsBlank(line[pos]))
        ++pos;
    while (pos < line.size() && IsBlank(line[pos]))
        ++pos;
    std::string_view rest = line.substr(pos);
    if (rest.starts_with('"')) {
        rest = rest.substr(1, rest.find('"', 1) - 1);
    } else {
        while (!rest.empty() && IsBlank(rest.back()))
            rest.remove_suffix(1);
    }
    arg.assign(rest);
    return !arg.empty();
}

bool IsLocalSitePath(std::string_view iniFile)
{
    return EqualNoCase(iniFile, "C:\\WINNT\\ORVANT.INI") ||
           EqualNoCase(iniFile, "C:\\WINDOWS\\ORVANT.INI");
}

int OsCodeFromVersion(unsigned major, unsigned minor)
{
    switch (major) {
    case 4:
        return minor == 0 ? 3 : minor == 10 ? 1 : minor == 90 ? 2 : 0;
    case 5:
        return minor == 0 ? 4 : minor == 1 ? 5 : minor == 2 ? 6 : 0;
    case 6:
        return 7;
    default:
        return 0;
    }
}
