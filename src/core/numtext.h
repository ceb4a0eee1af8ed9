// Reading numbers, names and flags out of text, by the program's own rules.
//
// The recorder's INI files are hand-edited in the field, and Windows and Wine read numbers out
// of profile strings and edit boxes with small differences ("12abc", "-5", overflow). The
// program therefore reads every number itself, with the two rules below, on every platform.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The decimal number at the start of a text, as the recorder writes and reads its settings:
// leading blanks and tabs are skipped, one "+" or "-" is accepted, then digits are taken up to
// the first other character. No digits gives 0. A value beyond the 32-bit range is held at
// INT_MIN or INT_MAX rather than wrapped, so a huge stored number never reads as a small one.
int LeadingInt(std::string_view text);

// A whole edit box read as a number: blanks may stand before and after it, a "-" may lead a
// signed number, and nothing else may follow the digits. An empty box, any other character or
// a value outside the type's range is not a number (nullopt); callers then use 0, as an edit
// box that holds no number reads as 0 throughout the program.
std::optional<int> ParseSignedText(std::string_view text);
std::optional<unsigned> ParseUnsignedText(std::string_view text);

// Names and flags are compared as the recorder compares them: ASCII letters without regard to case.
bool EqualNoCase(std::string_view a, std::string_view b) noexcept;
// The order of names as UpperAscii makes them: below, at or above zero as a comes before, with or
// after b.
int CompareNoCase(std::string_view a, std::string_view b) noexcept;
bool LessNoCase(std::string_view a, std::string_view b) noexcept;
// The text with its ASCII letters in capitals, for looking names up without regard to case.
std::string UpperAscii(std::string text);
constexpr char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
// The text without the blanks and tabs at either end.
std::string_view Trimmed(std::string_view text);
// A "YES"/"NO" flag counts as set only when it reads "YES", in any case.
bool IsYesText(std::string_view text) noexcept;

// The fields of a text as a tokenizer finds them: runs of the separator count as one, and none
// is empty.
std::vector<std::string_view> Tokens(std::string_view text, char separator);

// The words of a command line: blanks separate them, and double quotes hold blanks inside one
// ("C:\Program Files\x.exe" "D:\Sites\Branch 12\ORVANT.INI" /out "my file.txt"); the quotes go.
std::vector<std::string> CommandArgs(std::string_view line);

// The four numbers of a dotted address as the recorder splits it: runs of dots count as one
// separator, each field gives its leading number (LeadingInt) cut to its low 8 bits, and a
// missing field gives 255, so an empty text gives 255.255.255.255.
std::array<int, 4> SplitDottedOctets(std::string_view text);

// A count and its noun, with an "s" unless the count is one: "1 value", "3 values".
std::string Plural(size_t count, const char* noun);

// The bytes in base64 with padding, as a data: address of a web page carries a picture.
std::string Base64(std::span<const uint8_t> bytes);
