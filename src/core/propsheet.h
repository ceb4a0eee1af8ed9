// The property-sheet pattern shared by the camera, schedule, TDI port and alarm sheets.
//
// A sheet is one page template shown once per camera, day or port. Every page of a sheet runs
// the same common page procedure, which learns from a constant 1-based index which camera, day
// or port it edits; small generated thunks supply that index. Each page saves itself on apply,
// so nothing is saved after the sheet closes.
#pragma once

#include "dlgctl.h"
#include "profile.h"

#include <windows.h>

#include <prsht.h>

#include <array>
#include <span>
#include <string>
#include <type_traits>
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
// One press of OK or Apply applies every opened page in turn, and is one confirmation: the first
// page applied begins it, the last one stores it.
bool FirstOpenedPage(HWND page);
bool LastOpenedPage(HWND page);
// A page's PSN_APPLY after its save. Refused (saved false): nothing of the sheet's confirmation is
// stored and the sheet stays open on this page. On the last opened page the confirmation is
// stored; when a value could not be, the user is told once and the sheet stays open; otherwise
// Cancel now reads as Close and every page is clean again. The page procedure returns TRUE for
// PSN_APPLY.
void FinishApply(HWND page, bool saved);
// save returns whether the page's checks passed (a save that checks nothing may return nothing).
template <typename Save>
void ApplyPage(HWND page, Save save)
{
    if (FirstOpenedPage(page))
        BeginWrites(RehearsalOf(page));
    else
        ContinueWrites(RehearsalOf(page));
    if constexpr (std::is_void_v<decltype(save())>) {
        save();
        FinishApply(page, true);
    } else {
        FinishApply(page, save());
    }
}

// The usual sheet page: show fills the controls when the page is created, and the save is
// rehearsed; a notice from any of its controls afterwards marks the page changed (those sent while
// it fills them are not the user's); apply runs save through ApplyPage.
template <typename Show, typename Save>
INT_PTR EditPage(HWND page, UINT msg, LPARAM lParam, Show show, Save save)
{
    switch (msg) {
    case WM_INITDIALOG: {
        const ReadSession session; // what the page shows, read a section at a time
        show(page);
        Rehearse(page, save);
        SetWindowLongPtrA(page, GWLP_USERDATA, 1);
        return TRUE;
    }
    case WM_COMMAND:
        if (GetWindowLongPtrA(page, GWLP_USERDATA))
            NotifyChanged(page);
        return FALSE;
    case WM_NOTIFY:
        if (!lParam || reinterpret_cast<const NMHDR*>(lParam)->code != static_cast<UINT>(PSN_APPLY))
            return FALSE;
        ApplyPage(page, [&] { return save(page); });
        return TRUE;
    case WM_DESTROY:
        ForgetRehearsalOf(page);
        return FALSE;
    default:
        return FALSE;
    }
}
