#include "listview.h"

#include "comctl.h"
#include "dlgctl.h"
#include "helptopic.h"

#include <commctrl.h>

void AddListColumns(HWND list, std::initializer_list<std::pair<const char*, int>> columns, bool fillFollows)
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
    if (!fillFollows)
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

// What a list dialog noted as it opened: its smallest size, and where its anchored controls were.
struct ListLayout {
    POINT smallest;
    SIZE client;
    std::vector<std::pair<ListAnchor, RECT>> placed;
};
constexpr char kListLayout[] = "OrvaListLayout";

ListLayout* LayoutOf(HWND dlg) { return static_cast<ListLayout*>(GetPropA(dlg, kListLayout)); }

void Follow(HWND dlg, const ListLayout& layout, int width, int height)
{
    const int dx = width - layout.client.cx, dy = height - layout.client.cy;
    HDWP moves = BeginDeferWindowPos(static_cast<int>(layout.placed.size()));
    for (const auto& [anchor, r] : layout.placed) {
        const int left = r.left + dx * anchor.left / 100, top = r.top + dy * anchor.top / 100;
        const int right = r.right + dx * anchor.right / 100, bottom = r.bottom + dy * anchor.bottom / 100;
        if (moves)
            moves = DeferWindowPos(moves, Item(dlg, anchor.id), nullptr, left, top, right - left, bottom - top,
                                   SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (moves)
        EndDeferWindowPos(moves);
    InvalidateRect(dlg, nullptr, TRUE);
}

} // namespace

bool ListDialogMessage(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam, std::initializer_list<ListAnchor> anchors)
{
    switch (msg) {
    case WM_INITDIALOG: {
        auto* layout = new ListLayout{};
        RECT r;
        GetWindowRect(dlg, &r);
        layout->smallest = {r.right - r.left, r.bottom - r.top};
        GetClientRect(dlg, &r);
        layout->client = {r.right, r.bottom};
        for (const ListAnchor& anchor : anchors) {
            GetWindowRect(Item(dlg, anchor.id), &r);
            MapWindowPoints(nullptr, dlg, reinterpret_cast<POINT*>(&r), 2);
            layout->placed.emplace_back(anchor, r);
        }
        SetPropA(dlg, kListLayout, layout);
        return false;
    }
    case WM_GETMINMAXINFO:
        if (const ListLayout* layout = LayoutOf(dlg))
            reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = layout->smallest;
        return true;
    case WM_SIZE:
        if (const ListLayout* layout = LayoutOf(dlg); layout && wParam != SIZE_MINIMIZED)
            Follow(dlg, *layout, LOWORD(lParam), HIWORD(lParam));
        return true;
    case WM_COMMAND:
        if (LOWORD(wParam) != IDCANCEL)
            return false;
        EndDialog(dlg, 1);
        return true;
    case WM_DESTROY:
        delete static_cast<ListLayout*>(RemovePropA(dlg, kListLayout));
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
