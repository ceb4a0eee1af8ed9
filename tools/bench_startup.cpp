// Start-up timing: how long from creating the process until its main window is ready for input
// (WaitForInputIdle), as a median over many runs, for the configurator and for a bare window
// program built the same way.
//   bench_startup RUNS PROGRAM ARG FLOOR_PROGRAM
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Found {
    DWORD pid;
    HWND wnd;
};

BOOL CALLBACK FindProcessWindow(HWND wnd, LPARAM lParam)
{
    auto* found = reinterpret_cast<Found*>(lParam);
    DWORD pid = 0;
    GetWindowThreadProcessId(wnd, &pid);
    if (pid == found->pid && IsWindowVisible(wnd) && !GetWindow(wnd, GW_OWNER)) {
        found->wnd = wnd;
        return FALSE;
    }
    return TRUE;
}

// One start: milliseconds until the program idles with its window up, or a negative number.
double TimeOneStart(const std::string& commandLine)
{
    LARGE_INTEGER freq, start, ready;
    QueryPerformanceFrequency(&freq);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return -1;
    const DWORD idle = WaitForInputIdle(pi.hProcess, 20000);
    QueryPerformanceCounter(&ready);
    double ms = idle == 0 ? 1000.0 * static_cast<double>(ready.QuadPart - start.QuadPart) /
                                static_cast<double>(freq.QuadPart)
                          : -1;
    Found found{pi.dwProcessId, nullptr};
    for (int i = 0; i < 200 && !found.wnd; ++i) {
        EnumWindows(FindProcessWindow, reinterpret_cast<LPARAM>(&found));
        if (!found.wnd)
            Sleep(10);
    }
    if (found.wnd)
        PostMessageA(found.wnd, WM_CLOSE, 0, 0);
    else
        ms = -1;
    if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return ms;
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: bench_startup RUNS PROGRAM ARG FLOOR_PROGRAM\n");
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    const std::string program = std::string("\"") + argv[2] + "\" " + argv[3];
    const std::string floor = std::string("\"") + argv[4] + "\" " + argv[3];
    std::vector<double> programMs, floorMs;
    TimeOneStart(program); // warm the file cache for both
    TimeOneStart(floor);
    // Interleaved, so drift affects both alike; the order alternates and each start waits for the
    // system to settle after the previous process, since a start right after another runs slower.
    for (int i = 0; i < runs; ++i) {
        double p, f;
        if (i % 2 == 0) {
            Sleep(150);
            p = TimeOneStart(program);
            Sleep(150);
            f = TimeOneStart(floor);
        } else {
            Sleep(150);
            f = TimeOneStart(floor);
            Sleep(150);
            p = TimeOneStart(program);
        }
        if (p < 0 || f < 0) {
            std::fprintf(stderr, "run %d failed (program %.1f, floor %.1f)\n", i + 1, p, f);
            return 1;
        }
        programMs.push_back(p);
        floorMs.push_back(f);
    }
    const double p = Median(programMs), f = Median(floorMs);
    std::printf("runs: %d\n", runs);
    std::printf("orva_config start to ready, median: %.1f ms\n", p);
    std::printf("minimal window start to ready, median: %.1f ms\n", f);
    std::printf("ratio: %.2f\n", f > 0 ? p / f : 0.0);
    return 0;
}
