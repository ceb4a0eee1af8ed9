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

// A read session: while one lives, each file is read once and its sections found in its text (a
// file that is not plain text is asked of the profile service a section at a time), giving the
// same values the key-by-key reads give (the first of a key given twice, blanks round a value and
// one pair of quotes round it dropped). Reading a key at a time costs the profile service a trip
// to the file for each: a page reads dozens, a whole site hundreds. A write stored forgets what
// was read of its file. Sessions are short (a dialog's opening, one site of many): nothing read is
// kept past one.
class ReadSession {
public:
    ReadSession();
    ~ReadSession();
    ReadSession(const ReadSession&) = delete;
    ReadSession& operator=(const ReadSession&) = delete;
};

// A whole section as the file holds it: each key (blanks round the name and before the value
// dropped) with its value, in file order; a line without "=" is skipped.
std::vector<std::pair<std::string, std::string>> ReadSection(const char* file, const char* section);
// The names of a file's sections, in file order.
std::vector<std::string> ReadSectionNames(const char* file);

// Replace one key's value, creating file, section and key when absent. The result says whether
// the system stored it (during a confirmation: whether it was taken; CommitWrites says the rest).
// Every change is first recorded in the site's change history.
bool WriteString(const char* file, const char* section, const char* key, const std::string& value);
bool WriteInt(const char* file, const char* section, const char* key, int value); // "%d"
bool WriteFlag(const char* file, const char* section, const char* key, bool on);  // "1" / "0"
// A value the dialog derives from others rather than shows (the last remote-view camera and the
// colour that follow the cameras switched on): stored with any other change of its confirmation,
// and kept as stored when the confirmation changes nothing else.
bool WriteDerived(const char* file, const char* section, const char* key, const std::string& value);
// Removes a key: only undoing a change does, to restore a key that was absent (an empty value
// and an absent one read differently).
bool RemoveKey(const char* file, const char* section, const char* key);

// ---- Confirmations ----------------------------------------------------------------------------
// The writes of one confirmation (an OK, an Apply, an Update) are held until every check of it
// has passed, then stored together in the order written: a refusal stores nothing. Reads made
// while writes are held see them. Writes made outside a confirmation are stored at once.
//
// owner is the rehearsal (below) of the dialog or page that writes, or 0 for none.
void BeginWrites(long owner = 0);
// The later pages of one sheet's OK join the confirmation its first page began.
void ContinueWrites(long owner);
// Stores the held writes, each recorded in the history first; false when one could not be stored
// (the others are still stored, and FirstFailedWrite says which file and why).
bool CommitWrites();
// Forgets the held writes: the confirmation was refused.
void DropWrites();

// ---- Rehearsals -------------------------------------------------------------------------------
// When a dialog has shown what the files hold, it rehearses its save: runs it as if OK were
// pressed at once, storing nothing and showing nothing. What it would have stored is kept under
// the rehearsal's number. A later confirmation of that dialog that stores a value exactly as
// rehearsed, over the text stored at the rehearsal, keeps the stored text: the user did not change
// what the dialog showed, and a value it could not show as stored (a flag of 2, a choice outside
// its list, a rounded percentage, a text longer than its box) is not lost to an OK.
long BeginRehearsal();
void EndRehearsal();
bool Rehearsing();
void ForgetRehearsal(long rehearsal);

// A value the system could not store (read-only file, missing folder, full disk): the file, as
// the profile service resolves it, and the system's error code. Only the first failure since
// the last BeginWrites is kept; a confirmed dialog checks it so that a lost change is never
// reported as saved (ReportFailedWrite).
struct FailedWrite {
    std::string file;
    unsigned long error = 0;
};
// The system's words for an error code, without the line break it ends them with.
std::string SystemErrorText(unsigned long error);
std::optional<FailedWrite> FirstFailedWrite();
// Forgets a failure once it has been told.
void ClearFailedWrite();

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
