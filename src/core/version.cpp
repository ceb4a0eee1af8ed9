#include "version.h"

#include "numtext.h"

namespace {

// The text after the last upper-case "V", or nothing when there is none or it ends the text.
bool AfterLastV(std::string_view text, std::string_view& rest)
{
    const size_t v = text.rfind('V');
    if (v == std::string_view::npos || v + 1 >= text.size())
        return false;
    rest = text.substr(v + 1);
    return true;
}

} // namespace

int MajorFromVersionText(std::string_view text)
{
    std::string_view rest;
    return AfterLastV(text, rest) ? LeadingInt(rest) : 0;
}

bool VersionTextSameOrLater(std::string_view text, int major, int minor)
{
    std::string_view rest;
    if (!AfterLastV(text, rest))
        return false;
    const int have = LeadingInt(rest);
    if (major > have)
        return false;
    if (major < have)
        return true;
    const size_t dot = rest.find('.');
    if (dot == std::string_view::npos || dot + 1 >= rest.size())
        return false;
    return LeadingInt(rest.substr(dot + 1)) >= minor;
}
