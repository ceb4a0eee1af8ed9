#include "owned_keys.h"

#include "resource.h"

#include <algorithm>

const std::vector<std::pair<UINT, std::vector<std::string>>> kOwnedKeys = {
    {IDM_ABOUT, {}}, {IDM_ACTIVITY_LOG, {"S [OrvaFile] Activity Log Storage="}}, {IDM_STATUS_LOG, {"S [OrvaFile] Status Log Size="}},
    {IDM_SITE_ID, {"S [OrvaBank] Bank Name="}}, {IDM_VERSION_INFO, {"D [Viewer] Inquiry Version="}},
    {IDM_CAMERA_SYSTEM, {"S [OrvaBank] Last Remote View Lobby Camera=", "S [OrvaVideo] Color="}},
    {IDM_PORT_CONFIG, {"S [OrvaBank] Lobby Camera ", "S [OrvaBank] Ch ", "S [IP Camera] Camera ", "S [OrvaVideo] Color=",
                       "S [OrvaBank] Last Remote View Lobby Camera=", "D [Camera Names] ", "D [Cameras Enabled] "}},
    {IDM_ALARM_CONFIG, {"S [Alarms] ", "S [OrvaVideo] A Rep=", "S [Status Report] Report Hours=", "S [Email] To Address="}},
    {IDM_TRANSACTIONS, {"S [Transaction] ", "S [OrvaComm] Bank Protocol="}},
    {IDM_IMAGE_SELECTION, {"S [OrvaVideo] Compression Factor=", "S [OrvaVideo] S Rep=", "S [OrvaVideo] Lumin Compensation=",
                           "S [OrvaVideo] Global Settings=", "S [Lobby] Pixel Delta Value=", "S [Lobby] Pixels Changed="}},
    {IDM_TCPIP_CAPTURE, {"S [Lan Monitoring] "}},
    {IDM_TCPIP_ATM_CONFIG, {"S [ATM Config] Unit 1 "}},
    {IDM_ATM_TRANSACTIONS, {"T [General] ", "T [Line 1] "}},
    {IDM_TCPIP_MONITORING, {"S [TCPIP] Device 1 ", "S [Transaction] TCPIP Events="}},
    {IDM_SYSTEM_HEALTH, {"S [OrvaComm] Max Timeouts=", "S [Global] SM Time=", "S [Status Report] "}},
    {IDM_VIDEO_PARAMS, {"S [OrvaVideo] Video Sync Time=", "S [OrvaVideo] Bad Video Sync Time=", "S [OrvaVideo] Video Debug=",
                        "S [OrvaVideo] Image X Size=", "S [OrvaVideo] Image Y Size="}},
    {IDM_REMOTE_MONITORING, {"S [OrvaBank] Last Monitored Video=", "S [OrvaBank] Last Monitored Data=", "S [Status Report] Report Hours="}},
    {IDM_MODEM, {"S [Modem] "}},
    {IDM_VIDEO_OUTPUT, {"S [OrvaVideo] Camera Scan ", "S [OrvaVideo] Video Out Time="}},
    {IDM_CAPTIONS, {"S [OrvaVideo] Enable Captions=", "S [OrvaVideo] Caption Position="}},
    {IDM_DISK_USAGE, {"S [OrvaFile] File Folder=", "S [OrvaFile] FileExt=", "S [OrvaFile] Drives=", "S [OrvaFile] Current Directory=",
                      "S [OrvaFile] Debug=", "S [OrvaFile] External Trash Removal=", "S [OrvaFile] DaysUsage=", "S [OrvaFile] LobbyDays=",
                      "S [OrvaFile] Min Teller Days=", "S [OrvaFile] Max Teller Days=", "S [OrvaFile] EventDays="}},
    {IDM_ADVANCED, {"C [Config] Advanced Menu="}}, {IDM_SITE_MAP, {"D [Map] "}}, {IDM_HISTORY, {}},
    {IDM_NAME_ASSIGNMENT, {"D [Camera Names] 1="}}, {IDM_SCHEDULE, {"S [Schedule] "}},
    {IDM_TDI_PORTS, {"S [TDI Port] ", "D [Cameras Enabled] "}}, {IDM_PRIMARY_MUX, {"S [PriMux] ", "S [USB] "}},
    {IDM_SLAVE_MUX1, {"S [SlaveMux1] ", "S [USB] "}}, {IDM_SLAVE_MUX2, {"S [SlaveMux2] ", "S [USB] "}},
    {IDM_SLAVE_MUX3, {"S [SlaveMux3] ", "S [USB] "}},
};

bool OwnedBy(const std::vector<std::string>& owned, const std::string& change)
{
    return std::any_of(owned.begin(), owned.end(), [&](const std::string& prefix) { return change.starts_with(prefix); });
}
