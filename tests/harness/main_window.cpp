#include "main_window.h"

#include "defines.h"
#include "orva_config.h"

HWND OpenMainWindow(const std::string& commandLine)
{
    static const bool registered = InitApplication(hInst) != FALSE;
    (void)registered;
    return CreateMainWindow(hInst, SW_HIDE, commandLine.c_str());
}

void DropQuitMessage()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

void CloseMainWindow(HWND wnd)
{
    if (wnd && IsWindow(wnd))
        DestroyWindow(wnd);
    DropQuitMessage();
}
