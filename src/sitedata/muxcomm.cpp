#include "muxcomm.h"

#include "defines.h"
#include "dlgctl.h"
#include "numtext.h"
#include "profile.h"
#include "resource.h"
#include "unit.h"

#include <array>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr char kByteSize[] = "7,8";
constexpr char kBaudRate[] = "1200,2400,4800,9600,19200";
constexpr char kComPortsOld[] = "Com1,Com2,Com3,Com4,Com5,Com6,Com7,Com8";
constexpr char kComPorts[] = "Com1,Com2,Com3,Com4,USB1,USB2";
// Parity and stop bits are stored as the codes of the system's serial settings: the position here.
constexpr std::array<const char*, 4> kParity = {"None", "Odd", "Even", "Mark"};
constexpr std::array<const char*, 3> kStopBits = {"1 Stop", "1.5 Stop", "2 Stop"};
constexpr int kUsbVersion = 11;

constexpr char kSecUsb[] = "USB";
constexpr char kNoUsbId[] = "None Assigned";
constexpr size_t kUsbIdMax = 39;

// The section of the dialog's multiplexer; slave is 0 for the primary.
struct Mux {
    int slave;
    std::string section;
};

Mux MuxOf(int slave)
{
    if (slave == 0)
        return {0, "PriMux"};
    char section[32];
    std::snprintf(section, sizeof section, "SlaveMux%d", slave);
    return {slave, section};
}

std::string ReadMux(const Mux& mux, const char* key, const std::string& def, size_t maxChars)
{
    return ReadString(SystemIni(), mux.section.c_str(), key, def.c_str(), maxChars + 1);
}

// Fills a choice box with its entries and selects the first entry that begins with the
// stored text, searching from the second entry round to the first. A stored text that begins no
// entry (a rate typed earlier, such as 38400) is shown as typed text, so that OK keeps it rather
// than storing an empty value; an empty one selects nothing.
void FillAndSelect(HWND dlg, int id, const std::vector<std::string>& items, const std::string& stored)
{
    FillCombo(dlg, id, items);
    if (!stored.empty() && SelectComboPrefix(dlg, id, stored, 0) == CB_ERR)
        SetItemText(dlg, id, stored);
}

// The entries of a comma-separated list.
std::vector<std::string> ListOf(const char* list)
{
    std::vector<std::string> items;
    for (const std::string_view item : Tokens(list, ','))
        items.emplace_back(item);
    return items;
}

// A box whose entries stand for codes, with the stored code's entry selected (none when the code
// is outside the list).
template <size_t N>
void FillCodes(HWND dlg, int id, const std::array<const char*, N>& names, int code)
{
    FillAndSelect(dlg, id, {names.begin(), names.end()}, code >= 0 && code < static_cast<int>(N) ? names[static_cast<size_t>(code)] : "");
}

template <size_t N>
std::optional<int> CodeOf(const std::array<const char*, N>& names, const std::string& text)
{
    for (size_t code = 0; code < N; ++code)
        if (text == names[code])
            return static_cast<int>(code);
    return std::nullopt;
}

// The USB link (1 or 2) a port text names, or 0 for a serial port.
int UsbLink(const std::string& port)
{
    return EqualNoCase(port, "USB1") ? 1 : EqualNoCase(port, "USB2") ? 2 : 0;
}

std::string UsbKey(int link) { return "Unit " + std::to_string(link) + " ID"; }
// The identifier box's label, with the key that reaches the box.
std::string UsbLabel(int link) { return "&USB #" + std::to_string(link) + " ID"; }
std::string StoredUsbId(int link)
{
    return ReadString(SystemIni(), kSecUsb, UsbKey(link).c_str(), kNoUsbId, kUsbIdMax + 1);
}

void ShowMux(HWND dlg, const Mux& mux)
{
    const char* kind = IsKestoUnit() ? "Ovex" : "Mux";
    char caption[80];
    if (mux.slave == 0)
        std::snprintf(caption, sizeof caption, "Primary %s Communication Configuration", kind);
    else
        std::snprintf(caption, sizeof caption, "Slave #%d %s Communication Configuration", mux.slave, kind);
    SetWindowTextA(dlg, caption);

    const std::string defPort = mux.slave == 0 ? "COM1" : "Com" + std::to_string(mux.slave + 2);
    FillAndSelect(dlg, IDC_MUX_PORT, ListOf(QUELT_MajorVersion() < kUsbVersion ? kComPortsOld : kComPorts),
                  ReadMux(mux, "Comm Port", defPort, 5));
    FillAndSelect(dlg, IDC_MUX_BYTE_SIZE, ListOf(kByteSize), ReadMux(mux, "Byte Size", "8", 5));
    FillAndSelect(dlg, IDC_MUX_BAUD, ListOf(kBaudRate), ReadMux(mux, "Baud", "9600", 7));
    FillCodes(dlg, IDC_MUX_PARITY, kParity, ReadInt(SystemIni(), mux.section.c_str(), "Parity", 0));
    FillCodes(dlg, IDC_MUX_STOP_BITS, kStopBits, ReadInt(SystemIni(), mux.section.c_str(), "Stop Bits", 0));
    // The primary multiplexer is always in use; nothing is stored for it.
    SetItemCheck(dlg, IDC_MUX_ENABLED, mux.slave == 0 || ReadInt(SystemIni(), mux.section.c_str(), "Enable Mux", 0) != 0);
    EnableItem(dlg, IDC_MUX_ENABLED, mux.slave != 0);
    LimitItemText(dlg, IDC_MUX_USB_ID, kUsbIdMax);
    CheckForUSB(dlg);
}

