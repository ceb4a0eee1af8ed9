// Keyboard use of every dialog. Each template of the program's resources is created hidden, with a
// procedure that does nothing, and its controls are walked in z-order, which is the tab order.
//
// Inputs are edits that are not read-only, combo and list boxes, list and tree views, check boxes,
// radio buttons, push buttons and the program's own week grid. A control the template both hides and disables (a spare Help
// button) is never offered and is left out; any other hidden or disabled control may be shown or
// enabled by the program, so it counts.
// - Every input is a tab stop, but for a radio button after a tab stop of its group (WS_GROUP
//   starts a group): Tab reaches the group, the arrow keys move within it.
// - Tab stops come in reading order: row by row, left to right along a row. Two controls share a
//   row when their heights overlap by at least half the smaller one, so a check box set a little
//   higher than the box beside it is on that box's row, and a two-column layout reads across.
// - Every input is named by a mnemonic: a button with text by its own ("OK" and "Cancel" need
//   none: Enter and Escape press them), any other input by the static text or group box just
//   before it, which is where the dialog manager moves the focus on that key. The later boxes of
//   one field along one row (the octets of an address) share the first box's label. A label the
//   template leaves empty and hidden is the program's to write and show, key and all (the
//   multiplexer's USB identifier, named after its link).
// - No two mnemonics of a dialog share a key, case ignored, counting "&Apply", which a property
//   sheet puts beside each of its pages (templates with WS_CHILD); the program's sheets have no
//   Help button, and OK and Cancel have no key.
// Needing no mnemonic of their own, as no key could mean anything for them: a control whose text
// has no letter or digit (the "+" and "-" steppers), and a numbered series, more than ten
// controls whose texts differ only in their digits (the hours of a day, the camera ports): the
// digits do not go round and letters would be arbitrary. Such a control still counts for
// collisions when it has a mnemonic.
#include "cameras/weekgrid.h"
#include "defines.h"
#include "harness.h"

#include <commctrl.h>

#include <fstream>
#include <sstream>

