#include "helptopic.h"

#include <prsht.h>

namespace {

// The marks are window properties named by atoms made once: a property named by a string takes a
// reference on a global atom each time it is set, and these are never removed (the system drops
// a window's properties with it; what they point to is static or outlives the window).
LPCSTR Prop(const char* name)
{
    return MAKEINTATOM(GlobalAddAtomA(name));
}

LPCSTR TopicProp()
{
    static const LPCSTR prop = Prop("OrvaHelpTopic");
    return prop;
}

LPCSTR SheetProp()
{
    static const LPCSTR prop = Prop("OrvaSheetPages");
    return prop;
}

LPCSTR SheetCountProp()
{
    static const LPCSTR prop = Prop("OrvaSheetPageCount");
    return prop;
}

struct Opening {
    const char* templateName;
    DLGPROC proc;
    LPARAM param;
};

// The first procedure of a dialog: marks it, then hands it, with its own creation parameter, to its
// own procedure for good. Before WM_INITDIALOG a dialog procedure has nothing to do.
INT_PTR CALLBACK OpenMarked(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    if (msg != WM_INITDIALOG)
        return FALSE;
    const auto* opening = reinterpret_cast<const Opening*>(lParam);
    SetPropA(dlg, TopicProp(), const_cast<char*>(opening->templateName));
    SetWindowLongPtrA(dlg, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(opening->proc));
    return opening->proc(dlg, msg, wParam, opening->param);
}

// The template of the page a sheet shows, or null.
const char* ShownPage(HWND sheet)
{
    const auto* names = static_cast<const char* const*>(GetPropA(sheet, SheetProp()));
    const auto count = reinterpret_cast<INT_PTR>(GetPropA(sheet, SheetCountProp()));
    const auto page = reinterpret_cast<WPARAM>(reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)));
    const LRESULT index = page ? SendMessageA(sheet, PSM_HWNDTOINDEX, page, 0) : -1;
    return names && index >= 0 && index < count ? names[index] : nullptr;
}

} // namespace

INT_PTR ModalDialog(HINSTANCE instance, const char* templateName, HWND owner, DLGPROC proc, LPARAM param)
{
    Opening opening{templateName, proc, param};
    return DialogBoxParamA(instance, templateName, owner, OpenMarked, reinterpret_cast<LPARAM>(&opening));
}

void MarkSheetPages(HWND sheet, std::span<const char* const> templateNames)
{
    SetPropA(sheet, SheetProp(), const_cast<char**>(templateNames.data()));
    SetPropA(sheet, SheetCountProp(), reinterpret_cast<HANDLE>(static_cast<INT_PTR>(templateNames.size())));
}

const char* HelpTopicOf(HWND wnd)
{
    // Up through parents, then from a dialog or message box to its owner; a window owns no chain
    // longer than the few dialogs that open one another.
    for (int depth = 0; wnd && depth < 64; ++depth) {
        if (const auto* topic = static_cast<const char*>(GetPropA(wnd, TopicProp())))
            return topic;
        if (GetPropA(wnd, SheetProp()))
            return ShownPage(wnd);
        wnd = (GetWindowLongPtrA(wnd, GWL_STYLE) & WS_CHILD) ? GetParent(wnd) : GetWindow(wnd, GW_OWNER);
    }
    return nullptr;
}

void RequestHelp(HWND dlg)
{
    HELPINFO info{};
    info.cbSize = sizeof info;
    info.iContextType = HELPINFO_WINDOW;
    info.iCtrlId = GetDlgCtrlID(dlg);
    info.hItemHandle = dlg;
    GetCursorPos(&info.MousePos);
    SendMessageA(dlg, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
}
