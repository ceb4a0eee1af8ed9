// The site definition file, SiteDef.DAT in the working folder: the site map and its camera
// icons, camera names, the camera on/off mirror read by the remote viewer, and the version of the
// inquiry software offered to remote users.
#pragma once

#include <string>

// Full path of the site definition file: cFileDir followed by "SiteDef.DAT".
std::string SiteDefFile();

inline constexpr char kSecMap[] = "Map";
inline constexpr char kSecCameraNames[] = "Camera Names";
inline constexpr char kSecCamerasEnabled[] = "Cameras Enabled";
inline constexpr char kSecViewer[] = "Viewer";
