// The floor for the dialog benchmark: a bare window program with the same manifest and link
// options as the configurator, which opens empty dialogs and property sheets on menu commands the
// way the configurator opens its own: modally, owned by the main window, from WM_COMMAND.
//   floor_dialogs PROGRAM ID:D:TEMPLATE ... ID:S:TEMPLATE ...
// Command ID opens an empty copy of PROGRAM's dialog TEMPLATE (D), or a property sheet with one
// empty page the size of PROGRAM's page TEMPLATE (S). With d and s instead, the dialog or page
// keeps its controls but its procedure does nothing: what the controls alone cost.
#include "bare_window.h"
#include "empty_dialog.h"

#include <windows.h>

#include <commctrl.h>
#include <prsht.h>

#include <cstdlib>
#include <cstring>
#include <map>
#include <vector>

namespace {

struct Floor {
    bool sheet;
    std::vector<DWORD> tmpl;
};

std::map<UINT, Floor> floors;

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
    PROPSHEETPAGEA psp{};
    psp.dwSize = sizeof psp;
    psp.dwFlags = PSP_DLGINDIRECT | PSP_USETITLE;
    psp.hInstance = GetModuleHandleA(nullptr);
    psp.pResource = reinterpret_cast<LPCDLGTEMPLATEA>(floor.tmpl.data());
    psp.pszTitle = "Page 1";
    psp.pfnDlgProc = EmptyProc;
    HPROPSHEETPAGE page = createPage(&psp);
    if (!page)
        return;
    PROPSHEETHEADERA psh{};
    psh.dwSize = sizeof psh;
    psh.dwFlags = PSH_USEICONID;
    psh.hwndParent = owner;
    psh.hInstance = GetModuleHandleA(nullptr);
    psh.pszIcon = "OWL";
    psh.pszCaption = "Empty Sheet";
    psh.nPages = 1;
    psh.phpage = &page;
    sheet(&psh);
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
            if (it->second.sheet)
                ShowEmptySheet(wnd, it->second);
            else if (DialogBoxIndirectParamA(GetModuleHandleA(nullptr), reinterpret_cast<LPCDLGTEMPLATEA>(it->second.tmpl.data()), wnd,
                                             EmptyProc, 0) == -1 &&
                     LoadListControls()) // a template with a list control, the first time
                DialogBoxIndirectParamA(GetModuleHandleA(nullptr), reinterpret_cast<LPCDLGTEMPLATEA>(it->second.tmpl.data()), wnd,
                                        EmptyProc, 0);
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
        // ID:D:NAME or ID:S:NAME
        char* kind = std::strchr(__argv[i], ':');
        if (!kind || !std::strchr("DSds", kind[1]) || kind[2] != ':')
            return 2;
        const bool controls = kind[1] == 'd' || kind[1] == 's';
        Floor floor{kind[1] == 'S' || kind[1] == 's',
                    controls ? DialogTemplate(program, kind + 3) : EmptyDialogTemplate(program, kind + 3)};
        if (floor.tmpl.empty())
            return 3;
        floors[static_cast<UINT>(std::atoi(__argv[i]))] = std::move(floor);
    }
    FreeLibrary(program);

    return RunBareWindow(instance, WndProc, "FloorDialogs", "Floor", showCommand);
}
