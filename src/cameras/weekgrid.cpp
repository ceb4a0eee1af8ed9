#include "weekgrid.h"

#include "schedule.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>

namespace {

constexpr int kDays = 7, kHours = 24;

// Where the parts of the grid are, in pixels of the control; worked out from the dialog's font
// whenever the font or the size changes.
struct Layout {
    int pad = 2;                     // room beside a text
    int bandTop = 0, numberTop = 0;  // the AM / PM band and the hour numbers above the cells
    int textHeight = 0;
    int left = 0, top = 0;           // the first cell's corner
    int cellWidth = 1, cellHeight = 1;
};

enum class Press { None, Cells, Rows, Columns };

struct Grid {
    WeekHours* hours = nullptr;
    HFONT font = nullptr;
    Layout layout;
    WeekCell focus;
    std::optional<WeekCell> anchor; // the keyboard rectangle's other corner, while Shift extends it
    std::optional<WeekCell> hot;    // under the pointer
    bool tracking = false;          // asked to be told when the pointer leaves
    // A drag: what the hours were before it, the cell or heading pressed, and the value it paints.
    Press press = Press::None;
    WeekHours before{};
    WeekCell pressed, reached;
    bool value = false;
    // The picture of the grid, drawn again only when something in it changed.
    HBITMAP bitmap = nullptr;
    SIZE bitmapSize{};
    bool dirty = true;
    bool shown = false; // drawn on the window once
};

Grid* GridOf(HWND wnd) { return reinterpret_cast<Grid*>(GetWindowLongPtrA(wnd, 0)); }

void Notify(HWND wnd, WORD code)
{
    SendMessageA(GetParent(wnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(wnd), code), reinterpret_cast<LPARAM>(wnd));
}

void Redraw(HWND wnd, Grid& grid)
{
    grid.dirty = true;
    InvalidateRect(wnd, nullptr, FALSE);
}

HFONT FontOf(const Grid& grid)
{
    return grid.font ? grid.font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

// The hour's heading, in the day pages' 12-hour words without the AM or PM that the band above
// gives: "12", "1" ... "11".
std::string HourNumber(int hour) { return std::to_string(hour % 12 == 0 ? 12 : hour % 12); }

// Margins in dialog units, so that the grid keeps its proportions with any dialog font.
void Relayout(HWND wnd, Grid& grid)
{
    RECT dlu{2, 1, 0, 0};
    if (!MapDialogRect(GetParent(wnd), &dlu)) {
        const LONG base = GetDialogBaseUnits();
        dlu = {2 * LOWORD(base) / 4, HIWORD(base) / 8, 0, 0};
    }
    Layout& l = grid.layout;
    l.pad = std::max<int>(1, dlu.left);
    const HDC dc = GetDC(wnd);
    const HGDIOBJ old = SelectObject(dc, FontOf(grid));
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    int dayWidth = 0;
    for (int day = 1; day <= kDays; ++day) {
        SIZE size{};
        GetTextExtentPoint32A(dc, DayName[static_cast<size_t>(day)], static_cast<int>(std::strlen(DayName[static_cast<size_t>(day)])), &size);
        dayWidth = std::max<int>(dayWidth, size.cx);
    }
    SelectObject(dc, old);
    ReleaseDC(wnd, dc);

    RECT rc{};
    GetClientRect(wnd, &rc);
    l.textHeight = tm.tmHeight;
    const int rowGap = std::max<int>(1, dlu.top);
    const int headings = 2 * (l.textHeight + rowGap);
    dayWidth += 2 * l.pad;
    // The last pixel column and row hold the closing grid lines; what is left over goes to the
    // day names and the headings.
    l.cellWidth = std::max<int>(1, (rc.right - 1 - dayWidth) / kHours);
    l.cellHeight = std::max<int>(1, (rc.bottom - 1 - headings) / kDays);
    l.left = rc.right - 1 - kHours * l.cellWidth;
    l.top = rc.bottom - 1 - kDays * l.cellHeight;
    l.numberTop = l.top - l.textHeight - rowGap;
    l.bandTop = l.numberTop - l.textHeight;
    grid.dirty = true;
}

RECT CellRect(const Layout& l, int day, int hour)
{
    const int x = l.left + hour * l.cellWidth, y = l.top + day * l.cellHeight;
    return {x, y, x + l.cellWidth + 1, y + l.cellHeight + 1};
}

// The rectangle of cells between two corners, as first and last day and hour.
struct Span {
    int day0, day1, hour0, hour1;
    bool Holds(int day, int hour) const { return day >= day0 && day <= day1 && hour >= hour0 && hour <= hour1; }
    bool operator==(const Span&) const = default;
};

Span Between(WeekCell a, WeekCell b)
{
    return {std::min(a.day, b.day), std::max(a.day, b.day), std::min(a.hour, b.hour), std::max(a.hour, b.hour)};
}

// A heading in the middle of its box's height, centred or from its left, cut at the box's edges.
// Drawn as one line of plain text: a heading needs none of DrawText's formatting, which costs time.
void Text(HDC dc, const Layout& l, const std::string& text, const RECT& rc, bool centred)
{
    SetTextAlign(dc, centred ? TA_CENTER | TA_TOP : TA_LEFT | TA_TOP);
    ExtTextOutA(dc, centred ? (rc.left + rc.right) / 2 : rc.left, rc.top + (rc.bottom - rc.top - l.textHeight) / 2, ETO_CLIPPED, &rc,
                text.c_str(), static_cast<UINT>(text.size()), nullptr);
}

void Fill(HDC dc, RECT rc, int color) { FillRect(dc, &rc, GetSysColorBrush(color)); }

// The whole picture: headings on the page's own background, OFF cells in the window colour, ON
// cells filled in the selection colour and marked with a square, so that they read apart in
// black and white and in high contrast too.
void Render(HWND wnd, Grid& grid, HDC dc, const RECT& client)
{
    const Layout& l = grid.layout;
    // The page's background, as a static text on it would be drawn (a themed page's texture too).
    const auto background = reinterpret_cast<HBRUSH>(
        SendMessageA(GetParent(wnd), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(wnd)));
    FillRect(dc, &client, background ? background : GetSysColorBrush(COLOR_BTNFACE));
    const HGDIOBJ oldFont = SelectObject(dc, FontOf(grid));
    const UINT oldAlign = GetTextAlign(dc);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(IsWindowEnabled(wnd) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));

    const int right = l.left + kHours * l.cellWidth, bottom = l.top + kDays * l.cellHeight;
    for (int half = 0; half < 2; ++half)
        Text(dc, l, half ? "PM" : "AM", {l.left + half * 12 * l.cellWidth, l.bandTop, l.left + (half + 1) * 12 * l.cellWidth, l.numberTop}, true);
    for (int hour = 0; hour < kHours; ++hour)
        Text(dc, l, HourNumber(hour), {l.left + hour * l.cellWidth, l.numberTop, l.left + (hour + 1) * l.cellWidth + 1, l.top}, true);
    for (int day = 0; day < kDays; ++day)
        Text(dc, l, DayName[static_cast<size_t>(day) + 1], {l.pad, l.top + day * l.cellHeight, l.left - l.pad, l.top + (day + 1) * l.cellHeight}, false);

    // Grid lines are what the cells leave of a shadow-coloured ground; noon is marked in the text colour.
    Fill(dc, {l.left, l.top, right + 1, bottom + 1}, COLOR_BTNSHADOW);
    Fill(dc, {l.left + 12 * l.cellWidth, l.bandTop, l.left + 12 * l.cellWidth + 1, bottom + 1}, COLOR_WINDOWTEXT);
    const int mark = std::max(2, std::min(l.cellWidth, l.cellHeight) / 3);
    for (int day = 0; day < kDays; ++day)
        for (int hour = 0; hour < kHours; ++hour) {
            RECT cell = CellRect(l, day, hour);
            InflateRect(&cell, -1, -1);
            const bool on = grid.hours && (*grid.hours)[static_cast<size_t>(day)][static_cast<size_t>(hour)];
            Fill(dc, cell, on ? COLOR_HIGHLIGHT : COLOR_WINDOW);
            if (on) {
                const int cx = (cell.left + cell.right) / 2, cy = (cell.top + cell.bottom) / 2;
                Fill(dc, {cx - mark / 2, cy - mark / 2, cx - mark / 2 + mark, cy - mark / 2 + mark}, COLOR_HIGHLIGHTTEXT);
            }
        }

    // The rectangle Shift and the arrows have drawn out, framed in the text colour.
    if (grid.anchor && *grid.anchor != grid.focus) {
        const Span s = Between(*grid.anchor, grid.focus);
        RECT frame{CellRect(l, s.day0, s.hour0).left, CellRect(l, s.day0, s.hour0).top, CellRect(l, s.day1, s.hour1).right,
                   CellRect(l, s.day1, s.hour1).bottom};
        for (int i = 0; i < 2; ++i) {
            FrameRect(dc, &frame, GetSysColorBrush(COLOR_WINDOWTEXT));
            InflateRect(&frame, -1, -1);
        }
    }
    const auto ui = static_cast<UINT>(SendMessageA(wnd, WM_QUERYUISTATE, 0, 0));
    if (GetFocus() == wnd && !(ui & UISF_HIDEFOCUS)) {
        RECT focus = CellRect(l, grid.focus.day, grid.focus.hour);
        InflateRect(&focus, -2, -2);
        DrawFocusRect(dc, &focus);
    }
    SelectObject(dc, oldFont);
    SetTextAlign(dc, oldAlign);
}

// The picture, drawn again only when something in it changed, into a bitmap compatible with dc.
HBITMAP Picture(HWND wnd, Grid& grid, HDC dc)
{
    RECT client{};
    GetClientRect(wnd, &client);
    if (!grid.bitmap || grid.bitmapSize.cx != client.right || grid.bitmapSize.cy != client.bottom) {
        if (grid.bitmap)
            DeleteObject(grid.bitmap);
        grid.bitmap = CreateCompatibleBitmap(dc, std::max<LONG>(1, client.right), std::max<LONG>(1, client.bottom));
        grid.bitmapSize = {client.right, client.bottom};
        grid.dirty = true;
    }
    if (grid.dirty) {
        const HDC mem = CreateCompatibleDC(dc);
        const HGDIOBJ old = SelectObject(mem, grid.bitmap);
        Render(wnd, grid, mem, client);
        SelectObject(mem, old);
        DeleteDC(mem);
        grid.dirty = false;
    }
    return grid.bitmap;
}

void Blit(HWND wnd, Grid& grid, HDC dc, const RECT& part)
{
    const HDC mem = CreateCompatibleDC(dc);
    const HGDIOBJ old = SelectObject(mem, Picture(wnd, grid, dc));
    BitBlt(dc, part.left, part.top, part.right - part.left, part.bottom - part.top, mem, part.left, part.top, SRCCOPY);
    SelectObject(mem, old);
    DeleteDC(mem);
}

// The first picture is drawn straight onto the window, which shows nothing yet that could
// flicker; later ones come from the kept picture.
void Paint(HWND wnd, Grid& grid)
{
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(wnd, &ps);
    if (grid.shown) {
        Blit(wnd, grid, dc, ps.rcPaint);
    } else {
        RECT client{};
        GetClientRect(wnd, &client);
        Render(wnd, grid, dc, client);
        grid.shown = true;
    }
    EndPaint(wnd, &ps);
}

// What is at a point: a cell, a day's name, an hour's heading, or nothing (the corner, outside).
// While dragging every point is taken to the nearest cell.
struct Hit {
    Press part = Press::None;
    WeekCell cell;
};

Hit HitTest(const Layout& l, POINT pt, bool nearest)
{
    const int hour = (pt.x - l.left) / l.cellWidth, day = (pt.y - l.top) / l.cellHeight;
    const WeekCell cell{std::clamp(pt.y < l.top ? 0 : day, 0, kDays - 1), std::clamp(pt.x < l.left ? 0 : hour, 0, kHours - 1)};
    if (nearest)
        return {Press::Cells, cell};
    const bool inColumns = pt.x >= l.left && hour < kHours, inRows = pt.y >= l.top && day < kDays;
    if (inColumns && inRows)
        return {Press::Cells, cell};
    if (inRows && pt.x >= 0 && pt.x < l.left)
        return {Press::Rows, {cell.day, 0}};
    if (inColumns && pt.y >= 0 && pt.y < l.top)
        return {Press::Columns, {0, cell.hour}};
    return {};
}

bool& HourOf(WeekHours& hours, WeekCell c) { return hours[static_cast<size_t>(c.day)][static_cast<size_t>(c.hour)]; }

// Sets every hour of the span to the value; tells the parent when that changed any.
void PaintSpan(HWND wnd, Grid& grid, const WeekHours& from, const Span& span, bool value)
{
    WeekHours next = from;
    for (int day = span.day0; day <= span.day1; ++day)
        for (int hour = span.hour0; hour <= span.hour1; ++hour)
            HourOf(next, {day, hour}) = value;
    if (next == *grid.hours)
        return;
    *grid.hours = next;
    Redraw(wnd, grid);
    Notify(wnd, WGN_CHANGED);
}

// The drag's rectangle: from the cell pressed to the one reached; a day's name takes whole days,
// an hour's heading whole hours.
Span DragSpan(const Grid& grid)
{
    Span s = Between(grid.pressed, grid.reached);
    if (grid.press == Press::Rows)
        s.hour0 = 0, s.hour1 = kHours - 1;
    if (grid.press == Press::Columns)
        s.day0 = 0, s.day1 = kDays - 1;
    return s;
}

void SetHot(HWND wnd, Grid& grid, std::optional<WeekCell> hot)
{
    if (grid.hot == hot)
        return;
    grid.hot = hot;
    Notify(wnd, WGN_NAMEDCELL);
}

void OnButtonDown(HWND wnd, Grid& grid, POINT pt)
{
    SetFocus(wnd);
    const Hit hit = HitTest(grid.layout, pt, false);
    if (!grid.hours || hit.part == Press::None)
        return;
    grid.press = hit.part;
    grid.pressed = grid.reached = grid.focus = hit.cell;
    grid.anchor.reset();
    grid.before = *grid.hours;
    // The pressed cell's new state is what the whole rectangle becomes; a heading counts as the
    // first cell of its day or hour.
    grid.value = !HourOf(grid.before, hit.cell);
    grid.hot = hit.cell;
    SetCapture(wnd);
    Redraw(wnd, grid);
    PaintSpan(wnd, grid, grid.before, DragSpan(grid), grid.value);
    Notify(wnd, WGN_NAMEDCELL);
}

void OnMouseMove(HWND wnd, Grid& grid, POINT pt)
{
    if (grid.press != Press::None) {
        const WeekCell reached = HitTest(grid.layout, pt, true).cell;
        SetHot(wnd, grid, reached);
        if (reached == grid.reached)
            return;
        grid.reached = reached;
        PaintSpan(wnd, grid, grid.before, DragSpan(grid), grid.value);
        return;
    }
    if (!grid.tracking) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, wnd, 0};
        grid.tracking = TrackMouseEvent(&track) != FALSE;
    }
    const Hit hit = HitTest(grid.layout, pt, false);
    SetHot(wnd, grid, hit.part == Press::Cells ? std::optional(hit.cell) : std::nullopt);
}

