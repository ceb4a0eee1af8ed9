#include "diskalloc.h"

#include "defines.h"
#include "dlgctl.h"
#include "profile.h"
#include "resource.h"
#include "site.h"
#include "unit.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

constexpr size_t kTextMax = 79;
// The recorder keeps transaction images at most this many days; 999 means forever.
constexpr int kForever = 999;
// The daily reservation the recorder needs at the least, in Mbytes.
constexpr int kReservationFloor = 950;

struct FileText {
    const char* key;
    int id;
    const char* def;
};
constexpr FileText kFileTexts[] = {{"File Folder", IDC_DA_FOLDER, "\\IMG\\"}, {"FileExt", IDC_DA_EXTENSION, ".PCX"},
                                   {"Current Directory", IDC_DA_DIRECTORY, "C:\\BankORVA_NT\\"}};

struct FileNumber {
    const char* key;
    int id;
    int def;
};
constexpr FileNumber kDays[] = {{"DaysUsage", IDC_DA_DAYS_USAGE, 1000}, {"LobbyDays", IDC_DA_LOBBY_DAYS, 7},
                                {"Min Teller Days", IDC_DA_MIN_TELLER, 14}, {"Max Teller Days", IDC_DA_MAX_TELLER, 365},
                                {"EventDays", IDC_DA_EVENT_DAYS, 7}};

int ReadOrvaFile(const char* key, int def) { return ReadInt(SystemIni(), kSecOrvaFile, key, def); }
void WriteOrvaFile(const char* key, int value) { WriteInt(SystemIni(), kSecOrvaFile, key, value); }

void ShowDiskAlloc(HWND dlg)
{
    // The drives can be asked for only on the recorder itself.
    if (!AtLocalSite())
        DestroyWindow(Item(dlg, IDC_DA_DRIVE_INFO));
    if (AdvancedMenuOn()) {
        for (const FileText& text : kFileTexts)
            SetItemText(dlg, text.id, ReadString(SystemIni(), kSecOrvaFile, text.key, text.def, kTextMax + 1));
        SetItemInt(dlg, IDC_DA_DRIVES, ReadOrvaFile("Drives", 1));
        SetItemCheck(dlg, IDC_DA_DEBUG, ReadOrvaFile("Debug", 0) != 0);
        SetItemCheck(dlg, IDC_DA_TRASH, ReadOrvaFile("External Trash Removal", 1) != 0);
    }
    for (const FileNumber& number : kDays)
        SetItemInt(dlg, number.id, ReadOrvaFile(number.key, number.def));
}

// The recommended least daily reservation: a share of the image drive, in single precision as
// the recorder works it out, and never below the floor. 0 when the drive size is not known.
int RecommendedReservation()
{
    // The recorder's own figures, kept in the ORVANT.INI of this machine's Windows folder.
    const long long size = ReadInt("ORVANT.INI", kSecOrvaFile, "Image Drive Size", 0);
    if (size <= 0)
        return 0;
    const int floor = std::max(ReadInt("ORVANT.INI", kSecOrvaFile, "Minimum Avail Drive Space", kReservationFloor), kReservationFloor);
    const long long percent = ReadInt("ORVANT.INI", kSecOrvaFile, "Minimum Avail Pct Drive Space", 1);
    const float share = static_cast<float>(static_cast<float>(size * percent) * 0.01f);
    return std::max(static_cast<int>(std::clamp(share, -2147483648.0f, 2147483520.0f)), floor);
}

bool SaveDiskAlloc(HWND dlg)
{
    if (AdvancedMenuOn()) {
        WriteOrvaFile("Drives", GetItemInt(dlg, IDC_DA_DRIVES));
        for (const FileText& text : kFileTexts)
            WriteString(SystemIni(), kSecOrvaFile, text.key, GetItemText(dlg, text.id, kTextMax));
        WriteFlag(SystemIni(), kSecOrvaFile, "Debug", IsItemChecked(dlg, IDC_DA_DEBUG));
        WriteFlag(SystemIni(), kSecOrvaFile, "External Trash Removal", IsItemChecked(dlg, IDC_DA_TRASH));
    }
    WriteOrvaFile("LobbyDays", GetItemInt(dlg, IDC_DA_LOBBY_DAYS));
    // Without a known drive size there is no recommendation to check against.
    int daysUsage = GetItemInt(dlg, IDC_DA_DAYS_USAGE);
    if (const int minimum = RecommendedReservation(); minimum > 0 && daysUsage < minimum) {
        char text[160];
        std::snprintf(text, sizeof text, "A minimum of %d Mbyte is recommended for Days Usage. OK to change value?", minimum);
        if (Ask(dlg, text, "Verify Value", MB_YESNO, IDNO) == IDYES)
            daysUsage = minimum;
    }
    WriteOrvaFile("DaysUsage", daysUsage);
    WriteOrvaFile("Min Teller Days", GetItemInt(dlg, IDC_DA_MIN_TELLER));
    WriteOrvaFile("Max Teller Days", std::min(GetItemInt(dlg, IDC_DA_MAX_TELLER), kForever));
    WriteOrvaFile("EventDays", GetItemInt(dlg, IDC_DA_EVENT_DAYS));
    return true;
}

// A Mbyte here is a million bytes, in single precision as the recorder shows it.
float Mbytes(ULONGLONG bytes) { return static_cast<float>(static_cast<float>(bytes) * 0.000001f); }

// One box per fixed drive from C: on. Sizes come as byte counts, which describe a drive of any
// size (cluster counts cannot).
void ShowDriveInfo(HWND dlg)
{
    const DWORD drives = GetLogicalDrives();
    for (char letter = 'C'; letter <= 'Z'; ++letter) {
        const std::string root = std::string(1, letter) + ":\\";
        if (!(drives & (1u << (letter - 'A'))) || GetDriveTypeA(root.c_str()) != DRIVE_FIXED)
            continue;
        ULARGE_INTEGER freeBytes{}, totalBytes{};
        char text[200];
        if (GetDiskFreeSpaceExA(root.c_str(), nullptr, &totalBytes, &freeBytes)) {
            std::snprintf(text, sizeof text, "Drive %s\nTotal Size %1.0f Mbytes\nFree Space %1.0f Mbytes", root.c_str(),
                          static_cast<double>(Mbytes(totalBytes.QuadPart)), static_cast<double>(Mbytes(freeBytes.QuadPart)));
            MessageBoxA(dlg, text, "Drive Information", MB_OK);
        } else {
            std::snprintf(text, sizeof text, "Error In Reading Drive %s Information", root.c_str());
            MessageBoxA(dlg, text, "Error", MB_OK);
        }
    }
}

} // namespace

INT_PTR CALLBACK DiskAllocProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM) noexcept
{
    if (msg == WM_COMMAND && LOWORD(wParam) == IDC_DA_DRIVE_INFO) {
        ShowDriveInfo(dlg);
        return TRUE;
    }
    return OkCancelDialog(dlg, msg, wParam, ShowDiskAlloc, SaveDiskAlloc);
}
