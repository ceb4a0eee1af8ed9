#include "sitemap/mapview.h"

#include "defines.h"
#include "profile.h"
#include "numtext.h"
#include "quelt_utils.h"
#include "site.h"
#include "sitedeffile.h"
#include "sitemap/pcx.h"
#include "sitemap/wicpicture.h"

#include <algorithm>
#include <cstring>
#include <cstdio>
#include <fstream>
#include <initializer_list>
#include <memory>
#include <new>
#include <string>
#include <vector>

namespace {

constexpr char kClassName[] = "MapMgrWinClass";
constexpr int kCaptionHeight = 26;
constexpr int kIconSize = 16;
constexpr int kMarkerId = 1000;
constexpr int kFirstCameraButton = 999;
// Recorders have at most 32 cameras; a larger stored count would only mean reading keys for ever.
constexpr int kLastCamera = 32;
// The window size when the picture does not decode.
constexpr int kBlankWidth = 320;
constexpr int kBlankHeight = 240;
// A map picture larger than this is no map; it is refused before it is read.
constexpr std::streamoff kLargestPictureFile = 64 << 20;

struct MapData {
    std::string path;
    Picture picture;
    int loadResult = 0; // 0 once the picture is decoded
};

HWND hMapWnd = nullptr;
MapData* pData = nullptr; // handed to the window while it is created
bool PlaceCamIcon = false;
int xPos = 0;
int yPos = 0;

HWND Button(HWND parent, const char* caption, int x, int y, int id)
{
    return CreateWindowA("BUTTON", caption, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, x, y, kIconSize, kIconSize, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), hInst, nullptr);
}

struct MapIcon {
    int camera;
    POINT at;
};

// The icons the map shows: every camera up to the last one remote users can view that has a
// stored position.
std::vector<MapIcon> MapIcons()
{
    std::vector<MapIcon> icons;
    const int last = LastMapCamera();
    for (int c = 1; c <= last && c <= kLastCamera; ++c)
        if (POINT at{}; GetMapPos(c, at))
            icons.push_back({c, at});
    return icons;
}

void CreateCameraButtons(HWND wnd)
{
    for (const MapIcon& icon : MapIcons())
        Button(wnd, std::to_string(icon.camera).c_str(), icon.at.x, icon.at.y, kFirstCameraButton + icon.camera);
}

// The picture's pixels as a 32-bit bitmap with rows from the top.
BITMAPINFO PictureBitmapInfo(const Picture& picture)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

void Paint(HWND wnd, const MapData& data)
{
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(wnd, &ps);
    if (data.loadResult == 0) {
        RECT client;
        GetClientRect(wnd, &client);
        const BITMAPINFO info = PictureBitmapInfo(data.picture);
        SetStretchBltMode(dc, HALFTONE);
        SetBrushOrgEx(dc, 0, 0, nullptr);
        StretchDIBits(dc, 0, 0, client.right, client.bottom, 0, 0, data.picture.width, data.picture.height,
                      data.picture.pixels.data(), &info, DIB_RGB_COLORS, SRCCOPY);
    }
    EndPaint(wnd, &ps);
}

LRESULT CALLBACK ViewMapProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    MapData* data = reinterpret_cast<MapData*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
    switch (msg) {
    case WM_CREATE:
        data = pData;
        SetWindowLongPtrA(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(data));
        if (data->loadResult != 0) {
            char text[64];
            std::snprintf(text, sizeof text, "Error %d Decompressing File", data->loadResult);
            MessageBoxA(wnd, text, data->path.c_str(), MB_OK);
        }
        CreateCameraButtons(wnd);
        return 0;
    case WM_PAINT:
        if (data)
            Paint(wnd, *data);
        else
            ValidateRect(wnd, nullptr);
        return 0;
    case WM_LBUTTONDOWN:
        if (wParam == MK_LBUTTON && PlaceCamIcon) {
            xPos = static_cast<short>(LOWORD(lParam));
            yPos = static_cast<short>(HIWORD(lParam));
            Button(wnd, "*", xPos, yPos, kMarkerId);
            SendMessageA(GetWindow(wnd, GW_OWNER), WM_MAP_PLACED, 0, 0);
        }
        return 0;
    case WM_SETCURSOR:
        SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(PlaceCamIcon ? IDC_CROSS : IDC_ARROW)));
        return 0;
    case WM_HELP:
        // Help on the map is help on the site map dialog that owns it; a window that is neither a
        // child nor a pop-up hands F1 to nobody by itself.
        return SendMessageA(GetWindow(wnd, GW_OWNER), WM_HELP, wParam, lParam);
    case WM_DESTROY:
        delete data;
        SetWindowLongPtrA(wnd, GWLP_USERDATA, 0);
        if (hMapWnd == wnd)
            hMapWnd = nullptr;
        return 0;
    default:
        return DefWindowProcA(wnd, msg, wParam, lParam);
    }
}

} // namespace

namespace {

// A picture file's bytes; 0, or the code of the imaging library for a file it could not read.
int ReadPictureFile(const std::string& path, std::vector<uint8_t>& bytes)
{
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in)
        return kImageFileNotFound;
    const std::streamoff size = in.tellg();
    if (size < 0)
        return kImageReadError;
    if (size > kLargestPictureFile)
        return kImageBadSize;
    bytes.resize(static_cast<size_t>(size));
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), size))
        return kImageReadError;
    return 0;
}

} // namespace

