// The real orva_config.exe, started as its own process and driven from outside.
#include "site_fixture.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {

std::string ProgramPath()
{
    char self[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, self, sizeof self);
    std::string path = self;
    return path.substr(0, path.find_last_of('\\') + 1) + "orva_config.exe";
}

struct Search {
    DWORD pid;
    const char* cls;
    HWND found;
};

BOOL CALLBACK FindByClass(HWND wnd, LPARAM lParam)
{
    auto* search = reinterpret_cast<Search*>(lParam);
    DWORD pid = 0;
    GetWindowThreadProcessId(wnd, &pid);
    char cls[64] = "";
    GetClassNameA(wnd, cls, sizeof cls);
    // A window counts once it is up: visible and, for a message box, holding its text.
    const bool ready = IsWindowVisible(wnd) && (std::string(cls) != "#32770" || GetDlgItem(wnd, 0xFFFF));
    if (pid == search->pid && std::string(cls) == search->cls && ready) {
        search->found = wnd;
        return FALSE;
    }
    return TRUE;
}

std::string Text(HWND wnd)
{
    char buf[1024] = "";
    GetWindowTextA(wnd, buf, sizeof buf);
    return buf;
}

// One run of the program with a given argument text.
class Program {
public:
    explicit Program(const std::string& args)
    {
        STARTUPINFOA si{};
        si.cb = sizeof si;
        std::string line = "\"" + ProgramPath() + "\"" + (args.empty() ? "" : " " + args);
        std::vector<char> buf(line.begin(), line.end());
        buf.push_back('\0');
        started = CreateProcessA(nullptr, buf.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                 &si, &pi) != FALSE;
    }
    ~Program()
    {
        if (!started)
            return;
        if (WaitForSingleObject(pi.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(pi.hProcess, 99);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    }
    // A visible top-level window of the program with the given class, waiting up to timeoutMs.
    HWND WaitForWindow(const char* cls, DWORD timeoutMs = 10000) const
    {
        for (DWORD waited = 0; waited <= timeoutMs; waited += 20) {
            Search search{pi.dwProcessId, cls, nullptr};
            EnumWindows(FindByClass, reinterpret_cast<LPARAM>(&search));
            if (search.found)
                return search.found;
            if (WaitForSingleObject(pi.hProcess, 20) == WAIT_OBJECT_0)
                return nullptr;
        }
        return nullptr;
    }
    // The exit code, or -1 when the program is still running after timeoutMs.
    long ExitCode(DWORD timeoutMs = 10000) const
    {
        if (WaitForSingleObject(pi.hProcess, timeoutMs) != WAIT_OBJECT_0)
            return -1;
        DWORD code = 0;
        GetExitCodeProcess(pi.hProcess, &code);
        return static_cast<long>(code);
    }
    bool started = false;

private:
    PROCESS_INFORMATION pi{};
};

using EndToEnd = SiteFixture;

} // namespace

TEST_F(EndToEnd, NoArgumentShowsNothingAndExitsWithZero)
{
    for (const char* args : {"", "   ", "\"\""}) {
        Program program(args);
        ASSERT_TRUE(program.started);
        EXPECT_EQ(program.WaitForWindow("ORVA_Configuration", 3000), nullptr) << '[' << args << ']';
        EXPECT_EQ(program.ExitCode(), 0) << '[' << args << ']';
    }
}

TEST_F(EndToEnd, ARemoteSiteCopyIsTitledForItsUnitAndExitEnds)
{
    WriteRaw(SystemIniPath(), "[Global]\r\nWendrel=32\r\nQUELT Version=QUELT V12.1\r\n");
    MarkClean();
    Program program(SystemIniPath());
    const HWND wnd = program.WaitForWindow("ORVA_Configuration");
    ASSERT_NE(wnd, nullptr);
    EXPECT_EQ(Text(wnd), "ORVA_Configuration - Wendrel 32");
    PostMessageA(wnd, WM_COMMAND, 210, 0); // E&xit
    EXPECT_EQ(program.ExitCode(), 0);
    EXPECT_TRUE(ChangesSinceMark().empty());
}

TEST_F(EndToEnd, TheCloseBoxEndsTheProgramToo)
{
    Program program(SystemIniPath());
    const HWND wnd = program.WaitForWindow("ORVA_Configuration");
    ASSERT_NE(wnd, nullptr);
    EXPECT_EQ(Text(wnd), "ORVA Configurator Application");
    PostMessageA(wnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.ExitCode(), 0);
    // The site named on the command line does not exist and nothing created it.
    EXPECT_EQ(GetFileAttributesA(SystemIniPath().c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(EndToEnd, APathTooLongIsExplainedAndTheProgramFails)
{
    const std::string path = siteDir + std::string(130, 'p') + "\\ORVANT.INI";
    Program program("\"" + path + "\"");
    const HWND box = program.WaitForWindow("#32770");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(Text(box), "ORVA Configurator Application");
    EXPECT_NE(Text(GetDlgItem(box, 0xFFFF)).find("too long"), std::string::npos);
    // The main window being created is never shown.
    EXPECT_EQ(program.WaitForWindow("ORVA_Configuration", 0), nullptr);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(program.ExitCode(), 2);
    EXPECT_TRUE(ChangesSinceMark().empty());
}
