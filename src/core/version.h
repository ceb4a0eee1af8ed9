// The recorder's software version as it writes it in [Global] "QUELT Version": free text in
// which the number follows the last upper-case "V", as major "." minor ("QUELT V12.01").
#pragma once

#include <string_view>

// The major number after the last "V"; 0 when there is no "V", nothing after it, or no digits.
int MajorFromVersionText(std::string_view text);

// Whether the version in the text is major.minor or later. A text without a "V", or whose major
// equals the one asked for but has no minor part, is not.
bool VersionTextSameOrLater(std::string_view text, int major, int minor);
