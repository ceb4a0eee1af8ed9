// What each menu command may write, as the change report names keys ("S [Alarms] Ch 1 Enabled=1"):
// a change is the command's own when it starts with one of its prefixes.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

extern const std::vector<std::pair<UINT, std::vector<std::string>>> kOwnedKeys;

bool OwnedBy(const std::vector<std::string>& owned, const std::string& change);
