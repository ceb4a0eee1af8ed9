// What a stored value must look like for the dialog that owns it to show it as stored and accept it
// on OK. One rule serves both the dialog's own refusal and the site check, so the two never differ.
#pragma once

#include <climits>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

enum class ValueKind {
    Number,  // a whole number within [low, high]
    Flag,    // "0" or "1"
    YesNo,   // "YES" or "NO", in any case
    Choice,  // a position in a list of high + 1 entries
    Text,    // at most maxChars characters
    Address, // four numbers 0 to 255 separated by dots
    Any,     // anything the dialog shows as stored
};

struct ValueRule {
    ValueKind kind = ValueKind::Any;
    long long low = 0, high = 0;
    size_t maxChars = 0;
};

constexpr ValueRule NumberRule(long long low, long long high = INT_MAX) { return {ValueKind::Number, low, high, 0}; }
constexpr ValueRule FlagRule() { return {ValueKind::Flag, 0, 1, 0}; }
constexpr ValueRule YesNoRule() { return {ValueKind::YesNo, 0, 0, 0}; }
constexpr ValueRule ChoiceRule(size_t count) { return {ValueKind::Choice, 0, static_cast<long long>(count) - 1, 0}; }
constexpr ValueRule TextRule(size_t maxChars) { return {ValueKind::Text, 0, 0, maxChars}; }
constexpr ValueRule AddressRule() { return {ValueKind::Address, 0, 0, 0}; }
constexpr ValueRule AnyRule() { return {}; }

// Whether a number the user typed is one the rule accepts.
bool Accepts(const ValueRule& rule, long long number);
// Why a stored text breaks the rule, in plain words ("a whole number from 1 to 24"), or nullopt.
std::optional<std::string> Violation(const ValueRule& rule, std::string_view stored);
