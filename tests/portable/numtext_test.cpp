#include "numtext.h"
#include "version.h"

#include <gtest/gtest.h>

#include <climits>

TEST(NumberRules, StoredValuesReadTheirLeadingNumberAndEditBoxesExactlyOne)
{
    const std::pair<const char*, int> leading[] = {
        {"", 0}, {"  42", 42}, {"\t-7", -7}, {"+8", 8}, {"12abc", 12}, {"-", 0}, {"0x10", 0}, {"- 5", 0},
        {"2147483648", INT_MAX}, {"-2147483648", INT_MIN}, {"-99999999999999999999999", INT_MIN}};
    for (const auto& [text, want] : leading)
        EXPECT_EQ(LeadingInt(text), want) << '"' << text << '"';
    const std::tuple<const char*, std::optional<int>, std::optional<unsigned>> boxes[] = {
        {"", {}, {}}, {" 15 ", 15, 15u}, {"-5", -5, {}}, {"+5", {}, {}}, {"12abc", {}, {}}, {"1 2", {}, {}},
        {"2147483647", INT_MAX, 2147483647u}, {"2147483648", {}, 2147483648u}, {"-2147483648", INT_MIN, {}},
        {"-2147483649", {}, {}}, {"4294967295", {}, 4294967295u}, {"4294967296", {}, {}}};
    for (const auto& [text, asSigned, asUnsigned] : boxes) {
        EXPECT_EQ(ParseSignedText(text), asSigned) << '"' << text << '"';
        EXPECT_EQ(ParseUnsignedText(text), asUnsigned) << '"' << text << '"';
    }
    for (const char* yes : {"YES", "yEs"})
        EXPECT_TRUE(IsYesText(yes));
    for (const char* no : {"NO", "", "YE", "YESS", " YES", "1"})
        EXPECT_FALSE(IsYesText(no)) << no;
}

TEST(NumberRules, RecorderVersionIsTheNumberAfterTheLastCapitalV)
{
    const std::pair<const char*, int> majors[] = {{"", 0}, {"QUELT V11.5", 11}, {"QUELT v11.5", 0}, {"V 12", 12},
                                                  {"V-3", -3}, {"V12 V", 0}, {"V99999999999", INT_MAX}};
    for (const auto& [text, major] : majors)
        EXPECT_EQ(MajorFromVersionText(text), major) << text;
    const std::tuple<const char*, int, int, bool> later[] = {
        {"V12.01", 12, 1, true}, {"V12.01", 12, 2, false}, {"V12.01", 11, 9, true}, {"V12.01", 13, 0, false},
        {"V12", 12, 0, false}, {"V12", 11, 0, true}, {"v12.5", 12, 1, false}, {"QUELT V12.1.7", 12, 1, true}};
    for (const auto& [text, major, minor, want] : later)
        EXPECT_EQ(VersionTextSameOrLater(text, major, minor), want) << text << " " << major << "." << minor;
}
