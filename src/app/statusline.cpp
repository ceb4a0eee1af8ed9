#include "statusline.h"

#include "defines.h"
#include "site.h"

#include <string>

namespace {

std::string SiteText()
{
    return (AtLocalSite() ? "Editing the local site (this recorder): " : "Editing a remote site: ") + IniFile;
}

} // namespace

// A plain sunken text line rather than a common-controls status bar: it needs nothing loaded at
// start-up, and the program shows one text at a time.
void CreateStatusLine(HWND main)
{
    hStatusWnd = CreateWindowA("STATIC", SiteText().c_str(),
                               WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_SUNKEN | SS_CENTERIMAGE | SS_PATHELLIPSIS, 0, 0, 0,
                               0, main, nullptr, hInst, nullptr);
    SendMessageA(hStatusWnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    RECT client{};
    GetClientRect(main, &client);
    PlaceStatusLine(client.right, client.bottom);
}

void PlaceStatusLine(int clientWidth, int clientHeight)
{
    if (!hStatusWnd)
        return;
    TEXTMETRICA metrics{};
    if (const HDC dc = GetDC(hStatusWnd)) {
        const HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
        GetTextMetricsA(dc, &metrics);
        SelectObject(dc, old);
        ReleaseDC(hStatusWnd, dc);
    }
    const int height = metrics.tmHeight + 8;
    MoveWindow(hStatusWnd, 0, clientHeight - height, clientWidth, height, TRUE);
}

// The help text is the string of the item's command id; a submenu or separator has none. When
// the menu closes the site shows again.
void ShowMenuHelp(WPARAM wParam, LPARAM lParam)
{
    if (!hStatusWnd)
        return;
    const UINT flags = HIWORD(wParam);
    if (flags == 0xFFFF && !lParam) {
        SetWindowTextA(hStatusWnd, SiteText().c_str());
        return;
    }
    char text[256] = "";
    if (!(flags & (MF_POPUP | MF_SEPARATOR)))
        LoadStringA(hInst, LOWORD(wParam), text, sizeof text);
    SetWindowTextA(hStatusWnd, text);
}
