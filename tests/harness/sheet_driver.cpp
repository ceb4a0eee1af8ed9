#include "sheet_driver.h"

#include <commctrl.h>

HWND ShowSheetPage(HWND sheet, int index)
{
    SendMessageA(sheet, PSM_SETCURSEL, static_cast<WPARAM>(index), 0);
    return CurrentSheetPage(sheet);
}

HWND CurrentSheetPage(HWND sheet)
{
    return reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

void PressSheetButton(HWND sheet, int button)
{
    SendMessageA(sheet, PSM_PRESSBUTTON, static_cast<WPARAM>(button), 0);
}

std::vector<std::string> SheetPageTitles(HWND sheet)
{
    std::vector<std::string> titles;
    const HWND tabs = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
    const int count = static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[64] = "";
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(tabs, TCM_GETITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        titles.emplace_back(text);
    }
    return titles;
}

bool SheetApplyEnabled(HWND sheet)
{
    // The sheet's Apply button has the standard id 0x3021.
    return IsWindowEnabled(GetDlgItem(sheet, 0x3021)) != FALSE;
}

std::string SheetOkText(HWND sheet)
{
    char text[32] = "";
    GetWindowTextA(GetDlgItem(sheet, IDOK), text, sizeof text);
    return text;
}
