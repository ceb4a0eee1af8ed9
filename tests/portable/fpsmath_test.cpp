// The frame-rate display beside the capture-rate list: what the technician reads for a given
// card, card count, port and neighbours.
#include "cameras/fpsmath.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

TEST(CaptureRate, DisplayForStoredCardPortsAndRate)
{
    const std::vector<int> ten = {1, 2, 3, 4, 5, 11, 12, 21, 31, 38}, four = {3, 5, 10, 16, 17, 40};
    const std::vector<int> quad = {1, 4, 5, 6, 8, 9, 12, 13, 17};
    // The card (null: an IP camera), the card count, the camera's port, the ports of every enabled
    // analog camera, the rate position, and the display.
    const std::tuple<const char*, int, int, std::vector<int>, int, const char*> cases[] = {
        {nullptr, 0, 0, {}, 0, "30 FPS"}, {nullptr, 0, 0, {}, 2, " 8 FPS"}, {nullptr, 0, 0, {}, 5, " 1 SPF"},
        {nullptr, 0, 0, {}, -1, ""}, {nullptr, 0, 0, {}, 6, ""},
        // Two S617 cards serve ports 1-16 and 17-32; one card 17-32, and its group is all else.
        {"S617", 2, 3, four, 2, " 2 FPS"}, {"S617", 2, 3, four, 0, " 8 FPS"},
        {"S617", 1, 20, {5, 16, 17, 20, 32}, 3, " 1 FPS"}, {"S617", 1, 20, {5, 16, 17, 20, 32}, 0, "10 FPS"},
        {"S617", 1, 33, {1, 17, 33}, 0, "10 FPS"}, {"S617", 0, 1, {1, 2, 16, 17}, 0, "10 FPS"},
        // Four S617 cards serve four ports each; other ports share with nobody.
        {"S617", 4, 6, quad, 0, "10 FPS"}, {"S617", 4, 4, quad, 1, " 8 FPS"}, {"S617", 4, 16, {1, 4, 5, 12, 16, 17}, 0, "30 FPS"},
        {"S617", 4, 17, {1, 4, 5, 17, 18}, 0, "30 FPS"}, {"S617", 4, 0, {0, 0, 1}, 2, " 8 FPS"},
        // Any other card runs 12 frames shared by every enabled analog camera (none with four cards).
        {"", 1, 1, {1, 2, 3, 11, 21, 99}, 0, " 2 FPS"}, {"MV1000", 2, 5, ten, 5, "27 SPF"}, {"MV1000", 4, 5, ten, 0, "12 FPS"},
        {"s617", 1, 1, {1, 2, 3}, 0, " 4 FPS"}, {" S617", 1, 1, {1, 2, 3}, 0, " 4 FPS"}, {"S617-PCI", 1, 1, {1, 2, 3}, 0, "10 FPS"},
        {"", 1, 1, {}, 3, " 2 FPS"}, {"", 1, 1, std::vector<int>(12, 7), 0, " 1 FPS"},
        {"", 1, 1, std::vector<int>(32, 1), 5, "85 SPF"},
        // 12/18 rounds up in single precision, so the seconds per frame fall just below 1.5.
        {"", 1, 5, std::vector<int>(18, 5), 0, " 1 SPF"},
        // The camera not stored as enabled analog and alone on its card counts as one.
        {"S617", 1, 3, {17, 20}, 1, "15 FPS"}, {"", 1, 3, {}, 0, "12 FPS"},
        {"S617", 1, 1, {1}, INT_MAX, ""}, {"S617", 1, 1, {1}, INT_MIN, ""},
        {"S617", 1, INT_MIN, {1, INT_MIN, INT_MAX}, 0, "10 FPS"}, {"S617", 4, INT_MAX, {1, INT_MAX}, 0, "30 FPS"},
        {"S617", INT_MAX, 2, {1, 2, 17}, 0, "15 FPS"}, {"S617", -4, 2, {1, 2, 17}, 0, "15 FPS"},
    };
    for (const auto& [card, cards, port, ports, rate, want] : cases)
        EXPECT_EQ(card ? AnalogCameraRateText(rate, card, cards, port, ports) : IPCameraRateText(rate), want)
            << (card ? card : "IP") << " x" << cards << " port " << port << " rate " << rate;
}

TEST(CaptureRate, DefaultPortLeavesAGapAfterEachGroupOfEight)
{
    const int cases[][3] = {{0, 1, 1}, {7, 8, 8}, {8, 11, 9}, {15, 18, 16}, {16, 21, 17}, {24, 31, 25},
                            {31, 38, 32}, {32, 1, 33}, {-1, 1, 1}, {INT_MIN, 1, 1}, {INT_MAX, 1, 1}};
    for (const auto& [index, plain, oneToOne] : cases) {
        EXPECT_EQ(DefaultPortFor(index, false), plain) << index;
        EXPECT_EQ(DefaultPortFor(index, true), oneToOne) << index;
    }
}
