// The capture-rate list of the camera pages and the frame-rate display beside it, with the small
// camera-state queries the pages share. Everything is read from the system INI file as last
// applied, anew at every call.
#pragma once

#include <array>
#include <string>
#include <vector>

// Items of the capture-rate list; the stored value is the position.
inline constexpr std::array<const char*, 6> CAPTURE_RATE_TEXT = {"Full Speed", "1/2 Speed", "1/4 Speed", "1/8 Speed", "1/16 Speed", "1/32 Speed"};

// The camera is stored as in use in the system INI file, whatever its kind.
bool CameraOn(int camera);

// The port a camera is wired to when its port key is absent. A negative index is no
// camera and gives port 1, as an index of 32 and above does on a plain unit.
int DefaultPort(int ch);                                  // ch is 0-based (camera number - 1)
// The frame-rate display for the camera at the given capture-rate position, from the stored
// configuration only (not from any open page). Empty for a camera outside 1..32.
std::string ComputeFPS(int ch, int camCaptureRate);       // ch is 1..32; the rate display text, "" for an index outside 0..5

// What an analog camera's rate display depends on besides its own settings: the capture cards and
// the ports of every enabled analog camera. A list of every camera reads it once for all of them.
struct CaptureCards {
    std::string imageCard;
    int cardCount = 0;
    bool oneToOne = false; // ports numbered one to one with the cameras
    std::vector<int> enabledAnalogPorts;
};
CaptureCards ReadCaptureCards();
// ComputeFPS with the cards already read.
std::string ComputeFPS(int ch, int camCaptureRate, const CaptureCards& cards);
