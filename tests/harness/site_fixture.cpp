#include "harness.h"

#include "defines.h"
#include "sitepath.h"

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <set>

namespace {

std::string Trim(const std::string& s)
{
    const size_t b = s.find_first_not_of(" \t\r"), e = s.find_last_not_of(" \t\r");
    return b == std::string::npos ? "" : s.substr(b, e - b + 1);
}

std::string Upper(std::string s)
{
    return CharUpperBuffA(s.data(), static_cast<DWORD>(s.size())), s;
}


// What reached the disk, read as the profile service reads it: "[section]" lines, "key=value"
// lines with blanks trimmed, the first of duplicate keys winning. Each key under its name in
// capitals ("F [SECTION] KEY"), with its name as written and its value.
void ReadIni(const std::string& path, const std::string& file, Keys& keys)
{
    std::ifstream in(path, std::ios::binary);
    std::string section;
    for (std::string raw; std::getline(in, raw);) {
        const std::string line = Trim(raw);
        const size_t close = line.find(']'), eq = line.find('=');
        if (line.starts_with("[") && close != std::string::npos)
            section = file + " [" + Trim(line.substr(1, close - 1)) + "] ";
        else if (!section.empty() && eq != std::string::npos && !line.starts_with(";"))
            keys.emplace(Upper(section + Trim(line.substr(0, eq))), std::pair{section + Trim(line.substr(0, eq)), Trim(line.substr(eq + 1))});
    }
}

} // namespace

std::string Lower(std::string s)
{
    return CharLowerBuffA(s.data(), static_cast<DWORD>(s.size())), s;
}

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

std::vector<std::string> KeyLines(const std::string& text)
{
    std::vector<std::string> lines;
    for (const std::string& line : SplitText(text, "\n")) {
        const std::vector<std::string> keys = SplitText(line, "; ");
        for (size_t i = 0; i < keys.size(); ++i)
            lines.push_back((i ? line.substr(0, line.find("] ") + 2) : "") + keys[i]);
    }
    return lines;
}

void SiteFixture::NewSite()
{
    for (const HANDLE lock : std::exchange(locks, {}))
        CloseHandle(lock);
    char buf[MAX_PATH] = "";
    GetWindowsDirectoryA(buf, sizeof buf);
    winDir = std::string(buf) + (std::string(buf).ends_with('\\') ? "" : "\\");
    GetTempPathA(sizeof buf, buf);
    const std::string root = std::string(buf) + "orva_tests\\";
    // Wine reuses process ids: the first site of each test program clears what earlier runs left.
    static int serial = 0;
    std::error_code ignored;
    if (serial == 0)
        std::filesystem::remove_all(root, ignored);
    CreateDirectoryA(root.c_str(), nullptr);
    siteDir = root + "site_" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++serial) + "\\";
    CreateDirectoryA(siteDir.c_str(), nullptr);
    for (const char* file : {"ORVA_CONFIG.INI", "ORVANT.INI", "TRANDATA.INI", "ORVA_HISTORY.LOG"})
        DeleteFileA((winDir + file).c_str());
    // A remote site is edited from its own folder, which is then the working folder.
    SetCurrentDirectoryA(siteDir.c_str());
    cFileDir = siteDir;
    WinSysDir = winDir;
    IniFile = Lower(siteDir + "orvant.ini");
    MarkClean();
}

void SiteFixture::UseLocalSite()
{
    IniFile = Lower(winDir + "orvant.ini");
    MarkClean();
}

std::string SiteFixture::PathOf(const std::string& file) const
{
    if (file == "S" || file == "C" || file == "D")
        return file == "S" ? IniFile : file == "C" ? winDir + "ORVA_CONFIG.INI" : siteDir + "SiteDef.DAT";
    if (file == "T")
        return (IsLocalSitePath(IniFile) ? winDir : siteDir) + "TRANDATA.INI";
    if (file == "W") // the recorder's figures the program reads from this machine's Windows folder
        return winDir + "ORVANT.INI";
    return siteDir + file;
}

void SiteFixture::Seed(const std::string& lines)
{
    for (const std::string& line : KeyLines(lines)) {
        const size_t open = line.find(" ["), close = line.find("] "), eq = line.find('=', close);
        if (line == "local")
            UseLocalSite();
        else if (line == "unlocked")
            for (const HANDLE lock : std::exchange(locks, {}))
                CloseHandle(lock);
        else if (line.starts_with("locked "))
            locks.push_back(CreateFileA(PathOf(line.substr(7)).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, 0, nullptr));
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

std::string SiteFixture::ReadRaw(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

Keys SiteFixture::Snapshot() const
{
    std::set<std::string> paths = {Upper(IniFile)};
    for (const char* file : {"ORVA_CONFIG.INI", "ORVANT.INI", "TRANDATA.INI"})
        paths.insert(Upper(winDir + file));
    for (const auto& entry : std::filesystem::directory_iterator(siteDir))
        paths.insert(Upper(entry.path().string()));
    Keys keys;
    for (const std::string& path : paths) {
        std::string label = path.starts_with(Upper(siteDir)) ? path.substr(siteDir.size()) : "WINDOWS\\" + path.substr(winDir.size());
        for (const char* letter : {"S", "C", "D", "T"})
            if (path == Upper(PathOf(letter)))
                label = letter;
        ReadIni(path, label, keys);
    }
    return keys;
}

void SiteFixture::CopySample() const
{
    for (const auto& entry : std::filesystem::directory_iterator(ORVA_SAMPLE_DIR))
        if (entry.is_regular_file())
            CopyFileA(entry.path().string().c_str(), (siteDir + entry.path().filename().string()).c_str(), FALSE);
}

std::vector<std::string> SiteFixture::StoredKeysChangedSinceMark() const
{
    std::vector<std::string> out;
    for (const std::string& change : ChangesSinceMark()) {
        const std::string name = change.ends_with(" removed") ? change.substr(0, change.size() - 8) : change.substr(0, change.find('=', change.find("] ")));
        if (mark.count(Upper(name)))
            out.push_back(change);
    }
    return out;
}

std::vector<std::string> SiteFixture::ChangesSinceMark() const
{
    Keys now = Snapshot(), all = now;
    all.insert(mark.begin(), mark.end());
    std::vector<std::string> out;
    for (const auto& [id, key] : all)
        if (!now.count(id) || !mark.count(id) || now.at(id).second != mark.at(id).second)
            out.push_back(key.first + (now.count(id) ? "=" + now.at(id).second : " removed"));
    std::sort(out.begin(), out.end());
    return out;
}

