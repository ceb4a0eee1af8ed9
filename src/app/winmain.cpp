#include "cmdtools.h"
#include "orva_config.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR, int showCommand)
{
    if (previous)
        return 0;
    if (const std::optional<int> code = RunCommandLineTool(GetCommandLineA()))
        return *code;
    // No InitCommonControlsEx here: the manifest brings the version 6 controls, and registering
    // every common control class would add a third to the time the window takes to appear.
    if (!InitApplication(instance))
        return 0;
    if (!InitInstance(instance, showCommand))
        return StartupExitCode();
    return RunMessageLoop();
}
