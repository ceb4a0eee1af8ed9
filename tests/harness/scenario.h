// Dialog cases as data: the files before, the steps a technician takes, the keys that must
// change and the message boxes that must show. Each case runs on a fresh site: files seeded, the
// real main window created on the system INI file, the menu command carried out, the steps run
// inside the dialog's (or sheet's) modal loop. Files and changes are "F [section] key=value"
// lines (site_fixture.h); a change not listed fails the case. Steps are separated by "; " and
// name a control by its label as shown (no mnemonic, line breaks as blanks, the first words
// enough) or by its number:
//   type L = text, keys L = text (each character typed, so the box's limit holds), click L,
//   choose L = item, focus L, see L = value (text; on/off for a check box or radio button; a
//   list's selected item or <none>), items L = a, b, c, enabled L, disabled L, page N (1-based),
//   ok, apply, cancel; see @caption = text, and for a sheet see @tabs = N: first .. last,
//   see @ok = OK or Close, enabled @apply, disabled @apply.
// The dialog must stay open for every step, and close on a last ok or cancel.
#pragma once

#include "modal_driver.h"
#include "site_fixture.h"

struct BoxWanted {
    const char* title;
    std::string text;
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

// Lines from a format whose %d (up to three) are first to last: Each(5, 32, "S [OrvaBank] Lobby Camera %d On=NO").
std::string Each(int first, int last, const char* format);

// The real main window, created hidden in the test process for a command line; null when start-up
// refused it. CloseMainWindow destroys it and drops the quit message it posts.
HWND OpenMainWindow(const std::string& commandLine);
void CloseMainWindow(HWND wnd);
