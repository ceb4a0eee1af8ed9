#include "orva_config.h"

#include <commctrl.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR, int showCommand)
{
    if (previous)
        return 0;
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    if (!InitApplication(instance))
        return 0;
    if (!InitInstance(instance, showCommand))
        return StartupExitCode();
    return RunMessageLoop();
}
