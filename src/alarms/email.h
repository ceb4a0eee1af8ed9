// E-mail notification: the e-mail dialog (SMTP server, sender, recipients, the events that send
// a message), its password dialog and the paging wizard that turns a telephone number and a
// carrier into the carrier's e-mail gateway address.
#pragma once

#include <windows.h>

// Set by the e-mail dialog before it opens the password dialog: false when the server or user
// name shown is not the stored one, whose password need not be known.
extern bool bVerifyOldPassword;
// Wrong old passwords entered in the open password dialog.
extern int iTries;

// Results: 1 after OK, 0 after Cancel (the password dialog's is not used).
INT_PTR CALLBACK EmailDialogProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
INT_PTR CALLBACK NewPasswordProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
INT_PTR CALLBACK EmailWizardProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
