#include "listview.h"

#include "comctl.h"
#include "helptopic.h"

#include <commctrl.h>

void AddListColumns(HWND list, std::initializer_list<std::pair<const char*, int>> columns)
{
    // Drawn once, when all are in: under Wine a column added to a list that draws costs a fifth of
    // a millisecond, and the overview has eleven.
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    int index = 0;
    for (const auto& [title, width] : columns) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = const_cast<char*>(title);
        column.cx = width;
        SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(index++), reinterpret_cast<LPARAM>(&column));
    }
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
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

ListRefill::ListRefill(HWND list, size_t rows) : list(list)
{
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    SendMessageA(list, LVM_SETITEMCOUNT, rows, 0);
}

ListRefill::~ListRefill()
{
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

int ListRowCount(HWND list) { return static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)); }

LPARAM ListRowData(HWND list, int row)
{
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return item.lParam;
}

LPARAM SelectedListData(HWND list)
{
    const auto row = static_cast<int>(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    return row < 0 ? -1 : ListRowData(list, row);
}

void SelectListRow(HWND list, int row)
{
    LVITEMA select{};
    select.stateMask = select.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&select));
}

// The state image is the check box: 1 unchecked, 2 checked.
bool IsListRowChecked(HWND list, int row)
{
    return (SendMessageA(list, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK) >> 12) == 2;
}

void CheckListRow(HWND list, int row, bool checked)
{
    LVITEMA state{};
    state.stateMask = LVIS_STATEIMAGEMASK;
    state.state = INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
    SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
}

namespace {

constexpr char kSmallestWidth[] = "OrvaSmallestWidth";
constexpr char kSmallestHeight[] = "OrvaSmallestHeight";

} // namespace

bool ListDialogMessage(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam, void (*layout)(HWND))
{
    switch (msg) {
    case WM_INITDIALOG: {
        RECT r;
        GetWindowRect(dlg, &r);
        SetPropA(dlg, kSmallestWidth, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(r.right - r.left)));
        SetPropA(dlg, kSmallestHeight, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(r.bottom - r.top)));
        layout(dlg);
        return false;
    }
    case WM_GETMINMAXINFO:
        if (GetPropA(dlg, kSmallestWidth))
            reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {static_cast<LONG>(reinterpret_cast<INT_PTR>(GetPropA(dlg, kSmallestWidth))),
                                                                     static_cast<LONG>(reinterpret_cast<INT_PTR>(GetPropA(dlg, kSmallestHeight)))};
        return true;
    case WM_SIZE:
        layout(dlg);
        return true;
    case WM_COMMAND:
        if (LOWORD(wParam) != IDCANCEL)
            return false;
        EndDialog(dlg, 1);
        return true;
    case WM_DESTROY:
        RemovePropA(dlg, kSmallestWidth);
        RemovePropA(dlg, kSmallestHeight);
        return false;
    default:
        return false;
    }
}

void ShowListDialog(HINSTANCE instance, HWND owner, const char* templateName, DLGPROC proc, const char* title)
{
    if (!CcInitListViews()) {
        MessageBoxA(owner, "The list controls of Windows cannot be loaded, so this list cannot be shown.", title, MB_OK | MB_ICONSTOP);
        return;
    }
    ModalDialog(instance, templateName, owner, proc, 0);
}

void LayoutListDialog(HWND dlg, int listId, int buttonId, int summaryId)
{
    RECT unit{7, 18, 14, 14};
    MapDialogRect(dlg, &unit); // margin, top of the list, button height
    RECT client;
    GetClientRect(dlg, &client);
    const int margin = unit.left, top = unit.top, button = unit.bottom;
    const int foot = client.bottom - margin - button;
    MoveWindow(GetDlgItem(dlg, listId), margin, top, client.right - 2 * margin, foot - margin / 2 - top, TRUE);
    RECT r;
    GetWindowRect(GetDlgItem(dlg, IDCANCEL), &r);
    const int width = r.right - r.left;
    MoveWindow(GetDlgItem(dlg, IDCANCEL), client.right - margin - width, foot, width, button, TRUE);
    MoveWindow(GetDlgItem(dlg, buttonId), client.right - 2 * margin - 2 * width + margin / 2, foot, width, button, TRUE);
    MoveWindow(GetDlgItem(dlg, summaryId), margin, foot + 3, client.right / 2, button - 3, TRUE);
    InvalidateRect(dlg, nullptr, TRUE);
}
