#include "sitewalk.h"

#include "numtext.h"
#include "profile.h"

#include <windows.h>

#include <algorithm>
#include <set>
#include <tuple>

namespace {

using FolderId = std::tuple<DWORD, DWORD, DWORD>; // volume, file index high and low

class Walk {
public:
    explicit Walk(SiteList& list) : list(list) {}

    void Folder(const std::string& folder)
    {
        if (!FirstVisit(folder))
            return;
        WIN32_FIND_DATAA found;
        const HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &found);
        if (find == INVALID_HANDLE_VALUE) {
            if (const DWORD error = GetLastError(); error != ERROR_FILE_NOT_FOUND && error != ERROR_NO_MORE_FILES)
                list.problems.push_back(folder + ": the folder cannot be read (" + SystemErrorText(error) + ")");
            return;
        }
        std::vector<std::string> folders;
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                folders.push_back(folder + "\\" + name);
            else if (EqualNoCase(name, "ORVANT.INI"))
                list.sites.push_back(folder + "\\" + name);
        } while (FindNextFileA(find, &found));
        FindClose(find);
        for (const std::string& inner : folders)
            Folder(inner);
    }

private:
    // Links can make a folder appear again below itself: each real folder is walked once.
    bool FirstVisit(const std::string& folder)
    {
        const HANDLE handle = CreateFileA(folder.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                          OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        if (handle == INVALID_HANDLE_VALUE)
            return true; // reported when it cannot be listed
        BY_HANDLE_FILE_INFORMATION info{};
        const bool known = GetFileInformationByHandle(handle, &info);
        CloseHandle(handle);
        return !known || seen.insert({info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow}).second;
    }

    SiteList& list;
    std::set<FolderId> seen;
};

bool PathLess(const std::string& a, const std::string& b) { return UpperAscii(a) < UpperAscii(b); }

} // namespace

bool IsFolder(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

SiteList SitesBelow(const std::string& path)
{
    SiteList list;
    if (!IsFolder(path)) {
        list.sites.push_back(path);
        return list;
    }
    std::string folder = path;
    while (folder.size() > 3 && (folder.back() == '\\' || folder.back() == '/'))
        folder.pop_back();
    Walk(list).Folder(folder);
    std::sort(list.sites.begin(), list.sites.end(), PathLess);
    // A folder without a site is most likely the wrong folder: better said than passed over.
    if (list.sites.empty() && list.problems.empty())
        list.problems.push_back(folder + ": no site below this folder (no folder holding an ORVANT.INI)");
    return list;
}

SiteList SitesOf(const std::vector<std::string>& paths)
{
    SiteList all;
    for (const std::string& path : paths) {
        SiteList one = SitesBelow(path);
        all.sites.insert(all.sites.end(), one.sites.begin(), one.sites.end());
        all.problems.insert(all.problems.end(), one.problems.begin(), one.problems.end());
    }
    return all;
}
