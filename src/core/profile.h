// The only door to the INI files. Every read and write of a setting goes through these helpers,
// one key at a time, with no caching: a dialog reads when it opens and writes when confirmed.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

// At most bufSize - 1 characters of the value, as the recorder's fixed buffers see it; def when
// the key is absent.
std::string ReadString(const char* file, const char* section, const char* key, const char* def,
                       size_t bufSize);

// The decimal number at the start of the value (LeadingInt), or def when the key is absent or
// its value empty, as the recorder reads its own settings.
int ReadInt(const char* file, const char* section, const char* key, int def);

// The stored value exactly as the profile service reads it, whatever its length; nullopt when the
// key is absent.
std::optional<std::string> StoredValue(const char* file, const char* section, const char* key);

// A whole section as the file holds it: each key (blanks round the name and before the value
// dropped) with its value, in file order; a line without "=" is skipped.
std::vector<std::pair<std::string, std::string>> ReadSection(const char* file, const char* section);
// The names of a file's sections, in file order.
std::vector<std::string> ReadSectionNames(const char* file);

// Replace one key's value, creating file, section and key when absent. The result says whether
// the system stored it. Every change is first recorded in the site's change history.
bool WriteString(const char* file, const char* section, const char* key, const std::string& value);
bool WriteInt(const char* file, const char* section, const char* key, int value); // "%d"
bool WriteFlag(const char* file, const char* section, const char* key, bool on);  // "1" / "0"
// Removes a key: only undoing a change does, to restore a key that was absent (an empty value
// and an absent one read differently).
bool RemoveKey(const char* file, const char* section, const char* key);

// A value the system could not store (read-only file, missing folder, full disk): the file, as
// the profile service resolves it, and the system's error code. Only the first failure since
// the last MarkWrites is kept; a confirmed dialog checks it so that a lost change is never
// reported as saved (ReportFailedWrite).
struct FailedWrite {
    std::string file;
    unsigned long error = 0;
};
// MarkWrites begins a confirmation (an OK, an Apply, an Update); ContinueWrites forgets failures
// without beginning one, for the later pages of one sheet's OK.
void MarkWrites();
// The system's words for an error code, without the line break it ends them with.
std::string SystemErrorText(unsigned long error);
void ContinueWrites();
std::optional<FailedWrite> FirstFailedWrite();

// A "YES"/"NO" flag, set only when it reads "YES" in any case (absent reads as "NO"), as the
// recorder reads it into an 80-byte buffer; written as "YES" or "NO".
bool ReadYes(const char* file, const char* section, const char* key);
bool WriteYesNo(const char* file, const char* section, const char* key, bool yes);

// The recorder's system INI file named on the command line.
const char* SystemIni();

// How many values have been read and written since the program started (for measuring how
// much file work a dialog does).
struct ProfileCounts {
    long reads = 0;
    long writes = 0;
};
ProfileCounts ProfileUse();
