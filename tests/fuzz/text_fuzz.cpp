// Fuzzes every reader of text that comes from outside the program: numbers in INI values and
// edit boxes, the command line, the recorder's version text, and whole INI files.
#include "initext.h"
#include "numtext.h"
#include "sitepath.h"
#include "version.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::string arg;
    if (ExtractArg1(text, arg) && (arg.size() > text.size() || text.find(arg) == std::string::npos))
        __builtin_trap();
    (void)LeadingInt(text), (void)ParseSignedText(text), (void)ParseUnsignedText(text), (void)IsLocalSitePath(text);
    (void)MajorFromVersionText(text);
    (void)VersionTextSameOrLater(text, size > 0 ? static_cast<int8_t>(data[0]) : 0, size > 1 ? static_cast<int8_t>(data[1]) : 0);
    // Every key of every section lies within one line and has a name the service would list.
    if (const std::optional<IniText> ini = ParseIniText(text, size % 2 == 0))
        for (const IniText::Section& section : ini->sections) {
            if (section.begin > section.end || section.end > ini->text.size())
                __builtin_trap();
            for (const auto& [key, value] : IniSectionKeys(*ini, section.name))
                if (key.empty() || key.front() == ';' || (key + value).find('\n') != std::string::npos || key.find('=') != std::string::npos)
                    __builtin_trap();
        }
    return 0;
}
