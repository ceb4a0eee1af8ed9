// The common controls library, loaded when first needed rather than at start-up: importing it
// makes every start of the program about a sixth slower, and most sessions open a dialog or two
// at most. Loaded under the program's manifest, it is the version 6 library.
#pragma once

#include <windows.h>

#include <commctrl.h>

HPROPSHEETPAGE CcCreatePropertySheetPage(const PROPSHEETPAGEA* page);
// -1 when the library or the function cannot be found.
INT_PTR CcPropertySheet(const PROPSHEETHEADERA* header);
// Registers the list view and progress bar classes, for dialogs that show them; false when they
// cannot be.
bool CcInitListViews();
