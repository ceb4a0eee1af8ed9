#include "quelt_utils.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

using namespace std::string_view_literals;

namespace {

// Shows bytes above 127 and zeros readably in failure messages.
std::string Hex(std::string_view bytes)
{
    std::string out;
    for (const unsigned char c : bytes) {
        char two[4];
        std::snprintf(two, sizeof two, "%02X ", c);
        out += two;
    }
    return out;
}

// Plain 7-bit texts a technician might type as the notification server's password.
constexpr std::string_view kPlainPasswords[] = {
    ""sv, "a"sv, "secret"sv, "Secret 1!"sv, "P@ss w0rd~"sv, " lead blank"sv, "trail blank "sv,
    "\x01\x7f control"sv, "0123456789012345678901234567890123456789012345678901234567890123456789"sv,
    R"(/.,\:*?"<>|)"sv,
};

} // namespace

TEST(Encode, StoresEachByteExclusiveOredWithTheRecordersMask)
{
    // Each case is a buffer (the text, its terminator and what follows it), the length passed,
    // and the buffer as it must be stored afterwards.
    const struct {
        std::string_view before;
        size_t length;
        std::string_view after;
    } cases[] = {
        {"\0"sv, 0, "\0"sv},
        {"abc\0"sv, 3, "\xB7\xB4\xB5\0"sv},
        {"Secret 1!\0"sv, 9, "\x85\xB3\xB5\xA4\xB3\xA2\xF6\xE7\xF7\0"sv},
        {"~\x7f\0"sv, 2, "\xA8\xA9\0"sv},
        // A length shorter than the text scrambles only that many leading bytes.
        {"abc\0"sv, 2, "\xB7\xB4"
                       "c\0"sv},
        {"abc\0"sv, 0, "abc\0"sv},
        // A length beyond the text stops at the terminator; what follows it is left alone.
        {"ab\0xyz"sv, 6, "\xB7\xB4\0xyz"sv},
        // Bytes with the top bit set lose it.
        {"\xE9t\xE9\0"sv, 3, "\x3F\xA2\x3F\0"sv},
        {"\x80\xFF\0"sv, 2, "\x56\x29\0"sv},
        // The mask byte itself becomes a zero, which ends the stored value there.
        {"a\xD6"
         "b\0"sv,
         3, "\xB7\0\xB4\0"sv},
    };
    for (const auto& c : cases) {
        std::string buffer(c.before);
        Encode(buffer.data(), c.length);
        EXPECT_EQ(Hex(buffer), Hex(c.after)) << Hex(c.before) << "length " << c.length;
    }
}

TEST(Encode, PlainTextComesBackFromDecodeUnchanged)
{
    for (const std::string_view plain : kPlainPasswords) {
        std::string stored(plain);
        Encode(stored);
        for (const unsigned char c : stored) {
            EXPECT_GE(c, 0x80) << "scrambled text must be recognisable: " << Hex(stored);
        }
        if (!plain.empty()) {
            EXPECT_NE(stored, plain);
        }
        Decode(stored);
        EXPECT_EQ(stored, plain);

        // The char* forms do the same on a C buffer.
        std::string buffer(plain);
        Encode(buffer.data(), buffer.size());
        Decode(buffer.data(), buffer.size());
        EXPECT_EQ(buffer, plain);
    }
}

TEST(Decode, LeavesAPasswordTypedInPlainTextAlone)
{
    for (const std::string_view plain : kPlainPasswords) {
        std::string stored(plain);
        Decode(stored);
        EXPECT_EQ(stored, plain);
    }
    // Only the first byte decides: a plain text with accented letters later on stays plain.
    std::string accented = "caf\xE9";
    Decode(accented);
    EXPECT_EQ(Hex(accented), Hex("caf\xE9"));
}

