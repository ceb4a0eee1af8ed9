// Map pictures in PCX form, decoded by the program itself: the site map of a branch is usually a
// PCX file drawn years ago, and no system decoder reads PCX. The bytes come from outside (a
// technician's file), so every header field is checked before it is trusted.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

// Error codes of the imaging library the recorder's tools used, negative, so that
// FormatLeadError gives the texts technicians know.
inline constexpr int kImageNoMemory = -1;
inline constexpr int kImageReadError = -7;
inline constexpr int kImageBadFormat = -9;
inline constexpr int kImageFileNotFound = -10;
inline constexpr int kImageBadSize = -11;
inline constexpr int kImageSubTypeNotSupported = -12;
inline constexpr int kImageTruncated = -51;

// Pixels as 0x00RRGGBB, rows from the top.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
};

// Decodes PCX (run-length encoded) with 1 bit per pixel, 4 bits (one plane, or four planes of one
// bit, with the header's 16 colours), 8 bits (the 256 colours after the 0x0C marker at the end,
// grey levels without it) or 24 bits (three planes of 8). Width and height are at most 16384.
// Returns 0, or a negative code with picture left empty.
int DecodePcx(std::span<const uint8_t> bytes, Picture& picture);

// The kinds of map picture, known by their first bytes rather than their names.
enum class PictureKind { Unknown, Pcx, Jpeg, Png, Bmp };
PictureKind KindOfPicture(std::span<const uint8_t> bytes);

// The size a picture file's header declares, for PCX (as DecodePcx reads its header), JPEG (its
// frame header), PNG and BMP, without decoding the picture: 0, or a negative code for a header
// that gives no size or one outside 1 to 16384.
int PictureFileSize(std::span<const uint8_t> bytes, int& width, int& height);
