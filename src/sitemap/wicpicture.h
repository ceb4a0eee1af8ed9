// Map pictures the system can decode (JPEG, BMP, PNG), through the Windows Imaging Component.
#pragma once

#include "sitemap/pcx.h"

// Same result convention as DecodePcx: 0, or a negative code with picture left empty.
int DecodeWithSystem(std::span<const uint8_t> bytes, Picture& picture);
