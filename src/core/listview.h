// Report-style list views (the history and the site check): columns, rows with a number kept
// beside each, and the selected row.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

// The list's columns, added while it does not draw. It draws again at once, or, when fillFollows,
// at the end of the ListRefill the caller fills it with next: laid out once then rather than twice,
// a list with columns wider than itself opens about a millisecond sooner under Wine.
void AddListColumns(HWND list, std::initializer_list<std::pair<const char*, int>> columns, bool fillFollows = false);
inline constexpr bool kFillFollows = true;
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

// How a control of a list dialog follows a change of the dialog's size: each edge moves by its
// share, in percent, of the change in width (left, right) or height (top, bottom). A control not
// named stays where its template puts it.
struct ListAnchor {
    int id;
    int left, top, right, bottom;
};
// Grows with the dialog / keeps to the foot at the right / keeps to the foot, growing to the right.
constexpr ListAnchor Grows(int id) { return {id, 0, 0, 100, 100}; }
constexpr ListAnchor FootRight(int id) { return {id, 100, 100, 100, 100}; }
constexpr ListAnchor Foot(int id) { return {id, 0, 100, 100, 100}; }

// The list dialogs (the history, the site check) are resizable but never smaller than they open,
// and closed by Close or Escape. They open as their templates lay them out, which moves nothing;
// as they are resized their controls follow the anchors. Called first from the dialog procedure:
// on WM_INITDIALOG it notes the sizes and places (and returns false, the dialog goes on with its
// own start); it handles resizing and closing and returns true for them.
bool ListDialogMessage(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam, std::initializer_list<ListAnchor> anchors);
// Opens one modally, or says why it cannot when the list controls cannot be loaded.
void ShowListDialog(HINSTANCE instance, HWND owner, const char* templateName, DLGPROC proc, const char* title);