int LoadPictureSize(const std::string& path, int& width, int& height)
{
    std::vector<uint8_t> bytes;
    const int read = ReadPictureFile(path, bytes);
    return read != 0 ? read : PictureFileSize(bytes, width, height);
}

// Reads and decodes the picture, recognised by its first bytes rather than its name: PCX by the
// program itself, JPEG, BMP and PNG by the system. Anything else is an invalid file format.
int LoadPicture(const std::string& path, Picture& picture)
{
    std::vector<uint8_t> bytes;
    if (const int read = ReadPictureFile(path, bytes); read != 0)
        return read;
    switch (KindOfPicture(bytes)) {
    case PictureKind::Pcx:
        return DecodePcx(bytes, picture);
    case PictureKind::Unknown:
        return kImageBadFormat;
    default:
        return DecodeWithSystem(bytes, picture);
    }
}

int LoadMapWithIcons(Picture& picture)
{
    const std::string name = ReadString(SiteDefFile().c_str(), kSecMap, "Name", "", kMapNameBuffer);
    if (name.empty())
        return kImageFileNotFound;
    if (const int loaded = LoadPicture(cFileDir + name, picture); loaded != 0)
        return loaded;
    const BITMAPINFO info = PictureBitmapInfo(picture);
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HDC dc = bitmap ? CreateCompatibleDC(nullptr) : nullptr;
    if (!dc) {
        if (bitmap)
            DeleteObject(bitmap);
        return kImageNoMemory;
    }
    const size_t bytes = picture.pixels.size() * sizeof picture.pixels[0];
    std::memcpy(bits, picture.pixels.data(), bytes);
    const HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    const HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    // Each icon as the map window shows it: a push button with the camera's number.
    for (const MapIcon& icon : MapIcons()) {
        RECT box{icon.at.x, icon.at.y, icon.at.x + kIconSize, icon.at.y + kIconSize};
        DrawFrameControl(dc, &box, DFC_BUTTON, DFCS_BUTTONPUSH);
        DrawTextA(dc, std::to_string(icon.camera).c_str(), -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
    }
    GdiFlush();
    std::memcpy(picture.pixels.data(), bits, bytes);
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    DeleteDC(dc);
    DeleteObject(bitmap);
    return 0;
}

ATOM RegisterMapView(HINSTANCE instance)
{
    WNDCLASSA wc{};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = ViewMapProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    wc.lpszClassName = kClassName;
    return RegisterClassA(&wc);
}

int CreateMapWin(HINSTANCE instance, HWND owner, const char* fileName, const RECT* place)
{
    if (hMapWnd)
        return 0;
    std::unique_ptr<MapData> data(new (std::nothrow) MapData);
    if (!data) {
        MessageBoxA(nullptr, "Insufficient Memory", "ERROR", MB_OK);
        return 0;
    }
    data->path = GetSystemOS() >= 7 ? cFileDir + fileName : std::string(fileName);
    data->loadResult = LoadPicture(data->path, data->picture);
    // A file that cannot be read at all opens no window; one that reads but does not decode opens
    // a grey window with the camera icons, so that they can still be placed.
    if (data->loadResult == kImageFileNotFound || data->loadResult == kImageReadError ||
        data->loadResult == kImageBadFormat) {
        MessageBoxA(owner, FormatLeadError(data->loadResult).c_str(), fileName, MB_OK);
        return 0;
    }
    const bool decoded = data->loadResult == 0;
    const int width = decoded ? data->picture.width : kBlankWidth;
    const int height = (decoded ? data->picture.height : kBlankHeight) + kCaptionHeight;
    pData = data.get();
    const HWND wnd = CreateWindowA(kClassName, "Map Image", WS_VISIBLE | WS_BORDER | WS_SYSMENU | WS_CAPTION,
                                   place ? place->left : CW_USEDEFAULT, place ? place->top : CW_USEDEFAULT, width,
                                   height, owner, nullptr, instance, nullptr);
    pData = nullptr;
    if (!wnd)
        return 0;
    data.release(); // the window owns it now
    hMapWnd = wnd;
    ShowWindow(wnd, SW_SHOW);
    return 1;
}

void CloseMapTool(RECT* place)
{
    if (!hMapWnd)
        return;
    if (place)
        GetWindowRect(hMapWnd, place);
    DestroyWindow(hMapWnd); // its WM_DESTROY forgets it
}

void PlaceMapIcon() { PlaceCamIcon = true; }

void GetSelMapPos(POINT& point)
{
    point = {xPos, yPos};
    PlaceCamIcon = false;
}

bool GetMapPos(int camera, POINT& point)
{
    const std::string value =
        ReadString(SiteDefFile().c_str(), kSecMap, std::to_string(camera).c_str(), "", 20);
    const std::vector<std::string_view> fields = Tokens(value, ',');
    if (fields.size() < 2)
        return false;
    point.x = LeadingInt(fields[0]);
    point.y = LeadingInt(fields[1]);
    return true;
}

HWND MapWindow() { return hMapWnd; }

int LastMapCamera() { return ReadInt(SystemIni(), kSecOrvaBank, "Last Remote View Lobby Camera", 1); }
