#include "site_fixture.h"

#include "defines.h"
#include "sitepath.h"

#include <windows.h>

#include <fstream>
#include <set>

namespace {

std::string Trim(const std::string& s)
{
    const size_t b = s.find_first_not_of(" \t\r"), e = s.find_last_not_of(" \t\r");
    return b == std::string::npos ? "" : s.substr(b, e - b + 1);
}

std::string Upper(std::string s)
{
    CharUpperBuffA(s.data(), static_cast<DWORD>(s.size()));
    return s;
}

// What reached the disk, read as the profile service reads it: "[section]" lines, "key=value"
// lines with blanks trimmed, the first of duplicate keys winning.
IniSections ReadIni(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    IniSections ini;
    std::map<std::string, std::string, NoCaseLess>* keys = nullptr;
    for (std::string raw; std::getline(in, raw);) {
        const std::string line = Trim(raw);
        const size_t close = line.find(']'), eq = line.find('=');
        if (line.starts_with("[") && close != std::string::npos)
            keys = &ini[Trim(line.substr(1, close - 1))];
        else if (keys && eq != std::string::npos && !line.starts_with(";"))
            keys->emplace(Trim(line.substr(0, eq)), Trim(line.substr(eq + 1)));
    }
    return ini;
}

// Calls visit with the name of every file (and folder, ending in a backslash) in dir.
template <typename Visit>
void ForEachFile(const std::string& dir, Visit visit)
{
    WIN32_FIND_DATAA found;
    const HANDLE find = FindFirstFileA((dir + "*").c_str(), &found);
    for (bool more = find != INVALID_HANDLE_VALUE; more; more = FindNextFileA(find, &found)) {
        const std::string name = found.cFileName;
        if (name != "." && name != "..")
            visit(name + (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY ? "\\" : ""));
    }
    if (find != INVALID_HANDLE_VALUE)
        FindClose(find);
}

void RemoveTree(const std::string& dir)
{
    ForEachFile(dir, [&](const std::string& name) {
        name.ends_with('\\') ? RemoveTree(dir + name) : void(DeleteFileA((dir + name).c_str()));
    });
    RemoveDirectoryA(dir.c_str());
}

} // namespace

std::vector<std::string> SplitText(const std::string& text, const std::string& separator)
{
    std::vector<std::string> parts;
    for (size_t start = 0, end; start <= text.size(); start = end + separator.size()) {
        end = std::min(text.find(separator, start), text.size());
        if (end > start)
            parts.push_back(text.substr(start, end - start));
    }
    return parts;
}

void SiteFixture::NewSite()
{
    char buf[MAX_PATH] = "";
    GetWindowsDirectoryA(buf, sizeof buf);
    winDir = std::string(buf) + (std::string(buf).ends_with('\\') ? "" : "\\");
    GetTempPathA(sizeof buf, buf);
    const std::string root = std::string(buf) + "orva_tests\\";
    // Wine reuses process ids: the first site of each test program clears what earlier runs left.
    static int serial = 0;
    if (serial == 0) {
        SetCurrentDirectoryA(buf);
        RemoveTree(root);
    }
    CreateDirectoryA(root.c_str(), nullptr);
    siteDir = root + "site_" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++serial) + "\\";
    CreateDirectoryA(siteDir.c_str(), nullptr);
    for (const char* file : {"ORVA_CONFIG.INI", "ORVANT.INI", "TRANDATA.INI"})
        DeleteFileA((winDir + file).c_str());
    // A remote site is edited from its own folder, which is then the working folder.
    SetCurrentDirectoryA(siteDir.c_str());
    cFileDir = siteDir;
    WinSysDir = winDir;
    IniFile = siteDir + "orvant.ini";
    CharLowerBuffA(IniFile.data(), static_cast<DWORD>(IniFile.size()));
    MarkClean();
}

void SiteFixture::UseLocalSite()
{
    IniFile = winDir + "orvant.ini";
    CharLowerBuffA(IniFile.data(), static_cast<DWORD>(IniFile.size()));
    MarkClean();
}

std::string SiteFixture::PathOf(const std::string& file) const
{
    if (file == "S" || file == "C" || file == "D")
        return file == "S" ? IniFile : file == "C" ? winDir + "ORVA_CONFIG.INI" : siteDir + "SiteDef.DAT";
    if (file == "T")
        return (IsLocalSitePath(IniFile) ? winDir : siteDir) + "TRANDATA.INI";
    return siteDir + file;
}

void SiteFixture::Seed(const std::string& lines)
{
    for (const std::string& line : SplitText(lines, "\n")) {
        const size_t open = line.find(" ["), close = line.find("] "), eq = line.find('=', close);
        if (line == "local")
            UseLocalSite();
        else if (open == std::string::npos || close == std::string::npos || eq == std::string::npos)
            ADD_FAILURE() << "not \"F [section] key=value\": " << line;
        else
            WritePrivateProfileStringA(line.substr(open + 2, close - open - 2).c_str(), line.substr(close + 2, eq - close - 2).c_str(),
                                       line.substr(eq + 1).c_str(), PathOf(line.substr(0, open)).c_str());
    }
}

void SiteFixture::WriteRaw(const std::string& path, const std::string& text) const
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

std::optional<std::string> SiteFixture::Key(const std::string& file, const std::string& section, const std::string& key) const
{
    const IniSections ini = ReadIni(PathOf(file));
    if (!ini.count(section) || !ini.at(section).count(key))
        return std::nullopt;
    return ini.at(section).at(key);
}

std::map<std::string, IniSections> SiteFixture::Snapshot() const
{
    std::set<std::string> paths = {Upper(IniFile)};
    for (const char* file : {"ORVA_CONFIG.INI", "ORVANT.INI", "TRANDATA.INI"})
        paths.insert(Upper(winDir + file));
    ForEachFile(siteDir, [&](const std::string& name) { paths.insert(Upper(siteDir + name)); });
    std::map<std::string, IniSections> snap;
    for (const std::string& path : paths) {
        std::string label = path.starts_with(Upper(siteDir)) ? path.substr(siteDir.size()) : "WINDOWS\\" + path.substr(winDir.size());
        for (const char* letter : {"S", "C", "D", "T"})
            if (path == Upper(PathOf(letter)))
                label = letter;
        if (!path.ends_with('\\') && GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES)
            snap[label] = ReadIni(path);
    }
    return snap;
}

std::vector<std::string> SiteFixture::ChangesSinceMark() const
{
    const auto now = Snapshot();
    auto lookup = [](const std::map<std::string, IniSections>& snap, const std::string& file, const std::string& section,
                     const std::string& key) -> std::optional<std::string> {
        const auto f = snap.find(file);
        if (f == snap.end() || !f->second.count(section) || !f->second.at(section).count(key))
            return std::nullopt;
        return f->second.at(section).at(key);
    };
    std::set<std::string> out;
    for (const auto* side : {&mark, &now})
        for (const auto& [file, sections] : *side)
            for (const auto& [section, keys] : sections)
                for (const auto& [key, unused] : keys) {
                    const auto before = lookup(mark, file, section, key), after = lookup(now, file, section, key);
                    if (before != after)
                        out.insert(file + " [" + section + "] " + key + (after ? "=" + *after : " removed"));
                }
    return {out.begin(), out.end()};
}
