// Fuzzes every reader of text that comes from outside the program: numbers in INI values and
// edit boxes, the command line, and the recorder's version text.
#include "numtext.h"
#include "sitepath.h"
#include "version.h"

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <string>

namespace {

bool AsciiAlnum(unsigned char c) { return std::isalnum(c) != 0; }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    (void)LeadingInt(text);
    (void)ParseSignedText(text);
    (void)ParseUnsignedText(text);
    std::string arg;
    if (ExtractArg1(text, AsciiAlnum, arg) && arg.size() > text.size())
        __builtin_trap();
    (void)IsLocalSitePath(text);
    (void)MajorFromVersionText(text);
    const int major = size > 0 ? static_cast<int8_t>(data[0]) : 0;
    const int minor = size > 1 ? static_cast<int8_t>(data[1]) : 0;
    (void)VersionTextSameOrLater(text, major, minor);
    return 0;
}
