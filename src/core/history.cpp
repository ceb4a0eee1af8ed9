#include "history.h"

#include "defines.h"
#include "numtext.h"
#include "profile.h"

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <utility>

namespace {

std::string currentCommand;
bool headerDue = true;
bool failureSeen = false;
bool recording = true;
std::string failure;

constexpr char kAbsent[] = "\\-";

std::string Now()
{
    SYSTEMTIME t;
    GetLocalTime(&t);
    char text[32];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond);
    return text;
}

std::string Field(const std::optional<std::string>& value) { return value ? EscapeField(*value) : kAbsent; }

// Appends to the log, first moving a log past the limit aside; says why when it cannot.
bool Append(const std::string& path, const std::string& text, std::string& why)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) &&
        (data.nFileSizeHigh != 0 || data.nFileSizeLow > static_cast<DWORD>(kHistoryLimit))) {
        const std::string old = path.substr(0, path.size() - std::string(kHistoryFile).size()) + kOldHistoryFile;
        if (!MoveFileExA(path.c_str(), old.c_str(), MOVEFILE_REPLACE_EXISTING)) {
            why = SystemErrorText(GetLastError());
            return false;
        }
    }
    const HANDLE file = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        why = SystemErrorText(GetLastError());
        return false;
    }
    DWORD written = 0;
    const bool ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) && written == text.size();
    if (!ok)
        why = SystemErrorText(GetLastError());
    CloseHandle(file);
    return ok;
}

} // namespace

std::string HistoryPath()
{
    const size_t slash = IniFile.find_last_of("\\/");
    return (slash == std::string::npos ? std::string() : IniFile.substr(0, slash + 1)) + kHistoryFile;
}

void StartHistory()
{
    currentCommand.clear();
    headerDue = true;
    failureSeen = false;
    failure.clear();
}

void RecordHistory(bool on) { recording = on; }
bool HistoryOn() { return recording; }

void SetHistoryCommand(const std::string& command)
{
    currentCommand = command;
    headerDue = true;
}

void BeginConfirmation() { headerDue = true; }

void RecordValue(const HistoryValue& value)
{
    std::string text;
    if (headerDue)
        text = "H\t" + Now() + "\t" + EscapeField(currentCommand) + "\t" + EscapeField(IniFile) + "\r\n";
    text += FormatValueLine(value) + "\r\n";
    std::string why;
    if (Append(HistoryPath(), text, why)) {
        headerDue = false;
    } else if (!failureSeen) {
        failureSeen = true;
        failure = "The change history could not be written to\n" + HistoryPath() + "\n\n" + why +
                  "\n\nYour changes are still saved; they are not recorded for undoing.";
    }
}

std::string TakeHistoryFailure() { return std::exchange(failure, std::string()); }

std::string EscapeField(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\t': out += "\\t"; break;
        case '\r': out += "\\r"; break;
        case '\n': out += "\\n"; break;
        default: out += c;
        }
    }
    return out;
}

std::string UnescapeField(const std::string& field)
{
    std::string out;
    out.reserve(field.size());
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\' || i + 1 == field.size()) {
            out += field[i];
            continue;
        }
        const char c = field[++i];
        out += c == 't' ? '\t' : c == 'r' ? '\r' : c == 'n' ? '\n' : c;
    }
    return out;
}

std::string FormatValueLine(const HistoryValue& value)
{
    return "V\t" + EscapeField(value.file) + "\t" + EscapeField(value.section) + "\t" + EscapeField(value.key) + "\t" +
           Field(value.before) + "\t" + Field(value.after);
}

std::vector<Confirmation> ParseHistory(const std::string& text)
{
    std::vector<Confirmation> history;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::vector<std::string> fields;
        for (size_t start = 0;;) {
            const size_t tab = line.find('\t', start);
            fields.push_back(line.substr(start, tab - start));
            if (tab == std::string::npos)
                break;
            start = tab + 1;
        }
        const auto value = [](const std::string& f) { return f == kAbsent ? std::nullopt : std::optional(UnescapeField(f)); };
        if (fields[0] == "H" && fields.size() == 4) {
            history.push_back({fields[1], UnescapeField(fields[2]), UnescapeField(fields[3]), {}});
        } else if (fields[0] == "V" && fields.size() == 6) {
            if (history.empty())
                history.emplace_back();
            history.back().values.push_back(
                {UnescapeField(fields[1]), UnescapeField(fields[2]), UnescapeField(fields[3]), value(fields[4]), value(fields[5])});
        }
    }
    return history;
}

std::optional<std::vector<Confirmation>> ReadHistory(const std::string& path)
{
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES && GetLastError() == ERROR_FILE_NOT_FOUND)
        return std::vector<Confirmation>{};
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return ParseHistory(text.str());
}

std::string DescribeValue(const HistoryValue& value)
{
    const auto shown = [](const std::optional<std::string>& v) { return v ? "\"" + EscapeField(*v) + "\"" : std::string("absent"); };
    return value.file + " [" + value.section + "] " + value.key + ": " + shown(value.before) + " -> " + shown(value.after);
}

std::string FormatHistory(const std::vector<Confirmation>& history)
{
    std::string out;
    for (auto c = history.rbegin(); c != history.rend(); ++c) {
        out += (c->time.empty() ? "(no time)" : c->time) + "  " + (c->command.empty() ? "(unknown command)" : c->command) + "  " +
               Plural(c->values.size(), "value") + "\r\n";
        for (const HistoryValue& v : c->values)
            out += "    " + DescribeValue(v) + "\r\n";
    }
    return out;
}
