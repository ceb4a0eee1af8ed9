#include "sitedeffile.h"

#include "defines.h"
#include "profile.h"

std::string SiteDefFile() { return cFileDir + "SiteDef.DAT"; }

std::string ShownCameraName(int camera, size_t maxChars)
{
    const std::string name = ReadString(SiteDefFile().c_str(), kSecCameraNames, std::to_string(camera).c_str(), "", maxChars + 1);
    return name.empty() ? "none" : name;
}
