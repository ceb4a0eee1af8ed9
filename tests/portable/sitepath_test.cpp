#include "sitepath.h"

#include <gtest/gtest.h>

#include <cctype>

namespace {

bool AsciiAlnum(unsigned char c) { return std::isalnum(c) != 0; }

} // namespace

TEST(ExtractArg1, TakesEverythingFromTheFirstLetterOrDigitAfterTheProgram)
{
    const struct {
        const char* line;
        bool found;
        const char* arg;
    } cases[] = {
        {"orva_config.exe c:\\winnt\\orvant.ini", true, "c:\\winnt\\orvant.ini"},
        {"\"c:\\prog files\\orva_config.exe\" \"d:\\sites\\a\\orvant.ini\"", true,
         "d:\\sites\\a\\orvant.ini\""},
        {"orva_config.exe", false, ""},
        {"orva_config.exe ", false, ""},
        {"orva_config.exe    \"  ", false, ""},
        {"orva_config", false, ""},
        {"orva_config.exe  ..\\x.ini", true, "x.ini"},
        {"a.exe.exe b", true, "exe b"},
        {"c:\\orva.exec x", true, "x"},
    };
    for (const auto& c : cases) {
        std::string arg = "left over";
        EXPECT_EQ(ExtractArg1(c.line, AsciiAlnum, arg), c.found) << c.line;
        EXPECT_EQ(arg, c.arg) << c.line;
    }
}

TEST(IsLocalSitePath, OnlyTheRecordersOwnFileOnDriveC)
{
    const struct {
        const char* path;
        bool local;
    } cases[] = {
        {"c:\\winnt\\orvant.ini", true},     {"C:\\WINDOWS\\ORVANT.INI", true},
        {"c:\\Windows\\Orvant.ini", true},   {"d:\\winnt\\orvant.ini", false},
        {"c:\\winnt\\orvant.ini\"", false},  {"c:\\winnt\\orvant.ini ", false},
        {"c:\\sites\\orvant.ini", false},    {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsLocalSitePath(c.path), c.local) << c.path;
}

TEST(OsCodeFromVersion, MapsEveryWindowsGeneration)
{
    const struct {
        unsigned major, minor;
        int code;
    } cases[] = {
        {4, 0, 3},  {4, 10, 1}, {4, 90, 2}, {4, 1, 0}, {5, 0, 4},  {5, 1, 5},  {5, 2, 6},
        {5, 3, 0},  {6, 0, 7},  {6, 1, 7},  {6, 2, 7}, {6, 3, 7},  {10, 0, 0}, {3, 51, 0},
        {0, 0, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OsCodeFromVersion(c.major, c.minor), c.code) << c.major << "." << c.minor;
}
