#include "sitefiles.h"

#include "defines.h"
#include "numtext.h"
#include "profile.h"
#include "site.h"
#include "sitedeffile.h"
#include "transactions/atmprint.h"

#include <windows.h>

#include <cstdint>

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

std::string SiteFiles::SectionId(char file, const std::string& section) { return std::string(1, file) + UpperAscii(section); }

size_t SiteFiles::NoCaseHash::operator()(std::string_view name) const noexcept
{
    uint64_t hash = 14695981039346656037ull;
    for (const char c : name)
        hash = (hash ^ static_cast<unsigned char>(UpperAscii(c))) * 1099511628211ull;
    return static_cast<size_t>(hash);
}

const SiteFiles::Section& SiteFiles::Read(const std::string& sectionId)
{
    // Lookups come in runs of one section's keys, so the last section asked for is kept at hand.
    if (last && last->first == sectionId)
        return last->second;
    const auto [known, fresh] = sections.try_emplace(sectionId);
    last = &*known;
    Section& read = known->second;
    if (!fresh)
        return read;
    ++reads;
    std::vector<std::pair<std::string, std::string>> listed = ReadSection(Path(sectionId[0]).c_str(), sectionId.c_str() + 1);
    read.keys.reserve(listed.size());
    read.byName.reserve(listed.size()); // no rehash, which would hash every name again
    for (auto& [name, value] : listed)
        if (!read.byName.contains(name)) { // the recorder reads a name's first key; a later one is dropped
            read.keys.emplace_back(std::move(name), std::move(value));
            read.byName.emplace(read.keys.back().first, read.keys.size() - 1);
        }
    return read;
}

std::optional<std::string> SiteFiles::Value(char file, const std::string& section, const std::string& key)
{
    const std::string* value = Find(SectionId(file, section), key);
    return value ? std::optional(*value) : std::nullopt;
}

const std::string* SiteFiles::Find(const std::string& sectionId, std::string_view key)
{
    const Section& read = Read(sectionId);
    const auto found = read.byName.find(key);
    return found == read.byName.end() ? nullptr : &read.keys[found->second].second;
}

bool UseSite(const std::string& path)
{
    IniFile = path;
    CharLowerBuffA(IniFile.data(), static_cast<DWORD>(IniFile.size()));
    SetFileFolders();
    const size_t slash = IniFile.find_last_of('\\');
    if (!AtLocalSite())
        cFileDir = slash == std::string::npos ? std::string() : IniFile.substr(0, slash + 1);
    const DWORD attributes = GetFileAttributesA(IniFile.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}
