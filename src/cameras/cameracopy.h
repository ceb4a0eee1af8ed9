// Copying one camera's settings to others: the values the technician would otherwise set page by
// page on the camera sheet, stored as the pages store them, with the pages' rules. A camera's name,
// port, address and credentials are its own and are never copied.
#pragma once

#include <optional>
#include <string>
#include <vector>

// The groups of settings that can be copied, or-ed together.
enum CopyGroup : unsigned {
    kCopyMotion = 0x1,       // motion detection and its amount
    kCopyRate = 0x2,         // capture rate
    kCopyIllumination = 0x4, // illumination monitoring, calibration and alarm level
    kCopyOnOff = 0x8,        // the camera in use or not
};

// A value a copy stores in place of the one stored.
struct CopyChange {
    int camera = 0;
    unsigned group = 0; // the CopyGroup it belongs to
    std::string file, section, key;
    std::optional<std::string> before; // nullopt: absent
    std::string after;
};

// A value the target's page would refuse, so not copied.
struct CopySkip {
    int camera = 0;
    std::string key, value, why;
};

struct CopyPlan {
    std::vector<CopyChange> changes;
    std::vector<CopySkip> skipped;
};

// What copying the groups from the source camera to the targets would change and skip, read from
// the files, without writing. A target equal to the source is left out.
CopyPlan PlanCameraCopy(int source, const std::vector<int>& targets, unsigned groups);
// Stores that plan as one confirmation of the change history, named after the source camera, and
// returns it. Switching cameras on or off also fills SiteDef.DAT's mirror the first time, and in
// the basic menu makes the last remote-view camera the highest one in use, as the pages do. A
// value the system could not store is kept for ReportFailedWrite.
CopyPlan CopyCameraSettings(int source, const std::vector<int>& targets, unsigned groups);

// "Camera 3: Ch 3 Motion Amount: 5 -> 20"; an absent value reads "(absent)", an empty one "(empty)".
std::string DescribeCopyChange(const CopyChange& change);
// "Camera 3: Ch 3 Motion Amount: 150 not copied (a whole number from 0 to 100 is expected)"
std::string DescribeCopySkip(const CopySkip& skip);
