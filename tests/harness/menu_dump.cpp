#include "menu_dump.h"

#include <vector>

namespace {

void DumpLevel(HMENU menu, int depth, std::string& out)
{
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        char text[256] = "";
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = sizeof text;
        GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
        std::string line(static_cast<size_t>(depth) * 2, ' ');
        if (info.fType & MFT_SEPARATOR) {
            line += "---";
        } else {
            line += text;
            if (!info.hSubMenu)
                line += " " + std::to_string(info.wID);
        }
        if (info.fState & MFS_CHECKED)
            line += " [checked]";
        if (info.fType & MFT_RIGHTJUSTIFY)
            line += " [right]";
        out += line + "\n";
        if (info.hSubMenu)
            DumpLevel(info.hSubMenu, depth + 1, out);
    }
}

} // namespace

std::string DumpMenu(HMENU menu)
{
    std::string out;
    if (menu)
        DumpLevel(menu, 0, out);
    return out;
}
