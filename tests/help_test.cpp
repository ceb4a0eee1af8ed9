// Help: the guide beside the program has a section for every menu command and every dialog, and
// stands on its own; F1 in a dialog or on a sheet's page opens it at that section; Help Topics
// calls Windows help when the old help file lies beside the program, and opens the guide when not.
#include "app/help.h"
#include "app/orva_config.h"
#include "site/ownedkeys.h"
#include "defines.h"
#include "harness.h"
#include "resource.h"

#include <cstring>
#include <set>

namespace {

// Web pages are opened, as the site report test catches its browser, by a viewer registered for
// this test: one that notes the file it was given, or none at all. (Wine's shell reads the
// classes of the machine, not the user's; each test program has a Wine prefix of its own.)
class Help : public SiteFixture {
protected:
    void SetUp() override
    {
        SiteFixture::SetUp();
        CopySample();
        wnd = OpenMainWindow("orva_config.exe " + SystemIniPath());
        UseViewer(true);
    }
    void TearDown() override
    {
        CloseMainWindow(wnd);
        RegDeleteTreeA(HKEY_CLASSES_ROOT, "OrvaTests.Viewer");
        RegDeleteKeyA(HKEY_CLASSES_ROOT, ".html");
    }
    void UseViewer(bool present)
    {
        const std::string command = "C:\\windows\\system32\\cmd.exe /c echo %1> \"" + siteDir + "opened.txt\"";
        const char* type = present ? "OrvaTests.Viewer" : "OrvaTests.NoViewer";
        RegSetValueA(HKEY_CLASSES_ROOT, ".html", REG_SZ, type, static_cast<DWORD>(std::strlen(type)));
        RegSetValueA(HKEY_CLASSES_ROOT, "OrvaTests.Viewer\\shell\\open\\command", REG_SZ, command.c_str(),
                     static_cast<DWORD>(command.size()));
    }
    // The file the viewer was last given (waiting for it to be started), and forgotten; empty when
    // none was started.
    std::string Opened(DWORD waitMs = 10000)
    {
        const std::string noted = siteDir + "opened.txt";
        std::string text;
        for (DWORD waited = 0; waited <= waitMs && !text.ends_with("\n"); waited += 50, Sleep(50))
            text = ReadRaw(noted);
        DeleteFileA(noted.c_str());
        return text.substr(0, text.find_last_not_of("\r\n ") + 1);
    }
    // Where the page the viewer was given sends the browser: the guide's address with a section.
    std::string SectionOpened()
    {
        const std::string page = ReadRaw(Opened());
        const size_t url = page.find("url=");
        return url == std::string::npos ? "" : page.substr(url + 4, page.find('"', url) - url - 4);
    }
    HWND wnd = nullptr;
};

std::string Guide() { return SiteFixture::ReadRaw(GuidePath()); }

// Every command of a menu and its submenus.
void MenuCommands(HMENU menu, std::set<UINT>& ids)
{
    for (int i = 0; i < GetMenuItemCount(menu); ++i)
        if (const HMENU sub = GetSubMenu(menu, i))
            MenuCommands(sub, ids);
        else if (const UINT id = GetMenuItemID(menu, i); id != 0 && id != static_cast<UINT>(-1))
            ids.insert(id);
}

} // namespace

// The guide stands on its own as the site report does, every picture it shows is beside it, and
// every command of the menu (those the program puts in too) and every dialog template the program
// holds opens a section of it whose heading names it.
TEST_F(Help, EveryCommandAndDialogHasItsSection)
{
    const std::string guide = Guide(), folder = GuidePath().substr(0, GuidePath().rfind('\\') + 1);
    ASSERT_FALSE(guide.empty()) << GuidePath();
    EXPECT_EQ(HtmlProblem(guide, folder), "");
    for (const HelpTopic& topic : HelpTopics()) {
        const size_t at = guide.find(std::string(" id=\"") + topic.anchor + "\"");
        ASSERT_NE(at, std::string::npos) << "no section #" << topic.anchor;
        const std::string heading = guide.substr(guide.find('>', at) + 1, guide.find("</h", at) - guide.find('>', at) - 1);
        EXPECT_NE(heading.find(topic.title), std::string::npos) << "#" << topic.anchor << " is headed " << heading;
    }
    std::set<UINT> commands;
    const HMENU menu = LoadMenuA(hInst, "ConfigMenu");
    MenuCommands(menu, commands);
    DestroyMenu(menu);
    for (const CommandKeys& command : CommandTable())
        commands.insert(command.id);
    for (const UINT id : commands)
        EXPECT_NE(TopicOfCommand(id), nullptr) << "command " << id;
    std::vector<std::string> templates;
    EnumResourceNamesA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(5) /* RT_DIALOG */, [](HMODULE, LPCSTR, LPSTR name, LONG_PTR found) {
        if (!IS_INTRESOURCE(name))
            reinterpret_cast<std::vector<std::string>*>(found)->push_back(name);
        return TRUE;
    }, reinterpret_cast<LONG_PTR>(&templates));
    EXPECT_GT(templates.size(), 40u);
    for (const std::string& name : templates)
        EXPECT_NE(TopicOfTemplate(name.c_str()), nullptr) << name;
}

