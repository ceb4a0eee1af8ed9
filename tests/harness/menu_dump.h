// Writes a menu out as text, one item a line, two blanks of indent per popup level:
//   "&Files" (popup), "&Disk Usage 51685", "---" (separator), with " [checked]" and
//   " [right]" (right-justified) marks where they apply.
#pragma once

#include <windows.h>

#include <string>

std::string DumpMenu(HMENU menu);