// The drag ends where the button is let go; Escape puts the hours back as they were before it.
void EndDrag(HWND wnd, Grid& grid, bool undo)
{
    if (grid.press == Press::None)
        return;
    grid.press = Press::None;
    if (undo)
        PaintSpan(wnd, grid, grid.before, {0, -1, 0, -1}, false);
    if (GetCapture() == wnd)
        ReleaseCapture();
}

void OnKey(HWND wnd, Grid& grid, WPARAM key, LPARAM flags)
{
    WeekCell to = grid.focus;
    switch (key) {
    case VK_LEFT: --to.hour; break;
    case VK_RIGHT: ++to.hour; break;
    case VK_UP: --to.day; break;
    case VK_DOWN: ++to.day; break;
    case VK_HOME: to.hour = 0; break;
    case VK_END: to.hour = kHours - 1; break;
    case VK_ESCAPE:
        EndDrag(wnd, grid, true);
        return;
    case VK_SPACE:
        // Held down, the key repeats: one press is one change.
        if (grid.hours && !(flags & (1 << 30)) && grid.press == Press::None) {
            const bool value = !HourOf(*grid.hours, grid.focus);
            PaintSpan(wnd, grid, *grid.hours, Between(grid.anchor.value_or(grid.focus), grid.focus), value);
        }
        return;
    default:
        return;
    }
    to = {std::clamp(to.day, 0, kDays - 1), std::clamp(to.hour, 0, kHours - 1)};
    if (GetKeyState(VK_SHIFT) < 0) {
        if (!grid.anchor)
            grid.anchor = grid.focus;
    } else {
        grid.anchor.reset();
    }
    grid.focus = to;
    Redraw(wnd, grid);
    Notify(wnd, WGN_NAMEDCELL);
}

