#include "sitefiles.h"

#include "defines.h"
#include "sitedeffile.h"
#include "transactions/atmprint.h"

#include <windows.h>

#include <cstring>
#include <functional>

namespace {

// A buffer of null-separated strings as the profile service fills it, grown until it fits.
std::vector<char> ProfileList(const std::function<DWORD(char*, DWORD)>& fill)
{
    std::vector<char> buf(64 * 1024);
    while (fill(buf.data(), static_cast<DWORD>(buf.size())) >= buf.size() - 2 && buf.size() < (64u << 20))
        buf.resize(buf.size() * 4);
    return buf;
}

} // namespace

std::string UpperText(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
    return text;
}

std::string SiteFiles::Path(char file)
{
    switch (file) {
    case 'S': return IniFile;
    case 'D': return SiteDefFile();
    case 'C': return WinSysDir + kConfigIni;
    case 'T': return TranDataFile();
    default: return WinSysDir + "ORVANT.INI";
    }
}

const SiteFiles::Section& SiteFiles::Read(char file, const std::string& section)
{
    const std::string id = std::string(1, file) + UpperText(section);
    if (const auto known = sections.find(id); known != sections.end())
        return known->second;
    ++reads;
    Section& read = sections[id];
    const std::string path = Path(file);
    const std::vector<char> buf = ProfileList([&](char* b, DWORD n) { return GetPrivateProfileSectionA(section.c_str(), b, n, path.c_str()); });
    for (const char* line = buf.data(); *line; line += std::strlen(line) + 1) {
        const char* eq = std::strchr(line, '=');
        if (!eq)
            continue;
        std::string name(line, static_cast<size_t>(eq - line)), value(eq + 1);
        while (!name.empty() && (name.back() == ' ' || name.back() == '\t'))
            name.pop_back();
        while (!value.empty() && (value.front() == ' ' || value.front() == '\t'))
            value.erase(0, 1);
        if (read.byName.emplace(UpperText(name), value).second)
            read.keys.emplace_back(name, value);
    }
    return read;
}

std::optional<std::string> SiteFiles::Value(char file, const std::string& section, const std::string& key)
{
    const Section& read = Read(file, section);
    const auto found = read.byName.find(UpperText(key));
    return found == read.byName.end() ? std::nullopt : std::optional(found->second);
}

std::vector<std::string> SiteFiles::Sections(char file)
{
    const std::string path = Path(file);
    const std::vector<char> buf = ProfileList([&](char* b, DWORD n) { return GetPrivateProfileSectionNamesA(b, n, path.c_str()); });
    std::vector<std::string> names;
    for (const char* name = buf.data(); *name; name += std::strlen(name) + 1)
        names.emplace_back(name);
    return names;
}

const std::vector<std::pair<std::string, std::string>>& SiteFiles::Keys(char file, const std::string& section)
{
    return Read(file, section).keys;
}
