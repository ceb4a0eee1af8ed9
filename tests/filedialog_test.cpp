// The open-file dialog for map pictures: a cancel is silent and changes nothing.
#include "site.h"
#include "site_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

// Dialogs seen, in order: the file dialog first, then any message box.
std::vector<HWND> dialogs;
std::string fileDialogTitle;

void CALLBACK AnswerLastDialog(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    if (!dialogs.empty())
        PostMessageA(dialogs.back(), WM_COMMAND, dialogs.size() == 1 ? IDCANCEL : IDOK, 0);
}

// The file dialog is cancelled, and anything that follows it answered, from a zero timer once
// it is up.
LRESULT CALLBACK WatchForDialogs(int code, WPARAM wParam, LPARAM lParam)
{
    const HWND wnd = reinterpret_cast<HWND>(wParam);
    char cls[16] = "";
    if (code == HCBT_ACTIVATE && GetClassNameA(wnd, cls, sizeof cls) && std::string(cls) == "#32770" &&
        std::find(dialogs.begin(), dialogs.end(), wnd) == dialogs.end()) {
        dialogs.push_back(wnd);
        if (dialogs.size() == 1) {
            char title[128] = "";
            GetWindowTextA(wnd, title, sizeof title);
            fileDialogTitle = title;
        }
        SetTimer(nullptr, 0, 0, AnswerLastDialog);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

using FileDialog = SiteFixture;

} // namespace

TEST_F(FileDialog, CancelReturnsFalseWithoutAMessage)
{
    dialogs.clear();
    const HHOOK hook = SetWindowsHookExA(WH_CBT, WatchForDialogs, nullptr, GetCurrentThreadId());
    std::string chosen = "unchanged";
    const bool picked = GetLocalFileName(nullptr, "Map File", chosen, true);
    UnhookWindowsHookEx(hook);
    EXPECT_FALSE(picked);
    EXPECT_EQ(chosen, "unchanged");
    EXPECT_EQ(fileDialogTitle, "Map File");
    EXPECT_EQ(dialogs.size(), 1u) << "no message follows a cancel";
    EXPECT_TRUE(ChangesSinceMark().empty());
}
