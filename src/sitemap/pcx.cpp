#include "pcx.h"

#include <algorithm>
#include <new>

namespace {

constexpr size_t kHeaderSize = 128;
constexpr int kLargestSide = 16384;
// A run of the encoding yields at most this many bytes from two.
constexpr uint64_t kLongestRun = 63;

unsigned Word(std::span<const uint8_t> bytes, size_t at) { return bytes[at] | (bytes[at + 1] << 8); }

uint32_t Rgb(const uint8_t* rgb) { return (uint32_t{rgb[0]} << 16) | (uint32_t{rgb[1]} << 8) | rgb[2]; }

// The header's promises, checked: 0 and the size, or the code of the first that fails.
int PcxHeader(std::span<const uint8_t> bytes, int& width, int& height)
{
    if (bytes.size() < kHeaderSize || bytes[0] != 0x0A || bytes[2] != 1)
        return kImageBadFormat;
    const unsigned bits = bytes[3], planes = bytes[65], bytesPerLine = Word(bytes, 66);
    const bool supported = (bits == 1 && (planes == 1 || planes == 4)) || (bits == 4 && planes == 1) ||
                           (bits == 8 && (planes == 1 || planes == 3));
    if (!supported)
        return kImageSubTypeNotSupported;
    const unsigned xMin = Word(bytes, 4), yMin = Word(bytes, 6), xMax = Word(bytes, 8), yMax = Word(bytes, 10);
    if (xMax < xMin || yMax < yMin || xMax - xMin + 1 > kLargestSide || yMax - yMin + 1 > kLargestSide)
        return kImageBadSize;
    width = static_cast<int>(xMax - xMin + 1), height = static_cast<int>(yMax - yMin + 1);
    if (uint64_t{bytesPerLine} * 8 < uint64_t{static_cast<unsigned>(width)} * bits)
        return kImageBadFormat;
    return 0;
}

unsigned BigWord(std::span<const uint8_t> bytes, size_t at) { return (bytes[at] << 8) | bytes[at + 1]; }

uint32_t BigLong(std::span<const uint8_t> bytes, size_t at) { return (uint32_t{BigWord(bytes, at)} << 16) | BigWord(bytes, at + 2); }

int32_t Long(std::span<const uint8_t> bytes, size_t at) { return static_cast<int32_t>(Word(bytes, at) | (uint32_t{Word(bytes, at + 2)} << 16)); }

// A JPEG's size is in its frame header (a SOF marker), after any number of other segments.
int JpegSize(std::span<const uint8_t> bytes, int64_t& width, int64_t& height)
{
    size_t at = 2; // past the start-of-image marker
    while (at + 1 < bytes.size()) {
        if (bytes[at] != 0xFF)
            return kImageBadFormat;
        const uint8_t marker = bytes[at + 1];
        if (marker == 0xFF) { // fill byte
            ++at;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) { // markers without a segment
            at += 2;
            continue;
        }
        if (marker == 0xD9 || marker == 0xDA) // the picture's end or data before any frame header
            return kImageBadFormat;
        if (at + 4 > bytes.size())
            break;
        const size_t length = BigWord(bytes, at + 2);
        const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) {
            if (length < 7 || at + 9 > bytes.size())
                break;
            height = BigWord(bytes, at + 5), width = BigWord(bytes, at + 7);
            return 0;
        }
        if (length < 2)
            return kImageBadFormat;
        at += 2 + length;
    }
    return kImageTruncated;
}

} // namespace

PictureKind KindOfPicture(std::span<const uint8_t> bytes)
{
    const auto startsWith = [&](std::initializer_list<uint8_t> magic) {
        return bytes.size() >= magic.size() && std::equal(magic.begin(), magic.end(), bytes.begin());
    };
    return startsWith({0x0A})               ? PictureKind::Pcx
           : startsWith({0xFF, 0xD8, 0xFF}) ? PictureKind::Jpeg
           : startsWith({0x89, 'P', 'N', 'G'}) ? PictureKind::Png
           : startsWith({'B', 'M'})         ? PictureKind::Bmp
                                            : PictureKind::Unknown;
}

