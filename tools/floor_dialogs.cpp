// The floor for the dialog benchmark: a bare window program with the same manifest and link
// options as the configurator, which opens empty dialogs and property sheets on menu commands the
// way the configurator opens its own: modally, owned by the main window, from WM_COMMAND.
//   floor_dialogs PROGRAM ID:D:TEMPLATE ... ID:S:TEMPLATE ... ID:S@N:TEMPLATE ...
// Command ID opens an empty copy of PROGRAM's dialog TEMPLATE (D), or a property sheet with one
// empty page the size of PROGRAM's page TEMPLATE (S); S@N makes that page the sheet's page N
// (0-based) of the command's sheet, the pages between being empty copies of its first page, and
// S*N a sheet of N copies of the page. With d and s instead, the dialog or page keeps its controls
// but its procedure does nothing: what the controls alone cost. A control of a class of the
// configurator's own is stood in for by a bare window that paints nothing. After a d dialog's
// template name, ":LISTS" gives its list controls the program's columns and rows (see FillLists).
// A "+" after the letter (ID:D+:TEMPLATE) first asks for a file in the open-file dialog the
// configurator's Compare with Site shows, with its caption and options.
#include "bare_window.h"
#include "empty_dialog.h"

#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>
#include <prsht.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

struct Floor {
    bool sheet = false;
    bool choosesFile = false;
    std::string lists; // the program's lists, to be filled alike (ID:d:NAME:LISTS)
    std::vector<std::vector<DWORD>> pages; // a dialog's template is the first
};

std::map<UINT, Floor> floors;

// Gives each list of the dialog the program's columns ("ID/EXSTYLE/ROWS/W1,W2,...", joined by
// ";") and as many rows of placeholder text: what Wine costs to show the lists as the program
// shows them, which no template can say.
void FillLists(HWND dlg, const std::string& shapes)
{
    for (size_t at = 0; at < shapes.size();) {
        const size_t end = std::min(shapes.find(';', at), shapes.size());
        const std::string shape = shapes.substr(at, end - at);
        at = end + 1;
        int id = 0, rows = 0, used = 0;
        unsigned long ex = 0;
        if (std::sscanf(shape.c_str(), "%d/%lu/%d/%n", &id, &ex, &rows, &used) < 3 || used == 0)
            continue;
        const HWND list = GetDlgItem(dlg, id);
        SendMessageA(list, WM_SETREDRAW, FALSE, 0);
        char title[] = "Column", text[] = "Text";
        int columns = 0;
        for (const char* width = shape.c_str() + used; *width; ++width) {
            LVCOLUMNA column{};
            column.mask = LVCF_TEXT | LVCF_WIDTH;
            column.pszText = title;
            column.cx = std::atoi(width);
            SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(columns++), reinterpret_cast<LPARAM>(&column));
            width = std::strchr(width, ',');
            if (!width)
                break;
        }
        SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, ex, static_cast<LPARAM>(ex));
        SendMessageA(list, LVM_SETITEMCOUNT, static_cast<WPARAM>(rows), 0);
        for (int row = 0; row < rows; ++row) {
            LVITEMA item{};
            item.mask = LVIF_TEXT;
            item.iItem = row;
            item.pszText = text;
            SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
            for (item.iSubItem = 1; item.iSubItem < columns; ++item.iSubItem)
                SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        }
        SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    }
}

