#include "bankprotocol.h"

#include "defines.h"
#include "dlgctl.h"
#include "profile.h"
#include "resource.h"

#include <climits>

namespace {

constexpr char kSecTransaction[] = "Transaction";

// Only the default and Wells Fargo formats carry a customer field.
void EnableCustomerField(HWND dlg, int protocol) { EnableItem(dlg, IDC_BP_CUST_SIZE, protocol == 0 || protocol == 1); }

void ShowBankProtocol(HWND dlg)
{
    SetItemInt(dlg, IDC_BP_IMAGES, ReadInt(SystemIni(), kSecTransaction, "Number of Images", 1));
    SetItemCheck(dlg, IDC_BP_PRINT_EVENTS, ReadInt(SystemIni(), kSecTransaction, "Print Events", 0) != 0);
    FillCombo(dlg, IDC_BP_PROTOCOL, BankProtocolAscii);
    const int protocol = ReadInt(SystemIni(), kSecOrvaComm, "Bank Protocol", 0);
    if (protocol >= 0 && protocol < static_cast<int>(BankProtocolAscii.size()))
        SetComboSel(dlg, IDC_BP_PROTOCOL, protocol);
    EnableCustomerField(dlg, protocol);
    SetItemInt(dlg, IDC_BP_CUST_SIZE, ReadInt(SystemIni(), kSecTransaction, "Cust Size", 0));
}

// Written as shown, the customer field size too when its box is disabled: the recorder checks
// nothing here.
bool SaveBankProtocol(HWND dlg)
{
    WriteInt(SystemIni(), kSecTransaction, "Cust Size", GetItemInt(dlg, IDC_BP_CUST_SIZE));
    WriteInt(SystemIni(), kSecTransaction, "Number of Images", GetItemInt(dlg, IDC_BP_IMAGES));
    WriteFlag(SystemIni(), kSecTransaction, "Print Events", IsItemChecked(dlg, IDC_BP_PRINT_EVENTS));
    WriteInt(SystemIni(), kSecOrvaComm, "Bank Protocol", GetComboSel(dlg, IDC_BP_PROTOCOL));
    return true;
}

} // namespace

INT_PTR CALLBACK BankProtocolProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM) noexcept
{
    if (msg == WM_COMMAND) {
        switch (LOWORD(wParam)) {
        case IDC_BP_PROTOCOL:
            if (HIWORD(wParam) == CBN_SELENDOK)
                EnableCustomerField(dlg, GetComboSel(dlg, IDC_BP_PROTOCOL));
            return TRUE;
        case IDC_BP_PLUS:
            StepItemInt(dlg, IDC_BP_IMAGES, 1, INT_MIN, INT_MAX);
            return TRUE;
        case IDC_BP_MINUS: // never fewer than one image
            StepItemInt(dlg, IDC_BP_IMAGES, -1, 1, INT_MAX);
            return TRUE;
        default:
            break;
        }
    }
    return OkCancelDialog(dlg, msg, wParam, ShowBankProtocol, SaveBankProtocol);
}
