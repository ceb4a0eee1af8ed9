#include "sitecheck.h"

#include "ownedkeys.h"
#include "sitefiles.h"

#include "defines.h"
#include "numtext.h"
#include "resource.h"
#include "cameras/camerakeys.h"
#include "sitemap/mapview.h"

#include <charconv>
#include <map>
#include <optional>
#include <string_view>
#include <unordered_set>
#include <utility>

namespace {

class Checker {
public:
    explicit Checker(bool cameraSections) : cameraSections(cameraSections) {}

    SiteCheckResult Run()
    {
        CheckOwnedValues();
        CheckCameraPorts();
        // The last view's camera, the alarms' cameras and the map's icons are not cameras' own keys.
        if (!cameraSections) {
            CheckLastViewCamera();
            CheckAlarmCameras();
            CheckMap();
        }
        result.reads = files.reads;
        return result;
    }

private:
    void Add(char file, const std::string& section, const std::string& key, const std::string& value, const std::string& rule,
             UINT command)
    {
        result.findings.push_back({SiteFiles::Path(file), section, key, value, rule, command});
    }

    // A name of the table in upper case, as SiteFiles finds it, split round the "%d" that stands
    // for its number.
    struct UpperName {
        std::string head, tail;
        bool numbered = false;

        explicit UpperName(std::string_view pattern)
        {
            const size_t mark = pattern.find("%d");
            numbered = mark != std::string_view::npos;
            head = UpperAscii(std::string(pattern.substr(0, mark)));
            tail = numbered ? UpperAscii(std::string(pattern.substr(mark + 2))) : std::string();
        }

        // The name with the number put in, into out, whose room serves name after name.
        void Put(int number, std::string& out) const
        {
            out.assign(head);
            if (numbered) {
                char digits[16];
                out.append(digits, std::to_chars(digits, digits + sizeof digits, number).ptr);
                out.append(tail);
            }
        }
    };

    // The entries of the table with their names made ready, in the table's order (made once per
    // run). The section's name starts with the file's letter, as a SiteFiles section id does.
    struct CheckedEntry {
        const OwnedKey* entry;
        UINT command;
        UpperName section, key; // the section's with the file's letter first, as a section id
        bool cameraSection = section.numbered || HoldsCameraKeys(entry->section); // may hold a camera's key
    };
    static const std::vector<CheckedEntry>& CheckedEntries()
    {
        static const std::vector<CheckedEntry> entries = [] {
            std::vector<CheckedEntry> made;
            for (const CommandKeys& command : CommandTable())
                for (const OwnedKey& entry : command.keys)
                    made.push_back({&entry, command.id, UpperName(std::string(1, entry.file) + entry.section), UpperName(entry.key)});
            return made;
        }();
        return entries;
    }

    // Every key of the table the site holds, once, under the first command that owns it: a key
    // two entries name is the same value in SiteFiles.
    void CheckOwnedValues()
    {
        std::unordered_set<const std::string*> checked;
        std::string sectionId, upperKey;
        for (const CheckedEntry& e : CheckedEntries()) {
            if (cameraSections && !e.cameraSection)
                continue;
            for (int n = e.entry->first; n <= e.entry->last; ++n) {
                e.section.Put(n, sectionId);
                e.key.Put(n, upperKey);
                const std::string* value = files.Find(sectionId, upperKey);
                if (!value || !checked.insert(value).second)
                    continue; // absent (read as its default), or checked under an earlier command
                ++result.valuesChecked;
                if (const std::optional<std::string> broken = Violation(e.entry->rule, *value))
                    Add(e.entry->file, EntrySection(*e.entry, n), EntryKey(*e.entry, n), *value, *broken, e.command);
            }
        }
    }

    int Channels() { return LeadingInt(files.Value('S', "Global", "Video Channels").value_or("32")) == 32 ? 32 : 16; }

    bool Yes(const std::string& key) { return IsYesText(files.Value('S', "OrvaBank", key).value_or("NO")); }

    // An enabled analog camera needs a port of the unit, and one no other enabled camera uses.
    void CheckCameraPorts()
    {
        std::map<int, int> users;
        for (int camera = 1; camera <= 32; ++camera) {
            const std::string base = CameraKeyName(CameraKey::Port, camera);
            const std::optional<std::string> port = files.Value('S', "OrvaBank", base);
            if (!Yes(CameraKeyName(CameraKey::On, camera)) || Yes(CameraKeyName(CameraKey::IP, camera)) || !port)
                continue;
            const int number = LeadingInt(*port);
            if (number < 1 || number > Channels()) {
                Add('S', "OrvaBank", base, *port, "port outside 1 to " + std::to_string(Channels()) + " of this unit", IDM_PORT_CONFIG);
            } else if (const auto [other, fresh] = users.emplace(number, camera); !fresh) {
                Add('S', "OrvaBank", base, *port,
                    "port " + std::to_string(number) + " is also used by enabled camera " + std::to_string(other->second), IDM_PORT_CONFIG);
            }
        }
    }

    void CheckLastViewCamera()
    {
        const char* key = "Last Remote View Lobby Camera";
        const std::optional<std::string> last = files.Value('S', "OrvaBank", key);
        if (last && LeadingInt(*last) > Channels())
            Add('S', "OrvaBank", key, *last, "above the " + std::to_string(Channels()) + " video channels of this unit", IDM_CAMERA_SYSTEM);
    }

    // The cameras an alarm input records are numbers 1 to 32.
    void CheckAlarmCameras()
    {
        for (int input = 1; input <= 4; ++input) {
            const std::string key = "Ch " + std::to_string(input) + " Ports";
            const std::optional<std::string> ports = files.Value('S', "Alarms", key);
            if (!ports)
                continue;
            for (const std::string_view field : Tokens(*ports, ',')) {
                const int camera = LeadingInt(field);
                if (camera < 1 || camera > 32) {
                    Add('S', "Alarms", key, *ports, "camera " + std::string(field) + " is outside 1 to 32", IDM_ALARM_CONFIG);
                    break;
                }
            }
        }
    }

    // The map picture must be in the site folder, and every camera icon inside it.
    void CheckMap()
    {
        const std::optional<std::string> name = files.Value('D', "Map", "Name");
        if (!name || name->empty())
            return;
        int width = 0, height = 0; // as the picture's header says: nothing is decoded
        const int loaded = LoadPictureSize(cFileDir + *name, width, height);
        if (loaded == kImageFileNotFound) {
            Add('D', "Map", "Name", *name, "the map picture is not in the site folder", IDM_SITE_MAP);
            return;
        }
        if (loaded != 0)
            return;
        for (int camera = 1; camera <= 32; ++camera) {
            const std::optional<std::string> at = files.Value('D', "Map", std::to_string(camera));
            if (!at || at->empty())
                continue;
            const std::vector<std::string_view> xy = Tokens(*at, ',');
            const int x = xy.empty() ? -1 : LeadingInt(xy[0]), y = xy.size() < 2 ? -1 : LeadingInt(xy[1]);
            if (x < 0 || y < 0 || x >= width || y >= height)
                Add('D', "Map", std::to_string(camera), *at,
                    "the camera icon lies outside the " + std::to_string(width) + " x " + std::to_string(height) +
                        " map picture",
                    IDM_SITE_MAP);
        }
    }

    const bool cameraSections;
    SiteFiles files;
    SiteCheckResult result;
};

} // namespace

SiteCheckResult CheckSite(bool cameraSections) { return Checker(cameraSections).Run(); }

std::string FormatFinding(const Finding& f) { return f.file + " [" + f.section + "] " + f.key + " = " + f.value + ": " + f.rule; }
