// Empty copies of the configurator's dialog templates, for the floor of the dialog benchmark: the
// same header (style, extended style, DLU size, caption, font) read from orva_config.exe, with
// no controls.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

// The named RT_DIALOG resource of `module` as it is, controls and all; empty when missing.
inline std::vector<DWORD> DialogTemplate(HMODULE module, const char* name)
{
    const HRSRC info = FindResourceA(module, name, MAKEINTRESOURCEA(5)); // RT_DIALOG
    const HGLOBAL res = info ? LoadResource(module, info) : nullptr;
    const void* data = res ? LockResource(res) : nullptr;
    const size_t size = info ? SizeofResource(module, info) : 0;
    if (!data || !size)
        return {};
    std::vector<DWORD> out((size + 3) / 4, 0);
    std::memcpy(out.data(), data, size);
    return out;
}

// The header of an extended template ends after a string or ordinal field; returns the offset
// after the field at `at`, or 0 past the end.
inline size_t SkipSzOrOrd(const BYTE* data, size_t size, size_t at)
{
    if (at + 2 > size)
        return 0;
    WORD first;
    std::memcpy(&first, data + at, 2);
    if (first == 0x0000)
        return at + 2;
    if (first == 0xFFFF)
        return at + 4 <= size ? at + 4 : 0;
    for (; at + 2 <= size; at += 2) {
        WORD ch;
        std::memcpy(&ch, data + at, 2);
        if (ch == 0)
            return at + 2;
    }
    return 0;
}

// The template of the named RT_DIALOG resource of `module` (loaded as a data file) without its
// controls, ready for DialogBoxIndirectParam / PSP_DLGINDIRECT; empty when the resource is
// missing or not a DIALOGEX template. `dlu` receives its width and height in dialog units.
inline std::vector<DWORD> EmptyDialogTemplate(HMODULE module, const char* name, SIZE* dlu = nullptr)
{
    const HRSRC info = FindResourceA(module, name, MAKEINTRESOURCEA(5)); // RT_DIALOG
    const HGLOBAL res = info ? LoadResource(module, info) : nullptr;
    const auto* data = static_cast<const BYTE*>(res ? LockResource(res) : nullptr);
    const size_t size = info ? SizeofResource(module, info) : 0;
    if (!data || size < 26)
        return {};
    WORD version, signature;
    std::memcpy(&version, data, 2);
    std::memcpy(&signature, data + 2, 2);
    if (version != 1 || signature != 0xFFFF)
        return {};
    DWORD style;
    std::memcpy(&style, data + 12, 4);
    size_t end = SkipSzOrOrd(data, size, 26); // menu
    end = end ? SkipSzOrOrd(data, size, end) : 0; // window class
    end = end ? SkipSzOrOrd(data, size, end) : 0; // caption
    if (end && (style & DS_SETFONT))
        end = end + 6 <= size ? SkipSzOrOrd(data, size, end + 6) : 0; // size, weight, italic, charset, face
    if (!end || end > 4096) // a header, however long its caption, is far smaller
        return {};
    std::vector<DWORD> out((end + 3) / 4, 0);
    std::memcpy(out.data(), data, end);
    const WORD noItems = 0;
    std::memcpy(reinterpret_cast<BYTE*>(out.data()) + 16, &noItems, 2);
    if (dlu) {
        short cx, cy;
        std::memcpy(&cx, data + 22, 2);
        std::memcpy(&cy, data + 24, 2);
        *dlu = {cx, cy};
    }
    return out;
}

// The window classes named by the controls of a DIALOGEX template (as DialogTemplate returns it),
// those given by name rather than by the system's class numbers.
inline std::vector<std::string> ControlClassNames(const std::vector<DWORD>& tmpl)
{
    const auto* data = reinterpret_cast<const BYTE*>(tmpl.data());
    const size_t size = tmpl.size() * sizeof(DWORD);
    std::vector<std::string> names;
    if (size < 26)
        return names;
    WORD count;
    DWORD style;
    std::memcpy(&count, data + 16, 2);
    std::memcpy(&style, data + 12, 4);
    size_t at = SkipSzOrOrd(data, size, 26);      // menu
    at = at ? SkipSzOrOrd(data, size, at) : 0;    // window class
    at = at ? SkipSzOrOrd(data, size, at) : 0;    // caption
    if (at && (style & DS_SETFONT))
        at = at + 6 <= size ? SkipSzOrOrd(data, size, at + 6) : 0;
    for (WORD item = 0; at && item < count; ++item) {
        at = (at + 3) & ~size_t{3};
        at += 24; // help id, extended style, style, position, size, id
        if (at + 2 > size)
            break;
        WORD first;
        std::memcpy(&first, data + at, 2);
        if (first != 0xFFFF) {
            std::string name;
            for (size_t c = at; c + 2 <= size; c += 2) {
                WORD ch;
                std::memcpy(&ch, data + c, 2);
                if (!ch)
                    break;
                name += static_cast<char>(ch < 128 ? ch : '?');
            }
            names.push_back(name);
        }
        at = SkipSzOrOrd(data, size, at);        // class
        at = at ? SkipSzOrOrd(data, size, at) : 0; // title
        if (!at || at + 2 > size)
            break;
        WORD extra;
        std::memcpy(&extra, data + at, 2);
        at += 2 + extra;
    }
    return names;
}
