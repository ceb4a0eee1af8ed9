// Pokes a running configurator from outside, for the picture tour of the run command:
//   tour_poke wait            wait until the main window is up
//   tour_poke command ID      choose a menu command
//   tour_poke menu LETTER     open a top-level menu by its mnemonic
//   tour_poke cancelmenu      close an open menu
//   tour_poke close           cancel the dialog in front
//   tour_poke click ID        press a button of the dialog in front
//   tour_poke pages           print how many pages the sheet in front has (0 for a dialog)
//   tour_poke rect            print where the dialog in front (else the main window) is, as
//                             ImageMagick's WxH+X+Y
//   tour_poke exit            "E&xit"
#include <windows.h>

#include <commctrl.h>
#include <prsht.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

HWND MainWindow() { return FindWindowA("ORVA_Configuration", nullptr); }

struct Front {
    DWORD pid;
    HWND dlg;
};

BOOL CALLBACK FindDialog(HWND wnd, LPARAM lParam)
{
    auto* front = reinterpret_cast<Front*>(lParam);
    char cls[16] = "";
    GetClassNameA(wnd, cls, sizeof cls);
    DWORD pid = 0;
    GetWindowThreadProcessId(wnd, &pid);
    if (pid == front->pid && std::strcmp(cls, "#32770") == 0 && IsWindowVisible(wnd) &&
        IsWindowEnabled(wnd)) {
        front->dlg = wnd;
        return FALSE;
    }
    return TRUE;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    const char* verb = argv[1];
    if (std::strcmp(verb, "wait") == 0) {
        for (int i = 0; i < 300; ++i) {
            if (const HWND wnd = MainWindow(); wnd && IsWindowVisible(wnd))
                return 0;
            Sleep(100);
        }
        std::fprintf(stderr, "tour_poke: the main window did not appear\n");
        return 1;
    }
    const HWND wnd = MainWindow();
    if (!wnd) {
        std::fprintf(stderr, "tour_poke: no main window\n");
        return 1;
    }
    if (std::strcmp(verb, "command") == 0 && argc > 2) {
        PostMessageA(wnd, WM_COMMAND, static_cast<WPARAM>(std::atoi(argv[2])), 0);
    } else if (std::strcmp(verb, "menu") == 0 && argc > 2) {
        SetForegroundWindow(wnd);
        PostMessageA(wnd, WM_SYSCOMMAND, SC_KEYMENU, static_cast<unsigned char>(argv[2][0]));
    } else if (std::strcmp(verb, "cancelmenu") == 0) {
        PostMessageA(wnd, WM_CANCELMODE, 0, 0);
    } else if (std::strcmp(verb, "rect") == 0 || std::strcmp(verb, "pages") == 0 || std::strcmp(verb, "close") == 0 ||
               (std::strcmp(verb, "page") == 0 && argc > 2) || (std::strcmp(verb, "click") == 0 && argc > 2)) {
        DWORD pid = 0;
        GetWindowThreadProcessId(wnd, &pid);
        Front front{pid, nullptr};
        EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&front));
        if (std::strcmp(verb, "rect") == 0) {
            RECT r{};
            GetWindowRect(front.dlg ? front.dlg : wnd, &r);
            std::printf("%ldx%ld+%ld+%ld\n", r.right - r.left, r.bottom - r.top, r.left, r.top);
            return 0;
        }
        if (!front.dlg)
            return 1;
        if (std::strcmp(verb, "pages") == 0) {
            const auto tabs = reinterpret_cast<HWND>(SendMessageA(front.dlg, PSM_GETTABCONTROL, 0, 0));
            std::printf("%ld\n", tabs ? static_cast<long>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0)) : 0L);
            return 0;
        }
        if (verb[1] == 'l' && verb[2] == 'i') // click
            PostMessageA(front.dlg, WM_COMMAND, MAKEWPARAM(std::atoi(argv[2]), BN_CLICKED), 0);
        else if (verb[0] == 'p') // a page of the property sheet in front, 1-based
            PostMessageA(front.dlg, PSM_SETCURSEL, static_cast<WPARAM>(std::atoi(argv[2]) - 1), 0);
        else
            PostMessageA(front.dlg, WM_COMMAND, IDCANCEL, 0);
    } else if (std::strcmp(verb, "exit") == 0) {
        PostMessageA(wnd, WM_COMMAND, 210, 0);
    } else {
        return 2;
    }
    return 0;
}
