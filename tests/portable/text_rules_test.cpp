#include "numtext.h"
#include "sitepath.h"
#include "system/hourformat.h"
#include "transactions/percent.h"
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

TEST(Base64, EveryLengthOfTheLastGroup)
{
    const auto encode = [](std::string_view text) {
        return Base64({reinterpret_cast<const uint8_t*>(text.data()), text.size()});
    };
    EXPECT_EQ(encode(""), "");
    EXPECT_EQ(encode("f"), "Zg==");
    EXPECT_EQ(encode("fo"), "Zm8=");
    EXPECT_EQ(encode("foo"), "Zm9v");
    EXPECT_EQ(encode("foobar"), "Zm9vYmFy");
    EXPECT_EQ(encode(std::string_view("\xFF\xFE\x00\x80", 4)), "//4AgA==");
}

TEST(SitePath, FirstArgumentLocalSiteAndWindowsGeneration)
{
    const std::pair<const char*, const char*> lines[] = {
        {"orva_config.exe C:\\WINNT\\ORVANT.INI", "C:\\WINNT\\ORVANT.INI"}, {"orva_config d:\\b12\\orvant.ini", "d:\\b12\\orvant.ini"},
        {"\"c:\\prog files\\orva.exe\" \"d:\\branch 12\\orvant.ini\" x", "d:\\branch 12\\orvant.ini"},
        {"orva.exe\td:\\branch 12\\orvant.ini \t ", "d:\\branch 12\\orvant.ini"}, {"orva.exe .\\orvant.ini", ".\\orvant.ini"},
        {"orva.exe \\\\server\\share\\orvant.ini", "\\\\server\\share\\orvant.ini"}, {"orva.exe \"d:\\x y.ini", "d:\\x y.ini"},
        {"orva_config.exe   ", ""}, {"orva_config.exe \"\" x", ""}, {"\"c:\\x y\\orva.exe d:\\o.ini", ""}, {"", ""}};
    for (const auto& [line, want] : lines) {
        std::string arg = "left over";
        EXPECT_EQ(ExtractArg1(line, arg), *want != '\0') << line;
        EXPECT_EQ(arg, want) << line;
    }
    const std::pair<const char*, bool> paths[] = {{"c:\\winnt\\orvant.ini", true}, {"C:\\WINDOWS\\ORVANT.INI", true},
                                                  {"d:\\winnt\\orvant.ini", false}, {"c:\\winnt\\orvant.ini ", false}, {"", false}};
    for (const auto& [path, local] : paths)
        EXPECT_EQ(IsLocalSitePath(path), local) << path;
    const unsigned versions[][3] = {{4, 0, 3}, {4, 10, 1}, {4, 90, 2}, {4, 1, 0}, {5, 0, 4}, {5, 1, 5}, {5, 2, 6},
                                    {5, 3, 0}, {6, 0, 7}, {6, 3, 7}, {10, 0, 0}, {3, 51, 0}};
    for (const auto& [major, minor, code] : versions)
        EXPECT_EQ(OsCodeFromVersion(major, minor), static_cast<int>(code)) << major << "." << minor;
}

TEST(Percentages, ShownAndStoredWithTheRecordersSinglePrecision)
{
    EXPECT_EQ(PercentText(30, kPixelDeltaScale), "11.76");
    EXPECT_EQ(PercentText(10000, kImagePixels), "10.50");
    EXPECT_EQ(PercentText(-255, kPixelDeltaScale), "-100.00");
    const std::tuple<const char*, int, const char*> stored[] = {
        {"11.76", kPixelDeltaScale, "30"}, {"10.50", kImagePixels, "9996"}, {"100", kPixelDeltaScale, "255"},
        {"100", kImagePixels, "95200"}, {"12.5abc", kPixelDeltaScale, "32"}, {"text", kImagePixels, "0"},
        {"-10", kPixelDeltaScale, "-26"}, {"1e30", kImagePixels, "2147483647"}, {"nan", kImagePixels, "0"}};
    for (const auto& [text, scale, want] : stored)
        EXPECT_EQ(StoredFromPercent(text, scale), want) << text;
}

TEST(HourFormat, TwelveAndTwentyFourHours)
{
    const int cases[][3] = {{0, 12, 0}, {1, 1, 0}, {11, 11, 0}, {12, 12, 1}, {13, 1, 1}, {23, 11, 1}, {24, 12, 0}};
    for (const auto& [hour24, hour12, pm] : cases) {
        bool shownPm = !pm;
        EXPECT_EQ(Hour24To12(hour24, shownPm), hour12) << hour24;
        EXPECT_EQ(shownPm, pm != 0) << hour24;
        EXPECT_EQ(Hour12To24(hour12, pm), hour24 % 24) << hour24;
    }
}

// Section and key names match without regard to case, for every letter and only for letters.
TEST(Names, CaseIgnoredForLettersOnly)
{
    EXPECT_TRUE(EqualNoCase("ABCDEFGHIJKLMNOPQRSTUVWXYZ", "abcdefghijklmnopqrstuvwxyz"));
    EXPECT_TRUE(EqualNoCase("Image X Size", "IMAGE x size"));
    EXPECT_FALSE(EqualNoCase("[", "{")) << "32 apart, as a capital and its small letter are, but no letters";
    EXPECT_FALSE(EqualNoCase("Ring", "Rings"));
}
