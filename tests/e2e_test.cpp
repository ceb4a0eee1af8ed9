// The real orva_config.exe, started as its own process and driven from outside.
#include "harness.h"

#include <windows.h>

namespace {

// One run of the program with a given argument text: the one next to the test program, or the one
// in folder (started there).
class Program {
public:
    explicit Program(const std::string& args, const std::string& folder = "")
    {
        char self[MAX_PATH] = "";
        GetModuleFileNameA(nullptr, self, sizeof self);
        const std::string dir = folder.empty() ? std::string(self).substr(0, std::string(self).rfind('\\') + 1) : folder + "\\";
        std::string line = "\"" + dir + "orva_config.exe\" " + args;
        STARTUPINFOA si{};
        si.cb = sizeof si;
        EXPECT_TRUE(CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.empty() ? nullptr : folder.c_str(),
                                   &si, &pi));
    }
    ~Program()
    {
        TerminateProcess(pi.hProcess, 99); // if still running
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    }
    // A visible window of the program (a message box once it holds its text), waiting up to timeoutMs.
    HWND WaitForWindow(const char* cls, const char* title, DWORD timeoutMs = 10000) const
    {
        for (DWORD waited = 0; waited <= timeoutMs; waited += 20) {
            const HWND wnd = FindWindowA(cls, title);
            if (wnd && IsWindowVisible(wnd) && (std::string(cls) != "#32770" || GetDlgItem(wnd, 0xFFFF)))
                return wnd;
            if (WaitForSingleObject(pi.hProcess, 20) == WAIT_OBJECT_0)
                return nullptr;
        }
        return nullptr;
    }
    // The exit code, or -1 when the program is still running after 10 s.
    long ExitCode() const
    {
        DWORD code = 0;
        const bool ended = WaitForSingleObject(pi.hProcess, 10000) == WAIT_OBJECT_0 && GetExitCodeProcess(pi.hProcess, &code);
        return ended ? static_cast<long>(code) : -1;
    }

private:
    PROCESS_INFORMATION pi{};
};

using EndToEnd = SiteFixture;

} // namespace

TEST_F(EndToEnd, TheProgramStartsOnASiteAndEnds)
{
    CreateDirectoryA((siteDir + "Branch 12").c_str(), nullptr);
    Seed("S [Global] Wendrel=32; QUELT Version=QUELT V12.1\nBranch 12\\ORVANT.INI [Global] Wendrel=4");
    MarkClean();
    // The site's file named whole, relative to the folder the program starts in, and quoted
    // with a blank in its path; the program ends by E&xit or by its close box.
    const std::tuple<std::string, const char*, UINT> runs[] = {{SystemIniPath(), " - Wendrel 32", WM_COMMAND},
        {".\\ORVANT.INI", " - Wendrel 32", WM_CLOSE}, {"\"" + siteDir + "Branch 12\\ORVANT.INI\"", " - Wendrel 4", WM_COMMAND}};
    for (const auto& [args, title, msg] : runs) {
        Program program(args);
        const HWND wnd = program.WaitForWindow("ORVA_Configuration", nullptr);
        ASSERT_NE(wnd, nullptr) << args;
        EXPECT_EQ(WindowText(wnd), std::string("ORVA_Configuration") + title) << args;
        PostMessageA(wnd, msg, 210, 0);
        EXPECT_EQ(program.ExitCode(), 0);
    }
    // Without an argument nothing shows; a path too long is explained and the program fails.
    Program none("   ");
    EXPECT_EQ(none.WaitForWindow("ORVA_Configuration", nullptr, 2000), nullptr);
    EXPECT_EQ(none.ExitCode(), 0);
    Program tooLong("\"" + siteDir + std::string(130, 'p') + "\\ORVANT.INI\"");
    const HWND box = tooLong.WaitForWindow("#32770", "ORVA Configurator Application");
    ASSERT_NE(box, nullptr);
    EXPECT_NE(WindowText(GetDlgItem(box, 0xFFFF)).find("too long"), std::string::npos);
    EXPECT_EQ(tooLong.WaitForWindow("ORVA_Configuration", nullptr, 0), nullptr) << "the main window is never shown";
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(tooLong.ExitCode(), 2);
    EXPECT_TRUE(ChangesSinceMark().empty());
}

// Run by the package check with the folder the zip was unpacked into: the program there starts on
// the sample site beside it, shows the sample unit, and ends cleanly.
TEST_F(EndToEnd, UnpackedPackageRunsOnItsSample)
{
    const char* folder = std::getenv("ORVA_PACKAGE_DIR");
    if (!folder)
        GTEST_SKIP() << "run by the package check";
    Program program(".\\sample\\ORVANT.INI", folder);
    const HWND wnd = program.WaitForWindow("ORVA_Configuration", nullptr);
    ASSERT_NE(wnd, nullptr);
    EXPECT_NE(WindowText(wnd).find(" - "), std::string::npos) << "the title names the sample's unit";
    PostMessageA(wnd, WM_COMMAND, 210, 0);
    EXPECT_EQ(program.ExitCode(), 0);
}
