// Help: the technician's guide that comes with the program (docs\guide\index.html beside it),
// opened with the system's program for web pages, at the section of the dialog in front.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// One section of the guide: its anchor and heading, the menu commands it tells about and the
// dialog templates (and sheet pages) F1 opens it from.
struct HelpTopic {
    const char* anchor;
    const char* title;
    std::vector<UINT> commands;
    std::vector<const char*> templates;
};

// The F1 table: every menu command and every dialog template has a section.
const std::vector<HelpTopic>& HelpTopics();
const HelpTopic* TopicOfCommand(UINT command);
const HelpTopic* TopicOfTemplate(const char* templateName); // names compare without regard to case

// Where the guide is: the docs\guide folder beside the program.
std::string GuidePath();

// Help > Help Topics: Windows help on "Bank ORVA Help.HLP" when that file lies beside the program
// (as the recorder's own installations had it); otherwise the guide, from its top.
void ShowHelpTopics(HWND wnd);

// WM_HELP that reached the main window (F1, or a sheet's "?"): the guide at the section of the
// dialog or page that asked, of the highlighted menu command, or of the command being carried
// out (its file dialog, say); at its top from the main window itself.
void ShowHelp(HWND wnd, const HELPINFO& info, UINT runningCommand);

// Opens the guide at a section (its top when anchor is empty), telling the user where the guide
// is when nothing here opens web pages.
void OpenGuide(HWND owner, const HelpTopic* topic);
