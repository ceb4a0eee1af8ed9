#include "propsheet.h"

#include "comctl.h"
#include "dlgctl.h"
#include "helptopic.h"

#include <prsht.h>

#include <utility>
#include <vector>

namespace {

// No sheet of the program has more pages: 32 cameras.
constexpr LRESULT kMaxSheetPages = 32;

// The templates of the pages of the sheet being created, for help on the page it shows.
std::span<const char* const> creatingPages;

int CALLBACK SheetCreated(HWND sheet, UINT msg, LPARAM) noexcept
{
    if (msg == PSCB_INITIALIZED)
        MarkSheetPages(sheet, creatingPages);
    return 0;
}

} // namespace

INT_PTR ShowPropertySheet(HINSTANCE instance, HWND parent, const char* caption,
                          std::span<const SheetPage> pages, size_t startPage)
{
    std::vector<HPROPSHEETPAGE> handles;
    std::vector<const char*> templates;
    handles.reserve(pages.size());
    for (const SheetPage& page : pages) {
        PROPSHEETPAGEA psp{};
        psp.dwSize = sizeof psp;
        psp.dwFlags = PSP_USETITLE;
        psp.hInstance = instance;
        psp.pszTemplate = page.templateName;
        psp.pszTitle = page.title.c_str();
        psp.pfnDlgProc = page.proc;
        if (const HPROPSHEETPAGE handle = CcCreatePropertySheetPage(&psp)) {
            handles.push_back(handle);
            templates.push_back(page.templateName);
        }
    }
    if (handles.empty())
        return -1;

    PROPSHEETHEADERA psh{};
    psh.dwSize = sizeof psh;
    psh.dwFlags = PSH_USEICONID | PSH_USECALLBACK;
    psh.pfnCallback = SheetCreated;
    psh.hwndParent = parent;
    psh.hInstance = instance;
    psh.pszIcon = "OWL";
    psh.pszCaption = caption;
    psh.nPages = static_cast<UINT>(handles.size());
    psh.nStartPage = startPage < handles.size() ? static_cast<UINT>(startPage) : 0;
    psh.phpage = handles.data();
    const auto outer = std::exchange(creatingPages, templates);
    const INT_PTR result = CcPropertySheet(&psh);
    creatingPages = outer;
    return result;
}

void NotifyChanged(HWND page)
{
    SendMessageA(GetParent(page), PSM_CHANGED, reinterpret_cast<WPARAM>(page), 0);
}

bool FirstOpenedPage(HWND page)
{
    const HWND sheet = GetParent(page);
    const LRESULT index = SendMessageA(sheet, PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(page), 0);
    for (LRESULT earlier = 0; earlier < index; ++earlier)
        if (SendMessageA(sheet, PSM_INDEXTOHWND, static_cast<WPARAM>(earlier), 0))
            return false;
    return true;
}

bool LastOpenedPage(HWND page)
{
    const HWND sheet = GetParent(page);
    const LRESULT index = SendMessageA(sheet, PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(page), 0);
    for (LRESULT later = index + 1; later < kMaxSheetPages; ++later)
        if (SendMessageA(sheet, PSM_INDEXTOHWND, static_cast<WPARAM>(later), 0))
            return false;
    return true;
}

void FinishApply(HWND page, bool saved)
{
    if (!saved) {
        DropWrites();
        SetWindowLongPtrA(page, DWLP_MSGRESULT, PSNRET_INVALID);
        return;
    }
    SetWindowLongPtrA(page, DWLP_MSGRESULT, PSNRET_NOERROR);
    if (!LastOpenedPage(page))
        return;
    CommitWrites();
    if (ReportFailedWrite(page)) {
        SetWindowLongPtrA(page, DWLP_MSGRESULT, PSNRET_INVALID);
        return;
    }
    const HWND sheet = GetParent(page);
    SendMessageA(sheet, PSM_CANCELTOCLOSE, 0, 0);
    for (LRESULT index = 0; index < kMaxSheetPages; ++index)
        if (const auto opened = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_INDEXTOHWND, static_cast<WPARAM>(index), 0)))
            SendMessageA(sheet, PSM_UNCHANGED, reinterpret_cast<WPARAM>(opened), 0);
}
