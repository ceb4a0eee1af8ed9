#include "profile.h"

#include "defines.h"
#include "history.h"
#include "initext.h"
#include "numtext.h"

#include <cstdio>
#include <algorithm>
#include <cstring>
#include <map>
#include <numeric>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace {

ProfileCounts counts;
std::optional<FailedWrite> firstFailure;

std::string KeyId(const char* file, const char* section, const char* key)
{
    return UpperAscii(file) + '\x1f' + UpperAscii(section) + '\x1f' + UpperAscii(key);
}

// A write of the confirmation under way, held until every check of it has passed.
struct Held {
    std::string id, file, section, key;
    std::optional<std::string> value; // nullopt: the key is removed
    long owner;
    bool derived = false;
    bool asRehearsed = false; // the value the owner's rehearsal stored: not the user's change
};

struct HeldConfirmation {
    bool holding = false;
    long owner = 0;     // whose rehearsal keeps values
    long rehearsal = 0; // not 0: this is a rehearsal, and these are its writes
    std::vector<Held> writes;
    // Each key's last write in writes: the schedule's rehearsal holds 168, each looked up as it is
    // held.
    std::unordered_map<std::string, size_t> lastWrite;
};
HeldConfirmation now;
std::vector<HeldConfirmation> suspended; // confirmations a rehearsal interrupted

const Held* LastHeld(const std::string& id)
{
    if (!now.holding)
        return nullptr;
    const auto found = now.lastWrite.find(id);
    return found == now.lastWrite.end() ? nullptr : &now.writes[found->second];
}

const Held* LastHeld(const char* file, const char* section, const char* key)
{
    return now.holding ? LastHeld(KeyId(file, section, key)) : nullptr;
}

// Within a read session, a value is looked up in its section, read once (nullopt: the session
// has nothing to say and the file is read as usual; an inner nullopt: the key is absent).
std::optional<std::optional<std::string>> SessionLookup(const char* file, const char* section, const char* key);
std::vector<std::pair<std::string, std::string>> StoredSection(const char* file, const char* section);

} // namespace

ProfileCounts ProfileUse() { return counts; }

std::string ReadString(const char* file, const char* section, const char* key, const char* def,
                       size_t bufSize)
{
    if (bufSize == 0)
        return {};
    if (const Held* held = LastHeld(file, section, key)) {
        const std::string value = held->value.value_or(def ? def : "");
        return value.substr(0, std::min(value.size(), bufSize - 1));
    }
    if (const auto looked = SessionLookup(file, section, key)) {
        const std::string value = looked->value_or(def ? def : "");
        return value.substr(0, std::min(value.size(), bufSize - 1));
    }
    ++counts.reads;
    std::vector<char> buf(bufSize, '\0');
    const DWORD n = GetPrivateProfileStringA(section, key, def, buf.data(),
                                             static_cast<DWORD>(bufSize), file);
    return std::string(buf.data(), n < bufSize ? n : bufSize - 1);
}

int ReadInt(const char* file, const char* section, const char* key, int def)
{
    // Large enough for any number with the blanks a hand edit may leave around it.
    const std::string text = ReadString(file, section, key, "", 64);
    return text.empty() ? def : LeadingInt(text);
}

std::optional<std::string> StoredValue(const char* file, const char* section, const char* key)
{
    if (const Held* held = LastHeld(file, section, key))
        return held->value;
    if (const auto looked = SessionLookup(file, section, key))
        return *looked;
    // Two different defaults tell an absent key from one that holds either of them.
    const auto read = [&](const char* def) {
        for (DWORD size = 256;; size *= 4) {
            std::vector<char> buf(size, '\0');
            const DWORD n = GetPrivateProfileStringA(section, key, def, buf.data(), size, file);
            if (n + 1 < size || size >= (1u << 24))
                return std::string(buf.data(), n);
        }
    };
    const std::string value = read("\x01");
    if (value == "\x01" && read("\x02") == "\x02")
        return std::nullopt;
    return value;
}

namespace {

// A buffer of null-separated strings as the profile service fills it, grown until it fits.
template <typename Fill>
std::vector<char> ProfileList(Fill fill)
{
    std::vector<char> buf(64 * 1024);
    while (fill(buf.data(), static_cast<DWORD>(buf.size())) >= buf.size() - 2 && buf.size() < (64u << 20))
        buf.resize(buf.size() * 4);
    return buf;
}

} // namespace

