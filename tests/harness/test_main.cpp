// Entry point of every Windows test program, apart from the harness so that tools keep their own.
#include "defines.h"
#include "harness.h"

#include <commctrl.h>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    hInst = GetModuleHandleA(nullptr);
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    ::testing::InitGoogleTest(&argc, argv);
    FailStrayMessageBoxes();
    return RUN_ALL_TESTS();
}
