// The real orva_config.exe, started as its own process and driven from outside.
#include "harness.h"
#include "owned_keys.h"
#include "site/ownedkeys.h"
#include "resource.h"

#include <windows.h>

#include <commctrl.h>
#include <prsht.h>

#include <fstream>
#include <sstream>

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
        // Wine now and then refuses a start while the last run's process is still being torn down.
        bool started = false;
        DWORD error = 0;
        for (int attempt = 0; attempt < 3 && !started; ++attempt, Sleep(started ? 0 : 300)) {
            started = CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.empty() ? nullptr : folder.c_str(),
                                     &si, &pi);
            error = started ? 0 : GetLastError();
        }
        EXPECT_TRUE(started) << "error " << error << " starting " << line;
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
// the sample site beside it, shows the sample unit, opens the guide beside it from Help Topics (a
// viewer registered here notes the file), and ends cleanly.
TEST_F(EndToEnd, UnpackedPackageRunsOnItsSample)
{
    const char* folder = std::getenv("ORVA_PACKAGE_DIR");
    if (!folder)
        GTEST_SKIP() << "run by the package check";
    const std::string noted = siteDir + "opened.txt", viewer = "C:\\windows\\system32\\cmd.exe /c echo %1> \"" + noted + "\"";
    RegSetValueA(HKEY_CLASSES_ROOT, ".html", REG_SZ, "OrvaTests.Viewer", 0);
    RegSetValueA(HKEY_CLASSES_ROOT, "OrvaTests.Viewer\\shell\\open\\command", REG_SZ, viewer.c_str(), 0);
    Program program(".\\sample\\ORVANT.INI", folder);
    const HWND wnd = program.WaitForWindow("ORVA_Configuration", nullptr);
    ASSERT_NE(wnd, nullptr);
    EXPECT_NE(WindowText(wnd).find(" - "), std::string::npos) << "the title names the sample's unit";
    PostMessageA(wnd, WM_COMMAND, IDM_HELP_TOPICS, 0);
    std::string opened;
    for (int waited = 0; waited < 10000 && !opened.ends_with("\n"); waited += 50, Sleep(50))
        opened = ReadRaw(noted);
    EXPECT_EQ(opened.substr(0, opened.find_last_not_of("\r\n ") + 1), std::string(folder) + "\\docs\\guide\\index.html");
    RegDeleteTreeA(HKEY_CLASSES_ROOT, "OrvaTests.Viewer");
    RegDeleteKeyA(HKEY_CLASSES_ROOT, ".html");
    PostMessageA(wnd, WM_COMMAND, 210, 0);
    EXPECT_EQ(program.ExitCode(), 0);
}

namespace {

struct Found {
    DWORD thread;
    HWND dlg = nullptr;
};

// The dialog of the program's thread that takes input now: a message box, else the newest dialog.
HWND ActiveDialog(DWORD thread)
{
    Found found{thread};
    EnumThreadWindows(thread, [](HWND wnd, LPARAM lParam) {
        auto* f = reinterpret_cast<Found*>(lParam);
        if (ClassOf(wnd) == "#32770" && IsWindowVisible(wnd) && IsWindowEnabled(wnd))
            f->dlg = wnd;
        return f->dlg ? FALSE : TRUE;
    }, reinterpret_cast<LPARAM>(&found));
    return found.dlg;
}

// Opens a command's dialog or sheet in the running program, visits every page, presses OK (Cancel
// when it stays open after a refusal), and answers every message box with its default; returns
// the boxes' texts.
std::vector<std::string> RunCommand(HWND main, UINT command)
{
    const DWORD thread = GetWindowThreadProcessId(main, nullptr);
    PostMessageA(main, WM_COMMAND, command, 0);
    std::vector<std::string> boxes;
    int pressed = 0, idle = 0;
    for (int tick = 0; tick < 2500 && idle < 2; ++tick) {
        Sleep(4);
        const HWND dlg = ActiveDialog(thread);
        // The command is over once it has shown something and the main window takes input again.
        if (!dlg) {
            idle = (pressed > 0 || !boxes.empty()) && IsWindowEnabled(main) ? idle + 1 : 0;
            continue;
        }
        idle = 0;
        if (const HWND text = GetDlgItem(dlg, 0xFFFF); text && !GetDlgItem(dlg, 0x3021)) {
            boxes.push_back(WindowText(text));
            PostMessageA(dlg, WM_COMMAND, GetDlgItem(dlg, IDYES) ? IDYES : IDOK, 0);
            continue;
        }
        const auto tabs = reinterpret_cast<HWND>(SendMessageA(dlg, PSM_GETTABCONTROL, 0, 0));
        if (pressed++ == 0) {
            for (LRESULT page = 0, pages = tabs ? SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0) : 0; page < pages; ++page)
                SendMessageA(dlg, PSM_SETCURSEL, static_cast<WPARAM>(page), 0);
            PostMessageA(dlg, tabs ? PSM_PRESSBUTTON : WM_COMMAND, tabs ? PSBTN_OK : IDOK, 0);
        } else if (pressed % 50 == 0) {
            PostMessageA(dlg, tabs ? PSM_PRESSBUTTON : WM_COMMAND, tabs ? PSBTN_CANCEL : IDCANCEL, 0);
        }
    }
    EXPECT_GT(pressed, 0) << "nothing opened";
    EXPECT_EQ(ActiveDialog(thread), nullptr) << "still open";
    return boxes;
}

} // namespace

