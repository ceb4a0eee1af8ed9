#include "numtext.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Accumulates digits from text[pos] on, saturating at limit; returns the position after them.
size_t TakeDigits(std::string_view text, size_t pos, uint64_t limit, uint64_t& value, bool& over)
{
    value = 0;
    over = false;
    while (pos < text.size() && IsDigit(text[pos])) {
        if (!over) {
            value = value * 10 + static_cast<uint64_t>(text[pos] - '0');
            if (value > limit) {
                over = true;
                value = limit;
            }
        }
        ++pos;
    }
    return pos;
}

size_t SkipBlanks(std::string_view text, size_t pos)
{
    while (pos < text.size() && IsBlank(text[pos]))
        ++pos;
    return pos;
}

} // namespace

int LeadingInt(std::string_view text)
{
    size_t pos = SkipBlanks(text, 0);
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
        negative = text[pos] == '-';
        ++pos;
    }
    const uint64_t limit = negative ? uint64_t{INT_MAX} + 1 : uint64_t{INT_MAX};
    uint64_t value;
    bool over;
    TakeDigits(text, pos, limit, value, over);
    if (negative)
        return value == uint64_t{INT_MAX} + 1 ? INT_MIN : -static_cast<int>(value);
    return static_cast<int>(value);
}

namespace {

// Shared by both edit-box readers: blanks, optional "-", digits, blanks, end.
std::optional<uint64_t> ParseWhole(std::string_view text, bool allowMinus, uint64_t limitPlus,
                                   uint64_t limitMinus, bool& negative)
{
    size_t pos = SkipBlanks(text, 0);
    negative = false;
    if (allowMinus && pos < text.size() && text[pos] == '-') {
        negative = true;
        ++pos;
    }
    const size_t digitsAt = pos;
    uint64_t value;
    bool over;
    pos = TakeDigits(text, pos, negative ? limitMinus : limitPlus, value, over);
    if (pos == digitsAt || over)
        return std::nullopt;
    if (SkipBlanks(text, pos) != text.size())
        return std::nullopt;
    return value;
}

} // namespace

std::optional<int> ParseSignedText(std::string_view text)
{
    bool negative;
    const auto value = ParseWhole(text, true, INT_MAX, uint64_t{INT_MAX} + 1, negative);
    if (!value)
        return std::nullopt;
    if (negative)
        return *value == uint64_t{INT_MAX} + 1 ? INT_MIN : -static_cast<int>(*value);
    return static_cast<int>(*value);
}

std::optional<unsigned> ParseUnsignedText(std::string_view text)
{
    bool negative;
    const auto value = ParseWhole(text, false, UINT_MAX, 0, negative);
    if (!value)
        return std::nullopt;
    return static_cast<unsigned>(*value);
}

bool EqualNoCase(std::string_view a, std::string_view b) noexcept
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i] && UpperAscii(a[i]) != UpperAscii(b[i])) // names mostly agree in case too
            return false;
    return true;
}

int CompareNoCase(std::string_view a, std::string_view b) noexcept
{
    for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
        if (a[i] == b[i])
            continue;
        const auto x = static_cast<unsigned char>(UpperAscii(a[i])), y = static_cast<unsigned char>(UpperAscii(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

bool LessNoCase(std::string_view a, std::string_view b) noexcept { return CompareNoCase(a, b) < 0; }

bool IsYesText(std::string_view text) noexcept { return EqualNoCase(text, "YES"); }

std::string Plural(size_t count, const char* noun) { return std::to_string(count) + " " + noun + (count == 1 ? "" : "s"); }

std::vector<std::string_view> Tokens(std::string_view text, char separator)
{
    std::vector<std::string_view> fields;
    for (size_t start = text.find_first_not_of(separator); start != std::string_view::npos;
         start = text.find_first_not_of(separator, text.find(separator, start)))
        fields.push_back(text.substr(start, text.find(separator, start) - start));
    return fields;
}

std::array<int, 4> SplitDottedOctets(std::string_view text)
{
    std::array<int, 4> octets = {255, 255, 255, 255};
    const std::vector<std::string_view> fields = Tokens(text, '.');
    for (size_t i = 0; i < std::min(fields.size(), octets.size()); ++i)
        octets[i] = LeadingInt(fields[i]) & 255;
    return octets;
}

std::vector<std::string> CommandArgs(std::string_view line)
{
    std::vector<std::string> args;
    size_t i = 0;
    while (true) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        if (i == line.size())
            return args;
        std::string arg;
        for (bool quoted = false; i < line.size() && (quoted || (line[i] != ' ' && line[i] != '\t')); ++i) {
            if (line[i] == '"')
                quoted = !quoted;
            else
                arg += line[i];
        }
        args.push_back(arg);
    }
}

std::string UpperAscii(std::string text)
{
    for (char& c : text)
        c = UpperAscii(c);
    return text;
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

std::string Base64(std::span<const uint8_t> bytes)
{
    static constexpr char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string text;
    text.reserve((bytes.size() + 2) / 3 * 4);
    for (size_t i = 0; i < bytes.size(); i += 3) {
        const size_t left = bytes.size() - i;
        const uint32_t group = static_cast<uint32_t>(bytes[i]) << 16 | (left > 1 ? static_cast<uint32_t>(bytes[i + 1]) << 8 : 0) |
                               (left > 2 ? bytes[i + 2] : 0);
        text += kDigits[group >> 18 & 63];
        text += kDigits[group >> 12 & 63];
        text += left > 1 ? kDigits[group >> 6 & 63] : '=';
        text += left > 2 ? kDigits[group & 63] : '=';
    }
    return text;
}
