#include "site_fixture.h"

#include "defines.h"

#include <windows.h>

#include <cstdio>

namespace {

std::string WindowsDir()
{
    char buf[MAX_PATH] = "";
    GetWindowsDirectoryA(buf, sizeof buf);
    std::string dir = buf;
    if (dir.empty() || dir.back() != '\\')
        dir += '\\';
    return dir;
}

std::string Lower(std::string s)
{
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return s;
}

std::string Upper(std::string s)
{
    for (char& c : s)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return s;
}

// Files of the Windows directory that the program reads or writes whatever the site.
const char* const kWindowsFiles[] = {"ORVA_CONFIG.INI", "ORVANT.INI", "TRANDATA.INI"};

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

void AddFile(SiteSnapshot& snap, const std::string& label, const std::string& path)
{
    if (const auto text = ReadFileText(path))
        snap[label] = ParseIni(*text);
}

} // namespace

void SiteFixture::SetUp()
{
    winDir = WindowsDir();
    char temp[MAX_PATH] = "";
    GetTempPathA(sizeof temp, temp);
    static int serial = 0;
    const std::string root = std::string(temp) + "orva_tests\\";
    // Test programs of one prefix run one after another: the first test of each clears what
    // earlier runs left behind.
    if (serial == 0) {
        SetCurrentDirectoryA(temp);
        RemoveTree(root);
    }
    CreateDirectoryA(root.c_str(), nullptr);
    char name[64];
    std::snprintf(name, sizeof name, "site_%lu_%d\\", GetCurrentProcessId(), ++serial);
    siteDir = root + name;
    SetCurrentDirectoryA(root.c_str());
    RemoveTree(siteDir);
    CreateDirectoryA(siteDir.c_str(), nullptr);
    for (const char* file : kWindowsFiles)
        DeleteFileA((winDir + file).c_str());

    // A remote site is edited from its own folder, which is then the working folder.
    SetCurrentDirectoryA(siteDir.c_str());
    IniFile = Lower(siteDir + "orvant.ini");
    cFileDir = siteDir;
    WinSysDir = winDir;
    MarkClean();
}

void SiteFixture::UseLocalSite()
{
    IniFile = Lower(winDir + "ORVANT.INI");
    MarkClean();
}

std::string SiteFixture::SystemIniPath() const { return IniFile; }

std::string SiteFixture::ConfigIniPath() const { return winDir + "ORVA_CONFIG.INI"; }

void SiteFixture::Seed(const std::string& path, const std::string& section, const std::string& key,
                       const std::string& value)
{
    WriteFileText(path, SetIniKey(ReadFileText(path).value_or(""), section, key, value));
}

std::optional<std::string> SiteFixture::Key(const std::string& path, const std::string& section,
                                            const std::string& key) const
{
    const auto text = ReadFileText(path);
    if (!text)
        return std::nullopt;
    const IniSections ini = ParseIni(*text);
    const auto s = ini.find(section);
    if (s == ini.end())
        return std::nullopt;
    const auto k = s->second.find(key);
    if (k == s->second.end())
        return std::nullopt;
    return k->second;
}

SiteSnapshot SiteFixture::Snapshot() const
{
    SiteSnapshot snap;
    for (const char* file : kWindowsFiles)
        AddFile(snap, std::string("WINDOWS\\") + file, winDir + file);
    WIN32_FIND_DATAA found;
    const HANDLE find = FindFirstFileA((siteDir + "*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                AddFile(snap, Upper(found.cFileName), siteDir + found.cFileName);
        } while (FindNextFileA(find, &found));
        FindClose(find);
    }
    return snap;
}

std::string Change(const std::string& file, const std::string& section, const std::string& key,
                   const std::optional<std::string>& before, const std::optional<std::string>& after)
{
    return file + " [" + section + "] " + key + ": " + before.value_or("<absent>") + " -> " +
           after.value_or("<absent>");
}

std::vector<std::string> SiteFixture::Changes(const SiteSnapshot& before, const SiteSnapshot& after)
{
    std::vector<std::string> out;
    auto lookup = [](const SiteSnapshot& snap, const std::string& file, const std::string& section,
                     const std::string& key) -> std::optional<std::string> {
        const auto f = snap.find(file);
        if (f == snap.end())
            return std::nullopt;
        const auto s = f->second.find(section);
        if (s == f->second.end())
            return std::nullopt;
        const auto k = s->second.find(key);
        if (k == s->second.end())
            return std::nullopt;
        return k->second;
    };
    // Every (file, section, key) of either side, each once.
    std::map<std::string, std::map<std::string, std::map<std::string, int, NoCaseLess>, NoCaseLess>,
             NoCaseLess>
        all;
    for (const SiteSnapshot* snap : {&before, &after})
        for (const auto& [file, sections] : *snap)
            for (const auto& [section, keys] : sections)
                for (const auto& [key, value] : keys)
                    all[file][section][key] = 0;
    for (const auto& [file, sections] : all)
        for (const auto& [section, keys] : sections)
            for (const auto& [key, unused] : keys) {
                const auto a = lookup(before, file, section, key);
                const auto b = lookup(after, file, section, key);
                if (a != b)
                    out.push_back(Change(file, section, key, a, b));
            }
    return out;
}
