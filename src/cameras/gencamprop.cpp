#include "gencamprop.h"

#include "resource.h"
#include "defines.h"
#include "dlgctl.h"
#include "profile.h"
#include "unit.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string>
#include <string_view>

namespace {

constexpr char kLastViewKey[] = "Last Remote View Lobby Camera";
constexpr char kColorKey[] = "Color";
constexpr int kMaxCameras = 32;
// The recorder reads its "YES"/"NO" texts into 80-byte buffers.
constexpr size_t kFlagBuf = 80;

// The recorder's string flags count as set only when they read "YES", in any case.
bool IsYes(std::string_view text)
{
    constexpr std::string_view kYes = "YES";
    return std::ranges::equal(text, kYes, [](char a, char b) {
        return std::toupper(static_cast<unsigned char>(a)) == b;
    });
}

bool ReadYes(const char* section, const char* key)
{
    return IsYes(ReadString(SystemIni(), section, key, "NO", kFlagBuf));
}

bool CameraOn(int camera)
{
    char key[32];
    std::snprintf(key, sizeof key, "Lobby Camera %d On", camera);
    return ReadYes(kSecOrvaBank, key);
}

void WriteColor(bool color) { WriteString(SystemIni(), kSecOrvaVideo, kColorKey, color ? "YES" : "NO"); }

void ShowGenCamProp(HWND dlg)
{
    SetItemInt(dlg, IDC_GENCAM_LAST_VIEW, ReadInt(SystemIni(), kSecOrvaBank, kLastViewKey, 0));
    const bool color = ReadYes(kSecOrvaVideo, kColorKey);
    SetItemCheck(dlg, IDC_GENCAM_COLOR, color);
    SetItemCheck(dlg, IDC_GENCAM_MONOCHROME, !color);
}

// The number is stored as typed: the recorder and the camera sheet bound it themselves.
void SaveGenCamProp(HWND dlg)
{
    WriteInt(SystemIni(), kSecOrvaBank, kLastViewKey, GetItemInt(dlg, IDC_GENCAM_LAST_VIEW));
    WriteColor(!IsItemChecked(dlg, IDC_GENCAM_MONOCHROME));
}

} // namespace

INT_PTR CALLBACK GenCamPropProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM) noexcept
{
    switch (msg) {
    case WM_INITDIALOG:
        ShowGenCamProp(dlg);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            SaveGenCamProp(dlg);
            EndDialog(dlg, 1);
            return TRUE;
        case IDCANCEL:
            EndDialog(dlg, 1);
            return TRUE;
        default:
            return FALSE;
        }
    default:
        return FALSE;
    }
}

void SetLastViewCamera()
{
    // In the advanced menu the technician sets both values by hand in the dialog above.
    if (AdvancedMenuOn())
        return;
    for (int camera = kMaxCameras; camera >= 1; --camera) {
        if (CameraOn(camera)) {
            WriteInt(SystemIni(), kSecOrvaBank, kLastViewKey, camera);
            // The basic menu has no way to choose monochrome, so its cameras are colour.
            WriteColor(true);
            return;
        }
    }
}
