// Small routines on the recorder's plain byte strings that several dialogs share: the
// scrambling under which the recorder keeps passwords in its system INI file, the site-name
// check, the file name of a map picture's path and the texts of the imaging library's error codes.
//
// Strings end at their first zero byte, as they do in the recorder's files and tools; the
// std::string forms below look only at the characters before it. Nothing here allocates on the
// char* paths, and nothing fails.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// The one-byte mask of the recorder's password scrambling. It has its top bit set, so plain 7-bit
// text always scrambles to bytes with the top bit set: that is how a reader tells a scrambled
// value from one a technician typed into the file by hand.
inline constexpr unsigned char kScrambleMask = 0xD6;

// Scrambles text in place: each byte up to length bytes, or up to the first zero byte if that
// comes sooner, is exclusive-ored with the mask. Callers pass the text's own length. Only 7-bit
// text survives a round trip: a byte equal to the mask scrambles to a zero byte, which ends the
// stored value there, and text starting with a byte above 127 reads back as unscrambled.
void Encode(char* text, size_t length) noexcept;
void Encode(std::string& text) noexcept;

// Unscrambles text in place, but only if its first byte has the top bit set; a password stored in
// plain 7-bit text is left as it is. Same bound as Encode.
void Decode(char* text, size_t length) noexcept;
void Decode(std::string& text) noexcept;

// True if name is acceptable as a site name: none of the characters / . , \ : * ? " < > | and no
// blank at the end (leading and inner blanks are fine, and so is an empty name). With replace
// set, the forbidden characters are also dropped and the trailing blanks cut off, in place; the
// result still tells whether the name had to be changed.
bool ValidSiteName(std::string& name, bool replace);
bool ValidSiteName(std::string_view name);

// The file-name part of a path, as the site map stores it. The search for the last backslash
// starts at the first dot of the path, so a dot in a folder name keeps the folders after it:
// C:\MY.DIR\MAP.PCX gives MY.DIR\MAP.PCX. A path without a backslash before its first dot is
// returned whole.
std::string RemovePathFromFilename(std::string_view fullPath);

// The imaging library's error texts, indexed by minus the error code (0 to -63). Entry 0 is
// empty: code 0 is not an error.
extern const std::array<std::string_view, 64> pszLeadError;

// The text for an imaging-library error code: the table entry for 0 to -63, otherwise
// "Unknown LEAD ERROR: <code>" (success codes 1 and above, and codes below -63).
std::string FormatLeadError(int code);

// The same text into a caller's buffer of size bytes, cut short to fit and always terminated.
// Returns buffer, or nullptr (writing nothing) when there is no buffer or it has no room.
char* FormatLeadError(int code, char* buffer, size_t size) noexcept;

// The digits "0" to "9" of a text, in order; every other character is dropped (a telephone
// number typed with brackets, blanks and dashes).
std::string GetOnlyNumbers(std::string_view input);
