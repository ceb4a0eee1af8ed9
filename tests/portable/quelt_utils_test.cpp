#include "quelt_utils.h"

#include <gtest/gtest.h>

#include <climits>

using namespace std::string_view_literals;

TEST(Scrambling, EncodeMasksUpToTheLengthOrTheTerminatorAndDecodeUndoesIt)
{
    const std::tuple<std::string_view, size_t, std::string_view> cases[] = {
        {"abc\0"sv, 3, "\xB7\xB4\xB5\0"sv},
        {"abc\0"sv, 2, "\xB7\xB4" "c\0"sv},      // only the leading bytes asked for
        {"ab\0xyz"sv, 6, "\xB7\xB4\0xyz"sv},     // nothing after the terminator
        {"\x80\xFF\0"sv, 2, "\x56\x29\0"sv},     // the top bit is lost
        {"a\xD6" "b\0"sv, 3, "\xB7\0\xB4\0"sv}, // the mask itself becomes a terminator
    };
    for (const auto& [before, length, after] : cases) {
        std::string buffer(before);
        Encode(buffer.data(), length);
        EXPECT_EQ(buffer, after) << before;
    }
    for (const std::string_view plain : {""sv, "Secret 1!"sv, " lead and trail "sv, "\x01\x7f"sv}) {
        std::string stored(plain), typed(plain);
        Encode(stored);
        EXPECT_TRUE(std::all_of(stored.begin(), stored.end(), [](char c) { return c & 0x80; })) << plain;
        Decode(stored);
        Decode(typed); // a password typed into the file in plain text stays as it is
        EXPECT_EQ(stored, plain);
        EXPECT_EQ(typed, plain);
    }
    std::string partly = "\xB7\xB4\xB5";
    Decode(partly.data(), 1);
    EXPECT_EQ(partly, "a\xB4\xB5");
}

TEST(ValidSiteName, RefusesPathAndListCharactersAndTrailingBlanksAndCanDropThem)
{
    const std::tuple<std::string_view, bool, std::string_view> cases[] = {
        {"", true, ""}, {"  Main   Street", true, "  Main   Street"}, {"Lobby\t", true, "Lobby\t"},
        {"Main St.", false, "Main St"}, {"Lobby   ", false, "Lobby"},
        {R"(C:\Sites\Bank "One")", false, "CSitesBank One"}, {"a<b>c|d*e?f/g", false, "abcdefg"},
        {"Lobby .", false, "Lobby"}, {"   ", false, ""}, {"ab\0 c."sv, true, "ab"}, {"ab \0c"sv, false, "ab"},
    };
    for (const auto& [name, valid, cleaned] : cases) {
        std::string checked(name), replaced(name);
        EXPECT_EQ(ValidSiteName(name), valid) << name;
        EXPECT_EQ(ValidSiteName(checked, false), valid) << name;
        EXPECT_EQ(checked, name) << "checking alone must not change the name";
        EXPECT_EQ(ValidSiteName(replaced, true), valid) << name;
        EXPECT_EQ(replaced, cleaned) << name;
    }
}

TEST(RemovePathFromFilename, KeepsWhatFollowsTheLastBackslashBeforeTheFirstDot)
{
    const std::pair<std::string_view, std::string_view> cases[] = {
        {R"(C:\MAPS\BRANCH.OLD.PCX)", "BRANCH.OLD.PCX"}, {"BRANCH.PCX", "BRANCH.PCX"},
        {R"(C:\MY.DIR\MAP.PCX)", R"(MY.DIR\MAP.PCX)"}, {R"(\BRANCH)", "BRANCH"}, {R"(C:\MAPS\)", ""},
        {"C:/MAPS/B.PCX", "C:/MAPS/B.PCX"}, {"", ""}, {"C:\\MAPS\\A.PCX\0\\B"sv, "A.PCX"},
    };
    for (const auto& [path, name] : cases)
        EXPECT_EQ(RemovePathFromFilename(path), name) << path;
}

TEST(FormatLeadError, TableTextsUnknownCodesAndTheCallersBuffer)
{
    const std::pair<int, const char*> texts[] = {
        {0, ""}, {-1, "Not enough memory available"}, {-10, "File not found"}, {-63, "Fixed palette data not found"},
        {-64, "Unknown LEAD ERROR: -64"}, {1, "Unknown LEAD ERROR: 1"}, {INT_MIN, "Unknown LEAD ERROR: -2147483648"}};
    for (const auto& [code, text] : texts)
        EXPECT_EQ(FormatLeadError(code), text) << code;
    for (int code = -1; code >= -63; --code)
        EXPECT_EQ(FormatLeadError(code), pszLeadError[static_cast<size_t>(-code)]) << code;
    // Into the caller's buffer, cut short to fit; the fuzzer checks every size.
    char buffer[16] = "XXXXXXXXXXXXXXX";
    EXPECT_EQ(FormatLeadError(-10, buffer, 0), nullptr);
    EXPECT_EQ(FormatLeadError(-10, nullptr, 80), nullptr);
    EXPECT_EQ(FormatLeadError(-10, buffer, 14), buffer);
    EXPECT_STREQ(buffer, "File not foun");
    EXPECT_EQ(buffer[14], 'X') << "written past the buffer";
}
