#include "sitefiles.h"

#include "defines.h"
#include "numtext.h"
#include "profile.h"
#include "site.h"
#include "sitedeffile.h"
#include "transactions/atmprint.h"

#include <windows.h>

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

const SiteFiles::Section& SiteFiles::Read(const std::string& sectionId)
{
    if (const auto known = sections.find(sectionId); known != sections.end())
        return known->second;
    ++reads;
    Section& read = sections[sectionId];
    for (auto& [name, value] : ReadSection(Path(sectionId[0]).c_str(), sectionId.c_str() + 1))
        if (read.byName.emplace(UpperAscii(name), value).second)
            read.keys.emplace_back(std::move(name), std::move(value));
    return read;
}

std::optional<std::string> SiteFiles::Value(char file, const std::string& section, const std::string& key)
{
    const std::string* value = Find(SectionId(file, section), UpperAscii(key));
    return value ? std::optional(*value) : std::nullopt;
}

const std::string* SiteFiles::Find(const std::string& sectionId, const std::string& upperKey)
{
    const Section& read = Read(sectionId);
    const auto found = read.byName.find(upperKey);
    return found == read.byName.end() ? nullptr : &found->second;
}

std::vector<std::string> SiteFiles::Sections(char file) { return ReadSectionNames(Path(file).c_str()); }

const std::vector<std::pair<std::string, std::string>>& SiteFiles::Keys(char file, const std::string& section)
{
    return Read(SectionId(file, section)).keys;
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
