// Files > Compare with Site: the values another site holds differently, and taking the checked
// ones into this site as one confirmation of the change history ("Taken from <other site>").
#pragma once

#include <windows.h>

#include <string>

INT_PTR CALLBACK CompareSiteProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
// Asks for the other site's system INI file, then shows the comparison.
void DisplaySiteComparison(HINSTANCE instance, HWND owner);
// The comparison with a site already chosen.
void CompareWithSite(HINSTANCE instance, HWND owner, const std::string& otherIni);
