#include "siteid.h"

#include "defines.h"
#include "dlgctl.h"
#include "profile.h"
#include "quelt_utils.h"
#include "resource.h"
#include "sitedeffile.h"
#include "unit.h"

namespace {

// The recorder keeps these texts in 80-byte buffers.
constexpr size_t kTextMax = 79;

void ShowSiteName(HWND dlg)
{
    LimitItemText(dlg, IDC_SITE_NAME, kTextMax);
    SetItemText(dlg, IDC_SITE_NAME, ReadString(SystemIni(), kSecOrvaBank, "Bank Name", "Unknown", kTextMax + 1));
}

// Remote viewers show the name in file and folder names, so it may hold none of the characters
// those forbid, nor end in a blank.
const Refusal& kBadSiteName = DeclareRefusal("", "Site name cannot contain the characters ,./:*?<>|");

bool SaveSiteName(HWND dlg)
{
    const std::string name = GetItemText(dlg, IDC_SITE_NAME, kTextMax);
    if (!Check(dlg, ValidSiteName(name), kBadSiteName)) {
        FocusItem(dlg, IDC_SITE_NAME);
        return false;
    }
    WriteString(SystemIni(), kSecOrvaBank, "Bank Name", name);
    return true;
}

// The basic menu's dialog has no box for the inquiry version, and then the menu mode is not read.
void ShowVersions(HWND dlg)
{
    if (Item(dlg, IDC_INQUIRY_VERSION) && AdvancedMenuOn()) {
        const std::string inquiry = ReadString(SiteDefFile().c_str(), kSecViewer, "Inquiry Version", "", kTextMax + 1);
        LimitItemText(dlg, IDC_INQUIRY_VERSION, kTextMax);
        SetItemText(dlg, IDC_INQUIRY_VERSION, inquiry.empty() ? "none" : inquiry);
    }
    const std::string quelt = ReadString(SystemIni(), kSecGlobal, "QUELT Version", "", kTextMax + 1);
    SetItemText(dlg, IDC_QUELT_VERSION, quelt.empty() ? "unknown" : quelt);
}

// Only the inquiry version is edited, and only in advanced mode; the recorder's own version is
// shown, never written.
bool SaveInquiryVersion(HWND dlg)
{
    if (Item(dlg, IDC_INQUIRY_VERSION) && AdvancedMenuOn())
        WriteString(SiteDefFile().c_str(), kSecViewer, "Inquiry Version",
                    GetItemText(dlg, IDC_INQUIRY_VERSION, kTextMax));
    return true;
}

} // namespace

INT_PTR CALLBACK SiteIDProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM) noexcept
{
    return OkCancelDialog(dlg, msg, wParam, ShowSiteName, SaveSiteName);
}

INT_PTR CALLBACK InquiryVerProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM) noexcept
{
    return OkCancelDialog(dlg, msg, wParam, ShowVersions, SaveInquiryVersion);
}
