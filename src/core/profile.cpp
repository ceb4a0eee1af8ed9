#include "profile.h"

#include "defines.h"
#include "numtext.h"

#include <cstdio>
#include <vector>

namespace {

ProfileCounts counts;
std::optional<FailedWrite> firstFailure;

} // namespace

ProfileCounts ProfileUse() { return counts; }

std::string ReadString(const char* file, const char* section, const char* key, const char* def,
                       size_t bufSize)
{
    if (bufSize == 0)
        return {};
    ++counts.reads;
    std::vector<char> buf(bufSize, '\0');
    const DWORD n = GetPrivateProfileStringA(section, key, def, buf.data(),
                                             static_cast<DWORD>(bufSize), file);
    return std::string(buf.data(), n < bufSize ? n : bufSize - 1);
}

int ReadInt(const char* file, const char* section, const char* key, int def)
{
    // Large enough for any number with the blanks a hand edit may leave around it.
    const std::string text = ReadString(file, section, key, "", 64);
    return text.empty() ? def : LeadingInt(text);
}

bool WriteString(const char* file, const char* section, const char* key, const std::string& value)
{
    ++counts.writes;
    if (WritePrivateProfileStringA(section, key, value.c_str(), file))
        return true;
    const DWORD error = GetLastError();
    // A bare file name is one of the Windows directory's.
    if (!firstFailure)
        firstFailure = FailedWrite{(std::string(file).find('\\') == std::string::npos ? WinSysDir : "") + file, error};
    return false;
}

void MarkWrites() { firstFailure.reset(); }

std::optional<FailedWrite> FirstFailedWrite() { return firstFailure; }

bool WriteInt(const char* file, const char* section, const char* key, int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    return WriteString(file, section, key, text);
}

bool WriteFlag(const char* file, const char* section, const char* key, bool on)
{
    return WriteString(file, section, key, on ? "1" : "0");
}

bool ReadYes(const char* file, const char* section, const char* key)
{
    return IsYesText(ReadString(file, section, key, "NO", 80));
}

bool WriteYesNo(const char* file, const char* section, const char* key, bool yes)
{
    return WriteString(file, section, key, yes ? "YES" : "NO");
}

const char* SystemIni() { return IniFile.c_str(); }
