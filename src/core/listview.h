// Report-style list views (the history and the site check): columns, rows with a number kept
// beside each, and the selected row.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

void AddListColumns(HWND list, std::initializer_list<std::pair<const char*, int>> columns);
void AddListRow(HWND list, LPARAM data, const std::vector<std::string>& cells);

// Refilling a list, for as long as it lives: the list is emptied, and drawn once when the rows
// are in. Drawn row by row, a thousand rows take seconds under Wine.
class ListRefill {
public:
    ListRefill(HWND list, size_t rows);
    ~ListRefill();
    ListRefill(const ListRefill&) = delete;
    ListRefill& operator=(const ListRefill&) = delete;

private:
    HWND list;
};
int ListRowCount(HWND list);
// The number kept with a row, and with the selected row (-1 when none is selected).
LPARAM ListRowData(HWND list, int row);
LPARAM SelectedListData(HWND list);
void SelectListRow(HWND list, int row);
// The check box of a row, in a list with LVS_EX_CHECKBOXES.
bool IsListRowChecked(HWND list, int row);
void CheckListRow(HWND list, int row, bool checked);

// The list dialogs (the history, the site check) are resizable but never smaller than they open,
// laid out again as they are resized, and closed by Close or Escape. Called first from the dialog
// procedure: on WM_INITDIALOG it notes the size and lays out (and returns false, the dialog goes
// on with its own start); it handles resizing and closing and returns true for them.
bool ListDialogMessage(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam, void (*layout)(HWND));
// Opens one modally, or says why it cannot when the list controls cannot be loaded.
void ShowListDialog(HINSTANCE instance, HWND owner, const char* templateName, DLGPROC proc, const char* title);
// The usual list dialog's layout: the list from the top margin down to the buttons, which keep to
// the foot at the right (button then Close), a summary text at the foot on the left.
void LayoutListDialog(HWND dlg, int listId, int buttonId, int summaryId);
