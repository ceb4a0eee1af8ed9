#include "camerakeys.h"

#include "defines.h"
#include "numtext.h"
#include "profile.h"
#include "sitedeffile.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

namespace {

constexpr size_t kValueBuffer = 80;

} // namespace

constinit const std::array<CameraKeySpelling, 16> kCameraKeys = {{
    {CameraKey::On, 'S', kSecOrvaBank, "Lobby Camera %d On"},
    {CameraKey::IP, 'S', kSecOrvaBank, "Lobby Camera %d IP"},
    {CameraKey::Port, 'S', kSecOrvaBank, "Lobby Camera %d"},
    {CameraKey::CaptureRate, 'S', kSecOrvaBank, "Ch %d Capture Rate"},
    {CameraKey::MotionDetection, 'S', kSecOrvaBank, "Ch %d Motion Detection"},
    {CameraKey::MotionAmount, 'S', kSecOrvaBank, "Ch %d Motion Amount"},
    {CameraKey::IlluminationDetection, 'S', kSecOrvaBank, "Ch %d Illumination Detection"},
    {CameraKey::IlluminationCal, 'S', kSecOrvaBank, "Ch %d Illumination Cal"},
    {CameraKey::IlluminationAlarm, 'S', kSecOrvaBank, "Ch %d Illumination Alarm"},
    {CameraKey::Type, 'S', kSecIPCamera, "Camera %d Type"},
    {CameraKey::Address, 'S', kSecIPCamera, "Camera %d Address"},
    {CameraKey::Access, 'S', kSecIPCamera, "Camera %d Access"},
    {CameraKey::Username, 'S', kSecIPCamera, "Camera %d Username"},
    {CameraKey::Password, 'S', kSecIPCamera, "Camera %d PW"},
    {CameraKey::Name, 'D', kSecCameraNames, "%d"},
    {CameraKey::Enabled, 'D', kSecCamerasEnabled, "%d"},
}};

const CameraKeySpelling& SpellingOf(CameraKey key) { return kCameraKeys[static_cast<size_t>(key)]; }

std::string CameraKeyName(CameraKey key, int camera)
{
    char name[64];
    std::snprintf(name, sizeof name, SpellingOf(key).pattern, camera);
    return name;
}

namespace {

// The number the key holds where the pattern has "%d" (one or two digits, the rest of the key
// equal but for case), or 0.
int NumberIn(const char* pattern, const std::string& key)
{
    const std::string_view whole(pattern);
    const size_t head = whole.find("%d"), tail = whole.size() - head - 2;
    if (key.size() < head + tail + 1 || key.size() > head + tail + 2)
        return 0;
    const size_t digits = key.size() - head - tail;
    const std::string_view name(key);
    if (!EqualNoCase(name.substr(0, head), whole.substr(0, head)) || !EqualNoCase(name.substr(head + digits), whole.substr(head + 2)))
        return 0;
    int number = 0;
    for (size_t i = head; i < head + digits; ++i) {
        if (key[i] < '0' || key[i] > '9')
            return 0;
        number = number * 10 + (key[i] - '0');
    }
    return number;
}

} // namespace

int CameraOfKey(const std::string& section, const std::string& key)
{
    for (const CameraKeySpelling& spelling : kCameraKeys)
        if (EqualNoCase(section, spelling.section))
            if (const int camera = NumberIn(spelling.pattern, key))
                return camera;
    return 0;
}

bool HoldsCameraKeys(const char* section)
{
    return std::any_of(kCameraKeys.begin(), kCameraKeys.end(), [&](const CameraKeySpelling& s) { return EqualNoCase(section, s.section); });
}

std::string CameraKeyFile(CameraKey key) { return SpellingOf(key).file == 'D' ? SiteDefFile() : std::string(SystemIni()); }

std::string ReadCameraText(CameraKey key, int camera, const char* def)
{
    return ReadString(CameraKeyFile(key).c_str(), SpellingOf(key).section, CameraKeyName(key, camera).c_str(), def, kValueBuffer);
}

int ReadCameraInt(CameraKey key, int camera, int def)
{
    return ReadInt(CameraKeyFile(key).c_str(), SpellingOf(key).section, CameraKeyName(key, camera).c_str(), def);
}

bool ReadCameraYes(CameraKey key, int camera)
{
    return ReadYes(CameraKeyFile(key).c_str(), SpellingOf(key).section, CameraKeyName(key, camera).c_str());
}

bool WriteCameraText(CameraKey key, int camera, const std::string& value)
{
    return WriteString(CameraKeyFile(key).c_str(), SpellingOf(key).section, CameraKeyName(key, camera).c_str(), value);
}

bool WriteCameraInt(CameraKey key, int camera, int value)
{
    return WriteInt(CameraKeyFile(key).c_str(), SpellingOf(key).section, CameraKeyName(key, camera).c_str(), value);
}

bool WriteCameraYesNo(CameraKey key, int camera, bool yes)
{
    return WriteYesNo(CameraKeyFile(key).c_str(), SpellingOf(key).section, CameraKeyName(key, camera).c_str(), yes);
}

bool WriteCameraFlag(CameraKey key, int camera, bool on)
{
    return WriteFlag(CameraKeyFile(key).c_str(), SpellingOf(key).section, CameraKeyName(key, camera).c_str(), on);
}

std::string ShownCameraName(int camera, size_t maxChars)
{
    const std::string name = ReadString(CameraKeyFile(CameraKey::Name).c_str(), SpellingOf(CameraKey::Name).section,
                                        CameraKeyName(CameraKey::Name, camera).c_str(), "", maxChars + 1);
    return name.empty() ? "none" : name;
}