// Every menu command on the sample site, for each kind of unit the menu tells apart, in normal and
// advanced mode: the dialog (every page of a sheet) opens and takes OK without a complaint, the
// program keeps running, and only the command's own keys change.
class EveryCommand : public SiteFixture, public ::testing::WithParamInterface<const char*> {};

TEST_P(EveryCommand, OnTheSampleSite)
{
    const char* unit = GetParam();
    for (const char* advanced : {"0", "1"}) {
        SCOPED_TRACE(std::string(unit) + ", advanced " + advanced);
        NewSite();
        CopySample();
        Seed("C [Config] Advanced Menu=" + std::string(advanced) + "\n" + unit);
        Program program(SystemIniPath());
        const HWND main = program.WaitForWindow("ORVA_Configuration", nullptr);
        ASSERT_NE(main, nullptr);
        for (const CommandKeys& table : CommandTable()) {
            const UINT command = table.id;
            if (command == IDM_ADVANCED)
                continue;
            SCOPED_TRACE("command " + std::to_string(command));
            MarkClean();
            for (const std::string& box : RunCommand(main, command))
                ADD_FAILURE() << "message box: " << box;
            for (const std::string& change : ChangesSinceMark()) {
                EXPECT_TRUE(OwnedBy(command, change)) << change;
                // The sample as shipped holds every value its dialogs show, as they store it.
                EXPECT_FALSE(*unit == '\0') << "the sample lacks " << change;
            }
            ASSERT_TRUE(IsWindow(main));
        }
        PostMessageA(main, WM_COMMAND, IDM_EXIT, 0);
        EXPECT_EQ(program.ExitCode(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Units, EveryCommand,
                         ::testing::Values("", // the sample as shipped: an S617 unit with two cards, 16 channels, version 12.1
                                           "S [Global] Wendrel=0; Halden=0; Image Card=Osprey 100; QUELT Version=QUELT V10.02",
                                           "S [Global] Wendrel=4; Image Card=Osprey 100; QUELT Version=QUELT V11.00",
                                           "S [Global] Wendrel=16; Image Card=Osprey 100; QUELT Version=QUELT V12.00",
                                           "S [Global] Wendrel=32; Video Channels=32; Image Card=Osprey 100",
                                           "S [Global] Halden=1; Image Card=Osprey 100", "S [Global] QUELT Version=QUELT V11.02",
                                           "S [Global] Video Channels=32"));

// orva_config.exe /history prints the site's history, newest first, as the dialog lists it.
TEST_F(EndToEnd, HistoryFromTheCommandLine)
{
    Seed("S [OrvaBank] Bank Name=Elm");
    WriteRaw(siteDir + "ORVA_HISTORY.LOG", "H\t2026-12-01 09:00:00\tSite Identification\tx\r\nV\tS\tOrvaBank\tBank Name\t\\-\tOak\r\n"
                                           "H\t2026-12-02 10:00:00\tUndo\tx\r\nV\tS\tOrvaBank\tBank Name\tOak\tE\\tlm\r\n");
    const std::string out = siteDir + "history.txt";
    Program history("/history \"" + SystemIniPath() + "\" /out \"" + out + "\"");
    EXPECT_EQ(history.ExitCode(), 0);
    EXPECT_EQ(ReadRaw(out), "2026-12-02 10:00:00  Undo  1 value\r\n    S [OrvaBank] Bank Name: \"Oak\" -> \"E\\tlm\"\r\n"
                          "2026-12-01 09:00:00  Site Identification  1 value\r\n    S [OrvaBank] Bank Name: absent -> \"Oak\"\r\n");
    Program missing("/history \"" + siteDir + "nowhere\\ORVANT.INI\"");
    EXPECT_EQ(missing.ExitCode(), 2);
}

// orva_config.exe /check: a line per problem and a summary per site; 1 when a site has a problem,
// 2 when one cannot be read, 0 when none has; nothing written.
TEST_F(EndToEnd, CheckFromTheCommandLine)
{
    Seed("S [OrvaFile] Status Log Size=0; Activity Log Storage=x\nS [Schedule] SUN0=3; SUN1=3; SUN2=3; SUN3=3; SUN4=3; SUN5=3; SUN6=3; SUN7=3");
    CreateDirectoryA((siteDir + "clean").c_str(), nullptr);
    WriteRaw(siteDir + "clean\\ORVANT.INI", "[OrvaFile]\r\nStatus Log Size=100\r\n");
    MarkClean();
    const std::string out = siteDir + "check.txt", ini = SystemIniPath(), clean = siteDir + "clean\\ORVANT.INI";
    const auto text = [&] { return ReadRaw(out); };
    Program faulty("/check \"" + ini + "\" \"" + clean + "\" /out \"" + out + "\"");
    EXPECT_EQ(faulty.ExitCode(), 1);
    const std::string report = text();
    EXPECT_NE(report.find(Lower(ini) + " [OrvaFile] Status Log Size = 0: outside its range; a whole number from 1 to 20000 is expected\r\n"),
              std::string::npos) << report;
    EXPECT_NE(report.find(ini + ": 10 problems in 10 values checked\r\n"), std::string::npos) << report;
    EXPECT_NE(report.find(clean + ": 0 problems in 1 values checked\r\n"), std::string::npos) << report;
    Program fine("/check \"" + clean + "\" /out \"" + out + "\"");
    EXPECT_EQ(fine.ExitCode(), 0);
    Program missing("/check \"" + clean + "\" \"" + siteDir + "none\\ORVANT.INI\"");
    EXPECT_EQ(missing.ExitCode(), 2);
    for (const std::string& change : ChangesSinceMark())
        EXPECT_TRUE(change.find("check.txt") != std::string::npos) << change;
}

// orva_config.exe /diff: the values two sites hold differently, grouped by the command that owns
// them in the menu's order, keys no command owns last, site-specific keys marked.
TEST_F(EndToEnd, DiffFromTheCommandLine)
{
    for (const char* folder : {"a", "b"}) {
        CreateDirectoryA((siteDir + folder).c_str(), nullptr);
        WriteRaw(siteDir + folder + "\\ORVANT.INI", "[OrvaBank]\r\nBank Name=Elm\r\nCh 2 Motion Amount=5\r\n[Modem]\r\nRing=2\r\n");
    }
    WriteRaw(siteDir + "b\\ORVANT.INI", "[OrvaBank]\r\nBank Name=Oak\r\nch 2 motion amount=7\r\n[Modem]\r\nRing=2\r\nCarrier TO=30\r\n"
                                        "[Custom]\r\nNote=x\r\n[Schedule]\r\nMON6=1\r\n");
    WriteRaw(siteDir + "b\\SiteDef.DAT", "[Map]\r\n3=10,20\r\n");
    const std::string a = siteDir + "a\\ORVANT.INI", b = siteDir + "b\\ORVANT.INI", out = siteDir + "diff.txt";
    Program same("/diff \"" + a + "\" \"" + a + "\" /out \"" + out + "\"");
    EXPECT_EQ(same.ExitCode(), 0);
    Program differ("/diff \"" + a + "\" \"" + b + "\" /out \"" + out + "\"");
    EXPECT_EQ(differ.ExitCode(), 1);
    EXPECT_EQ(ReadRaw(out), "Site Identification: system INI [OrvaBank] Bank Name (site-specific): Elm | Oak\r\n"
                          "Port Configuration: system INI [OrvaBank] Ch 2 Motion Amount: 5 | 7\r\n"
                          "Schedule: system INI [Schedule] MON6: (absent) | 1\r\n"
                          "Modem: system INI [Modem] Carrier TO: (absent) | 30\r\n"
                          "Site Map: SiteDef.DAT [Map] 3 (site-specific): (absent) | 10,20\r\n"
                          "Other: system INI [Custom] Note: (absent) | x\r\n" +
                              a + " | " + b + ": 6 values differ, 2 of them site-specific\r\n");
    Program missing("/diff \"" + a + "\" \"" + siteDir + "c\\ORVANT.INI\"");
    EXPECT_EQ(missing.ExitCode(), 2);
}

// orva_config.exe /report writes the page and says so by its exit code.
TEST_F(EndToEnd, ReportFromTheCommandLine)
{
    CopySample();
    const std::string out = siteDir + "report.html";
    Program written("/report \"" + SystemIniPath() + "\" \"" + out + "\"");
    EXPECT_EQ(written.ExitCode(), 0);
    const std::string page = ReadRaw(out);
    EXPECT_TRUE(page.starts_with("<!DOCTYPE html>"));
    EXPECT_TRUE(page.ends_with("</html>\n"));
    EXPECT_NE(page.find("data:image/png;base64,"), std::string::npos) << "the map, from the site's folder";
    Program noSite("/report \"" + siteDir + "none\\ORVANT.INI\" \"" + out + "\"");
    EXPECT_EQ(noSite.ExitCode(), 2);
    Program noFolder("/report \"" + SystemIniPath() + "\" \"" + siteDir + "none\\report.html\"");
    EXPECT_EQ(noFolder.ExitCode(), 2);

    // A folder of sites gives a folder of reports, each named after its site's place below it.
    for (const char* folder : {"sites", "sites\\North", "sites\\North\\Branch 1", "sites\\South"})
        CreateDirectoryA((siteDir + folder).c_str(), nullptr);
    for (const char* site : {"sites\\North\\Branch 1", "sites\\South"})
        CopyFileA(ORVA_SAMPLE_DIR "ORVANT.INI", (siteDir + site + "\\ORVANT.INI").c_str(), FALSE);
    Program folder("/report \"" + siteDir + "sites\" \"" + siteDir + "reports\"");
    EXPECT_EQ(folder.ExitCode(), 0);
    for (const char* report : {"North-Branch 1.html", "South.html"})
        EXPECT_TRUE(ReadRaw(siteDir + "reports\\" + report).starts_with("<!DOCTYPE html>")) << report;
}

// orva_config.exe /take and /fleet over a folder of sites: what a dry run would take is printed and
// nothing written; the roll-out stores it; exit codes say what happened.
TEST_F(EndToEnd, TakeAndFleetFromTheCommandLine)
{
    CopySample();
    Seed("S [Email] Host=mail.bank.example\nS [OrvaBank] Ch 20 Motion Amount=33");
    const std::string reference = SystemIniPath(), fleet = siteDir + "fleet";
    for (const char* branch : {"\\A", "\\B"}) {
        CreateDirectoryA(fleet.c_str(), nullptr);
        CreateDirectoryA((fleet + branch).c_str(), nullptr);
        CopyFileA(ORVA_SAMPLE_DIR "ORVANT.INI", (fleet + branch + "\\ORVANT.INI").c_str(), FALSE);
    }
    WritePrivateProfileStringA("Global", "Video Channels", "32", (fleet + "\\B\\ORVANT.INI").c_str());
    const std::string before = ReadRaw(fleet + "\\A\\ORVANT.INI"), out = siteDir + "take.txt";
    const std::string take = "/take \"" + reference + "\" \"" + fleet + "\" /only \"E-mail, Port Configuration\" ";
    Program dry(take + "/dry-run /out \"" + out + "\"");
    EXPECT_EQ(dry.ExitCode(), 1) << "a value skipped";
    EXPECT_EQ(ReadRaw(fleet + "\\A\\ORVANT.INI"), before);
    const std::string a = fleet + "\\A\\ORVANT.INI";
    EXPECT_NE(ReadRaw(out).find(a + ": system INI [OrvaBank] Ch 20 Motion Amount: 5 -> 33 skipped: camera 20 is beyond the 16 video channels "
                                    "of this unit\r\n"), std::string::npos) << ReadRaw(out);
    EXPECT_NE(ReadRaw(out).find("2 sites: 1 to bring level, 1 with values skipped, 0 already level, 0 not changed; "), std::string::npos);
    EXPECT_TRUE(ReadRaw(out).ends_with(" skipped (nothing written)\r\n"));
    Program real(take);
    EXPECT_EQ(real.ExitCode(), 1);
    EXPECT_EQ(GetPrivateProfileIntA("OrvaBank", "Ch 20 Motion Amount", 0, (fleet + "\\B\\ORVANT.INI").c_str()), 33);
    Program level("/take \"" + reference + "\" \"" + fleet + "\\B\" /only E-mail");
    EXPECT_EQ(level.ExitCode(), 0) << "already level";
    const std::string gone = siteDir + "gone\\ORVANT.INI";
    Program noReference("/take \"" + gone + "\" \"" + fleet + "\" /only E-mail /out \"" + out + "\"");
    EXPECT_EQ(noReference.ExitCode(), 2);
    EXPECT_EQ(ReadRaw(out), gone + ": the reference's system INI file cannot be read\r\n");
    Program page("/fleet \"" + fleet + "\" \"" + siteDir + "fleet.html\"");
    EXPECT_EQ(page.ExitCode(), 0);
    EXPECT_TRUE(ReadRaw(siteDir + "fleet.html").ends_with("</html>\n"));
    CreateDirectoryA((siteDir + "nothing").c_str(), nullptr);
    Program none("/check \"" + siteDir + "nothing\"");
    EXPECT_EQ(none.ExitCode(), 2) << "a folder that names no site";
}
