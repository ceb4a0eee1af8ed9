#include "comctl.h"

namespace {

// Loaded once and kept for the life of the process.
HMODULE Library()
{
    static const HMODULE module = LoadLibraryA("comctl32.dll");
    return module;
}

template <typename Fn>
Fn Proc(const char* name)
{
    const HMODULE module = Library();
    return module ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)))
                  : nullptr;
}

} // namespace

HPROPSHEETPAGE CcCreatePropertySheetPage(const PROPSHEETPAGEA* page)
{
    using Fn = HPROPSHEETPAGE(WINAPI*)(const PROPSHEETPAGEA*);
    const auto fn = Proc<Fn>("CreatePropertySheetPageA");
    return fn ? fn(page) : nullptr;
}

INT_PTR CcPropertySheet(const PROPSHEETHEADERA* header)
{
    using Fn = INT_PTR(WINAPI*)(const PROPSHEETHEADERA*);
    const auto fn = Proc<Fn>("PropertySheetA");
    return fn ? fn(header) : -1;
}

bool CcInitListViews()
{
    using Fn = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES | ICC_PROGRESS_CLASS};
    const auto fn = Proc<Fn>("InitCommonControlsEx");
    return fn && fn(&classes);
}
