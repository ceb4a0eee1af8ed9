// Fuzzes the PCX decoder and the reader of picture headers: map pictures come from technicians'
// files. A decoded picture must have one pixel for each of its width times height, within the
// largest side, and the size its header gives.
#include "sitemap/pcx.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Picture picture;
    const int result = DecodePcx({data, size}, picture);
    if (result == 0 && (picture.width < 1 || picture.height < 1 || picture.width > 16384 || picture.height > 16384 ||
                        picture.pixels.size() != static_cast<size_t>(picture.width) * static_cast<size_t>(picture.height)))
        __builtin_trap();
    if (result != 0 && !picture.pixels.empty())
        __builtin_trap();
    int width = 0, height = 0;
    const int sized = PictureFileSize({data, size}, width, height);
    if (sized == 0 && (width < 1 || height < 1 || width > 16384 || height > 16384))
        __builtin_trap();
    if (result == 0 && (sized != 0 || width != picture.width || height != picture.height))
        __builtin_trap();
    return 0;
}
