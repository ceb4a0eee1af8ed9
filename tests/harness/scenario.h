// Dialog cases as data: the files before, the steps a technician takes, the keys that must
// change and the message boxes that must show. Every case runs on a fresh site: the files are
// seeded, the real main window is created on the system INI file, the menu command is carried
// out, and the steps run inside the dialog's (or sheet's) modal loop.
//
// Files and changes are lines "F [section] key=value" (see site_fixture.h); every change not
// listed fails the case. Steps are separated by "; ". A control is named by its label as shown
// (mnemonic and line breaks dropped; the first words are enough), or by its number:
//   type Label = text       set an edit box's text, as typing would
//   keys Label = text       empty the box, then type each character (the box's limit holds)
//   click Label             click a button, check box or radio button
//   choose Label = item     pick a list item by its text
//   focus Label             move the keyboard focus to the control
//   see Label = value       text shown; "on"/"off" for a check box or radio button; a list's
//                           selected item or "<none>"
//   items Label = a, b, c   a list's items
//   enabled Label / disabled Label
//   page N                  open page N of a sheet (1-based)
//   ok / apply / cancel     press the dialog's or sheet's button
// see @caption = the dialog's caption; and for a sheet: see @tabs = "N: first .. last", see @ok = OK or Close, enabled/disabled @apply.
// A case ending in ok or cancel must close the dialog; the dialog must be open for every step.
#pragma once

#include "modal_driver.h"
#include "site_fixture.h"

#include <windows.h>

#include <string>
#include <vector>

struct BoxWanted {
    const char* title;
    const char* text;
    const char* kind;          // icon and, unless OK only, buttons: "stop", "question yesno"
    const char* answer = "ok"; // ok, yes or no
};

struct Scenario {
    std::string name;
    std::string before;
    std::string steps;
    std::string changes;
    std::vector<BoxWanted> boxes = {};
};

// Runs every case of one command; common is seeded before each case's own files.
void RunScenarios(SiteFixture& site, UINT command, const std::string& common, const std::vector<Scenario>& cases);

// Lines made from a format with one %d, for first to last: Each(5, 32, "S [OrvaBank] Lobby Camera %d On=NO").
std::string Each(int first, int last, const char* format);

// The real main window, created hidden in the test process for a command line; null when start-up
// refused it. CloseMainWindow destroys it and drops the quit message it posts.
HWND OpenMainWindow(const std::string& commandLine);
void CloseMainWindow(HWND wnd);
