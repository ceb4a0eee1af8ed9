#include "cameracopy.h"

#include "camerakeys.h"
#include "camerapage.h"
#include "cameraprop.h"
#include "capturerate.h"
#include "gencamprop.h"
#include "defines.h"
#include "history.h"
#include "profile.h"

#include <algorithm>

namespace {

class Planner {
public:
    Planner(int source, unsigned groups) : from(ReadCameraSummary(source)), groups(groups) {}

    void PlanFor(int target)
    {
        if (groups & kCopyMotion) {
            Set(target, kCopyMotion, CameraKeyName(CameraKey::MotionDetection, target), Flag(from.motion));
            SetRanged(target, kCopyMotion, CameraKey::MotionAmount, kMotionAmountRule, from.motionAmount);
        }
        if (groups & kCopyRate)
            PlanRate(target);
        if (groups & kCopyIllumination) {
            Set(target, kCopyIllumination, CameraKeyName(CameraKey::IlluminationDetection, target), Flag(from.illumination));
            Set(target, kCopyIllumination, CameraKeyName(CameraKey::IlluminationCal, target), Flag(from.illuminationCal));
            SetRanged(target, kCopyIllumination, CameraKey::IlluminationAlarm, kIlluminationAlarmRule, from.illuminationAlarm);
        }
        // A camera already in the wanted state keeps its stored port and mirror as they are: only
        // switching it stores them, as the page's apply of a switch does.
        if (groups & kCopyOnOff) {
            const CameraSummary to = ReadCameraSummary(target);
            if (to.on != from.on)
                for (const CameraValue& v : SwitchedCameraValues(to, from.on))
                    Set(target, kCopyOnOff, v.key, v.value, v.file, v.section);
        }
    }

    CopyPlan plan;

private:
    static std::string Flag(bool on) { return on ? "1" : "0"; }

    void Set(int target, unsigned group, const std::string& key, const std::string& value, const std::string& file = SystemIni(),
             const std::string& section = kSecOrvaBank)
    {
        std::optional<std::string> before = StoredValue(file.c_str(), section.c_str(), key.c_str());
        if (before != value)
            plan.changes.push_back({target, group, file, section, key, std::move(before), value});
    }

    // The pages refuse a number outside the rule, whichever camera's page it is typed on.
    void SetRanged(int target, unsigned group, CameraKey which, const ValueRule& rule, int value)
    {
        const std::string key = CameraKeyName(which, target), text = std::to_string(value);
        if (Accepts(rule, value))
            Set(target, group, key, text);
        else
            plan.skipped.push_back({target, key, text, Violation(rule, text).value_or("refused")});
    }

    // A stored rate the list cannot show leaves the source's page without a selection: there is
    // no rate to copy.
    void PlanRate(int target)
    {
        const std::string key = CameraKeyName(CameraKey::CaptureRate, target);
        if (from.rateIndex >= 0)
            Set(target, kCopyRate, key, std::to_string(from.rateIndex));
        else
            plan.skipped.push_back({target, key, StoredValue(SystemIni(), kSecOrvaBank, CameraKeyName(CameraKey::CaptureRate, from.number).c_str()).value_or(""),
                                    "not a position of the capture-rate list"});
    }

    const CameraSummary from;
    const unsigned groups;
};

std::string Shown(const std::optional<std::string>& value)
{
    return !value ? "(absent)" : value->empty() ? "(empty)" : *value;
}

} // namespace

CopyPlan PlanCameraCopy(int source, const std::vector<int>& targets, unsigned groups)
{
    if (source < 1 || source > kMaxCameras)
        return {};
    Planner planner(source, groups);
    for (const int target : targets)
        if (target != source && target >= 1 && target <= kMaxCameras)
            planner.PlanFor(target);
    return planner.plan;
}

CopyPlan CopyCameraSettings(int source, const std::vector<int>& targets, unsigned groups)
{
    CopyPlan plan = PlanCameraCopy(source, targets, groups);
    SetHistoryCommand("Copy Settings from Camera " + std::to_string(source));
    BeginWrites();
    const bool switches = std::any_of(plan.changes.begin(), plan.changes.end(), [](const CopyChange& c) { return c.group == kCopyOnOff; });
    if (switches)
        FillCamerasEnabledOnce();
    for (const CopyChange& c : plan.changes)
        WriteString(c.file.c_str(), c.section.c_str(), c.key.c_str(), c.after);
    if (switches)
        SetLastViewCamera();
    CommitWrites();
    return plan;
}

std::string DescribeCopyChange(const CopyChange& c)
{
    const std::string key = c.section == kSecOrvaBank ? c.key : "[" + c.section + "] " + c.key;
    return "Camera " + std::to_string(c.camera) + ": " + key + ": " + Shown(c.before) + " -> " + Shown(c.after);
}

std::string DescribeCopySkip(const CopySkip& s)
{
    return "Camera " + std::to_string(s.camera) + ": " + s.key + ": " + Shown(s.value) + " not copied (" + s.why + ")";
}
