// Which dialog a technician is looking at when asking for help: every dialog is marked with the
// name of its template when it opens, and every property sheet with the templates of its pages,
// so that F1 (and the "?" of a sheet, and a dialog's Help button) can open the guide at the
// section of that dialog or page. F1 reaches the main window as WM_HELP: the system hands it from
// a control to its parent and from a dialog to its owner.
#pragma once

#include <windows.h>

#include <span>

// DialogBoxParamA, with the dialog marked with its template's name.
INT_PTR ModalDialog(HINSTANCE instance, const char* templateName, HWND owner, DLGPROC proc, LPARAM param = 0);

// Marks a property sheet with the templates of its pages, in page order; the names must outlive
// the sheet.
void MarkSheetPages(HWND sheet, std::span<const char* const> templateNames);

// The template of the dialog or sheet page that holds wnd: wnd's own, or its parent's or owner's
// (a message box's dialog, a sheet's page); for a sheet, the page it shows. Null for a window no
// dialog holds (the main window).
const char* HelpTopicOf(HWND wnd);

// Help asked for from a dialog's own Help button: as F1 on the dialog.
void RequestHelp(HWND dlg);
