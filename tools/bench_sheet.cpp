// Camera sheet benchmark: opens the sheet in advanced mode with 32 pages on a system INI file of
// about 1 MB, visits every page and presses OK, many times. Prints the median time and the INI
// reads and writes per page, beside the same sheet whose pages do nothing (the floor: what the
// property-sheet machinery itself costs), and beside the same sheet with the change history
// switched off. Each run starts from the same fresh site, so that every run records the values
// its OK adds.
//   bench_sheet [RUNS]
#include "cameras/cameraprop.h"
#include "propsheet.h"
#include "defines.h"
#include "harness.h"
#include "site/sitecheck.h"
#include "history.h"
#include "profile.h"

#include <windows.h>

#include <prsht.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

INT_PTR EmptyPage(HWND, UINT msg, WPARAM, LPARAM, int) noexcept { return msg == WM_INITDIALOG; }

void EmptySheet(HINSTANCE instance, HWND parent)
{
    static const auto procs = MakePageProcs<EmptyPage, kMaxCameras>();
    std::vector<SheetPage> pages;
    for (int camera = 1; camera <= kMaxCameras; ++camera) {
        char title[16];
        std::snprintf(title, sizeof title, "Camera %02d", camera);
        pages.push_back({"IDD_CAMERAPROP_2", title, procs[static_cast<size_t>(camera - 1)]});
    }
    ShowPropertySheet(instance, parent, "Camera Properties", pages);
}

// A site of a 32-channel version 12 unit whose system INI file carries about a megabyte of other
// sections before the cameras' own, as a long-serving recorder's file does.
void WriteSite(const std::string& ini)
{
    std::ofstream out(ini, std::ios::binary | std::ios::trunc);
    out << "[Global]\r\nVideo Channels=32\r\nQUELT Version=QUELT V12.1\r\nImage Card=S617\r\n"
           "Nbr Image Card=2\r\n";
    for (int s = 0; s < 140; ++s) {
        out << "[History " << s << "]\r\n";
        for (int k = 0; k < 160; ++k)
            out << "Entry " << k << "=recorded event " << s * 1000 + k << " on channel " << k % 32 << "\r\n";
    }
    out << "[OrvaVideo]\r\nPace Motion Detect=1\r\n[OrvaBank]\r\nLast Remote View Lobby Camera=32\r\n";
    for (int c = 1; c <= 32; ++c) {
        out << "Lobby Camera " << c << " On=YES\r\nLobby Camera " << c << " IP=" << (c > 24 ? "YES" : "NO")
            << "\r\nLobby Camera " << c << "=" << (c > 24 ? "" : std::to_string(c)) << "\r\n";
        out << "Ch " << c << " Motion Detection=1\r\nCh " << c << " Motion Amount=5\r\nCh " << c
            << " Capture Rate=1\r\nCh " << c << " Illumination Detection=0\r\n";
    }
    out << "[IP Camera]\r\nTypes Supported=Axis,Vivotek\r\nAxis URL=axis-cgi/mjpg/video.cgi\r\n";
    for (int c = 25; c <= 32; ++c)
        out << "Camera " << c << " Type=Axis\r\nCamera " << c << " Address=10.0.0." << c << "\r\n";
}

// Wine reads an INI file afresh at every access while it is younger than about two seconds, so a
// site just written would be timed at its worst: its files are made an hour old first.
void AgeFile(const std::string& path)
{
    const HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER t{{now.dwLowDateTime, now.dwHighDateTime}};
    t.QuadPart -= 3600ULL * 10000000ULL;
    const FILETIME old{t.LowPart, t.HighPart};
    SetFileTime(file, nullptr, nullptr, &old);
    CloseHandle(file);
}

