// The site's change history: every value the program stores is recorded, before it is stored, in
// ORVA_HISTORY.LOG beside the system INI file, so that a technician can see what was changed, by
// which command and when, and undo it.
//
// The log is text, appended to and never rewritten: one header line per confirmation (an OK, an
// Apply, an Update, a click that stores at once) and one line per value, fields separated by tabs:
//   H <tab> 2026-12-06 16:45:01 <tab> Schedule <tab> d:\sites\branch 12\orvant.ini
//   V <tab> file <tab> section <tab> key <tab> before <tab> after
// Inside a field a backslash, tab, carriage return and line feed are written \\, \t, \r and \n;
// a key that was absent is \- . Past 1 MB the log becomes ORVA_HISTORY.1.LOG (the one before is
// dropped) and a new one is begun.
#pragma once

#include <optional>
#include <string>
#include <vector>

inline constexpr char kHistoryFile[] = "ORVA_HISTORY.LOG";
inline constexpr char kOldHistoryFile[] = "ORVA_HISTORY.1.LOG";
inline constexpr long kHistoryLimit = 1024 * 1024;

struct HistoryValue {
    std::string file, section, key;
    std::optional<std::string> before; // nullopt: the key was absent
    std::optional<std::string> after;  // nullopt: the key was removed (by an undo)
};

struct Confirmation {
    std::string time, command, siteFile;
    std::vector<HistoryValue> values;
};

// The log of the site being edited: the folder of the system INI file, or the working folder.
std::string HistoryPath();

// A new run of the main window: the failure to write the history will be told again.
void StartHistory();
// Recording is on unless switched off (only to measure what it costs).
void RecordHistory(bool on);
bool HistoryOn();
// The command whose dialog is open (its menu text); later values are recorded under it.
void SetHistoryCommand(const std::string& command);
// The next value recorded starts a new confirmation.
void BeginConfirmation();
// Called by the profile service before it stores a value that differs from the stored one.
void RecordValue(const HistoryValue& value);
// Why the history could not be written, the first time it could not be in this run; empty after.
std::string TakeHistoryFailure();

std::string EscapeField(const std::string& text);
std::string UnescapeField(const std::string& field);
std::string FormatValueLine(const HistoryValue& value);
// The confirmations of a log's text, oldest first. Lines that do not parse are skipped; values
// before any header are kept under a confirmation with no time or command.
std::vector<Confirmation> ParseHistory(const std::string& text);
// Reads a log; nullopt when it cannot be read (an absent log is an empty history).
std::optional<std::vector<Confirmation>> ReadHistory(const std::string& path);

// "file [section] key: before -> after", as the history dialog and /history show a value.
std::string DescribeValue(const HistoryValue& value);
// The history as text, newest confirmation first, as /history prints it.
std::string FormatHistory(const std::vector<Confirmation>& history);