const Refusal& kChangeUsbId = DeclareRefusal("", "Are you sure you want to change the USB ID?", MB_YESNO);

// A changed USB identifier is stored only when the user confirms it; on No the stored one is
// shown again and false keeps the dialog open, with nothing stored. Only the identifier on show is
// considered: one the user never saw (a port typed rather than chosen) is left as stored.
bool ConfirmUsbId(HWND dlg, int link)
{
    if (!IsWindowVisible(Item(dlg, IDC_MUX_USB_ID)) || GetItemText(dlg, IDC_MUX_USB_LABEL, 16) != UsbLabel(link))
        return true;
    const std::string stored = StoredUsbId(link), shown = GetItemText(dlg, IDC_MUX_USB_ID, kUsbIdMax);
    if (shown == stored)
        return true;
    if (Ask(dlg, kChangeUsbId, IDYES) == IDNO) {
        SetItemText(dlg, IDC_MUX_USB_ID, stored);
        return false;
    }
    WriteString(SystemIni(), kSecUsb, UsbKey(link).c_str(), shown);
    return true;
}

// Parity and stop bits typed as a text the recorder has no code for are left as stored.
bool SaveMux(HWND dlg, const Mux& mux)
{
    const char* section = mux.section.c_str();
    const std::string port = GetItemText(dlg, IDC_MUX_PORT, mux.slave == 0 ? 39 : 79);
    WriteString(SystemIni(), section, "Comm Port", port);
    if (QUELT_MajorVersion() >= kUsbVersion && UsbLink(port) && !ConfirmUsbId(dlg, UsbLink(port)))
        return false;
    WriteString(SystemIni(), section, "Byte Size", GetItemText(dlg, IDC_MUX_BYTE_SIZE, 79));
    WriteString(SystemIni(), section, "Baud", GetItemText(dlg, IDC_MUX_BAUD, 79));
    if (const auto parity = CodeOf(kParity, GetItemText(dlg, IDC_MUX_PARITY, 79)))
        WriteInt(SystemIni(), section, "Parity", *parity);
    if (const auto stop = CodeOf(kStopBits, GetItemText(dlg, IDC_MUX_STOP_BITS, 79)))
        WriteInt(SystemIni(), section, "Stop Bits", *stop);
    if (mux.slave != 0)
        WriteFlag(SystemIni(), section, "Enable Mux", IsItemChecked(dlg, IDC_MUX_ENABLED));
    return true;
}

INT_PTR MuxComProc(HWND dlg, UINT msg, WPARAM wParam, int slave)
{
    if (msg == WM_COMMAND && LOWORD(wParam) == IDC_MUX_PORT) {
        if (HIWORD(wParam) == CBN_SELCHANGE)
            CheckForUSB(dlg);
        return TRUE;
    }
    const Mux mux = MuxOf(slave);
    return OkCancelDialog(dlg, msg, wParam, [&](HWND d) { ShowMux(d, mux); }, [&](HWND d) { return SaveMux(d, mux); });
}

} // namespace

void CheckForUSB(HWND dlg)
{
    const int link = UsbLink(GetComboSelText(dlg, IDC_MUX_PORT));
    for (const int id : {IDC_MUX_BYTE_SIZE, IDC_MUX_BAUD, IDC_MUX_PARITY, IDC_MUX_STOP_BITS})
        EnableItem(dlg, id, link == 0);
    if (link) {
        SetItemText(dlg, IDC_MUX_USB_ID, StoredUsbId(link));
        SetItemText(dlg, IDC_MUX_USB_LABEL, UsbLabel(link));
    }
    ShowItem(dlg, IDC_MUX_USB_ID, link != 0);
    ShowItem(dlg, IDC_MUX_USB_LABEL, link != 0);
}

INT_PTR CALLBACK PriMuxComProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM) noexcept
{
    return MuxComProc(dlg, msg, wParam, 0);
}

INT_PTR CALLBACK SlaveMuxComProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM) noexcept
{
    return MuxComProc(dlg, msg, wParam, iDlgResult);
}
