#include "listview.h"

#include <commctrl.h>

void AddListColumns(HWND list, std::initializer_list<std::pair<const char*, int>> columns)
{
    int index = 0;
    for (const auto& [title, width] : columns) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = const_cast<char*>(title);
        column.cx = width;
        SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(index++), reinterpret_cast<LPARAM>(&column));
    }
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
}

void AddListRow(HWND list, LPARAM data, const std::vector<std::string>& cells)
{
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    item.pszText = const_cast<char*>(cells[0].c_str());
    item.lParam = data;
    const auto row = static_cast<int>(SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    for (size_t i = 1; i < cells.size(); ++i) {
        LVITEMA sub{};
        sub.iSubItem = static_cast<int>(i);
        sub.pszText = const_cast<char*>(cells[i].c_str());
        SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&sub));
    }
}

LPARAM SelectedListData(HWND list)
{
    const auto row = static_cast<int>(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    if (row < 0)
        return -1;
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return item.lParam;
}

void SelectListRow(HWND list, int row)
{
    LVITEMA select{};
    select.stateMask = select.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&select));
}
