// The frame-rate display of the camera pages worked out from stored values: what the technician
// reads beside the capture-rate list for a given card, card count, port and neighbours.
#include "cameras/fpsmath.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

struct RateCase {
    const char* what;
    bool ipCamera;
    const char* imageCard;
    int cardCount;
    int ownPort;
    std::vector<int> enabledAnalogPorts;
    int rateIndex;
    const char* want;
};

std::string RateText(const RateCase& c)
{
    return c.ipCamera ? IPCameraRateText(c.rateIndex)
                      : AnalogCameraRateText(c.rateIndex, c.imageCard, c.cardCount, c.ownPort,
                                             c.enabledAnalogPorts);
}

} // namespace

TEST(CaptureRate, DisplayForStoredCardPortsAndRate)
{
    const std::vector<int> tenCameras = {1, 2, 3, 4, 5, 11, 12, 21, 31, 38};
    const std::vector<int> eighteenCameras(18, 5);
    const std::vector<int> thirtyTwoCameras(32, 1);
    const RateCase cases[] = {
        // IP cameras: 30 frames divided by the list's divisor, whatever the card.
        {"IP full", true, "", 0, 0, {}, 0, "30 FPS"},
        {"IP 1/2", true, "", 0, 0, {}, 1, "15 FPS"},
        {"IP 1/4 (7.5)", true, "", 0, 0, {}, 2, " 8 FPS"},
        {"IP 1/8", true, "", 0, 0, {}, 3, " 4 FPS"},
        {"IP 1/16", true, "", 0, 0, {}, 4, " 2 FPS"},
        {"IP 1/32 (0.9375)", true, "", 0, 0, {}, 5, " 1 SPF"},
        {"IP no selection", true, "", 0, 0, {}, -1, ""},
        {"IP past the list", true, "", 0, 0, {}, 6, ""},

        // S617 with two cards: a card serves ports 1-16 or 17-32.
        {"S617 x2, four on 1-16, 1/4", false, "S617", 2, 3, {3, 5, 10, 16, 17, 40}, 2, " 2 FPS"},
        {"S617 x2, four on 1-16, full (7.5)", false, "S617", 2, 3, {3, 5, 10, 16, 17, 40}, 0,
         " 8 FPS"},
        // S617 with one card: camera on port 20, three cameras on 17-32.
        {"S617 x1, three on 17-32, 1/8", false, "S617", 1, 20, {5, 16, 17, 20, 32}, 3, " 1 FPS"},
        {"S617 x1, three on 17-32, full", false, "S617", 1, 20, {5, 16, 17, 20, 32}, 0, "10 FPS"},
        {"S617 x1, port beyond 32 shares with all", false, "S617", 1, 33, {1, 17, 33}, 0,
         "10 FPS"},
        {"S617 x0 (key absent) groups like one card", false, "S617", 0, 1, {1, 2, 16, 17}, 0,
         "10 FPS"},
        // S617 with four cards: a card serves four ports.
        {"S617 x4, port 6 with 5 and 8", false, "S617", 4, 6, {1, 4, 5, 6, 8, 9, 12, 13, 17}, 0,
         "10 FPS"},
        {"S617 x4, port 4 with 1", false, "S617", 4, 4, {1, 4, 5, 6, 8, 9, 12, 13, 17}, 1,
         " 8 FPS"},
        {"S617 x4, port 16 alone in 13-16", false, "S617", 4, 16, {1, 4, 5, 12, 16, 17}, 0,
         "30 FPS"},
        {"S617 x4, port 17 is on no card", false, "S617", 4, 17, {1, 4, 5, 17, 18}, 0, "30 FPS"},
        {"S617 x4, port 0 is on no card", false, "S617", 4, 0, {0, 0, 1}, 2, " 8 FPS"},

        // Any other card runs 12 frames shared by all enabled analog cameras.
        {"12-frame card, six cameras", false, "", 1, 1, {1, 2, 3, 11, 21, 99}, 0, " 2 FPS"},
        {"12-frame card, ten cameras, 1/32", false, "MV1000", 2, 5, tenCameras, 5, "27 SPF"},
        {"12-frame card, four cards: nobody shares", false, "MV1000", 4, 5, tenCameras, 0,
         "12 FPS"},
        {"lower-case s617 is a 12-frame card", false, "s617", 1, 1, {1, 2, 3}, 0, " 4 FPS"},
        {"S61 is a 12-frame card", false, "S61", 1, 1, {1, 2, 3}, 0, " 4 FPS"},
        {"blank before S617 is a 12-frame card", false, " S617", 1, 1, {1, 2, 3}, 0, " 4 FPS"},
        {"S617 with a suffix is the fast card", false, "S617-PCI", 1, 1, {1, 2, 3}, 0, "10 FPS"},
        {"1.5 frames shows 2", false, "", 1, 1, {}, 3, " 2 FPS"},
        {"exactly one frame", false, "", 1, 1, std::vector<int>(12, 7), 0, " 1 FPS"},
        {"slowest possible", false, "", 1, 1, thirtyTwoCameras, 5, "85 SPF"},
        // 12/18 rounds up in single precision, so the seconds per frame fall just below 1.5.
        {"single-precision quotient", false, "", 1, 5, eighteenCameras, 0, " 1 SPF"},

        // The camera itself not stored as enabled analog, nobody else on its card: count 1.
        {"count 0 on S617 group", false, "S617", 1, 3, {17, 20}, 1, "15 FPS"},
        {"count 0 on 12-frame card", false, "", 1, 3, {}, 0, "12 FPS"},

        // A list without a selection, or a damaged stored position.
        {"analog no selection", false, "S617", 1, 1, {1}, -1, ""},
        {"analog past the list", false, "S617", 1, 1, {1}, 6, ""},
        {"analog huge position", false, "S617", 1, 1, {1}, INT_MAX, ""},
        {"analog lowest position", false, "S617", 1, 1, {1}, INT_MIN, ""},

        // Hand-edited numbers held at the ends of the range.
        {"port INT_MIN shares with all", false, "S617", 1, INT_MIN, {1, INT_MIN, INT_MAX}, 0,
         "10 FPS"},
        {"port INT_MAX on four cards", false, "S617", 4, INT_MAX, {1, INT_MAX}, 0, "30 FPS"},
        {"card count INT_MAX groups by 16", false, "S617", INT_MAX, 2, {1, 2, 17}, 0, "15 FPS"},
        {"card count -4 groups by 16", false, "S617", -4, 2, {1, 2, 17}, 0, "15 FPS"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RateText(c), c.want) << c.what;
}

TEST(CaptureRate, DefaultPortLeavesAGapAfterEachGroupOfEight)
{
    const struct {
        int index;
        int plain;
        int oneToOne;
    } cases[] = {
        {0, 1, 1},    {7, 8, 8},    {8, 11, 9},   {15, 18, 16},      {16, 21, 17},
        {23, 28, 24}, {24, 31, 25}, {31, 38, 32}, {32, 1, 33},       {100, 1, 101},
        {-1, 1, 1},   {INT_MIN, 1, 1},            {INT_MAX, 1, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DefaultPortFor(c.index, false), c.plain) << c.index;
        EXPECT_EQ(DefaultPortFor(c.index, true), c.oneToOne) << c.index;
    }
}
