// Every key that holds a value of one camera, in the files the recorder and its remote viewer
// read: the one place a camera's keys are spelled. The camera pages, the frame-rate display, the
// overview, the copy of settings between cameras, the site map and the owned-keys table name and
// read a camera's values through this table.
#pragma once

#include <array>
#include <cstddef>
#include <string>

enum class CameraKey {
    On,                    // [OrvaBank] "Lobby Camera N On": YES when the camera is in use
    IP,                    // [OrvaBank] "Lobby Camera N IP": YES for an IP camera
    Port,                  // [OrvaBank] "Lobby Camera N": an analog camera's input, empty for none
    CaptureRate,           // [OrvaBank] "Ch N Capture Rate": position in the capture-rate list
    MotionDetection,       // [OrvaBank] "Ch N Motion Detection": 1 / 0
    MotionAmount,          // [OrvaBank] "Ch N Motion Amount": percent
    IlluminationDetection, // [OrvaBank] "Ch N Illumination Detection": 1 / 0
    IlluminationCal,       // [OrvaBank] "Ch N Illumination Cal": 1 / 0
    IlluminationAlarm,     // [OrvaBank] "Ch N Illumination Alarm": level
    Type,                  // [IP Camera] "Camera N Type": one of "Types Supported", or "Generic"
    Address,               // [IP Camera] "Camera N Address"
    Access,                // [IP Camera] "Camera N Access": the URL the recorder opens
    Username,              // [IP Camera] "Camera N Username"
    Password,              // [IP Camera] "Camera N PW", in the clear as the recorder reads it
    Name,                  // SiteDef.DAT [Camera Names] "N": the name remote users see
    Enabled,               // SiteDef.DAT [Cameras Enabled] "N": ON / OFF, the remote viewer's mirror of On
};

struct CameraKeySpelling {
    CameraKey key;
    char file;           // 'S' the system INI file, 'D' SiteDef.DAT
    const char* section;
    const char* pattern; // "%d" stands for the camera's number
};
extern const std::array<CameraKeySpelling, 16> kCameraKeys; // in the order of CameraKey

// [Cameras Enabled] "Initilized", spelt as the remote viewer reads it: set once the mirror of
// cameras 1 to 31 has been filled.
inline constexpr char kMirrorFilledKey[] = "Initilized";
// The section of the IP cameras' keys, which also holds the recorder's list of camera types.
inline constexpr char kSecIPCamera[] = "IP Camera";

const CameraKeySpelling& SpellingOf(CameraKey key);
// The key's name for the camera: "Ch 3 Motion Amount", "Lobby Camera 3 On", "3".
std::string CameraKeyName(CameraKey key, int camera);
// The camera (1 to 99) a key of one of these sections names, or 0 when it names none.
int CameraOfKey(const std::string& section, const std::string& key);
// Whether a section of that name (without regard to case) holds keys of cameras.
bool HoldsCameraKeys(const char* section);

// One camera's value, read from and written to its file through the door to the files. Texts are
// read as the recorder does, into 80-byte buffers.
std::string ReadCameraText(CameraKey key, int camera, const char* def);
int ReadCameraInt(CameraKey key, int camera, int def);
bool ReadCameraYes(CameraKey key, int camera);
bool WriteCameraText(CameraKey key, int camera, const std::string& value);
bool WriteCameraInt(CameraKey key, int camera, int value);
bool WriteCameraYesNo(CameraKey key, int camera, bool yes);
bool WriteCameraFlag(CameraKey key, int camera, bool on);
// The path of the file that holds the key.
std::string CameraKeyFile(CameraKey key);

// The name remote users see for a camera (1 to 32), at most maxChars characters; "none" when it
// has none, as every dialog that shows camera names writes it.
std::string ShownCameraName(int camera, size_t maxChars);
