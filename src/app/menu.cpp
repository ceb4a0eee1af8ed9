#include "menu.h"

#include "defines.h"
#include "dlgctl.h"
#include "numtext.h"
#include "profile.h"
#include "resource.h"
#include "unit.h"

#include <string_view>

namespace {

// Menu texts are read into the recorder's 20-byte buffer before they are compared.
constexpr int kMenuTextBuf = 20;

// Position of the item whose text is the given one, or -1.
int FindByText(HMENU menu, std::string_view text)
{
    const int count = GetMenuItemCount(menu);
    for (int pos = 0; pos < count; ++pos) {
        char buf[kMenuTextBuf] = "";
        GetMenuStringA(menu, static_cast<UINT>(pos), buf, kMenuTextBuf, MF_BYPOSITION);
        if (EqualNoCase(buf, text))
            return pos;
    }
    return -1;
}

void DeleteCommands(HMENU menu, std::initializer_list<UINT> ids)
{
    for (UINT id : ids)
        DeleteMenu(menu, id, MF_BYCOMMAND); // an id not in the menu is no error
}

void Rename(HMENU menu, UINT id, const char* text)
{
    ModifyMenuA(menu, id, MF_BYCOMMAND | MF_STRING, id, text);
}

void InsertBefore(HMENU menu, UINT beforeId, UINT id, const char* text)
{
    InsertMenuA(menu, beforeId, MF_BYCOMMAND | MF_STRING, id, text);
}

// The multiplexer port commands live in "&Com Ports", a popup of "&Site Data" with no id.
void DeleteComPorts(HMENU menu)
{
    const int siteData = FindByText(menu, "&Site Data");
    if (siteData < 0)
        return;
    const HMENU popup = GetSubMenu(menu, siteData);
    if (!popup)
        return;
    const int comPorts = FindByText(popup, "&Com Ports");
    if (comPorts >= 0)
        DeleteMenu(popup, static_cast<UINT>(comPorts), MF_BYPOSITION);
}

} // namespace

void SetUpMenu(HWND wnd)
{
    const HMENU menu = GetMenu(wnd);
    if (!menu)
        return;
    const int wendrel = ReadInt(SystemIni(), kSecGlobal, "Wendrel", 0);

    // Wendrel units drive the maker's own multiplexers ("Ovex") from version 11 on, and have no
    // second and third slave.
    if (wendrel > 0) {
        if (QUELT_MajorVersion() >= 11) {
            Rename(menu, IDM_PRIMARY_MUX, "Primary Ovex");
            Rename(menu, IDM_SLAVE_MUX1, "Slave Ovex");
        } else {
            DeleteCommands(menu, {IDM_SLAVE_MUX1});
        }
        DeleteCommands(menu, {IDM_SLAVE_MUX2, IDM_SLAVE_MUX3});
    }
    if (QUELT_MajorVersion() >= 11)
        DeleteCommands(menu, {IDM_ATM_TRANSACTIONS});
    if (QUELT_MajorVersion() < 12)
        DeleteCommands(menu, {IDM_TDI_PORTS});
    else if (IsHaldenUnit())
        DeleteCommands(menu, {IDM_PRIMARY_MUX, IDM_SLAVE_MUX1, IDM_SLAVE_MUX2, IDM_SLAVE_MUX3});
    else
        InsertBefore(menu, IDM_TRANSACTIONS, IDM_TDI_PORTS, "&TDI Ports");

    if (wendrel == 4) {
        InsertBefore(menu, IDM_SCHEDULE, IDM_VIDEO_OUTPUT, "Video &Output");
    } else if (HasS617Card(kMenuTextBuf)) {
        InsertBefore(menu, IDM_SCHEDULE, IDM_VIDEO_OUTPUT, "Video &Output");
        InsertBefore(menu, IDM_VIDEO_OUTPUT, IDM_CAPTIONS, "Captions");
    }

    if (!AdvancedMenuOn()) {
        DeleteCommands(menu, {IDM_IMAGE_SELECTION, IDM_NAME_ASSIGNMENT, IDM_CAMERA_SYSTEM,
                              IDM_TCPIP_CAPTURE, IDM_ACTIVITY_LOG, IDM_STATUS_LOG,
                              IDM_SYSTEM_HEALTH});
        DeleteComPorts(menu);
    } else {
        CheckMenuItem(menu, IDM_ADVANCED, MF_BYCOMMAND | MF_CHECKED);
    }

    if (IsHaldenUnit()) {
        DeleteCommands(menu, {IDM_VIDEO_PARAMS, IDM_CAPTIONS, IDM_VIDEO_OUTPUT});
        DeleteComPorts(menu);
    }
}

void ToggleAdvancedMode(HWND wnd)
{
    const HMENU old = GetMenu(wnd);
    const bool wasOn = old && (GetMenuState(old, IDM_ADVANCED, MF_BYCOMMAND) & MF_CHECKED);
    // The menu is rebuilt from the stored flag, so a write that failed leaves it as it was.
    WriteNow(wnd, [&] { WriteString(kConfigIni, kSecConfig, "Advanced Menu", wasOn ? "0" : "1"); });
    SetMenu(wnd, LoadMenuA(hInst, "ConfigMenu"));
    if (old && IsMenu(old))
        DestroyMenu(old);
    DrawMenuBar(wnd);
    SetUpMenu(wnd);
}
