#include "sitepath.h"

#include <gtest/gtest.h>

#include <cctype>

TEST(SitePath, FirstArgumentLocalSiteAndWindowsGeneration)
{
    const std::tuple<const char*, bool, const char*> lines[] = {
        {"orva_config.exe c:\\winnt\\orvant.ini", true, "c:\\winnt\\orvant.ini"},
        {"\"c:\\prog files\\orva_config.exe\" \"d:\\a\\orvant.ini\"", true, "d:\\a\\orvant.ini\""},
        {"orva_config.exe ", false, ""}, {"orva_config.exe    \"  ", false, ""}, {"orva_config", false, ""},
        {"orva_config.exe  ..\\x.ini", true, "x.ini"}, {"a.exe.exe b", true, "exe b"}};
    for (const auto& [line, found, want] : lines) {
        std::string arg = "left over";
        EXPECT_EQ(ExtractArg1(line, [](unsigned char c) { return std::isalnum(c) != 0; }, arg), found) << line;
        EXPECT_EQ(arg, want) << line;
    }
    for (const char* local : {"c:\\winnt\\orvant.ini", "C:\\WINDOWS\\ORVANT.INI"})
        EXPECT_TRUE(IsLocalSitePath(local)) << local;
    for (const char* remote : {"d:\\winnt\\orvant.ini", "c:\\winnt\\orvant.ini\"", "c:\\winnt\\orvant.ini ", ""})
        EXPECT_FALSE(IsLocalSitePath(remote)) << remote;
    const unsigned versions[][3] = {{4, 0, 3}, {4, 10, 1}, {4, 90, 2}, {4, 1, 0}, {5, 0, 4}, {5, 1, 5}, {5, 2, 6},
                                    {5, 3, 0}, {6, 0, 7}, {6, 3, 7}, {10, 0, 0}, {3, 51, 0}};
    for (const auto& [major, minor, code] : versions)
        EXPECT_EQ(OsCodeFromVersion(major, minor), static_cast<int>(code)) << major << "." << minor;
}