TEST(Decode, UnscramblesUpToTheLengthOrTheTerminator)
{
    const struct {
        std::string_view before;
        size_t length;
        std::string_view after;
    } cases[] = {
        {"\xB7\xB4\xB5\0"sv, 3, "abc\0"sv},
        {"\xB7\xB4\xB5\0"sv, 1, "a\xB4\xB5\0"sv},
        {"\xB7\xB4\0\xB5"sv, 4, "ab\0\xB5"sv},
        // A password that began with a byte above 127 was stored with its top bit cleared, so
        // it reads back as it was stored: the round trip holds for 7-bit text only.
        {"\x3F\xA2\x3F\0"sv, 3, "\x3F\xA2\x3F\0"sv},
        {"\0"sv, 0, "\0"sv},
    };
    for (const auto& c : cases) {
        std::string buffer(c.before);
        Decode(buffer.data(), c.length);
        EXPECT_EQ(Hex(buffer), Hex(c.after)) << Hex(c.before) << "length " << c.length;
    }
}

TEST(ValidSiteName, RefusesPathAndListCharactersAndTrailingBlanks)
{
    const struct {
        std::string_view name;
        bool valid;
        std::string_view cleaned;
    } cases[] = {
        {"Main Street", true, "Main Street"},
        {"Main St.", false, "Main St"},
        {"Lobby ", false, "Lobby"},
        {"Lobby   ", false, "Lobby"},
        {"", true, ""},
        {" Lobby", true, " Lobby"},
        {"  Main   Street", true, "  Main   Street"},
        {"Lobby\t", true, "Lobby\t"},
        {"Z\xFCrich #2", true, "Z\xFCrich #2"},
        {"Branch (East) - 12", true, "Branch (East) - 12"},
        {R"(C:\Sites\Bank "One")", false, "CSitesBank One"},
        {"a<b>c|d", false, "abcd"},
        {"A, B.", false, "A B"},
        // Blanks exposed at the end by dropping characters are cut as well.
        {"Lobby .", false, "Lobby"},
        {"Lobby. ", false, "Lobby"},
        {".,.", false, ""},
        // A name of blanks only is all trailing blanks.
        {" ", false, ""},
        {"   ", false, ""},
        // The name ends at its first zero byte, as it would in the recorder's buffer.
        {"ab\0 c."sv, true, "ab"},
        {"ab \0c"sv, false, "ab"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ValidSiteName(c.name), c.valid) << '"' << c.name << '"';

        std::string checked(c.name);
        EXPECT_EQ(ValidSiteName(checked, false), c.valid) << '"' << c.name << '"';
        EXPECT_EQ(checked, c.name) << "checking alone must not change the name";

        std::string replaced(c.name);
        EXPECT_EQ(ValidSiteName(replaced, true), c.valid) << '"' << c.name << '"';
        EXPECT_EQ(replaced, c.cleaned) << '"' << c.name << '"';
    }
}

TEST(ValidSiteName, EachForbiddenCharacterAnywhereInTheName)
{
    for (const char bad : R"(/.,\:*?"<>|)"sv) {
        for (const std::string& name : {std::string(1, bad), "Lobby" + std::string(1, bad),
                                       std::string(1, bad) + "Lobby",
                                       "Lob" + std::string(1, bad) + "by"}) {
            EXPECT_FALSE(ValidSiteName(name)) << name;
            std::string replaced = name;
            EXPECT_FALSE(ValidSiteName(replaced, true)) << name;
            EXPECT_EQ(replaced, name.size() == 1 ? "" : "Lobby") << name;
        }
    }
}

