// The real main window, created in the test process for a given command line.
#pragma once

#include <windows.h>

#include <string>

// Registers the class once and creates the window hidden; null when start-up refused the line.
HWND OpenMainWindow(const std::string& commandLine);
// Destroys it and drops the quit message it posts, so later modal loops in the test still run.
void CloseMainWindow(HWND wnd);
// Drops a pending quit message (after "E&xit" destroyed the window).
void DropQuitMessage();
