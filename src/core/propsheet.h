// The property-sheet pattern shared by the camera, schedule, TDI port and alarm sheets.
//
// A sheet is one page template shown once per camera, day or port. Every page of a sheet runs
// the same common page procedure, which learns from a constant 1-based index which camera, day
// or port it edits; small generated thunks supply that index. Each page saves itself on apply,
// so nothing is saved after the sheet closes.
#pragma once

#include "profile.h"

#include <windows.h>

#include <prsht.h>

#include <array>
#include <span>
#include <string>
#include <utility>

// A sheet's common page procedure: the dialog procedure's arguments plus the 1-based index.
using PageProc = INT_PTR (*)(HWND page, UINT msg, WPARAM wParam, LPARAM lParam, int index) noexcept;

template <PageProc Common, int Index>
INT_PTR CALLBACK PageThunk(HWND page, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    return Common(page, msg, wParam, lParam, Index);
}

// The table of N thunks: entry k - 1 serves page k.
template <PageProc Common, size_t N>
constexpr std::array<DLGPROC, N> MakePageProcs()
{
    return []<size_t... I>(std::index_sequence<I...>) {
        return std::array<DLGPROC, N>{&PageThunk<Common, static_cast<int>(I) + 1>...};
    }(std::make_index_sequence<N>{});
}

struct SheetPage {
    const char* templateName;
    std::string title;
    DLGPROC proc;
};

// Creates the pages and shows the sheet modally, with the "OWL" icon, starting on the given page
// (the first one when it has no such page); returns what the property sheet returned (-1 when it
// could not be shown).
INT_PTR ShowPropertySheet(HINSTANCE instance, HWND parent, const char* caption,
                          std::span<const SheetPage> pages, size_t startPage = 0);

// The page tells its sheet that it holds changes (enables Apply).
void NotifyChanged(HWND page);
// A page's PSN_APPLY: save writes the page's keys. When one could not be stored the user is told
// once and the sheet stays open on this page (later pages are not applied); otherwise Cancel now
// reads as Close and the page is clean again. The page procedure returns TRUE for PSN_APPLY.
void FinishApply(HWND page);
// One press of OK or Apply applies every opened page in turn, and is one confirmation: the first
// page applied begins it.
bool FirstOpenedPage(HWND page);
template <typename Save>
void ApplyPage(HWND page, Save save)
{
    if (FirstOpenedPage(page))
        MarkWrites();
    else
        ContinueWrites();
    save();
    FinishApply(page);
}

// The usual sheet page: show fills the controls when the page is created; a notice from any of
// its controls afterwards marks the page changed (those sent while it fills them are not the
// user's); apply runs save through ApplyPage.
template <typename Show, typename Save>
INT_PTR EditPage(HWND page, UINT msg, LPARAM lParam, Show show, Save save)
{
    switch (msg) {
    case WM_INITDIALOG:
        show(page);
        SetWindowLongPtrA(page, GWLP_USERDATA, 1);
        return TRUE;
    case WM_COMMAND:
        if (GetWindowLongPtrA(page, GWLP_USERDATA))
            NotifyChanged(page);
        return FALSE;
    case WM_NOTIFY:
        if (!lParam || reinterpret_cast<const NMHDR*>(lParam)->code != static_cast<UINT>(PSN_APPLY))
            return FALSE;
        ApplyPage(page, [&] { save(page); });
        return TRUE;
    default:
        return FALSE;
    }
}
