#include "sitecheck.h"

#include "ownedkeys.h"
#include "sitefiles.h"

#include "defines.h"
#include "numtext.h"
#include "resource.h"
#include "cameras/camerakeys.h"
#include "sitemap/mapview.h"

#include <cstring>
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
        CheckLastViewCamera();
        CheckAlarmCameras();
        CheckMap();
        result.reads = files.reads;
        return result;
    }

private:
    void Add(char file, const std::string& section, const std::string& key, const std::string& value, const std::string& rule,
             UINT command)
    {
        result.findings.push_back({SiteFiles::Path(file), section, key, value, rule, command});
    }

    // Every key of the table once, under the first command that owns it (the list is the program's
    // own, made once per run: it costs a site check's worth of time).
    struct CheckedKey {
        const OwnedKey* entry;
        int number;
        UINT command;
        bool cameraSection; // may hold a camera's key (a numbered section may)
        std::string sectionId, upperKey; // as SiteFiles finds them
    };
    struct NamesHash {
        size_t operator()(const std::pair<std::string_view, std::string_view>& names) const noexcept
        {
            return std::hash<std::string_view>{}(names.first) * 31 + std::hash<std::string_view>{}(names.second);
        }
    };
    static const std::vector<CheckedKey>& CheckedKeys()
    {
        static const std::vector<CheckedKey> keys = [] {
            size_t count = 0;
            for (const CommandKeys& command : CommandTable())
                for (const OwnedKey& entry : command.keys)
                    count += static_cast<size_t>(entry.last - entry.first + 1);
            std::vector<CheckedKey> made;
            made.reserve(count); // seen looks into made's names, which therefore stay where they are
            std::unordered_set<std::pair<std::string_view, std::string_view>, NamesHash> seen(count);
            for (const CommandKeys& command : CommandTable())
                for (const OwnedKey& entry : command.keys) {
                    const bool cameraSection = std::strstr(entry.section, "%d") || HoldsCameraKeys(entry.section);
                    for (int n = entry.first; n <= entry.last; ++n) {
                        CheckedKey& added = made.emplace_back(CheckedKey{&entry, n, command.id, cameraSection,
                                                                         SiteFiles::SectionId(entry.file, EntrySection(entry, n)),
                                                                         UpperAscii(EntryKey(entry, n))});
                        if (!seen.emplace(added.sectionId, added.upperKey).second)
                            made.pop_back();
                    }
                }
            return made;
        }();
        return keys;
    }

    void CheckOwnedValues()
    {
        for (const CheckedKey& checked : CheckedKeys()) {
            if (cameraSections && !checked.cameraSection)
                continue;
            const std::string* value = files.Find(checked.sectionId, checked.upperKey);
            if (!value)
                continue; // absent: read as its default
            ++result.valuesChecked;
            if (const std::optional<std::string> broken = Violation(checked.entry->rule, *value))
                Add(checked.entry->file, EntrySection(*checked.entry, checked.number), EntryKey(*checked.entry, checked.number), *value,
                    *broken, checked.command);
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
