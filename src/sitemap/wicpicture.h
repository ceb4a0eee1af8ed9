// Map pictures the system can decode (JPEG, BMP, PNG), and pictures written as PNG, through the
// Windows Imaging Component.
#pragma once

#include "sitemap/pcx.h"

// Same result convention as DecodePcx: 0, or a negative code with picture left empty.
int DecodeWithSystem(std::span<const uint8_t> bytes, Picture& picture);

// The picture as a PNG file's bytes; empty when it cannot be encoded.
std::vector<uint8_t> EncodePng(const Picture& picture);