LRESULT CellResult(WeekCell c) { return MAKELRESULT(c.day, c.hour); }

LRESULT CALLBACK WeekGridProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    Grid* grid = GridOf(wnd);
    if (!grid && msg != WM_NCCREATE)
        return DefWindowProcA(wnd, msg, wParam, lParam);
    const POINT pt{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    switch (msg) {
    case WM_NCCREATE:
        try {
            SetWindowLongPtrA(wnd, 0, reinterpret_cast<LONG_PTR>(new Grid));
        } catch (...) {
            return FALSE;
        }
        return DefWindowProcA(wnd, msg, wParam, lParam);
    case WM_NCDESTROY:
        if (grid->bitmap)
            DeleteObject(grid->bitmap);
        delete grid;
        SetWindowLongPtrA(wnd, 0, 0);
        return 0;
    case WM_CREATE:
    case WM_SIZE:
        Relayout(wnd, *grid);
        return 0;
    case WM_SETFONT:
        grid->font = reinterpret_cast<HFONT>(wParam);
        Relayout(wnd, *grid);
        if (LOWORD(lParam))
            InvalidateRect(wnd, nullptr, FALSE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(grid->font);
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint(wnd, *grid);
        return 0;
    case WM_PRINTCLIENT: {
        RECT client{};
        GetClientRect(wnd, &client);
        Blit(wnd, *grid, reinterpret_cast<HDC>(wParam), client);
        return 0;
    }
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
    case WM_THEMECHANGED:
    case WM_ENABLE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        Redraw(wnd, *grid);
        return 0;
    case WM_UPDATEUISTATE:
        Redraw(wnd, *grid);
        return DefWindowProcA(wnd, msg, wParam, lParam);
    case WM_GETDLGCODE: {
        // The arrows move the focus cell rather than the focus; Escape ends a drag, not the sheet.
        const auto* key = reinterpret_cast<const MSG*>(lParam);
        const bool escape = key && key->message == WM_KEYDOWN && key->wParam == VK_ESCAPE;
        return DLGC_WANTARROWS | (escape && grid->press != Press::None ? DLGC_WANTMESSAGE : 0);
    }
    case WM_LBUTTONDOWN:
        OnButtonDown(wnd, *grid, pt);
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(wnd, *grid, pt);
        return 0;
    case WM_LBUTTONUP:
        if (grid->press != Press::None)
            OnMouseMove(wnd, *grid, pt);
        EndDrag(wnd, *grid, false);
        OnMouseMove(wnd, *grid, pt); // let go outside the grid, the pointer names no cell
        return 0;
    case WM_CAPTURECHANGED: // taken away (another window, a message box): the drag ends as it stands
        grid->press = Press::None;
        return 0;
    case WM_MOUSELEAVE:
        grid->tracking = false;
        SetHot(wnd, *grid, std::nullopt);
        return 0;
    case WM_KEYDOWN:
        OnKey(wnd, *grid, wParam, lParam);
        return 0;
    case WGM_SETHOURS:
        EndDrag(wnd, *grid, false);
        grid->hours = reinterpret_cast<WeekHours*>(lParam);
        Redraw(wnd, *grid);
        return 0;
    case WGM_NAMEDCELL:
        return CellResult(grid->hot.value_or(grid->focus));
    case WGM_FOCUSCELL:
        return CellResult(grid->focus);
    default:
        return DefWindowProcA(wnd, msg, wParam, lParam);
    }
}

} // namespace

bool RegisterWeekGrid(HINSTANCE instance)
{
    WNDCLASSA known{};
    if (GetClassInfoA(instance, kWeekGridClass, &known))
        return true;
    WNDCLASSA wc{};
    wc.lpfnWndProc = WeekGridProc;
    wc.cbWndExtra = sizeof(Grid*);
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.lpszClassName = kWeekGridClass;
    return RegisterClassA(&wc) != 0;
}