INT_PTR CALLBACK EmptyProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM) noexcept
{
    if (msg == WM_INITDIALOG)
        return TRUE;
    if (msg == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dlg, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

// A dialog whose lists are filled as the program's were (the creation parameter is their shapes).
INT_PTR CALLBACK FilledListsProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    if (msg == WM_INITDIALOG && lParam)
        FillLists(dlg, *reinterpret_cast<const std::string*>(lParam));
    return EmptyProc(dlg, msg, wParam, lParam);
}

// Window classes that the templates name but no library of the system registers.
void StandIn(const std::vector<DWORD>& tmpl)
{
    for (const std::string& name : ControlClassNames(tmpl)) {
        WNDCLASSA known{};
        if (GetClassInfoA(GetModuleHandleA(nullptr), name.c_str(), &known) || GetClassInfoA(nullptr, name.c_str(), &known))
            continue;
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = name.c_str();
        RegisterClassA(&wc);
    }
}

// Like the configurator, the common controls are loaded when the first sheet opens.
void ShowEmptySheet(HWND owner, const Floor& floor)
{
    static const HMODULE comctl = LoadLibraryA("comctl32.dll");
    using CreatePage = HPROPSHEETPAGE(WINAPI*)(const PROPSHEETPAGEA*);
    using Sheet = INT_PTR(WINAPI*)(const PROPSHEETHEADERA*);
    const auto createPage = reinterpret_cast<CreatePage>(
        reinterpret_cast<void*>(GetProcAddress(comctl, "CreatePropertySheetPageA")));
    const auto sheet =
        reinterpret_cast<Sheet>(reinterpret_cast<void*>(GetProcAddress(comctl, "PropertySheetA")));
    if (!createPage || !sheet)
        return;
    std::vector<HPROPSHEETPAGE> pages;
    for (const std::vector<DWORD>& tmpl : floor.pages) {
        StandIn(tmpl);
        PROPSHEETPAGEA psp{};
        psp.dwSize = sizeof psp;
        psp.dwFlags = PSP_DLGINDIRECT | PSP_USETITLE;
        psp.hInstance = GetModuleHandleA(nullptr);
        psp.pResource = reinterpret_cast<LPCDLGTEMPLATEA>(tmpl.data());
        psp.pszTitle = "Page";
        psp.pfnDlgProc = EmptyProc;
        if (HPROPSHEETPAGE page = createPage(&psp))
            pages.push_back(page);
    }
    if (pages.empty())
        return;
    PROPSHEETHEADERA psh{};
    psh.dwSize = sizeof psh;
    psh.dwFlags = PSH_USEICONID;
    psh.hwndParent = owner;
    psh.hInstance = GetModuleHandleA(nullptr);
    psh.pszIcon = "OWL";
    psh.pszCaption = "Empty Sheet";
    psh.nPages = static_cast<UINT>(pages.size());
    psh.phpage = pages.data();
    sheet(&psh);
}

// The open-file dialog of Compare with Site, loaded as the configurator loads it; false when cancelled.
bool ChooseSite(HWND owner)
{
    static const HMODULE comdlg = LoadLibraryA("comdlg32.dll");
    using Open = BOOL(WINAPI*)(OPENFILENAMEA*);
    const auto open = reinterpret_cast<Open>(reinterpret_cast<void*>(comdlg ? GetProcAddress(comdlg, "GetOpenFileNameA") : nullptr));
    char file[MAX_PATH] = "", title[MAX_PATH] = "";
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = "System INI Files(*.INI)\0*.ini\0All Files(*.*)\0*.*\0";
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file;
    ofn.nMaxFile = sizeof file;
    ofn.lpstrFileTitle = title;
    ofn.nMaxFileTitle = sizeof title;
    ofn.lpstrTitle = "Site to compare with";
    ofn.lpstrDefExt = "INI";
    ofn.Flags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_FILEMUSTEXIST;
    return open && open(&ofn);
}

// Like the configurator, the list and progress controls are registered when a dialog first needs them.
bool LoadListControls()
{
    static const bool loaded = [] {
        const HMODULE comctl = LoadLibraryA("comctl32.dll");
        using Init = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
        const auto init = reinterpret_cast<Init>(reinterpret_cast<void*>(comctl ? GetProcAddress(comctl, "InitCommonControlsEx") : nullptr));
        const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES | ICC_PROGRESS_CLASS};
        return init && init(&classes);
    }();
    return loaded;
}

LRESULT CALLBACK WndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_COMMAND:
        if (const auto it = floors.find(LOWORD(wParam)); it != floors.end()) {
            if (it->second.choosesFile && !ChooseSite(wnd))
                return 0;
            if (it->second.sheet)
                ShowEmptySheet(wnd, it->second);
            else {
                StandIn(it->second.pages[0]);
                const auto tmpl = reinterpret_cast<LPCDLGTEMPLATEA>(it->second.pages[0].data());
                const auto lists = it->second.lists.empty() ? 0 : reinterpret_cast<LPARAM>(&it->second.lists);
                if (DialogBoxIndirectParamA(GetModuleHandleA(nullptr), tmpl, wnd, FilledListsProc, lists) == -1 &&
                    LoadListControls()) // a template with a list control, the first time
                    DialogBoxIndirectParamA(GetModuleHandleA(nullptr), tmpl, wnd, FilledListsProc, lists);
            }
        }
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(wnd, msg, wParam, lParam);
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
    if (__argc < 2)
        return 2;
    const HMODULE program = LoadLibraryExA(__argv[1], nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!program)
        return 2;
    for (int i = 2; i < __argc; ++i) {
        // ID:K:NAME, ID:K+:NAME, ID:K@N:NAME or ID:K*N:NAME, K one of D S d s; then :LISTS for d
        char* kind = std::strchr(__argv[i], ':');
        char* name = kind ? std::strchr(kind + 1, ':') : nullptr;
        char* lists = name ? std::strchr(name + 1, ':') : nullptr;
        if (lists)
            *lists++ = '\0';
        const bool choosesFile = kind && kind[1] && kind[2] == '+';
        if (!kind || !name || !std::strchr("DSds", kind[1]) || (kind + 2 + choosesFile != name && kind[2] != '@' && kind[2] != '*'))
            return 2;
        const bool controls = kind[1] == 'd' || kind[1] == 's';
        const size_t page = kind[2] == '@' ? static_cast<size_t>(std::atoi(kind + 3)) : 0;
        const size_t copies = kind[2] == '*' ? static_cast<size_t>(std::atoi(kind + 3)) : 1;
        std::vector<DWORD> tmpl = controls ? DialogTemplate(program, name + 1) : EmptyDialogTemplate(program, name + 1);
        if (tmpl.empty() || page > 64 || copies < 1 || copies > 64)
            return 3;
        Floor& floor = floors[static_cast<UINT>(std::atoi(__argv[i]))];
        floor.sheet = kind[1] == 'S' || kind[1] == 's';
        floor.choosesFile = choosesFile;
        if (lists && kind[1] == 'd')
            floor.lists = lists;
        if (floor.pages.size() <= page) {
            const std::vector<DWORD> first = floor.pages.empty() ? tmpl : floor.pages[0];
            floor.pages.resize(page + 1, first);
        }
        floor.pages[page] = std::move(tmpl);
        floor.pages.resize(std::max(floor.pages.size(), copies), floor.pages[0]);
    }
    FreeLibrary(program);

    return RunBareWindow(instance, WndProc, "FloorDialogs", "Floor", showCommand);
}
