// Kept apart from the driver, so that tools linking the harness keep their own main.
#include "defines.h"

#include <commctrl.h>
#include <gtest/gtest.h>

// Entry point of every Windows test program: the module is the program's instance, as in WinMain.
int main(int argc, char** argv)
{
    hInst = GetModuleHandleA(nullptr);
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
