// Which command a change of the change report ("S [Alarms] Ch 1 Enabled=1", "S [Schedule] MON6
// removed") belongs to, by the program's own table of the keys each command owns.
#pragma once

#include <windows.h>

#include <string>

bool OwnedBy(UINT command, const std::string& change);
// The entry of the command's table the change falls under, as "section/key pattern"; empty if none.
std::string OwningEntry(UINT command, const std::string& change);
// Whether a stored value that a command changed on an untouched OK is one it replaces when it
// opens, whatever is stored, because the recorder needs it so (each reason is given with the list).
bool ReplacedOnOpening(UINT command, const std::string& change);
