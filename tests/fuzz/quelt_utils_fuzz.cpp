// Fuzzes the shared string utilities on arbitrary bytes: passwords read back from an INI file,
// site names typed by a technician, picture paths from the open-file dialog, and error codes
// returned by the imaging library. Besides running clean under the sanitizers, each must keep
// the promises its header makes.
#include "quelt_utils.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

void Require(bool condition)
{
    if (!condition)
        __builtin_trap();
}

constexpr std::string_view kForbidden = "/.,\\:*?\"<>|";

void CheckScrambling(std::string_view text, size_t length)
{
    // A C buffer exactly as large as the text and its terminator, so ASan sees any overrun.
    std::vector<char> encoded(text.begin(), text.end());
    encoded.push_back('\0');
    Encode(encoded.data(), length);
    const size_t bound = std::min(length, text.find('\0'));
    for (size_t i = 0; i < text.size(); ++i) {
        const auto want = i < bound ? static_cast<char>(static_cast<unsigned char>(text[i]) ^ kScrambleMask)
                                    : text[i];
        Require(encoded[i] == want);
    }
    Require(encoded[text.size()] == '\0');

    std::string whole(text);
    Encode(whole);
    Require(whole.size() == text.size());
    std::string viaBuffer(text);
    Encode(viaBuffer.data(), viaBuffer.size());
    Require(whole == viaBuffer);

    std::vector<char> decoded(text.begin(), text.end());
    decoded.push_back('\0');
    Decode(decoded.data(), length);
    if (text.empty() || (static_cast<unsigned char>(text[0]) & 0x80) == 0)
        Require(std::memcmp(decoded.data(), text.data(), text.size()) == 0);

    // 7-bit text without zeros always comes back.
    bool sevenBit = true;
    for (const unsigned char c : text)
        sevenBit = sevenBit && c != 0 && c < 0x80;
    if (sevenBit) {
        std::string roundTrip(text);
        Encode(roundTrip);
        Decode(roundTrip);
        Require(roundTrip == text);
    }
}

void CheckSiteName(std::string_view text)
{
    const bool valid = ValidSiteName(text);
    std::string unchanged(text);
    Require(ValidSiteName(unchanged, false) == valid);
    Require(unchanged == text);

    std::string cleaned(text);
    Require(ValidSiteName(cleaned, true) == valid);
    Require(cleaned.size() <= text.size());
    Require(cleaned.find_first_of(kForbidden) == std::string::npos);
    Require(cleaned.find('\0') == std::string::npos);
    Require(cleaned.empty() || cleaned.back() != ' ');
    Require(ValidSiteName(cleaned));
    if (valid)
        Require(cleaned == text.substr(0, text.find('\0')));
}

void CheckPath(std::string_view text)
{
    const std::string_view path = text.substr(0, text.find('\0'));
    const std::string name = RemovePathFromFilename(text);
    Require(name.size() <= path.size());
    Require(path.substr(path.size() - name.size()) == name);
}

void CheckLeadError(int code, size_t size)
{
    const std::string text = FormatLeadError(code);
    Require(text.size() < 64);
    Require((code <= 0 && code >= -63) == (text.rfind("Unknown LEAD ERROR: ", 0) == std::string::npos));

    Require(FormatLeadError(code, nullptr, 80) == nullptr);
    std::vector<char> buffer(size + 1, 'X');
    char* const result = FormatLeadError(code, buffer.data(), size);
    if (size == 0) {
        Require(result == nullptr && buffer[0] == 'X');
        return;
    }
    Require(result == buffer.data());
    Require(buffer[size] == 'X');
    const size_t written = std::strlen(buffer.data());
    Require(written == std::min(text.size(), size - 1));
    Require(text.compare(0, written, buffer.data()) == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const size_t length = size > 0 ? data[0] % (size + 2) : 0;
    CheckScrambling(text, length);
    CheckSiteName(text);
    CheckPath(text);

    int32_t code = 0;
    if (size >= sizeof code)
        std::memcpy(&code, data, sizeof code);
    else if (size > 0)
        code = -static_cast<int32_t>(data[0] % 70);
    CheckLeadError(code, size > 4 ? data[4] % 72 : size);
    return 0;
}
