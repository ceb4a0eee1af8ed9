#include "sitemap/sitemap.h"

#include "cameras/camerakeys.h"
#include "defines.h"
#include "dlgctl.h"
#include "profile.h"
#include "quelt_utils.h"
#include "resource.h"
#include "site.h"
#include "sitedeffile.h"
#include "sitemap/mapview.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

constexpr char kBlankMap[] = "BLANK.FRM";
constexpr size_t kNameBuf = 128;

// Full path of the picture chosen with "Browse" while the dialog is open; empty when none.
std::string cLocalFileName;
// The picture's name as the dialog opened with it: only a name the user changes is checked.
std::string shownMapName;

// The picture is copied into the site folder under its name: a folder part, "." or ".." could
// make the copy land, or replace a file, anywhere on the machine.
const Refusal& kNotPlainName =
    DeclareRefusal("Site Map", "The site map filename must be a plain file name, without a folder.", MB_OK | MB_ICONSTOP);

bool PlainFileName(const std::string& name)
{
    return name.find_first_of("\\/:") == std::string::npos && name != "." && name != "..";
}

void ShowCamera(HWND dlg, int camera)
{
    SetItemText(dlg, IDC_SM_CAMERA_NAME, ShownCameraName(camera, kNameBuf - 1));
    SetItemInt(dlg, IDC_SM_CAMERA, camera);
}

// The map window is closed and opened again where it was, so that it shows the stored icons.
void ReopenMap(HWND dlg)
{
    RECT place{};
    const bool wasOpen = MapWindow() != nullptr;
    CloseMapTool(&place);
    std::string name = ReadString(SiteDefFile().c_str(), kSecMap, "Name", "", kMapNameBuffer);
    if (name.empty())
        name = kBlankMap;
    CreateMapWin(hInst, dlg, name.c_str(), wasOpen ? &place : nullptr);
}

void StorePosition(HWND dlg, const std::string& value)
{
    WriteNow(dlg, [&] {
        WriteString(SiteDefFile().c_str(), kSecMap, std::to_string(GetItemInt(dlg, IDC_SM_CAMERA)).c_str(), value);
    });
    ReopenMap(dlg);
}

void Command(HWND dlg, int id)
{
    switch (id) {
    case IDC_SM_NEXT:
    case IDC_SM_PREVIOUS:
        ShowCamera(dlg, StepItemInt(dlg, IDC_SM_CAMERA, id == IDC_SM_NEXT ? 1 : -1, 1, std::max(1, LastMapCamera())));
        break;
    case IDC_SM_SHOW_MAP: {
        const std::string name = GetItemText(dlg, IDC_SM_FILE_NAME, kNameBuf - 1);
        CreateMapWin(hInst, dlg, name.empty() ? kBlankMap : name.c_str(), nullptr);
        EnableItem(dlg, IDC_SM_PLACE, true);
        EnableItem(dlg, IDC_SM_DELETE, true);
        break;
    }
    case IDC_SM_PLACE: // "Update" waits for a click on the map (WM_MAP_PLACED)
        PlaceMapIcon();
        break;
    case IDC_SM_UPDATE: {
        EnableItem(dlg, IDC_SM_UPDATE, false);
        POINT at{};
        GetSelMapPos(at);
        char value[32];
        std::snprintf(value, sizeof value, "%ld,%ld", at.x, at.y);
        StorePosition(dlg, value);
        break;
    }
    case IDC_SM_DELETE:
        StorePosition(dlg, "");
        break;
    case IDC_SM_BROWSE: {
        std::string path;
        if (GetLocalFileName(dlg, "Map File", path, true)) {
            cLocalFileName = path;
            SetItemText(dlg, IDC_SM_FILE_NAME, RemovePathFromFilename(path));
        }
        break;
    }
    default:
        break;
    }
}

} // namespace

INT_PTR CALLBACK SiteMapProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM) noexcept
{
    if (msg == WM_MAP_PLACED) {
        EnableItem(dlg, IDC_SM_UPDATE, true);
        return TRUE;
    }
    if (msg == WM_COMMAND && LOWORD(wParam) != IDOK && LOWORD(wParam) != IDCANCEL) {
        if (HIWORD(wParam) == BN_CLICKED)
            Command(dlg, LOWORD(wParam));
        return TRUE;
    }
    return OkCancelDialog(
        dlg, msg, wParam,
        [](HWND d) {
            cLocalFileName.clear();
            SetItemCheck(d, IDC_SM_DISPLAY, ReadInt(SiteDefFile().c_str(), kSecMap, "File", 0) != 0);
            const std::string name = ReadString(SiteDefFile().c_str(), kSecMap, "Name", "", kMapNameBuffer);
            SetItemText(d, IDC_SM_FILE_NAME, name.empty() ? "none" : name);
            LimitItemText(d, IDC_SM_FILE_NAME, kNameBuf - 1);
            shownMapName = GetItemText(d, IDC_SM_FILE_NAME, kNameBuf - 1);
            ShowCamera(d, 1);
            if (GetSystemOS() >= 7)
                CopyFileA(kBlankMap, (cFileDir + kBlankMap).c_str(), FALSE);
        },
        [](HWND d) {
            const std::string name = GetItemText(d, IDC_SM_FILE_NAME, kNameBuf - 1);
            if (!Check(d, (name == shownMapName && cLocalFileName.empty()) || PlainFileName(name), kNotPlainName))
                return false;
            // A failed copy is not reported: the technician sees the map is missing with "Show Map".
            if (!cLocalFileName.empty() && !Rehearsing())
                CopyFileA(cLocalFileName.c_str(), (cFileDir + name).c_str(), FALSE);
            WriteString(SiteDefFile().c_str(), kSecMap, "Name", name);
            WriteFlag(SiteDefFile().c_str(), kSecMap, "File", IsItemChecked(d, IDC_SM_DISPLAY));
            return true;
        });
}