// fresh: the run starts from the site as first written, so that its OK stores (and the history
// records) every value the site lacks; otherwise OK stores what the last run left.
double TimeSheet(void (*display)(HINSTANCE, HWND), bool fresh = false)
{
    if (fresh) {
        WriteSite(IniFile);
        AgeFile(IniFile);
        DeleteFileA((cFileDir + "SiteDef.DAT").c_str());
    }
    LARGE_INTEGER freq, t0, t1;
    QueryPerformanceFrequency(&freq);
    QueryPerformanceCounter(&t0);
    DriveModal([&] { display(hInst, nullptr); return INT_PTR{0}; },
               {[](HWND sheet) {
                   for (int page = 0; page < kMaxCameras; ++page)
                       SendMessageA(sheet, PSM_SETCURSEL, static_cast<WPARAM>(page), 0);
                   SendMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
               },
                [](HWND) {}});
    QueryPerformanceCounter(&t1);
    return 1000.0 * static_cast<double>(t1.QuadPart - t0.QuadPart) / static_cast<double>(freq.QuadPart);
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

} // namespace

int main(int argc, char** argv)
{
    hInst = GetModuleHandleA(nullptr);
    const int runs = std::max(1, argc > 1 ? std::atoi(argv[1]) : 15);
    char temp[MAX_PATH] = "";
    GetTempPathA(sizeof temp, temp);
    cFileDir = std::string(temp) + "orva_bench_sheet\\";
    CreateDirectoryA(cFileDir.c_str(), nullptr);
    IniFile = cFileDir + "orvant.ini";
    WriteSite(IniFile);
    WIN32_FILE_ATTRIBUTE_DATA info{};
    GetFileAttributesExA(IniFile.c_str(), GetFileExInfoStandard, &info);
    WritePrivateProfileStringA("Config", "Advanced Menu", "1", kConfigIni);

    TimeSheet(DisplayCameraProperties); // warm up both
    TimeSheet(EmptySheet);
    std::vector<double> sheet, floor, unrecorded, fresh, freshUnrecorded;
    const ProfileCounts before = ProfileUse();
    for (int i = 0; i < runs; ++i) {
        sheet.push_back(TimeSheet(DisplayCameraProperties));
        floor.push_back(TimeSheet(EmptySheet));
    }
    const ProfileCounts after = ProfileUse();
    RecordHistory(false);
    for (int i = 0; i < runs; ++i)
        unrecorded.push_back(TimeSheet(DisplayCameraProperties));
    for (int i = 0; i < std::min(runs, 3); ++i) {
        RecordHistory(true);
        fresh.push_back(TimeSheet(DisplayCameraProperties, true));
        RecordHistory(false);
        freshUnrecorded.push_back(TimeSheet(DisplayCameraProperties, true));
    }
    RecordHistory(true);
    WritePrivateProfileStringA("Config", "Advanced Menu", "0", kConfigIni);

    std::printf("system INI file: %lu bytes; runs: %d; 32 pages visited, then OK\n",
                info.nFileSizeLow, runs);
    std::printf("camera sheet, median: %.1f ms\n", Median(sheet));
    std::printf("empty pages (floor), median: %.1f ms\n", Median(floor));
    std::printf("ratio: %.2f\n", Median(sheet) / Median(floor));
    std::printf("the same without the change history, median: %.1f ms (with it: %.2f times)\n", Median(unrecorded),
                Median(sheet) / Median(unrecorded));
    std::printf("on a fresh site (OK stores every value it lacks), with history: %.1f ms, without: %.1f ms (%.2f times)\n",
                Median(fresh), Median(freshUnrecorded), Median(fresh) / Median(freshUnrecorded));
    // The site check of the same 1 MB file, as /check runs it.
    WriteSite(IniFile);
    AgeFile(IniFile);
    std::vector<double> checks;
    SiteCheckResult checked;
    for (int i = 0; i < runs; ++i) {
        LARGE_INTEGER freq, t0, t1;
        QueryPerformanceFrequency(&freq);
        QueryPerformanceCounter(&t0);
        checked = CheckSite();
        QueryPerformanceCounter(&t1);
        checks.push_back(1000.0 * static_cast<double>(t1.QuadPart - t0.QuadPart) / static_cast<double>(freq.QuadPart));
    }
    std::printf("site check of the same file, median: %.1f ms; %d values checked, %ld sections read, %zu problems\n",
                Median(checks), checked.valuesChecked, checked.reads, checked.findings.size());
    std::printf("INI reads per page: %.1f, writes per page: %.1f\n",
                static_cast<double>(after.reads - before.reads) / (runs * kMaxCameras),
                static_cast<double>(after.writes - before.writes) / (runs * kMaxCameras));
    return 0;
}
