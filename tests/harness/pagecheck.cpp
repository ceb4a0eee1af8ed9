#include "harness.h"

#include <map>
#include <optional>
#include <set>

namespace {

// The value of an attribute of a tag (name="value"), or nothing.
std::optional<std::string> Attribute(const std::string& tag, const std::string& name)
{
    const size_t at = tag.find(" " + name + "=\"");
    if (at == std::string::npos)
        return std::nullopt;
    const size_t start = at + name.size() + 3;
    return tag.substr(start, tag.find('"', start) - start);
}

// A file the page names: within the folder, and there.
bool FileBeside(const std::string& folder, std::string name)
{
    if (folder.empty() || name.empty() || name.find(':') != std::string::npos || name.find("..") != std::string::npos ||
        name.front() == '/' || name.front() == '\\')
        return false;
    for (size_t pct; (pct = name.find('%')) != std::string::npos && pct + 2 < name.size();) // an address escapes its blanks
        name.replace(pct, 3, 1, static_cast<char>(std::stoi(name.substr(pct + 1, 2), nullptr, 16)));
    for (char& c : name)
        c = c == '/' ? '\\' : c;
    const DWORD attributes = GetFileAttributesA((folder + name).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace

std::string HtmlProblem(const std::string& html, const std::string& folder)
{
    static const std::set<std::string> kVoid = {"meta", "img", "br", "hr", "link", "input"};
    std::vector<std::string> open;
    std::map<std::string, int> count;
    std::set<std::string> ids, targets;
    for (size_t at = html.find('<'); at != std::string::npos; at = html.find('<', at + 1)) {
        const size_t end = html.find('>', at);
        if (end == std::string::npos)
            return "a tag that does not end";
        const std::string tag = html.substr(at + 1, end - at - 1);
        if (tag.starts_with("!"))
            continue;
        const bool closing = tag.starts_with("/");
        const std::string name = tag.substr(closing, tag.find_first_of(" />", closing) - closing);
        if (name == "script" || name == "link" || name == "iframe" || name == "object")
            return "a <" + name + ">";
        if (const auto src = Attribute(tag, "src"); src && !src->starts_with("data:") && !FileBeside(folder, *src))
            return "a source outside the page: " + tag.substr(0, 80);
        if (const auto href = Attribute(tag, "href")) {
            if (href->starts_with("#"))
                targets.insert(href->substr(1));
            else if (!FileBeside(folder, *href))
                return "a link outside the page: " + tag.substr(0, 80);
        }
        if (const auto id = Attribute(tag, "id"); id && !ids.insert(*id).second)
            return "two elements with the id " + *id;
        if (closing) {
            if (open.empty() || open.back() != name)
                return "</" + name + "> closes <" + (open.empty() ? "" : open.back()) + ">";
            open.pop_back();
        } else if (!kVoid.contains(name)) {
            open.push_back(name);
            ++count[name];
        }
    }
    if (!open.empty())
        return "<" + open.back() + "> is never closed";
    for (const char* once : {"html", "head", "title", "body"})
        if (count[once] != 1)
            return std::string("not one <") + once + ">";
    for (const std::string& target : targets)
        if (!ids.contains(target))
            return "a link to #" + target + ", which the page lacks";
    return html.find("http:") != std::string::npos || html.find("https:") != std::string::npos ? "a network address" : "";
}
