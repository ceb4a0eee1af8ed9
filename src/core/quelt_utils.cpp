#include "quelt_utils.h"

#include <cstdio>

namespace {

// The part of a text that a C string holding it would show: everything before the first zero.
std::string_view UpToTerminator(std::string_view text)
{
    return text.substr(0, text.find('\0'));
}

void Scramble(char* text, size_t length) noexcept
{
    for (size_t i = 0; i < length && text[i] != '\0'; ++i)
        text[i] = static_cast<char>(static_cast<unsigned char>(text[i]) ^ kScrambleMask);
}

bool IsScrambled(const char* text) noexcept
{
    return (static_cast<unsigned char>(text[0]) & 0x80) != 0;
}

// The characters a Windows file name cannot hold, and the dot and the comma as well.
constexpr std::string_view kSiteNameForbidden = "/.,\\:*?\"<>|";

bool ForbiddenInSiteName(char c)
{
    return kSiteNameForbidden.find(c) != std::string_view::npos;
}

size_t TrailingBlanks(std::string_view name)
{
    size_t count = 0;
    while (count < name.size() && name[name.size() - 1 - count] == ' ')
        ++count;
    return count;
}

} // namespace

void Encode(char* text, size_t length) noexcept
{
    if (text != nullptr)
        Scramble(text, length);
}

void Encode(std::string& text) noexcept
{
    Scramble(text.data(), text.size());
}

void Decode(char* text, size_t length) noexcept
{
    if (text != nullptr && IsScrambled(text))
        Scramble(text, length);
}

void Decode(std::string& text) noexcept
{
    if (IsScrambled(text.c_str()))
        Scramble(text.data(), text.size());
}

bool ValidSiteName(std::string_view name)
{
    name = UpToTerminator(name);
    for (const char c : name)
        if (ForbiddenInSiteName(c))
            return false;
    return TrailingBlanks(name) == 0;
}

bool ValidSiteName(std::string& name, bool replace)
{
    if (!replace)
        return ValidSiteName(std::string_view(name));

    const bool valid = ValidSiteName(std::string_view(name));
    name.resize(UpToTerminator(name).size());
    std::erase_if(name, ForbiddenInSiteName);
    name.resize(name.size() - TrailingBlanks(name));
    return valid;
}

std::string RemovePathFromFilename(std::string_view fullPath)
{
    fullPath = UpToTerminator(fullPath);
    // The recorder's tools look for the folder separator only before the first dot.
    const size_t dot = fullPath.find('.');
    const std::string_view beforeDot = fullPath.substr(0, dot);
    const size_t slash = beforeDot.rfind('\\');
    if (slash == std::string_view::npos)
        return std::string(fullPath);
    return std::string(fullPath.substr(slash + 1));
}

// Defined from a list of its own length, so that a missing or extra text does not compile.
constexpr std::array<std::string_view, 64> pszLeadError = std::to_array<std::string_view>({
    "",
    "Not enough memory available",
    "Invalid bitmap handle",
    "Not enough memory available",
    "Error seeking to position",
    "Error writing file",
    "File not present - abort",
    "Error reading file",
    "Invalid filename specified",
    "Invalid file format",
    "File not found",
    "Invalid width/height",
    "Image format recognized, but sub-type not supported",
    "Invalid parameter passed",
    "Not able to open file",
    "Unknown compression format",
    "Feature not supported",
    "VGA card only supports 256 colors (8 bit)",
    "Printer error",
    "Data CRC check error",
    "Invalid QFactor specified",
    "TARGA not installed",
    "Invalid compression format",
    "X origin specified invalid",
    "Y origin specified invalid",
    "Invalid video mode",
    "Invalid bits/pixel",
    "Invalid window size",
    "Escape key pressed",
    "ERROR_NOT_INITIALIZED",
    "ERROR_CU_BUSY",
    "ERROR_INVALID_TABLE_TYPE",
    "ERROR_UNEQUAL_TABLES",
    "ERROR_INVALID_BUFFER",
    "ERROR_MISSING_TILE_DATA",
    "ERROR_INVALID_QVALUE",
    "ERROR_INVALIDDATA",
    "ERROR_INVALID_COMPRESSED_TYPE",
    "ERROR_INVALID_COMPONENT_NUM",
    "ERROR_INVALID_PIXEL_TYPE",
    "ERROR_INVALID_PIXEL_SAMPLING",
    "ERROR_INVALID_SOURCE_FILE",
    "ERROR_INVALID_TARGET_FILE",
    "ERROR_INVALID_IMAGE_DIMS",
    "ERROR_INVALID_TILE_DIMS",
    "ERROR_INVALID_PIX_BUFF_DIMS",
    "ERROR_SEGMENT_OVERFLOW",
    "ERROR_INVALID_SUBSAMPLING",
    "ERROR_INVALID_Q_VIS_TABLE",
    "ERROR_INVALID_DC_CODE_TABLE",
    "ERROR_INVALID_AC_CODE_TABLE",
    "ERROR_INSUFFICIENT_DATA",
    "ERROR_MISSING_FUNC_POINTER",
    "ERROR_TOO_MANY_DC_CODE_TABLES",
    "ERROR_TOO_MANY_AC_CODE_TABLES",
    "ERROR_INVALID_SUBIMAGE",
    "ERROR_INVALID_ABORTION",
    "ERROR_CU_NO_SUPPORT",
    "ERROR_CU_FAILURE",
    "ERROR_BAD_POINTER",
    "ERROR_HEADER_DATA_FAILURE",
    "ERROR_COMPRESSED_DATA_FAILURE",
    "ERROR_FIXEDPAL_DATA",
    "Fixed palette data not found",
});

char* FormatLeadError(int code, char* buffer, size_t size) noexcept
{
    if (buffer == nullptr || size == 0)
        return nullptr;
    // Compared without negating, so that INT_MIN is simply an unknown code.
    if (code <= 0 && code > -static_cast<int>(pszLeadError.size())) {
        const std::string_view text = pszLeadError[static_cast<size_t>(-code)];
        std::snprintf(buffer, size, "%.*s", static_cast<int>(text.size()), text.data());
    } else {
        std::snprintf(buffer, size, "Unknown LEAD ERROR: %d", code);
    }
    return buffer;
}

std::string FormatLeadError(int code)
{
    // Longest table text (51) and "Unknown LEAD ERROR: -2147483648" (31) both fit.
    char buffer[64];
    return FormatLeadError(code, buffer, sizeof buffer);
}

std::string GetOnlyNumbers(std::string_view input)
{
    std::string digits;
    for (const char c : input.substr(0, input.find('\0')))
        if (c >= '0' && c <= '9')
            digits += c;
    return digits;
}
