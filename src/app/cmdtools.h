// The program's commands for use without a window, from a command prompt or a script:
//   orva_config.exe /history <system INI path> [/out <file>]
//   orva_config.exe /check <system INI path> [more paths...] [/out <file>]
//   orva_config.exe /diff <site A system INI path> <site B system INI path> [/out <file>]
// They print to the console the program was started from (and to the file after /out) and end
// with an exit code; they need no display.
#pragma once

#include <optional>

// The exit code when the command line names one of these commands, else nullopt (the program then
// starts its window as usual).
std::optional<int> RunCommandLineTool(const char* commandLine);