// F1 where the focus is, in a dialog, on a sheet's page (a control of it or the sheet itself), in a
// dialog a page opens, opens the guide at that dialog's or page's section, as the Help button of
// a dialog does; with nothing here to open web pages, the
// program says where the guide is and which section to look up.
TEST_F(Help, F1OpensTheSectionOfTheDialogInFront)
{
    const struct {
        UINT command;
        const char* steps;
        const char* section;
    } cases[] = {
        {IDM_MODEM, "focus Answer On Ring; f1", "modem"},
        {IDM_ALARM_CONFIG, "page 2; focus Record Time in Seconds; f1", "input-alarms"},
        {IDM_ALARM_CONFIG, "page 5; f1", "conditional-relays"},
        {IDM_ALARM_CONFIG, "click Configure Email/SMS; f1; cancel", "email"}, // a dialog a page opens
        {IDM_SCHEDULE, "page 3; f1", "schedule-days"},
        {IDM_PORT_CONFIG, "page 2; focus Camera Name; f1", "port-configuration"},
        {IDM_TRANSACTIONS, "click Help", "transactions"}, // the dialog's own Help button
    };
    // Under Wine the page names the guide by its host path (drive Z: is the host's root).
    const std::string guide = GuidePath();
    std::string url = "file:///" + guide.substr(guide.find(':') + 2);
    for (char& c : url)
        c = c == '\\' ? '/' : c;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.steps);
        MarkClean();
        const ModalRun run = DriveModal([&] { DispatchCommand(wnd, c.command); return INT_PTR{0}; }, StepsOf(std::string(c.steps) + "; cancel"));
        EXPECT_TRUE(run.boxes.empty()) << run.boxes[0].text;
        EXPECT_EQ(SectionOpened(), url + "#" + c.section);
        EXPECT_TRUE(ChangesSinceMark().empty());
    }
    UseViewer(false);
    const ModalRun run = DriveModal([&] { DispatchCommand(wnd, IDM_MODEM); return INT_PTR{0}; }, StepsOf("f1; cancel"));
    ASSERT_EQ(run.boxes.size(), 1u);
    EXPECT_EQ(run.boxes[0].text, "No program here opens web pages. The guide is\n" + guide + "\nOpen it with a web browser and look up \"Modem\".");
}

namespace {

// A stand-in for Windows help, which Wine's WinHelpA finds by its window class and hands the file
// and command to (the data of WM_COPYDATA: size, command, data, reserved, then the file's offset).
struct FakeWinHelp {
    static inline std::vector<std::string> asked;
    static inline LRESULT answer = TRUE;
    static LRESULT CALLBACK Proc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
    {
        if (msg != WM_COPYDATA)
            return DefWindowProcA(wnd, msg, wParam, lParam);
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        const auto* bytes = static_cast<const char*>(data->lpData);
        const WORD command = *reinterpret_cast<const WORD*>(bytes + 2), file = *reinterpret_cast<const WORD*>(bytes + 12);
        asked.push_back(std::to_string(command) + " " + (file ? bytes + file : ""));
        return answer;
    }
    FakeWinHelp()
    {
        WNDCLASSA wc{};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "MS_WINHELP";
        RegisterClassA(&wc);
        wnd = CreateWindowA("MS_WINHELP", "", 0, 0, 0, 0, 0, nullptr, nullptr, wc.hInstance, nullptr);
    }
    ~FakeWinHelp() { DestroyWindow(wnd); }
    HWND wnd;
};

} // namespace

// Help Topics: the guide from its top; with "Bank ORVA Help.HLP" beside the program, Windows help
// on that file, and the guide again when Windows cannot show it. F1 on the main window opens the
// guide's top too, and on a highlighted menu command that command's section.
TEST_F(Help, HelpTopicsWithAndWithoutTheOldHelpFile)
{
    FakeWinHelp winHelp;
    // A message box (nothing opened the guide) is answered, and fails the test.
    const auto helpTopics = [&] {
        EXPECT_TRUE(DriveModal([&] { DispatchCommand(wnd, IDM_HELP_TOPICS); return INT_PTR{0}; }, {}).boxes.empty());
    };
    helpTopics();
    EXPECT_EQ(Opened(), GuidePath());
    PostMessageA(wnd, 0x004D /* WM_KEYF1 */, 0, 0);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
    EXPECT_EQ(Opened(), GuidePath());
    // F1 on a highlighted menu command: its section.
    HELPINFO onMenu{sizeof(HELPINFO), HELPINFO_MENUITEM, IDM_MODEM, GetMenu(wnd), 0, {}};
    SendMessageA(wnd, WM_HELP, 0, reinterpret_cast<LPARAM>(&onMenu));
    EXPECT_TRUE(SectionOpened().ends_with("/docs/guide/index.html#modem"));
    EXPECT_TRUE(FakeWinHelp::asked.empty());

    const std::string helpFile = GuidePath().substr(0, GuidePath().find("docs\\guide\\")) + "Bank ORVA Help.HLP";
    WriteRaw(helpFile, "?_\x03");
    helpTopics();
    EXPECT_EQ(Opened(500), "");
    FakeWinHelp::answer = FALSE;
    helpTopics();
    EXPECT_EQ(Opened(), GuidePath());
    DeleteFileA(helpFile.c_str());
    EXPECT_EQ(FakeWinHelp::asked, std::vector<std::string>(2, "11 " + helpFile)); // HELP_FINDER
}
