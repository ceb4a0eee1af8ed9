#include "version.h"

#include <gtest/gtest.h>

#include <climits>

TEST(MajorFromVersionText, TheNumberAfterTheLastCapitalV)
{
    const struct {
        const char* text;
        int major;
    } cases[] = {
        {"", 0},          {"V", 0},          {"QUELT V11.5", 11}, {"QUELT v11.5", 0},
        {"V12.01", 12},   {"V 12", 12},      {"V-3", -3},         {"Version V9", 9},
        {"V12 V", 0},     {"VX", 0},         {"V99999999999", INT_MAX},
        {"no version", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MajorFromVersionText(c.text), c.major) << '"' << c.text << '"';
}

TEST(VersionTextSameOrLater, ComparesMajorThenMinor)
{
    const struct {
        const char* text;
        int major, minor;
        bool want;
    } cases[] = {
        {"V12.01", 12, 1, true},  {"V12.01", 12, 2, false}, {"V12.01", 11, 9, true},
        {"V12.01", 13, 0, false}, {"V12", 12, 0, false},    {"V12.", 12, 0, false},
        {"V12", 11, 0, true},     {"", 12, 1, false},       {"v12.5", 12, 1, false},
        {"QUELT V12.1.7", 12, 1, true}, {"V13.0", 12, 1, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(VersionTextSameOrLater(c.text, c.major, c.minor), c.want)
            << '"' << c.text << "\" " << c.major << "." << c.minor;
}
