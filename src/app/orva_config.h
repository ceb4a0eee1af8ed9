// The main window: start-up, the menu's commands, and the About box.
#pragma once

#include <windows.h>

BOOL InitApplication(HINSTANCE instance);
// Creates and shows the main window for the process's own command line.
BOOL InitInstance(HINSTANCE instance, int showCommand);
// Same, for a given command line; returns the window, or null when the command line names no
// usable system INI file (the program then ends with StartupExitCode()).
HWND CreateMainWindow(HINSTANCE instance, int showCommand, const char* commandLine);
// 0 after a silent refusal (no argument), nonzero after a refusal the user was told about.
int StartupExitCode();

LRESULT CALLBACK MainWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
INT_PTR CALLBACK About(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;

// Carries out one menu command; ids that are not commands do nothing.
void DispatchCommand(HWND wnd, UINT id);

// Runs the message loop until the quit message; returns its code.
int RunMessageLoop();