namespace {

struct Control {
    HWND wnd;
    std::string cls, text;
    LONG style;
    RECT rect;
    bool Has(LONG bits) const { return (style & bits) == bits; }
    LONG Button() const { return cls == "Button" ? style & BS_TYPEMASK : -1; }
    bool Radio() const { return Button() == BS_RADIOBUTTON || Button() == BS_AUTORADIOBUTTON; }
    bool Label() const
    {
        const LONG type = style & SS_TYPEMASK;
        return Button() == BS_GROUPBOX || (cls == "Static" && !Has(SS_NOPREFIX) &&
               (type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT || type == SS_LEFTNOWORDWRAP || type == SS_SIMPLE));
    }
    bool Input() const
    {
        return (cls == "Edit" && !Has(ES_READONLY)) || cls == "ComboBox" || cls == "ListBox" || cls == "SysListView32" ||
               cls == "SysTreeView32" || (cls == "Button" && Button() != BS_GROUPBOX) || cls == kWeekGridClass;
    }
    // The key that the text's mnemonic mark gives, or 0; "&&" is a plain ampersand.
    char Mnemonic() const
    {
        if (!Label() && cls != "Button")
            return 0;
        for (size_t i = 0; i + 1 < text.size(); ++i)
            if (text[i] == '&' && text[++i] != '&')
                return static_cast<char>(std::toupper(static_cast<unsigned char>(text[i])));
        return 0;
    }
    std::string Name() const { return "control " + std::to_string(GetDlgCtrlID(wnd)) + " \"" + text + "\""; }
};

bool SameRow(const RECT& a, const RECT& b)
{
    return 2 * (std::min(a.bottom, b.bottom) - std::max(a.top, b.top)) >= std::min(a.bottom - a.top, b.bottom - b.top);
}

// What the controls of one numbered series have in common: class and text but for the digits.
std::string Series(const Control& c)
{
    std::string common = c.cls + ":";
    for (const char ch : c.text)
        if (!std::isdigit(static_cast<unsigned char>(ch)))
            common += ch;
    return common;
}

// Whether an input is reached by a mnemonic, or needs none, by the rules above.
bool Named(const Control& c, const Control* before, int seriesSize)
{
    if (c.Button() >= 0 && !c.text.empty()) {
        const int id = GetDlgCtrlID(c.wnd);
        const bool sign = std::none_of(c.text.begin(), c.text.end(), [](char ch) { return std::isalnum(static_cast<unsigned char>(ch)); });
        return c.Mnemonic() || (id == IDOK && c.text == "OK") || (id == IDCANCEL && c.text == "Cancel") || sign || seriesSize > 10;
    }
    if (!before)
        return false;
    const bool continued = c.cls == "Edit" && before->cls == "Edit" && before->Input() && SameRow(before->rect, c.rect);
    const bool programs = before->text.empty() && !before->Has(WS_VISIBLE);
    return continued || (before->Label() && (before->Mnemonic() || programs));
}

// The controls of a template in z-order, but for those it both hides and disables.
std::vector<Control> Controls(HWND dlg)
{
    std::vector<Control> controls;
    for (HWND c = GetWindow(dlg, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        Control ctl{c, ClassOf(c), WindowText(c), GetWindowLongA(c, GWL_STYLE), {}};
        GetWindowRect(c, &ctl.rect);
        if (ctl.Has(WS_VISIBLE) || !ctl.Has(WS_DISABLED))
            controls.push_back(ctl);
    }
    return controls;
}

std::vector<std::string> Problems(HWND dlg, bool sheetPage)
{
    const std::vector<Control> controls = Controls(dlg);
    std::vector<std::string> problems;
    std::map<std::string, int> series;
    for (const Control& c : controls)
        if (c.Input())
            ++series[Series(c)];

    std::map<char, std::string> keys;
    if (sheetPage)
        keys['A'] = "the sheet's \"&Apply\"";
    const Control* lastStop = nullptr;
    bool radioStop = false; // a radio button of the current group is a tab stop
    for (size_t i = 0; i < controls.size(); ++i) {
        const Control& c = controls[i];
        if (c.Has(WS_GROUP))
            radioStop = false;
        if (const char key = c.Mnemonic(); key && !keys.emplace(key, c.Name()).second)
            problems.push_back(c.Name() + " has the key " + key + " of " + keys[key]);
        if (c.Has(WS_TABSTOP)) {
            if (lastStop && (SameRow(lastStop->rect, c.rect) ? c.rect.left < lastStop->rect.left : c.rect.top < lastStop->rect.top))
                problems.push_back(c.Name() + " follows " + lastStop->Name() + " in tab order, but comes before it in reading order");
            lastStop = &c;
            radioStop = radioStop || c.Radio();
        }
        if (!c.Input())
            continue;
        if (!c.Has(WS_TABSTOP) && !(c.Radio() && radioStop))
            problems.push_back(c.Name() + " is not a tab stop");
        if (!Named(c, i ? &controls[i - 1] : nullptr, series[Series(c)]))
            problems.push_back(c.Name() + " has no mnemonic" + (c.Button() >= 0 && !c.text.empty() ? "" : " in the label before it"));
    }
    return problems;
}

// Template names as resource.h spells them, by number.
std::map<int, std::string> TemplateNames()
{
    std::map<int, std::string> names;
    std::ifstream header(ORVA_RESOURCE_H);
    for (std::string line; std::getline(header, line);) {
        std::istringstream words(line);
        std::string define, name;
        int value = 0;
        if (words >> define >> name >> value && define == "#define" && name.starts_with("IDD_"))
            names[value] = name;
    }
    return names;
}

// A template by its number, or by its name with number 0.
using Template = std::pair<WORD, std::string>;

BOOL CALLBACK AddTemplate(HMODULE, LPCSTR, LPSTR name, LONG_PTR list)
{
    const WORD id = IS_INTRESOURCE(name) ? LOWORD(reinterpret_cast<UINT_PTR>(name)) : 0;
    reinterpret_cast<std::vector<Template>*>(list)->emplace_back(id, id ? std::to_string(id) : name);
    return TRUE;
}

INT_PTR CALLBACK Quiet(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

} // namespace

TEST(Keyboard, EveryDialogByTabAndMnemonic)
{
    // The program's own controls are registered before a template that holds one is shown.
    ASSERT_TRUE(RegisterWeekGrid(hInst));
    std::vector<Template> templates;
    EnumResourceNamesA(hInst, RT_DIALOG, AddTemplate, reinterpret_cast<LONG_PTR>(&templates));
    const std::map<int, std::string> names = TemplateNames();
    const HWND owner = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 800, 600, nullptr, nullptr, hInst, nullptr);
    int pages = 0, dialogs = 0;
    for (auto& [id, name] : templates) {
        const HWND dlg = CreateDialogParamA(hInst, id ? MAKEINTRESOURCEA(id) : name.c_str(), owner, Quiet, 0);
        if (names.contains(id))
            name = names.at(id);
        ASSERT_TRUE(dlg) << name;
        const bool page = GetWindowLongA(dlg, GWL_STYLE) & WS_CHILD;
        ++(page ? pages : dialogs);
        for (const std::string& problem : Problems(dlg, page))
            ADD_FAILURE() << name << ": " << problem;
        DestroyWindow(dlg);
    }
    DestroyWindow(owner);
    EXPECT_GT(pages, 5);
    EXPECT_GT(dialogs, 20);
}
