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
// The number kept with the selected row, or -1 when none is selected.
LPARAM SelectedListData(HWND list);
void SelectListRow(HWND list, int row);
