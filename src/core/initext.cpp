#include "initext.h"

#include "numtext.h"

#include <algorithm>

namespace {

// The first (last) c in [begin, end) of the text, or end when there is none.
size_t FindIn(const std::string& text, char c, size_t begin, size_t end)
{
    const auto found = std::find(text.begin() + static_cast<std::ptrdiff_t>(begin), text.begin() + static_cast<std::ptrdiff_t>(end), c);
    return static_cast<size_t>(found - text.begin());
}

size_t FindLastIn(const std::string& text, char c, size_t begin, size_t end)
{
    for (size_t i = end; i > begin; --i)
        if (text[i - 1] == c)
            return i - 1;
    return end;
}

bool Blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// A line of the text without the blanks round it: [begin, end).
struct Line {
    size_t begin, end, next;
};

Line TrimmedLine(const std::string& text, size_t start)
{
    const size_t feed = text.find('\n', start);
    Line line{start, feed == std::string::npos ? text.size() : feed, feed == std::string::npos ? text.size() : feed + 1};
    while (line.begin < line.end && Blank(text[line.begin]))
        ++line.begin;
    while (line.end > line.begin && Blank(text[line.end - 1]))
        --line.end;
    return line;
}

bool Ascii(const std::string& text, size_t begin, size_t end)
{
    return std::all_of(text.begin() + static_cast<std::ptrdiff_t>(begin), text.begin() + static_cast<std::ptrdiff_t>(end),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool PlainBytes(const std::string& text, bool latin1CodePage)
{
    if (text.starts_with("\xEF\xBB\xBF") || text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF"))
        return false;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\r' ? i + 1 == text.size() || text[i + 1] != '\n'
                      : (c < 0x20 && c != '\t' && c != '\n') || c == 0x7F || c == 0xA0 || (c >= 0x80 && !latin1CodePage))
            return false;
    }
    return true;
}

} // namespace

std::optional<IniText> ParseIniText(std::string text, bool latin1CodePage)
{
    if (!PlainBytes(text, latin1CodePage))
        return std::nullopt;
    IniText ini;
    for (size_t start = 0; start < text.size();) {
        const Line line = TrimmedLine(text, start);
        start = line.next;
        if (line.begin == line.end)
            continue;
        const size_t close = text[line.begin] == '[' ? FindLastIn(text, ']', line.begin, line.end) : line.end;
        if (close < line.end) {
            // Wine's versions differ on blanks round a section's name: such a file is left to the service.
            if (!Ascii(text, line.begin, close) || (close > line.begin + 1 && (Blank(text[line.begin + 1]) || Blank(text[close - 1]))))
                return std::nullopt;
            if (!ini.sections.empty())
                ini.sections.back().end = line.begin;
            ini.sections.push_back({text.substr(line.begin + 1, close - line.begin - 1), line.next, text.size()});
            continue;
        }
        // A key name the service would compare by other rules, or an empty one (listed by some
        // versions of Wine and not by others).
        const size_t eq = FindIn(text, '=', line.begin, line.end);
        if (eq < line.end && (eq == line.begin || !Ascii(text, line.begin, eq)))
            return std::nullopt;
    }
    ini.text = std::move(text);
    return ini;
}

std::vector<std::pair<std::string, std::string>> IniSectionKeys(const IniText& ini, const std::string& section)
{
    std::vector<std::pair<std::string, std::string>> keys;
    const auto found = std::find_if(ini.sections.begin(), ini.sections.end(),
                                    [&](const IniText::Section& s) { return !s.name.empty() && EqualNoCase(s.name, section); });
    if (found == ini.sections.end())
        return keys;
    for (size_t start = found->begin; start < found->end;) {
        const Line line = TrimmedLine(ini.text, start);
        start = line.next;
        const size_t eq = FindIn(ini.text, '=', line.begin, line.end);
        if (line.begin == line.end || eq >= line.end || ini.text[line.begin] == ';')
            continue;
        size_t nameEnd = eq, value = eq + 1;
        while (nameEnd > line.begin && Blank(ini.text[nameEnd - 1]))
            --nameEnd;
        while (value < line.end && Blank(ini.text[value]))
            ++value;
        if (nameEnd > line.begin)
            keys.emplace_back(ini.text.substr(line.begin, nameEnd - line.begin), ini.text.substr(value, line.end - value));
    }
    return keys;
}

std::vector<std::string> IniSectionNames(const IniText& ini)
{
    std::vector<std::string> names;
    for (const IniText::Section& s : ini.sections)
        if (!s.name.empty())
            names.push_back(s.name);
    return names;
}
