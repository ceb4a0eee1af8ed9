#include "adapter.h"

#include "defines.h"
#include "dlgctl.h"
#include "profile.h"
#include "resource.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr char kSecLanMonitoring[] = "Lan Monitoring";
constexpr size_t kTextMax = 255;
// The recorder lists the adapters Windows reports, a handful at most; a count beyond this is a
// damaged file, and the list stops there.
constexpr int kMaxAdapters = 256;

std::string AdapterText(int position, const char* what, const char* def)
{
    const std::string key = "Adapter " + std::to_string(position) + " " + what;
    return ReadString(SystemIni(), kSecLanMonitoring, key.c_str(), def, kTextMax + 1);
}

void ShowAdapters(HWND dlg)
{
    SetItemCheck(dlg, IDC_AD_LOCAL_CAPTURE, ReadInt(SystemIni(), kSecLanMonitoring, "Local Capture", 1) != 0);
    // Position 0 is no adapter; position k is adapter k.
    std::vector<std::string> names = {"None Selected"};
    const int count = std::min(ReadInt(SystemIni(), kSecLanMonitoring, "Installed Adapters", 0), kMaxAdapters);
    for (int adapter = 1; adapter <= count; ++adapter)
        names.push_back(AdapterText(adapter, "Name", ""));
    std::vector<const char*> items;
    for (const std::string& name : names)
        items.push_back(name.c_str());
    FillCombo(dlg, IDC_AD_NAME, items);
    const int selected = ReadInt(SystemIni(), kSecLanMonitoring, "Selected Adapter", 0);
    if (selected >= 0 && selected < static_cast<int>(names.size()))
        SetComboSel(dlg, IDC_AD_NAME, selected);
    SetItemText(dlg, IDC_AD_DESCRIPTION, AdapterText(selected, "Desc", ""));
    SetItemText(dlg, IDC_AD_FILTER, ReadString(SystemIni(), kSecLanMonitoring, "Filter String", "", kTextMax + 1));
}

// The description box only shows; what is typed there is not stored.
bool SaveAdapters(HWND dlg)
{
    WriteFlag(SystemIni(), kSecLanMonitoring, "Local Capture", IsItemChecked(dlg, IDC_AD_LOCAL_CAPTURE));
    const int selected = GetComboSel(dlg, IDC_AD_NAME);
    WriteInt(SystemIni(), kSecLanMonitoring, "Selected Adapter", selected);
    WriteString(SystemIni(), kSecLanMonitoring, "Active Adapter Name", selected >= 0 ? AdapterText(selected, "Name", "") : "");
    WriteString(SystemIni(), kSecLanMonitoring, "Filter String", GetItemText(dlg, IDC_AD_FILTER, kTextMax));
    return true;
}

} // namespace

INT_PTR CALLBACK AdapterProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM) noexcept
{
    if (msg == WM_COMMAND && LOWORD(wParam) == IDC_AD_NAME) {
        if (HIWORD(wParam) == CBN_SELCHANGE)
            SetItemText(dlg, IDC_AD_DESCRIPTION, AdapterText(GetComboSel(dlg, IDC_AD_NAME), "Desc", "(No description available)"));
        return TRUE;
    }
    return OkCancelDialog(dlg, msg, wParam, ShowAdapters, SaveAdapters);
}
