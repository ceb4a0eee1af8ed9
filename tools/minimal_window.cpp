// The floor for start-up timing: a bare window program with the same manifest and link options
// as the configurator, doing nothing but creating and showing one window with a menu bar.
#include "bare_window.h"

#include <windows.h>

namespace {

LRESULT CALLBACK WndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(wnd, msg, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
    return RunBareWindow(instance, WndProc, "MinimalWindow", "Minimal", showCommand);
}