int PictureFileSize(std::span<const uint8_t> bytes, int& width, int& height)
{
    const PictureKind kind = KindOfPicture(bytes);
    if (kind == PictureKind::Pcx)
        return PcxHeader(bytes, width, height);
    int64_t w = 0, h = 0;
    if (kind == PictureKind::Jpeg) {
        if (const int code = JpegSize(bytes, w, h); code != 0)
            return code;
    } else if (kind == PictureKind::Png) {
        if (bytes.size() < 24 || BigLong(bytes, 12) != 0x49484452) // "IHDR"
            return kImageTruncated;
        w = BigLong(bytes, 16), h = BigLong(bytes, 20);
    } else if (kind == PictureKind::Bmp) {
        if (bytes.size() < 26)
            return kImageTruncated;
        const bool core = Long(bytes, 14) == 12; // the oldest header has 16-bit sides
        w = core ? int64_t{Word(bytes, 18)} : int64_t{Long(bytes, 18)};
        h = core ? int64_t{Word(bytes, 20)} : int64_t{Long(bytes, 22)};
        h = h < 0 ? -h : h; // negative: rows from the top
    } else {
        return kImageBadFormat;
    }
    if (w < 1 || h < 1 || w > kLargestSide || h > kLargestSide)
        return kImageBadSize;
    width = static_cast<int>(w), height = static_cast<int>(h);
    return 0;
}

int DecodePcx(std::span<const uint8_t> bytes, Picture& picture)
{
    picture = Picture{};
    int width = 0, height = 0;
    if (const int code = PcxHeader(bytes, width, height); code != 0)
        return code;
    const unsigned bits = bytes[3], planes = bytes[65], bytesPerLine = Word(bytes, 66);
    // Sizes in 64 bits: a 32-bit build must not wrap. Data that could not fill the picture even
    // with the longest runs is refused before anything is allocated.
    const uint64_t lineBytes = uint64_t{planes} * bytesPerLine, total = lineBytes * static_cast<unsigned>(height);
    const std::span<const uint8_t> data = bytes.subspan(kHeaderSize);
    if ((data.size() + 1) / 2 * kLongestRun < total)
        return kImageTruncated;

    // The 256 colours follow the 0x0C marker at the very end; without it 8 bits are grey levels.
    uint32_t palette[256];
    const bool vga = bits == 8 && planes == 1 && bytes.size() >= kHeaderSize + 769 && bytes[bytes.size() - 769] == 0x0C;
    for (unsigned i = 0; i < 256; ++i)
        palette[i] = vga ? Rgb(&bytes[bytes.size() - 768 + i * 3]) : bits == 1 && planes == 1 ? (i ? 0xFFFFFF : 0)
                         : bits == 8 ? i * 0x010101u : i < 16 ? Rgb(&bytes[16 + i * 3]) : 0;
    try {
        std::vector<uint8_t> line(static_cast<size_t>(lineBytes));
        picture.pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
        size_t in = 0;
        uint8_t runValue = 0;
        uint64_t runLeft = 0;
        for (int y = 0; y < height; ++y) {
            // Runs may cross from one line to the next.
            for (uint8_t& out : line) {
                while (runLeft == 0) { // a run of no bytes places nothing
                    if (in >= data.size())
                        return picture = Picture{}, kImageTruncated;
                    runValue = data[in++];
                    runLeft = 1;
                    if ((runValue & 0xC0) == 0xC0) {
                        runLeft = runValue & 0x3F;
                        if (in >= data.size())
                            return picture = Picture{}, kImageTruncated;
                        runValue = data[in++];
                    }
                }
                out = runValue;
                --runLeft;
            }
            uint32_t* row = &picture.pixels[static_cast<size_t>(y) * static_cast<size_t>(width)];
            for (int x = 0; x < width; ++x) {
                if (bits == 8 && planes == 3) {
                    const uint8_t rgb[3] = {line[static_cast<size_t>(x)], line[bytesPerLine + static_cast<size_t>(x)],
                                            line[2u * bytesPerLine + static_cast<size_t>(x)]};
                    row[x] = Rgb(rgb);
                    continue;
                }
                unsigned index = 0;
                if (bits == 8)
                    index = line[static_cast<size_t>(x)];
                else if (bits == 4)
                    index = (line[static_cast<size_t>(x) / 2] >> (x % 2 ? 0 : 4)) & 0x0F;
                else // one bit in each plane, the first plane the lowest bit
                    for (unsigned plane = 0; plane < planes; ++plane)
                        index |= ((line[plane * bytesPerLine + static_cast<size_t>(x) / 8] >> (7 - x % 8)) & 1u) << plane;
                row[x] = palette[index];
            }
        }
    } catch (const std::bad_alloc&) {
        picture = Picture{};
        return kImageNoMemory;
    }
    picture.width = width;
    picture.height = height;
    return 0;
}
