// The test harness: a fresh site per test with snapshots of its files, a driver that runs steps
// inside a dialog's modal loop, and the interpreter of dialog cases written as data.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

// A fresh site for every test: a folder, also made the current directory, holding a remote
// site's system INI file (or the local site's C:\windows\ORVANT.INI), this program's
// ORVA_CONFIG.INI reset, the program's globals pointed at them, and snapshots of every INI file
// to tell which keys a step changed.
//
// Keys are named "F [section] key", F a letter for the file: S the system INI file,
// D SiteDef.DAT, C ORVA_CONFIG.INI, T TRANDATA.INI, W the Windows folder's ORVANT.INI (seeding
// only); any other file by its own name. A snapshot
// holds each key under "F [SECTION] KEY" in capitals (names compare without regard to case, as
// the profile service compares them) with its name as written and its value.
using Keys = std::map<std::string, std::pair<std::string, std::string>>;

class SiteFixture : public ::testing::Test {
public:
    void SetUp() override { NewSite(); }
    // Starts over on an empty remote site; UseLocalSite makes IniFile C:\windows\ORVANT.INI.
    void NewSite();
    void UseLocalSite();

    // Full path of a file by its letter, or of a file of the site folder by its name.
    std::string PathOf(const std::string& file) const;
    std::string SystemIniPath() const { return PathOf("S"); }
    // Sets keys from KeyLines; a line "local" switches to the local site, "locked F" keeps the file
    // open for reading only, as another program may, so that writing it fails; "unlocked" lets go.
    void Seed(const std::string& lines);
    // Replaces a file's whole text (for damaged files).
    void WriteRaw(const std::string& path, const std::string& text) const;
    // A file's bytes, or nothing when it cannot be read.
    static std::string ReadRaw(const std::string& path);

    // Copies the bundled sample site's files into the site folder.
    void CopySample() const;

    // "F [section] key=new value" (or "F [section] key removed") for every key changed since the
    // last MarkClean, sorted; the second only those of keys that were there at the mark.
    std::vector<std::string> ChangesSinceMark() const;
    std::vector<std::string> StoredKeysChangedSinceMark() const;
    void MarkClean() { mark = Snapshot(); }

    std::string siteDir; // the remote site's folder, with a trailing backslash
    std::string winDir;  // the Windows directory, with a trailing backslash

private:
    Keys Snapshot() const;
    Keys mark;
    std::vector<HANDLE> locks;
};

// The text in lower case, as the program keeps the system INI file's path.
std::string Lower(std::string s);
// Splits text at a separator, dropping empty pieces.
std::vector<std::string> SplitText(const std::string& text, const std::string& separator);
// "F [section] key=value" lines, one a key; a line may hold more keys of its section after "; ".
std::vector<std::string> KeyLines(const std::string& text);

// Drives a modal dialog (or anything that opens one) from inside its own modal loop.
//
// The dialog is opened by the real code path (a menu command of the main window, or the function
// that shows it). Each step runs from a thread timer inside the modal loop, one step per tick,
// with the dialog's window. Message boxes raised meanwhile are recorded and answered from a queue
// (OK when it is empty). When the steps are spent and the dialog is still open, the driver ends
// it (a property sheet through its Cancel button) and says so; a watchdog ends a run that hangs.

// A message box: its title, its text, its icon and, unless OK alone, its buttons ("stop",
// "question yesno", "none"), and for a box a case expects, the answer to give (ok, yes or no).
struct Box {
    std::string title, text, kind;
    const char* answer = "ok";
};

struct ModalRun {
    bool opened = false;        // a dialog of this program was created
    int stepsRun = 0;           // fewer than given: the dialog closed early
    bool endedByDriver = false; // still open after the last step
    INT_PTR result = 0;         // what the opener returned
    std::vector<Box> boxes;
};

using Step = std::function<void(HWND dlg)>;

ModalRun DriveModal(const std::function<INT_PTR()>& open, const std::vector<Step>& steps, std::deque<int> answers = {});
// From then on, a message box of this thread outside DriveModal fails the test and is closed,
// rather than waiting for a click (the test program's main calls it).
void FailStrayMessageBoxes();

std::string WindowText(HWND wnd);
std::string ClassOf(HWND wnd);
// The text of a list view's cell (column 0 is the row's first); its rows are counted with
// ListRowCount.
std::string ListCell(HWND list, int row, int column);

// Dialog cases as data: the files before, the steps a technician takes, the keys that must
// change and the message boxes that must show. Each case runs on a fresh site: files seeded, the
// real main window created on the system INI file, the menu command carried out, the steps run
// inside the dialog's (or sheet's) modal loop. Files and changes are "F [section] key=value"
// lines (as above); a change not listed fails the case. Steps are separated by "; " and
// name a control by its label as shown (no mnemonic, line breaks as blanks, the first words
// enough) or by its number:
//   type L = text, keys L = text (each character typed, so the box's limit holds), click L,
//   choose L = item, focus L, see L = value (text; on/off for a check box or radio button; a
//   list's selected item or <none>), items L = a, b, c, enabled L, disabled L, shown L, hidden L, absent N,
//   tick L = row (the check box of a list's row, by its first cell),
//   press L = x,y, drag L = x,y, release L = x,y (the left button on a window; L may be #class, a
//   window by its class), hover L = x,y (the pointer moved, no button), key L = name (a key on the
//   control through the dialog manager: Left, Right, Up, Down, Home, End, Space, Escape, each also
//   as Shift+name), page N (1-based), ok, apply, cancel, f1 (the key, where the focus is);
//   see @caption = text, and for a sheet see @tabs = N: last title,
//   see @ok = OK or Close, enabled @apply, disabled @apply.
// The dialog must stay open for every step, and close on a last ok or cancel. A "*" in a box's
// expected text stands for any text (a path, the system's words).

struct Scenario {
    std::string name, before, steps, changes;
    std::vector<Box> boxes = {};
};

// The steps of a case's text, for driving a dialog with DriveModal outside a case.
std::vector<Step> StepsOf(const std::string& text);

// Runs every case of one command; common is seeded before each case's own files.
void RunScenarios(SiteFixture& site, UINT command, const std::string& common, const std::vector<Scenario>& cases);

// Lines from a format whose %d (up to eight) are first to last: Each(5, 32, "S [OrvaBank] Lobby Camera %d On=NO").
std::string Each(int first, int last, const char* format);

// What keeps a page the program writes or ships (the site report, the guide) from being read or
// printed on its own: tags that do not nest, a second document, a script, two elements with one
// id, a link to a section the page lacks, or anything fetched from elsewhere. A picture or link
// may name only a file of the given folder that is there (none without a folder). Empty when
// there is nothing.
std::string HtmlProblem(const std::string& html, const std::string& folder = "");

// The real main window, created hidden in the test process for a command line; null when start-up
// refused it. CloseMainWindow destroys it and drops the quit message it posts.
HWND OpenMainWindow(const std::string& commandLine);
void CloseMainWindow(HWND wnd);
