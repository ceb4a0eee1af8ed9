// Fuzzes the shared string utilities on arbitrary bytes: passwords read back from an INI file,
// site names typed by a technician, picture paths from the open-file dialog, and error codes
// returned by the imaging library. Besides running clean under the sanitizers, each must keep
// the promises its header makes.
#include "quelt_utils.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

void Require(bool condition)
{
    if (!condition)
        __builtin_trap();
}

void CheckScrambling(std::string_view text, size_t length)
{
    // A C buffer exactly as large as the text and its terminator, so ASan sees any overrun.
    std::vector<char> encoded(text.begin(), text.end());
    encoded.push_back('\0');
    Encode(encoded.data(), length);
    const size_t bound = std::min(length, text.find('\0'));
    for (size_t i = 0; i < text.size(); ++i)
        Require(encoded[i] == (i < bound ? static_cast<char>(static_cast<unsigned char>(text[i]) ^ kScrambleMask) : text[i]));
    // 7-bit text without zeros always comes back.
    if (std::all_of(text.begin(), text.end(), [](char c) { return c > 0; })) {
        std::string roundTrip(text);
        Encode(roundTrip);
        Decode(roundTrip);
        Require(roundTrip == text);
    }
}

void CheckSiteName(std::string_view text)
{
    const bool valid = ValidSiteName(text);
    std::string cleaned(text);
    Require(ValidSiteName(cleaned, true) == valid);
    Require(cleaned.find_first_of("/.,\\:*?\"<>|") == std::string::npos && cleaned.find('\0') == std::string::npos);
    Require(ValidSiteName(cleaned) && (!valid || cleaned == text.substr(0, text.find('\0'))));
}

void CheckLeadError(int code, size_t size)
{
    const std::string text = FormatLeadError(code);
    Require((code <= 0 && code >= -63) == !text.starts_with("Unknown LEAD ERROR: "));
    std::vector<char> buffer(size + 1, 'X');
    char* const result = FormatLeadError(code, buffer.data(), size);
    Require(result == (size ? buffer.data() : nullptr) && buffer[size] == 'X');
    if (size)
        Require(std::strlen(buffer.data()) == std::min(text.size(), size - 1) && text.starts_with(buffer.data()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckScrambling(text, size > 0 ? data[0] % (size + 2) : 0);
    CheckSiteName(text);
    const std::string_view path = text.substr(0, text.find('\0'));
    const std::string name = RemovePathFromFilename(text);
    Require(path.ends_with(name));
    Require(GetOnlyNumbers(text).find_first_not_of("0123456789") == std::string::npos && GetOnlyNumbers(text).size() <= path.size());
    int32_t code = size > 0 ? -static_cast<int32_t>(data[0] % 70) : 0;
    if (size >= sizeof code)
        std::memcpy(&code, data, sizeof code);
    CheckLeadError(code, size > 4 ? data[4] % 72 : size);
    return 0;
}