TEST(RemovePathFromFilename, KeepsWhatFollowsTheLastBackslashBeforeTheFirstDot)
{
    const struct {
        std::string_view path;
        std::string_view name;
    } cases[] = {
        {R"(C:\MAPS\BRANCH.PCX)", "BRANCH.PCX"},
        {"BRANCH.PCX", "BRANCH.PCX"},
        {R"(C:\MY.DIR\MAP.PCX)", R"(MY.DIR\MAP.PCX)"},
        {R"(C:\MAPS\BRANCH.OLD.PCX)", "BRANCH.OLD.PCX"},
        {R"(\MAP.PCX)", "MAP.PCX"},
        {R"(\\SERVER\SHARE\MAPS\lobby.jpg)", "lobby.jpg"},
        {"C:MAP.PCX", "C:MAP.PCX"},
        {"C:/MAPS/BRANCH.PCX", "C:/MAPS/BRANCH.PCX"},
        {R"(C:\MAPS\BRANCH)", "BRANCH"},
        {R"(\BRANCH)", "BRANCH"},
        {"BRANCH", "BRANCH"},
        {R"(C:\MAPS\)", ""},
        {R"(C:\MAPS\.PCX)", ".PCX"},
        {R"(..\MAPS\X.PCX)", R"(..\MAPS\X.PCX)"},
        {"", ""},
        {"C:\\MAPS\\A.PCX\0\\B"sv, "A.PCX"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RemovePathFromFilename(c.path), c.name) << c.path;
}

TEST(FormatLeadError, TextForEveryBoundaryOfTheTable)
{
    const struct {
        int code;
        const char* text;
    } cases[] = {
        {0, ""},
        {-1, "Not enough memory available"},
        {-2, "Invalid bitmap handle"},
        {-3, "Not enough memory available"},
        {-6, "File not present - abort"},
        {-10, "File not found"},
        {-12, "Image format recognized, but sub-type not supported"},
        {-17, "VGA card only supports 256 colors (8 bit)"},
        {-28, "Escape key pressed"},
        {-29, "ERROR_NOT_INITIALIZED"},
        {-36, "ERROR_INVALIDDATA"},
        {-45, "ERROR_INVALID_PIX_BUFF_DIMS"},
        {-62, "ERROR_FIXEDPAL_DATA"},
        {-63, "Fixed palette data not found"},
        {-64, "Unknown LEAD ERROR: -64"},
        {-1000, "Unknown LEAD ERROR: -1000"},
        {1, "Unknown LEAD ERROR: 1"},
        {2, "Unknown LEAD ERROR: 2"},
        {INT_MIN, "Unknown LEAD ERROR: -2147483648"},
        {INT_MAX, "Unknown LEAD ERROR: 2147483647"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatLeadError(c.code), c.text) << c.code;
        char buffer[80];
        EXPECT_EQ(FormatLeadError(c.code, buffer, sizeof buffer), buffer) << c.code;
        EXPECT_STREQ(buffer, c.text) << c.code;
    }
}

TEST(FormatLeadError, EveryErrorCodeOfTheLibraryHasItsOwnText)
{
    for (int code = -1; code >= -63; --code) {
        const std::string text = FormatLeadError(code);
        EXPECT_FALSE(text.empty()) << code;
        EXPECT_NE(text.rfind("Unknown LEAD ERROR", 0), 0u) << code;
        EXPECT_EQ(text, pszLeadError[static_cast<size_t>(-code)]) << code;
    }
}

TEST(FormatLeadError, StaysInsideTheCallersBuffer)
{
    const struct {
        int code;
        size_t size;
        const char* text;
    } cases[] = {
        {-10, 1, ""},
        {-10, 5, "File"},
        {-10, 15, "File not found"},
        {-10, 14, "File not foun"},
        {-64, 10, "Unknown L"},
        {INT_MIN, 31, "Unknown LEAD ERROR: -214748364"},
        {INT_MIN, 32, "Unknown LEAD ERROR: -2147483648"},
        {0, 1, ""},
    };
    for (const auto& c : cases) {
        char buffer[80];
        std::memset(buffer, 'X', sizeof buffer);
        EXPECT_EQ(FormatLeadError(c.code, buffer, c.size), buffer) << c.code << " in " << c.size;
        EXPECT_STREQ(buffer, c.text) << c.code << " in " << c.size;
        for (size_t i = c.size; i < sizeof buffer; ++i)
            ASSERT_EQ(buffer[i], 'X') << "byte " << i << " written for " << c.code << " in " << c.size;
    }
}

TEST(FormatLeadError, WithoutABufferGivesNothing)
{
    EXPECT_EQ(FormatLeadError(-10, nullptr, 80), nullptr);
    char buffer[4] = {'X', 'X', 'X', 'X'};
    EXPECT_EQ(FormatLeadError(-10, buffer, 0), nullptr);
    EXPECT_EQ(std::string_view(buffer, 4), "XXXX");
}
