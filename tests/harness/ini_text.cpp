#include "ini_text.h"

#include <cctype>
#include <fstream>
#include <sstream>

namespace {

std::string Trim(const std::string& s)
{
    size_t b = 0, e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t'))
        ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t' || s[e - 1] == '\r'))
        --e;
    return s.substr(b, e - b);
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::string line;
    std::istringstream in(text);
    while (std::getline(in, line))
        lines.push_back(line);
    return lines;
}

bool IsSectionLine(const std::string& trimmed, std::string& name)
{
    if (trimmed.size() < 2 || trimmed.front() != '[')
        return false;
    const size_t close = trimmed.find(']');
    if (close == std::string::npos)
        return false;
    name = Trim(trimmed.substr(1, close - 1));
    return true;
}

bool EqualNoCase(const std::string& a, const std::string& b)
{
    return !NoCaseLess{}(a, b) && !NoCaseLess{}(b, a);
}

} // namespace

bool NoCaseLess::operator()(const std::string& a, const std::string& b) const
{
    const size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        const int ca = std::tolower(static_cast<unsigned char>(a[i]));
        const int cb = std::tolower(static_cast<unsigned char>(b[i]));
        if (ca != cb)
            return ca < cb;
    }
    return a.size() < b.size();
}

IniSections ParseIni(const std::string& text)
{
    IniSections sections;
    IniKeys* current = nullptr;
    for (const std::string& raw : Lines(text)) {
        const std::string line = Trim(raw);
        std::string name;
        if (IsSectionLine(line, name)) {
            current = &sections[name];
            continue;
        }
        const size_t eq = line.find('=');
        if (!current || eq == std::string::npos || line.front() == ';')
            continue;
        current->emplace(Trim(line.substr(0, eq)), Trim(line.substr(eq + 1)));
    }
    return sections;
}

std::optional<std::string> ReadFileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WriteFileText(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

std::string SetIniKey(const std::string& text, const std::string& section, const std::string& key,
                      const std::string& value)
{
    std::vector<std::string> lines = Lines(text);
    const std::string entry = key + "=" + value;
    bool inSection = false;
    size_t sectionEnd = lines.size(); // one past the last line of the section, once found
    bool found = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string name;
        if (IsSectionLine(Trim(lines[i]), name)) {
            if (inSection)
                break;
            inSection = EqualNoCase(name, section);
            if (inSection) {
                found = true;
                sectionEnd = i + 1;
            }
            continue;
        }
        if (!inSection)
            continue;
        const std::string line = Trim(lines[i]);
        const size_t eq = line.find('=');
        if (eq != std::string::npos && EqualNoCase(Trim(line.substr(0, eq)), key)) {
            lines[i] = entry;
            sectionEnd = std::string::npos;
            break;
        }
        if (!line.empty())
            sectionEnd = i + 1;
    }
    if (!found) {
        lines.push_back("[" + section + "]");
        lines.push_back(entry);
    } else if (sectionEnd != std::string::npos) {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(sectionEnd), entry);
    }
    std::string out;
    for (const std::string& line : lines)
        out += line + "\r\n";
    return out;
}
