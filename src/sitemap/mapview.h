// The map view: a window beside the site-map dialog that shows the branch's map picture scaled to
// the window, with a small numbered button where each camera's icon is stored. While placement
// is armed, a left click marks the spot with a "*" and remembers it for the dialog.
#pragma once

#include "pcx.h"

#include <windows.h>

#include <string>

// Reads and decodes a map picture, known by its first bytes (PCX, JPEG, BMP, PNG); 0, or a
// negative code of the imaging library.
int LoadPicture(const std::string& path, Picture& picture);
// The same file's size as its header declares it, without decoding it (the site check places the
// camera icons on it); 0, or the code LoadPicture would give for a missing file or a bad header.
int LoadPictureSize(const std::string& path, int& width, int& height);

// The map picture's name in the site definition file is read into a buffer of this size.
inline constexpr size_t kMapNameBuffer = 128;

// The site's map picture (in the site folder) with every camera icon the map window shows drawn on it, for a printed
// record of the site; 0, or the code LoadPicture gives (kImageFileNotFound when no map is named).
int LoadMapWithIcons(Picture& picture);

// Registers "MapMgrWinClass"; the class atom, or 0 when it failed.
ATOM RegisterMapView(HINSTANCE instance);

// Opens the map window for the picture (a file name in the site folder), owned by the dialog;
// at the rectangle's top-left corner when one is given. 1 when it opened; 0 when a map window is
// already open or the picture could not be read (after telling the user why).
int CreateMapWin(HINSTANCE instance, HWND owner, const char* fileName, const RECT* place);

// Closes the open map window, first storing its screen rectangle when asked.
void CloseMapTool(RECT* place);

// Placement: armed by PlaceMapIcon; each click then marks the spot and sends the map window's
// owner WM_MAP_PLACED; GetSelMapPos gives the last click and disarms it.
inline constexpr UINT WM_MAP_PLACED = WM_APP + 1;
void PlaceMapIcon();
void GetSelMapPos(POINT& point);

// The camera's icon position stored in the site definition file; false when none is stored.
bool GetMapPos(int camera, POINT& point);

// The open map window, or null.
HWND MapWindow();

// The last camera remote users can view, read with default 1 (so never camera 0): the map shows
// icons up to it and the site map dialog steps up to it.
int LastMapCamera();
