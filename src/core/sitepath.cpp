#include "sitepath.h"

#include "numtext.h"

bool ExtractArg1(std::string_view line, bool (*isAlnum)(unsigned char), std::string& arg)
{
    arg.clear();
    const size_t exe = line.find(".exe");
    if (exe == std::string_view::npos)
        return false;
    size_t pos = exe + 4;
    if (pos >= line.size())
        return false;
    ++pos; // the program path's closing quote, or the blank after it
    while (pos < line.size() && !isAlnum(static_cast<unsigned char>(line[pos])))
        ++pos;
    if (pos >= line.size())
        return false;
    arg.assign(line.substr(pos));
    return true;
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
