#include "rules.h"

#include "numtext.h"

#include <array>

namespace {

std::string Range(const ValueRule& rule)
{
    if (rule.high >= INT_MAX)
        return rule.low <= 0 ? "a whole number" : "a whole number of at least " + std::to_string(rule.low);
    return "a whole number from " + std::to_string(rule.low) + " to " + std::to_string(rule.high);
}

bool IsAddress(std::string_view text)
{
    const std::vector<std::string_view> fields = Tokens(text, '.');
    if (fields.size() != 4 || text.find("..") != std::string_view::npos || text.front() == '.' || text.back() == '.')
        return false;
    for (const std::string_view field : fields) {
        const std::optional<int> n = ParseSignedText(field);
        if (!n || *n < 0 || *n > 255 || field.find_first_not_of("0123456789") != std::string_view::npos)
            return false;
    }
    return true;
}

} // namespace

bool Accepts(const ValueRule& rule, long long number) { return number >= rule.low && number <= rule.high; }

std::optional<std::string> Violation(const ValueRule& rule, std::string_view stored)
{
    switch (rule.kind) {
    case ValueKind::Number:
    case ValueKind::Choice: {
        const std::optional<int> n = ParseSignedText(stored);
        if (n && Accepts(rule, *n))
            return std::nullopt;
        const std::string wanted = rule.kind == ValueKind::Choice
                                       ? "a choice from 0 to " + std::to_string(rule.high) + " of its list"
                                       : Range(rule);
        return (n ? "outside its range; " : "not a number; ") + wanted + " is expected";
    }
    case ValueKind::Flag:
        if (Trimmed(stored) == "0" || Trimmed(stored) == "1")
            return std::nullopt;
        return "neither 0 nor 1";
    case ValueKind::YesNo:
        if (EqualNoCase(Trimmed(stored), "YES") || EqualNoCase(Trimmed(stored), "NO"))
            return std::nullopt;
        return "neither YES nor NO";
    case ValueKind::Text:
        if (stored.size() <= rule.maxChars)
            return std::nullopt;
        return "longer than the " + std::to_string(rule.maxChars) + " characters its box holds";
    case ValueKind::Address:
        if (Trimmed(stored).empty() || IsAddress(Trimmed(stored)))
            return std::nullopt;
        return "not an address of four numbers from 0 to 255";
    case ValueKind::Any:
        return std::nullopt;
    }
    return std::nullopt;
}
