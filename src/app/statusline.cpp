#include "statusline.h"

#include "defines.h"
#include "site.h"

#include <string>

namespace {

std::string SiteText()
{
    return (AtLocalSite() ? "Editing the local site (this recorder): " : "Editing a remote site: ") + IniFile;
}

// The line paints itself: a STATIC would be the common controls' own under the program's
// manifest, and making the first one loads their library, a tenth of the time the main window
// takes to appear. The text is the window's, so that it is set and read as a STATIC's.
LRESULT CALLBACK StatusLineProc(HWND line, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    switch (msg) {
    case WM_SETTEXT: {
        const LRESULT result = DefWindowProcA(line, msg, wParam, lParam);
        InvalidateRect(line, nullptr, FALSE);
        return result;
    }
    case WM_ERASEBKGND:
        return 1; // painted whole below, without a flash of the background first
    case WM_PAINT: {
        PAINTSTRUCT ps;
        const HDC dc = BeginPaint(line, &ps);
        RECT r;
        GetClientRect(line, &r);
        FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
        DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
        char text[1024] = "";
        GetWindowTextA(line, text, sizeof text);
        const HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        InflateRect(&r, -3, 0);
        DrawTextA(dc, text, -1, &r, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_PATH_ELLIPSIS);
        SelectObject(dc, old);
        EndPaint(line, &ps);
        return 0;
    }
    default:
        return DefWindowProcA(line, msg, wParam, lParam);
    }
}

constexpr char kStatusLineClass[] = "OrvaStatusLine";

} // namespace

void CreateStatusLine(HWND main)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = StatusLineProc;
    wc.hInstance = hInst;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.lpszClassName = kStatusLineClass;
    RegisterClassA(&wc); // fails harmlessly when a second main window registered it already
    hStatusWnd = CreateWindowA(kStatusLineClass, SiteText().c_str(), WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, main, nullptr, hInst, nullptr);
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
