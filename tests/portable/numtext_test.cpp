#include "numtext.h"

#include <gtest/gtest.h>

#include <climits>

TEST(LeadingInt, ReadsTheNumberAtTheStartOfAStoredValue)
{
    const struct {
        const char* text;
        int want;
    } cases[] = {
        {"", 0},           {"42", 42},          {"  42", 42},       {"\t-7", -7},
        {"+8", 8},         {"12abc", 12},       {"abc", 0},         {"-", 0},
        {"2.05", 2},       {"0x10", 0},         {"007", 7},         {"- 5", 0},
        {"2147483647", INT_MAX},                {"2147483648", INT_MAX},
        {"99999999999", INT_MAX},               {"-2147483648", INT_MIN},
        {"-99999999999999999999999", INT_MIN},  {"1 2", 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LeadingInt(c.text), c.want) << '"' << c.text << '"';
}

TEST(ParseText, AnEditBoxMustHoldExactlyOneNumber)
{
    const struct {
        const char* text;
        std::optional<int> signedValue;
        std::optional<unsigned> unsignedValue;
    } cases[] = {
        {"", std::nullopt, std::nullopt},
        {"0", 0, 0u},
        {"20000", 20000, 20000u},
        {" 15 ", 15, 15u},
        {"-5", -5, std::nullopt},
        {"+5", std::nullopt, std::nullopt},
        {"12abc", std::nullopt, std::nullopt},
        {"1 2", std::nullopt, std::nullopt},
        {"0x10", std::nullopt, std::nullopt},
        {"-", std::nullopt, std::nullopt},
        {"2147483647", INT_MAX, 2147483647u},
        {"2147483648", std::nullopt, 2147483648u},
        {"-2147483648", INT_MIN, std::nullopt},
        {"-2147483649", std::nullopt, std::nullopt},
        {"4294967295", std::nullopt, 4294967295u},
        {"4294967296", std::nullopt, std::nullopt},
        {"99999999999999999999", std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseSignedText(c.text), c.signedValue) << '"' << c.text << '"';
        EXPECT_EQ(ParseUnsignedText(c.text), c.unsignedValue) << '"' << c.text << '"';
    }
}

TEST(IsYesText, OnlyYesInAnyCaseSetsAFlag)
{
    const struct {
        const char* value;
        bool set;
    } cases[] = {
        {"YES", true}, {"yes", true}, {"yEs", true},  {"NO", false}, {"", false},
        {"YE", false}, {"YESS", false}, {"Y", false}, {"1", false},  {" YES", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsYesText(c.value), c.set) << '"' << c.value << '"';
}
