// The PCX decoder on pictures built here byte by byte, and on damaged headers and data.
#include "sitemap/pcx.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// A header for a picture of the given size; the data follows as given (already encoded).
std::vector<uint8_t> Pcx(int bits, int planes, int width, int height, int bytesPerLine, std::vector<uint8_t> data)
{
    std::vector<uint8_t> file(128 + data.size(), 0);
    file[0] = 0x0A, file[1] = 5, file[2] = 1, file[3] = static_cast<uint8_t>(bits), file[65] = static_cast<uint8_t>(planes);
    file[8] = static_cast<uint8_t>(width - 1), file[9] = static_cast<uint8_t>((width - 1) >> 8);
    file[10] = static_cast<uint8_t>(height - 1), file[11] = static_cast<uint8_t>((height - 1) >> 8);
    file[66] = static_cast<uint8_t>(bytesPerLine), file[67] = static_cast<uint8_t>(bytesPerLine >> 8);
    file[16 + 3 * 5] = 0x11, file[16 + 3 * 5 + 1] = 0x22, file[16 + 3 * 5 + 2] = 0x33; // colour 5 of the 16
    std::copy(data.begin(), data.end(), file.begin() + 128);
    return file;
}

std::vector<uint32_t> Decoded(const std::vector<uint8_t>& file, int expect = 0)
{
    Picture picture;
    EXPECT_EQ(DecodePcx(file, picture), expect);
    return picture.pixels;
}

} // namespace

TEST(Pcx, EveryKindDecodesToItsPixels)
{
    // 8 bits with the 256 colours after the marker; a run (0xC2) crossing into the next line.
    std::vector<uint8_t> eight = Pcx(8, 1, 2, 2, 2, {0xC3, 7, 0x01});
    eight.push_back(0x0C);
    eight.resize(eight.size() + 768, 0);
    eight[eight.size() - 768 + 7 * 3] = 0xAB, eight[eight.size() - 768 + 1 * 3 + 2] = 0xCD;
    EXPECT_EQ(Decoded(eight), (std::vector<uint32_t>{0xAB0000, 0xAB0000, 0xAB0000, 0x0000CD}));
    // Without the marker the same bytes are grey levels.
    EXPECT_EQ(Decoded(Pcx(8, 1, 2, 1, 2, {0x80, 0x01})), (std::vector<uint32_t>{0x808080, 0x010101}));
    // One bit: black and white, lines padded to their bytes per line.
    EXPECT_EQ(Decoded(Pcx(1, 1, 3, 1, 2, {0xA0, 0})), (std::vector<uint32_t>{0xFFFFFF, 0, 0xFFFFFF}));
    // Four planes of one bit, the first plane the lowest bit: colour 5 from the header.
    EXPECT_EQ(Decoded(Pcx(1, 4, 1, 1, 1, {0x80, 0x00, 0x80, 0x00})), (std::vector<uint32_t>{0x112233}));
    EXPECT_EQ(Decoded(Pcx(4, 1, 2, 1, 1, {0x50})), (std::vector<uint32_t>{0x112233, 0}));
    // 24 bits: three planes of red, green and blue; a run of no bytes places nothing.
    EXPECT_EQ(Decoded(Pcx(8, 3, 1, 1, 1, {0xC0, 9, 0x10, 0x20, 0x30})), (std::vector<uint32_t>{0x102030}));
}

TEST(Pcx, DamagedFilesAreRefused)
{
    std::vector<uint8_t> file = Pcx(8, 1, 1, 1, 1, {5});
    file[0] = 0x0B;
    EXPECT_TRUE(Decoded(file, kImageBadFormat).empty());
    file[0] = 0x0A, file[2] = 0;
    Decoded(file, kImageBadFormat);
    Decoded(Pcx(2, 1, 1, 1, 1, {5}), kImageSubTypeNotSupported);
    Decoded(Pcx(8, 2, 1, 1, 1, {5, 5}), kImageSubTypeNotSupported);
    Decoded(Pcx(8, 1, 3, 1, 2, {5, 5}), kImageBadFormat);     // fewer bytes per line than pixels
    Decoded(Pcx(8, 1, 16385, 1, 16385, {}), kImageBadSize);
    Decoded(Pcx(8, 1, 2, 2, 2, {5, 5, 5}), kImageTruncated);   // a line short
    Decoded(Pcx(8, 1, 2, 2, 2, {5, 5, 5, 0xC1}), kImageTruncated); // a run without its value
    Decoded(Pcx(8, 1, 16384, 16384, 16384, {0xFF, 1}), kImageTruncated);
    file = Pcx(8, 1, 1, 1, 1, {5});
    file[8] = 0, file[4] = 1; // Xmax before Xmin
    Decoded(file, kImageBadSize);
    Decoded(std::vector<uint8_t>(100, 0x0A), kImageBadFormat);
}
