#include "email.h"

#include "alarmprop.h"
#include "defines.h"
#include "dlgctl.h"
#include "helptopic.h"
#include "numtext.h"
#include "profile.h"
#include "quelt_utils.h"
#include "resource.h"

#include <algorithm>
#include <string>
#include <vector>

bool bVerifyOldPassword = true;
int iTries = 0;

namespace {

constexpr char kSecEmail[] = "Email";
// The recorder reads these texts into 255-byte buffers; the password, scrambled, into 312 bytes.
constexpr size_t kTextMax = 254;
constexpr size_t kPasswordBuf = 312;

// Example values for a new site: the technician puts in the branch's own server and sender.
constexpr char kDefaultHost[] = "smtp.example.com";
constexpr char kDefaultUser[] = "dvr-alerts@example.com";
constexpr char kDefaultFrom[] = "Branch Video Recorder <dvr-alerts@example.com>";
constexpr char kDefaultPassword[] = "Tulip2047";

constexpr char kProviderFile[] = "PhoneMsgProviders.TXT";
// A carrier list longer than this is no real one; reading stops there.
constexpr int kMaxProviders = 10000;
constexpr int kWrongTriesAllowed = 4;

struct EmailText {
    const char* key;
    int id;
    const char* def;
};

constexpr EmailText kEmailTexts[] = {{"Host", IDC_EM_HOST, kDefaultHost}, {"Snmp User", IDC_EM_USER, kDefaultUser},
                                     {"From", IDC_EM_FROM, kDefaultFrom}, {"To Address", IDC_EM_TO_ADDRESS, ""},
                                     {"To Name", IDC_EM_TO_NAME, ""}};

// The flags in the order OK writes them; "Send On Power Up" stands for power-up and reboot.
constexpr EmailText kEmailFlags[] = {{"On Disk Error", IDC_EM_ON_DISK, nullptr},    {"On Video Restored", IDC_EM_ON_RESTORED, nullptr},
                                     {"On Mux Error", IDC_EM_ON_MUX, nullptr},      {"On Alarm Input", IDC_EM_ON_ALARM, nullptr},
                                     {"On Illum Error", IDC_EM_ON_ILLUM, nullptr},  {"On Video Error", IDC_EM_ON_LOST, nullptr},
                                     {"On Power Up", IDC_EM_ON_POWER_UP, nullptr},  {"On Reboot", IDC_EM_ON_POWER_UP, nullptr},
                                     {"On Termination", IDC_EM_ON_TERMINATION, nullptr}};

std::string ReadEmail(const char* key, const char* def, size_t buf = kTextMax + 1)
{
    return ReadString(SystemIni(), kSecEmail, key, def, buf);
}

void WriteEmail(const char* key, const std::string& value) { WriteString(SystemIni(), kSecEmail, key, value); }

std::string ProviderFile()
{
    char dir[MAX_PATH] = "";
    const DWORD n = GetCurrentDirectoryA(sizeof dir, dir);
    return std::string(dir, n < sizeof dir ? n : 0) + "\\" + kProviderFile;
}

// ---- E-mail dialog --------------------------------------------------------------------------

void ShowEmail(HWND dlg)
{
    for (const EmailText& text : kEmailTexts) {
        LimitItemText(dlg, text.id, kTextMax);
        SetItemText(dlg, text.id, ReadEmail(text.key, text.def));
    }
    for (const EmailText& flag : kEmailFlags)
        if (ReadInt(SystemIni(), kSecEmail, flag.key, 0) != 0)
            SetItemCheck(dlg, flag.id, true);
    // Opened for reading and closed at once: only whether the carrier list is there matters.
    const HANDLE providers = CreateFileA(ProviderFile().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (providers != INVALID_HANDLE_VALUE) {
        CloseHandle(providers);
        ShowItem(dlg, IDC_EM_SMS, true);
    }
}

// "Set Defaults" was pressed and the default password is stored with the next OK or Apply; a
// Cancel keeps the stored password with the stored server and user.
constexpr LONG_PTR kDefaultPasswordDue = 1;

bool SaveEmail(HWND dlg)
{
    for (const EmailText& text : kEmailTexts)
        WriteEmail(text.key, GetItemText(dlg, text.id, kTextMax));
    for (const EmailText& flag : kEmailFlags)
        WriteFlag(SystemIni(), kSecEmail, flag.key, IsItemChecked(dlg, flag.id));
    if (GetWindowLongPtrA(dlg, DWLP_USER) == kDefaultPasswordDue) {
        std::string password = kDefaultPassword;
        Encode(password);
        WriteEmail("PW", password);
    }
    return true;
}

// Puts the example server and sender back, with the default password to be stored with them.
void SetEmailDefaults(HWND dlg)
{
    for (const EmailText& text : kEmailTexts)
        SetItemText(dlg, text.id, text.def);
    SetWindowLongPtrA(dlg, DWLP_USER, kDefaultPasswordDue);
}

// The old password is asked for only when the server and user shown are the stored ones.
void ChangePassword(HWND dlg)
{
    bVerifyOldPassword = EqualNoCase(GetItemText(dlg, IDC_EM_HOST, kTextMax), ReadEmail("Host", kDefaultHost)) &&
                         EqualNoCase(GetItemText(dlg, IDC_EM_USER, kTextMax), ReadEmail("Snmp User", kDefaultUser));
    ModalDialog(hParentInst ? hParentInst : hInst, "NewPassword", dlg, NewPasswordProc, 0);
}

// ---- Password dialog ------------------------------------------------------------------------

// Scrambling keeps only printable 7-bit text: a byte equal to the mask would cut the stored
// password short, and one above 127 at its start would read back still scrambled.
bool Storable(const std::string& password)
{
    for (const char c : password)
        if (c < 0x20 || c > 0x7E)
            return false;
    return true;
}

void ShowNewPassword(HWND dlg)
{
    iTries = 0;
    for (const int id : {IDC_PW_OLD, IDC_PW_NEW, IDC_PW_CONFIRM}) {
        LimitItemText(dlg, id, kTextMax);
        SetItemText(dlg, id, "");
    }
    ShowItem(dlg, IDC_PW_OLD, bVerifyOldPassword);
    ShowItem(dlg, IDC_PW_OLD_LABEL, bVerifyOldPassword);
}

const Refusal& kWrongOldPassword = DeclareRefusal("", "Old Password is Incorrect", MB_OK | MB_ICONSTOP);
const Refusal& kPasswordsDiffer = DeclareRefusal("", "New Password and Confirm Password Are Different");
const Refusal& kPasswordNotStorable = DeclareRefusal("", "A password may hold only letters, digits, blanks and the punctuation of a US keyboard.\n"
                                                         "The password was not changed.");

// After the fourth wrong old password the dialog closes, storing nothing.
bool SaveNewPassword(HWND dlg)
{
    std::string stored = ReadEmail("PW", kDefaultPassword, kPasswordBuf);
    Decode(stored);
    if (!Check(dlg, !bVerifyOldPassword || GetItemText(dlg, IDC_PW_OLD, kTextMax) == stored, kWrongOldPassword)) {
        if (++iTries >= kWrongTriesAllowed)
            EndDialog(dlg, 1);
        return false;
    }
    std::string password = GetItemText(dlg, IDC_PW_NEW, kTextMax);
    if (!Check(dlg, password == GetItemText(dlg, IDC_PW_CONFIRM, kTextMax), kPasswordsDiffer) ||
        !Check(dlg, Storable(password), kPasswordNotStorable))
        return false;
    Encode(password);
    WriteEmail("PW", password);
    return true;
}

// ---- Paging wizard --------------------------------------------------------------------------

// A carrier entry, "name,gateway domain[,more]": leading commas are skipped, as a tokenizer does.
struct Carrier {
    std::string name;
    std::string domain;
};

Carrier SplitCarrier(const std::string& entry)
{
    const size_t start = std::min(entry.find_first_not_of(','), entry.size());
    const size_t comma = std::min(entry.find(',', start), entry.size());
    const size_t end = std::min(entry.find(',', comma + 1), entry.size());
    return {entry.substr(start, comma - start), comma < entry.size() ? entry.substr(comma + 1, end - comma - 1) : ""};
}

// The carriers of the list chosen, in file order; absent or empty entries are left out.
std::vector<Carrier> Carriers(HWND dlg)
{
    const std::string file = ProviderFile();
    const char* section = IsItemChecked(dlg, IDC_WZ_BASIC) ? "Basic Email" : "All Email";
    const int count = std::min(ReadInt(file.c_str(), section, "Providers", 0), kMaxProviders);
    std::vector<Carrier> carriers;
    for (int i = 1; i <= count; ++i) {
        const std::string key = "Provider " + std::to_string(i);
        const Carrier carrier = SplitCarrier(ReadString(file.c_str(), section, key.c_str(), "", 80));
        if (!carrier.name.empty())
            carriers.push_back(carrier);
    }
    return carriers;
}

void LoadCarriers(HWND dlg)
{
    std::vector<std::string> names = {"Select One"};
    for (const Carrier& carrier : Carriers(dlg))
        names.push_back(carrier.name);
    std::vector<const char*> items;
    for (const std::string& name : names)
        items.push_back(name.c_str());
    FillCombo(dlg, IDC_WZ_CARRIER, items);
    SetComboSel(dlg, IDC_WZ_CARRIER, 0);
}

void ShowWizard(HWND dlg)
{
    SetItemCheck(dlg, IDC_WZ_BASIC, true);
    LoadCarriers(dlg);
    // With no stored list there is nothing to add to.
    if (ReadEmail("To Address", "").empty()) {
        for (const int id : {IDC_WZ_HOW_GROUP, IDC_WZ_REPLACE, IDC_WZ_ADD})
            ShowItem(dlg, id, false);
        SetItemCheck(dlg, IDC_WZ_REPLACE, true);
    }
}

void OnCarrierChosen(HWND dlg)
{
    const std::string phone = GetItemText(dlg, IDC_WZ_PHONE, 18);
    if (phone.empty()) {
        Tell(dlg, "Need to enter phone number first.", "", MB_OK);
        SetComboSel(dlg, IDC_WZ_CARRIER, 0);
        return;
    }
    const std::string chosen = GetComboSelText(dlg, IDC_WZ_CARRIER);
    for (const Carrier& carrier : Carriers(dlg))
        if (carrier.name == chosen) {
            SetItemText(dlg, IDC_WZ_ADDRESS, GetOnlyNumbers(phone) + "@" + carrier.domain);
            return;
        }
}

const Refusal& kNoSelection = DeclareRefusal("", "No selection made.");
const Refusal& kReplaceOrAdd = DeclareRefusal("", "Please Specify Replace Existing Email or Add Email to List.");
// The e-mail dialog and the recorder read the list back into 255 bytes: a longer one would lose
// addresses on its next save.
const Refusal& kListFull = DeclareRefusal("", "The recipient list is full: it may hold at most 254 characters.\n"
                                              "Remove an address in the e-mail dialog first. Nothing was added.");

bool SaveWizard(HWND dlg)
{
    const std::string address = GetItemText(dlg, IDC_WZ_ADDRESS, 78);
    const bool add = IsItemChecked(dlg, IDC_WZ_ADD);
    const std::string list = add ? ReadEmail("To Address", "") + ";" + address : address;
    if (!Check(dlg, !address.empty(), kNoSelection) || !Check(dlg, add || IsItemChecked(dlg, IDC_WZ_REPLACE), kReplaceOrAdd) ||
        !Check(dlg, list.size() <= kTextMax, kListFull))
        return false;
    WriteEmail("To Address", list);
    return true;
}

} // namespace

INT_PTR CALLBACK EmailDialogProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM) noexcept
{
    if (msg == WM_INITDIALOG) {
        const ReadSession session;
        ShowEmail(dlg);
        Rehearse(dlg, SaveEmail);
        return TRUE;
    }
    if (msg == WM_DESTROY)
        ForgetRehearsalOf(dlg);
    if (msg != WM_COMMAND)
        return FALSE;
    switch (LOWORD(wParam)) {
    case IDOK:
        SaveAndClose(dlg, SaveEmail);
        return TRUE;
    case IDC_EM_APPLY:
        if (WriteNow(dlg, [&] { SaveEmail(dlg); }))
            SetWindowLongPtrA(dlg, DWLP_USER, 0);
        return TRUE;
    case IDCANCEL:
        EndDialog(dlg, 0);
        return TRUE;
    case IDC_EM_DEFAULTS:
        SetEmailDefaults(dlg);
        return TRUE;
    case IDC_EM_CHANGE_PASSWORD:
        ChangePassword(dlg);
        return TRUE;
    case IDC_EM_SMS:
        if (ModalDialog(hParentInst ? hParentInst : hInst, "EmailWizard", dlg, EmailWizardProc, 0) == 1)
            SetItemText(dlg, IDC_EM_TO_ADDRESS, ReadEmail("To Address", ""));
        return TRUE;
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK NewPasswordProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM) noexcept
{
    if (msg == WM_INITDIALOG) {
        ShowNewPassword(dlg);
        return TRUE;
    }
    if (msg == WM_COMMAND && LOWORD(wParam) == IDOK) {
        SaveAndClose(dlg, SaveNewPassword);
        return TRUE;
    }
    if (msg == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
        Tell(dlg, "Password was not changed", "", MB_OK);
        EndDialog(dlg, 0);
        return TRUE;
    }
    return FALSE;
}

INT_PTR CALLBACK EmailWizardProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM) noexcept
{
    if (msg == WM_INITDIALOG) {
        ShowWizard(dlg);
        return TRUE;
    }
    if (msg != WM_COMMAND)
        return FALSE;
    switch (LOWORD(wParam)) {
    case IDC_WZ_BASIC:
    case IDC_WZ_FULL:
        LoadCarriers(dlg);
        return TRUE;
    case IDC_WZ_CARRIER:
        if (HIWORD(wParam) == CBN_SELCHANGE)
            OnCarrierChosen(dlg);
        return TRUE;
    case IDOK:
        SaveAndClose(dlg, SaveWizard);
        return TRUE;
    case IDCANCEL:
        EndDialog(dlg, 0);
        return TRUE;
    default:
        return FALSE;
    }
}
