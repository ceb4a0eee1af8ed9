#include "site_fixture.h"

#include "defines.h"
#include "sitepath.h"

#include <windows.h>

#include <cstdio>
#include <set>

namespace {

std::string Upper(std::string s)
{
    CharUpperBuffA(s.data(), static_cast<DWORD>(s.size()));
    return s;
}

// Wine reuses process ids, so a folder of an earlier run may carry the same name: empty it.
void RemoveTree(const std::string& dir)
{
    WIN32_FIND_DATAA found;
    const HANDLE find = FindFirstFileA((dir + "*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(dir + name + "\\");
            else
                DeleteFileA((dir + name).c_str());
        } while (FindNextFileA(find, &found));
        FindClose(find);
    }
    RemoveDirectoryA(dir.c_str());
}

} // namespace

std::vector<std::string> SplitText(const std::string& text, const std::string& separator)
{
    std::vector<std::string> parts;
    for (size_t start = 0; start <= text.size();) {
        const size_t end = std::min(text.find(separator, start), text.size());
        if (end > start)
            parts.push_back(text.substr(start, end - start));
        start = end + separator.size();
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
    // Test programs of one prefix run one after another: the first site of each clears what
    // earlier runs left behind.
    static int serial = 0;
    if (serial == 0) {
        SetCurrentDirectoryA(buf);
        RemoveTree(root);
    }
    CreateDirectoryA(root.c_str(), nullptr);
    char name[64];
    std::snprintf(name, sizeof name, "site_%lu_%d\\", GetCurrentProcessId(), ++serial);
    siteDir = root + name;
    SetCurrentDirectoryA(root.c_str());
    RemoveTree(siteDir);
    CreateDirectoryA(siteDir.c_str(), nullptr);
    for (const char* file : {"ORVA_CONFIG.INI", "ORVANT.INI", "TRANDATA.INI"})
        DeleteFileA((winDir + file).c_str());

    // A remote site is edited from its own folder, which is then the working folder.
    SetCurrentDirectoryA(siteDir.c_str());
    IniFile = siteDir + "orvant.ini";
    CharLowerBuffA(IniFile.data(), static_cast<DWORD>(IniFile.size()));
    cFileDir = siteDir;
    WinSysDir = winDir;
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
    if (file == "S")
        return IniFile;
    if (file == "C")
        return winDir + "ORVA_CONFIG.INI";
    if (file == "D")
        return siteDir + "SiteDef.DAT";
    if (file == "T")
        return (IsLocalSitePath(IniFile) ? winDir : siteDir) + "TRANDATA.INI";
    return siteDir + file;
}

void SiteFixture::Seed(const std::string& lines)
{
    for (const std::string& line : SplitText(lines, "\n")) {
        if (line == "local") {
            UseLocalSite();
            continue;
        }
        const size_t open = line.find(" ["), close = line.find("] "), eq = line.find('=', close);
        ASSERT_TRUE(open != std::string::npos && close != std::string::npos && eq != std::string::npos)
            << "not \"F [section] key=value\": " << line;
        const std::string path = PathOf(line.substr(0, open));
        WriteFileText(path, SetIniKey(ReadFileText(path).value_or(""), line.substr(open + 2, close - open - 2),
                                      line.substr(close + 2, eq - close - 2), line.substr(eq + 1)));
    }
}

std::optional<std::string> SiteFixture::Key(const std::string& file, const std::string& section,
                                            const std::string& key) const
{
    const auto text = ReadFileText(PathOf(file));
    if (!text)
        return std::nullopt;
    const IniSections ini = ParseIni(*text);
    const auto s = ini.find(section);
    if (s == ini.end() || !s->second.count(key))
        return std::nullopt;
    return s->second.at(key);
}

std::map<std::string, IniSections> SiteFixture::Snapshot() const
{
    std::set<std::string> paths = {Upper(IniFile)};
    for (const char* file : {"ORVA_CONFIG.INI", "ORVANT.INI", "TRANDATA.INI"})
        paths.insert(Upper(winDir + file));
    WIN32_FIND_DATAA found;
    const HANDLE find = FindFirstFileA((siteDir + "*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                paths.insert(Upper(siteDir + found.cFileName));
        } while (FindNextFileA(find, &found));
        FindClose(find);
    }
    std::map<std::string, IniSections> snap;
    for (const std::string& path : paths) {
        std::string label = path.starts_with(Upper(siteDir)) ? path.substr(siteDir.size())
                                                             : "WINDOWS\\" + path.substr(winDir.size());
        for (const char* letter : {"S", "C", "D", "T"})
            if (path == Upper(PathOf(letter)))
                label = letter;
        if (const auto text = ReadFileText(path))
            snap[label] = ParseIni(*text);
    }
    return snap;
}

std::vector<std::string> SiteFixture::ChangesSinceMark() const
{
    const auto now = Snapshot();
    std::set<std::string> out;
    // Every key of either side, looked up on the other.
    for (const auto* side : {&mark, &now})
        for (const auto& [file, sections] : *side)
            for (const auto& [section, keys] : sections)
                for (const auto& [key, unused] : keys) {
                    auto lookup = [&](const std::map<std::string, IniSections>& snap) -> std::optional<std::string> {
                        const auto f = snap.find(file);
                        if (f == snap.end() || !f->second.count(section) || !f->second.at(section).count(key))
                            return std::nullopt;
                        return f->second.at(section).at(key);
                    };
                    const auto before = lookup(mark), after = lookup(now);
                    if (before != after)
                        out.insert(file + " [" + section + "] " + key + (after ? "=" + *after : " removed"));
                }
    return {out.begin(), out.end()};
}
