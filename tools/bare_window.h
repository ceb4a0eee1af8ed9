// The window of the two floor programs: a plain overlapped window with the configurator's menu
// bar, shown, with its message loop, so that the floors differ from the configurator only in
// what it does itself.
#pragma once

#include <windows.h>

// Registers the class, opens and shows the window and runs it until it quits; 1 when the window
// could not be created, else the quit code.
inline int RunBareWindow(HINSTANCE instance, WNDPROC proc, const char* className, const char* title, int showCommand)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszMenuName = "ConfigMenu";
    wc.lpszClassName = className;
    RegisterClassA(&wc);
    const HWND wnd = CreateWindowA(className, title, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                   CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
    if (!wnd)
        return 1;
    ShowWindow(wnd, showCommand);
    UpdateWindow(wnd);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
