#include "profile.h"

#include "defines.h"
#include "history.h"
#include "numtext.h"

#include <cstdio>
#include <algorithm>
#include <cstring>
#include <map>
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

std::optional<std::string> StoredValue(const char* file, const char* section, const char* key)
{
    // Two different defaults tell an absent key from one that holds either of them.
    const auto read = [&](const char* def) {
        for (DWORD size = 256;; size *= 4) {
            std::vector<char> buf(size, '\0');
            const DWORD n = GetPrivateProfileStringA(section, key, def, buf.data(), size, file);
            if (n + 1 < size || size >= (1u << 24))
                return std::string(buf.data(), n);
        }
    };
    const std::string value = read("\x01");
    if (value == "\x01" && read("\x02") == "\x02")
        return std::nullopt;
    return value;
}

namespace {

// The values of the sections one confirmation writes, read once a section, for the history's
// "before" values: Wine reads a whole INI file afresh at every access for two seconds after it
// changes, so reading key by key between writes would read a large file hundreds of times.
// The cache lives for one confirmation, and at most a second.
struct CachedSection {
    std::string file, section;
    std::map<std::string, std::string> values; // by upper-case key; the first of duplicates
};
std::vector<CachedSection> cachedSections;
DWORD cacheStarted = 0;

std::map<std::string, std::string>& CachedValues(const char* file, const char* section)
{
    if (GetTickCount() - cacheStarted > 1000) {
        cachedSections.clear();
        cacheStarted = GetTickCount();
    }
    for (CachedSection& cached : cachedSections)
        if (EqualNoCase(cached.file, file) && EqualNoCase(cached.section, section))
            return cached.values;
    CachedSection& added = cachedSections.emplace_back(CachedSection{file, section, {}});
    for (const auto& [key, value] : ReadSection(file, section))
        added.values.emplace(UpperAscii(key), value);
    return added.values;
}

// Every change goes through here: recorded in the site's history first, then stored. A value that
// is already stored is written again (as the recorder's tools do) but not recorded.
bool Store(const char* file, const char* section, const char* key, const char* value)
{
    ++counts.writes;
    if (!IniFile.empty() && HistoryOn()) {
        std::map<std::string, std::string>& values = CachedValues(file, section);
        const auto found = values.find(UpperAscii(key));
        const std::optional<std::string> before = found == values.end() ? std::nullopt : std::optional(found->second);
        const std::optional<std::string> after = value ? std::optional<std::string>(value) : std::nullopt;
        if (before != after)
            RecordValue({file, section, key, before, after});
        if (after)
            values[UpperAscii(key)] = *after;
        else
            values.erase(UpperAscii(key));
    }
    if (WritePrivateProfileStringA(section, key, value, file))
        return true;
    const DWORD error = GetLastError();
    // A bare file name is one of the Windows directory's.
    if (!firstFailure)
        firstFailure = FailedWrite{(std::string(file).find('\\') == std::string::npos ? WinSysDir : "") + file, error};
    return false;
}

} // namespace

bool WriteString(const char* file, const char* section, const char* key, const std::string& value)
{
    return Store(file, section, key, value.c_str());
}

bool RemoveKey(const char* file, const char* section, const char* key) { return Store(file, section, key, nullptr); }

namespace {

// A buffer of null-separated strings as the profile service fills it, grown until it fits.
template <typename Fill>
std::vector<char> ProfileList(Fill fill)
{
    std::vector<char> buf(64 * 1024);
    while (fill(buf.data(), static_cast<DWORD>(buf.size())) >= buf.size() - 2 && buf.size() < (64u << 20))
        buf.resize(buf.size() * 4);
    return buf;
}

} // namespace

std::vector<std::pair<std::string, std::string>> ReadSection(const char* file, const char* section)
{
    const std::vector<char> buf = ProfileList([&](char* b, DWORD n) { return GetPrivateProfileSectionA(section, b, n, file); });
    std::vector<std::pair<std::string, std::string>> keys;
    for (const char* line = buf.data(); *line; line += std::strlen(line) + 1) {
        const char* eq = std::strchr(line, '=');
        if (!eq)
            continue;
        std::string name(line, static_cast<size_t>(eq - line)), value(eq + 1);
        while (!name.empty() && (name.back() == ' ' || name.back() == '\t'))
            name.pop_back();
        value.erase(0, std::min(value.find_first_not_of(" \t"), value.size()));
        keys.emplace_back(name, value);
    }
    return keys;
}

std::vector<std::string> ReadSectionNames(const char* file)
{
    const std::vector<char> buf = ProfileList([&](char* b, DWORD n) { return GetPrivateProfileSectionNamesA(b, n, file); });
    std::vector<std::string> names;
    for (const char* name = buf.data(); *name; name += std::strlen(name) + 1)
        names.emplace_back(name);
    return names;
}

std::string SystemErrorText(unsigned long error)
{
    char text[256] = "";
    if (!FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text, sizeof text, nullptr))
        std::snprintf(text, sizeof text, "System error %lu.", error);
    std::string words = text;
    while (!words.empty() && (words.back() == '\n' || words.back() == '\r' || words.back() == ' '))
        words.pop_back();
    return words;
}

void MarkWrites()
{
    firstFailure.reset();
    cachedSections.clear();
    BeginConfirmation();
}

void ContinueWrites() { firstFailure.reset(); }

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