// ---- Read sessions ----------------------------------------------------------------------------

namespace {

// A section as the profile service reads a key from it: the first key of a name (without regard to
// case), its value with the blanks round it gone (the service drops them as it reads the file) and
// one pair of quotes round it taken off, as GetPrivateProfileString takes them off.
struct SessionSection {
    std::string file, section;
    std::vector<std::pair<std::string, std::string>> keys; // as ReadSection gives them
    // The keys in the order of their names without regard to case, a name's first key first; made
    // at the first lookup by key (a big section looked up once is not worth a map of its names).
    std::vector<size_t> byName;
};

int sessionDepth = 0;
std::vector<SessionSection> sessionSections;

std::string WithoutQuotes(std::string value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// The section's keys as the file holds them (blanks round the name and before the value dropped),
// in file order; a line without "=" is skipped.
std::vector<std::pair<std::string, std::string>> FileSection(const char* file, const char* section)
{
    ++counts.reads;
    const std::vector<char> buf = ProfileList([&](char* b, DWORD n) { return GetPrivateProfileSectionA(section, b, n, file); });
    std::vector<std::pair<std::string, std::string>> keys;
    for (const char* line = buf.data(); *line; line += std::strlen(line) + 1) {
        const char* eq = std::strchr(line, '=');
        if (!eq)
            continue;
        std::string name(line, static_cast<size_t>(eq - line)), value(eq + 1);
        while (!name.empty() && (name.back() == ' ' || name.back() == '\t'))
            name.pop_back();
        value.erase(0, std::min(value.find_first_not_of(" \t"), value.size()));
        keys.emplace_back(std::move(name), std::move(value));
    }
    return keys;
}

// A file as the session read it: its text when plain, else nullopt and the service is asked a
// section at a time.
struct SessionFile {
    std::string file;
    std::optional<IniText> ini;
};
std::vector<SessionFile> sessionFiles;

// Where the service finds a file: a bare file name is in the Windows folder.
std::string ServicePath(const char* file)
{
    if (std::strchr(file, '\\') || std::strchr(file, '/'))
        return file;
    char folder[MAX_PATH];
    const UINT length = GetWindowsDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return file;
    return std::string(folder, length) + (folder[length - 1] == '\\' ? "" : "\\") + file;
}

// The whole file read once, from where the service finds it; a file that cannot be opened is
// left to the service.
std::optional<IniText> ReadWholeFile(const char* name)
{
    const std::string path = ServicePath(name);
    const char* file = path.c_str();
    if (!std::strchr(file, '\\') && !std::strchr(file, '/'))
        return std::nullopt;
    ++counts.reads;
    const HANDLE h = CreateFileA(file, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        // No file (or no folder) reads as one without sections, as the service reads it.
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? std::optional(IniText{}) : std::nullopt;
    }
    std::string text;
    LARGE_INTEGER size{};
    bool whole = GetFileSizeEx(h, &size) && size.QuadPart < (64 << 20);
    if (whole) {
        text.resize(static_cast<size_t>(size.QuadPart));
        DWORD got = 0;
        whole = ReadFile(h, text.data(), static_cast<DWORD>(text.size()), &got, nullptr) && got == text.size();
    }
    CloseHandle(h);
    return whole ? ParseIniText(std::move(text), GetACP() == 1252) : std::nullopt;
}

const SessionFile& SessionFileOf(const char* file)
{
    for (const SessionFile& known : sessionFiles)
        if (EqualNoCase(known.file, file))
            return known;
    return sessionFiles.emplace_back(SessionFile{file, ReadWholeFile(file)});
}

SessionSection& SessionRead(const char* file, const char* section)
{
    for (SessionSection& known : sessionSections)
        if (EqualNoCase(known.section, section) && EqualNoCase(known.file, file))
            return known;
    // The keys before the first section are the service's to give (versions of Wine differ).
    const SessionFile& whole = SessionFileOf(file);
    SessionSection& read = sessionSections.emplace_back(
        SessionSection{file, section, whole.ini && *section ? IniSectionKeys(*whole.ini, section) : FileSection(file, section), {}});
    return read;
}

// The section as the file holds it, from the session when one lives.
std::vector<std::pair<std::string, std::string>> StoredSection(const char* file, const char* section)
{
    return sessionDepth == 0 ? FileSection(file, section) : SessionRead(file, section).keys;
}

// The first key of that name in the section the session read, as the file holds it; null when
// the section has none.
const std::pair<std::string, std::string>* SessionKey(const char* file, const char* section, const char* key)
{
    SessionSection& read = SessionRead(file, section);
    const auto& keys = read.keys;
    if (read.byName.size() != keys.size()) {
        read.byName.resize(keys.size());
        std::iota(read.byName.begin(), read.byName.end(), size_t{0});
        std::stable_sort(read.byName.begin(), read.byName.end(), [&](size_t a, size_t b) { return LessNoCase(keys[a].first, keys[b].first); });
    }
    const auto found = std::lower_bound(read.byName.begin(), read.byName.end(), key,
                                        [&](size_t i, const char* name) { return LessNoCase(keys[i].first, name); });
    return found == read.byName.end() || !EqualNoCase(keys[*found].first, key) ? nullptr : &keys[*found];
}

std::optional<std::optional<std::string>> SessionLookup(const char* file, const char* section, const char* key)
{
    if (sessionDepth == 0 || !file || !section || !key)
        return std::nullopt;
    const auto* found = SessionKey(file, section, key);
    if (!found)
        return std::optional<std::string>();
    return std::optional<std::string>(WithoutQuotes(std::string(Trimmed(found->second))));
}

// A stored write makes what a session read of the file stale, by whichever name it was read.
void ForgetSessionFile(const char* file)
{
    const std::string path = ServicePath(file);
    std::erase_if(sessionSections, [&](const SessionSection& s) { return EqualNoCase(ServicePath(s.file.c_str()), path); });
    std::erase_if(sessionFiles, [&](const SessionFile& f) { return EqualNoCase(ServicePath(f.file.c_str()), path); });
}

} // namespace

ReadSession::ReadSession() { ++sessionDepth; }

ReadSession::~ReadSession()
{
    if (--sessionDepth == 0) {
        sessionSections.clear();
        sessionFiles.clear();
    }
}

std::vector<std::pair<std::string, std::string>> ReadSection(const char* file, const char* section)
{
    std::vector<std::pair<std::string, std::string>> keys = StoredSection(file, section);
    // Held writes of the section, as the file will hold them.
    for (const Held& held : now.holding ? now.writes : std::vector<Held>{}) {
        if (!EqualNoCase(held.file, file) || !EqualNoCase(held.section, section))
            continue;
        const auto same = [&](const auto& k) { return EqualNoCase(k.first, held.key); };
        const auto found = std::find_if(keys.begin(), keys.end(), same);
        if (!held.value)
            std::erase_if(keys, same);
        else if (found != keys.end())
            found->second = *held.value;
        else
            keys.emplace_back(held.key, *held.value);
    }
    return keys;
}

std::vector<std::string> ReadSectionNames(const char* file)
{
    std::vector<std::string> names;
    if (const SessionFile* whole = sessionDepth > 0 ? &SessionFileOf(file) : nullptr; whole && whole->ini) {
        names = IniSectionNames(*whole->ini);
    } else {
        ++counts.reads;
        const std::vector<char> buf = ProfileList([&](char* b, DWORD n) { return GetPrivateProfileSectionNamesA(b, n, file); });
        for (const char* name = buf.data(); *name; name += std::strlen(name) + 1)
            names.emplace_back(name);
    }
    for (const Held& held : now.holding ? now.writes : std::vector<Held>{})
        if (held.value && EqualNoCase(held.file, file) &&
            std::none_of(names.begin(), names.end(), [&](const std::string& n) { return EqualNoCase(n, held.section); }))
            names.push_back(held.section);
    return names;
}

namespace {

// The values of the sections one confirmation writes, read once a section, for the history's
// "before" values and for what a rehearsal wrote over: Wine reads a whole INI file afresh at every
// access for two seconds after it changes, so reading key by key between writes would read a large
// file hundreds of times. The cache lives for one confirmation or rehearsal, and at most a second.
struct CachedSection {
    std::string file, section;
    std::map<std::string, std::string> values; // by upper-case key; the first of duplicates
};
std::vector<CachedSection> cachedSections;
DWORD cacheStarted = 0;

CachedSection* KnownSection(const char* file, const char* section)
{
    if (GetTickCount() - cacheStarted > 1000) {
        cachedSections.clear();
        cacheStarted = GetTickCount();
    }
    for (CachedSection& cached : cachedSections)
        if (EqualNoCase(cached.file, file) && EqualNoCase(cached.section, section))
            return &cached;
    return nullptr;
}

std::map<std::string, std::string>& CachedValues(const char* file, const char* section)
{
    if (CachedSection* known = KnownSection(file, section))
        return known->values;
    // Past any held writes: the cache holds what the file holds.
    CachedSection& added = cachedSections.emplace_back(CachedSection{file, section, {}});
    for (const auto& [key, value] : StoredSection(file, section))
        added.values.emplace(UpperAscii(key), value);
    return added.values;
}

std::optional<std::string> CachedValue(const char* file, const char* section, const char* key)
{
    // Within a read session, a section nothing was stored in is looked up where the session keeps
    // it, not copied into a table first: a rehearsal of the camera page looks up a few keys of
    // sections of hundreds.
    if (sessionDepth > 0 && !KnownSection(file, section)) {
        const auto* found = SessionKey(file, section, key);
        return found ? std::optional(found->second) : std::nullopt;
    }
    const std::map<std::string, std::string>& values = CachedValues(file, section);
    const auto found = values.find(UpperAscii(key));
    return found == values.end() ? std::nullopt : std::optional(found->second);
}

// Every change reaches the file here: recorded in the site's history first, then stored. A value
// the file already holds is not written again: a dialog that stores its defaults as it opens (the
// camera sheet switching off unused cameras) leaves a file that holds them untouched, its time
// included, and pays no trip to the file for each.
bool StoreNow(const char* file, const char* section, const char* key, const char* value)
{
    std::map<std::string, std::string>& values = CachedValues(file, section);
    const auto found = values.find(UpperAscii(key));
    const std::optional<std::string> before = found == values.end() ? std::nullopt : std::optional(found->second);
    const std::optional<std::string> after = value ? std::optional<std::string>(value) : std::nullopt;
    if (before == after)
        return true;
    ++counts.writes;
    ForgetSessionFile(file);
    if (!IniFile.empty() && HistoryOn())
        RecordValue({file, section, key, before, after});
    if (!WritePrivateProfileStringA(section, key, value, file)) {
        const DWORD error = GetLastError();
        // The file still holds what it held, and the cache says so: a second try writes again.
        if (!firstFailure)
            firstFailure = FailedWrite{ServicePath(file), error};
        return false;
    }
    if (after)
        values[UpperAscii(key)] = *after;
    else
        values.erase(UpperAscii(key));
    return true;
}

// What a rehearsal would have stored for a key, over what the file held then.
struct Rehearsed {
    std::optional<std::string> value, storedThen;
};
std::map<long, std::map<std::string, Rehearsed>> rehearsals;
long lastRehearsal = 0;

// The key's value as the confirmation under way sees it: held, else stored.
std::optional<std::string> Current(const std::string& id, const char* file, const char* section, const char* key)
{
    if (const Held* held = LastHeld(id))
        return held->value;
    return CachedValue(file, section, key);
}

// What the owner's rehearsal stored for the key, if it stored it.
const Rehearsed* RehearsedValue(long owner, const std::string& id)
{
    const auto rehearsal = rehearsals.find(owner);
    if (owner == 0 || rehearsal == rehearsals.end())
        return nullptr;
    const auto entry = rehearsal->second.find(id);
    return entry == rehearsal->second.end() ? nullptr : &entry->second;
}

bool AsRehearsed(long owner, const std::string& id, const std::optional<std::string>& value)
{
    const Rehearsed* rehearsed = RehearsedValue(owner, id);
    return rehearsed && rehearsed->value == value;
}

// Whether the owner's rehearsal stored this very value over the text the key still holds.
bool KeepsStored(long owner, const std::string& id, const std::optional<std::string>& value, const std::optional<std::string>& current)
{
    const Rehearsed* rehearsed = RehearsedValue(owner, id);
    return rehearsed && rehearsed->value == value && rehearsed->storedThen && current == rehearsed->storedThen;
}

// Every write goes through here: stored at once outside a confirmation, else held (or, during a
// rehearsal, noted as what the dialog would store).
bool Store(const char* file, const char* section, const char* key, const char* value, bool derived = false)
{
    if (!now.holding)
        return StoreNow(file, section, key, value);
    const std::string id = KeyId(file, section, key);
    const std::optional<std::string> after = value ? std::optional<std::string>(value) : std::nullopt;
    const std::optional<std::string> current = Current(id, file, section, key);
    if (now.rehearsal) {
        const auto [entry, added] = rehearsals[now.rehearsal].try_emplace(id, Rehearsed{after, current});
        if (!added)
            entry->second.value = after;
    } else if (!derived && KeepsStored(now.owner, id, after, current)) {
        return true;
    }
    now.lastWrite[id] = now.writes.size();
    now.writes.push_back({id, file, section, key, after, now.owner, derived, AsRehearsed(now.owner, id, after)});
    return true;
}

} // namespace

bool WriteString(const char* file, const char* section, const char* key, const std::string& value)
{
    return Store(file, section, key, value.c_str());
}

bool WriteDerived(const char* file, const char* section, const char* key, const std::string& value)
{
    return Store(file, section, key, value.c_str(), true);
}

bool RemoveKey(const char* file, const char* section, const char* key) { return Store(file, section, key, nullptr); }

void BeginWrites(long owner)
{
    firstFailure.reset();
    cachedSections.clear();
    BeginConfirmation();
    now = HeldConfirmation{true, owner, 0, {}, {}};
}

void ContinueWrites(long owner)
{
    if (!now.holding)
        BeginWrites(owner);
    now.owner = owner;
}

bool CommitWrites()
{
    const std::vector<Held> writes = std::exchange(now, HeldConfirmation{}).writes;
    // Derived values follow the user's changes: without one, they are kept as stored too.
    const bool changes = std::any_of(writes.begin(), writes.end(), [](const Held& w) { return !w.derived && !w.asRehearsed; });
    bool all = true;
    for (const Held& w : writes) {
        if (w.derived && !changes && KeepsStored(w.owner, w.id, w.value, CachedValue(w.file.c_str(), w.section.c_str(), w.key.c_str())))
            continue;
        if (!StoreNow(w.file.c_str(), w.section.c_str(), w.key.c_str(), w.value ? w.value->c_str() : nullptr)) {
            all = false;
            continue;
        }
        // What is stored now is what the dialog shows: a later confirmation storing it again keeps it.
        if (const auto rehearsal = rehearsals.find(w.owner); w.owner != 0 && rehearsal != rehearsals.end())
            rehearsal->second[w.id] = {w.value, w.value};
    }
    return all;
}

void DropWrites() { now = HeldConfirmation{}; }

long BeginRehearsal()
{
    suspended.push_back(std::exchange(now, HeldConfirmation{true, 0, ++lastRehearsal, {}, {}}));
    rehearsals[lastRehearsal].clear();
    cachedSections.clear();
    return lastRehearsal;
}

void EndRehearsal()
{
    if (suspended.empty())
        return;
    now = std::move(suspended.back());
    suspended.pop_back();
}

bool Rehearsing() { return now.rehearsal != 0; }

void ForgetRehearsal(long rehearsal) { rehearsals.erase(rehearsal); }

std::string SystemErrorText(unsigned long error)
{
    char text[256] = "";
    if (!FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text, sizeof text, nullptr))
        std::snprintf(text, sizeof text, "System error %lu.", error);
    std::string words = text;
    while (!words.empty() && (words.back() == '\n' || words.back() == '\r' || words.back() == ' '))
        words.pop_back();
    return words;
}

std::optional<FailedWrite> FirstFailedWrite() { return firstFailure; }
void ClearFailedWrite() { firstFailure.reset(); }

bool WriteInt(const char* file, const char* section, const char* key, int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    return WriteString(file, section, key, text);
}

bool WriteFlag(const char* file, const char* section, const char* key, bool on)
{
    return WriteString(file, section, key, on ? "1" : "0");
}

bool ReadYes(const char* file, const char* section, const char* key)
{
    return IsYesText(ReadString(file, section, key, "NO", 80));
}

bool WriteYesNo(const char* file, const char* section, const char* key, bool yes)
{
    return WriteString(file, section, key, yes ? "YES" : "NO");
}

const char* SystemIni() { return IniFile.c_str(); }
