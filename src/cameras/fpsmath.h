// The frame rate a camera will get, as the camera page shows it beside its capture-rate list.
//
// Analog cameras share the frame rate of the capture card that digitises their port, so one
// camera's rate depends on how many enabled analog cameras sit on the same card's ports; an IP
// camera gets a fixed base rate. The recorder works the rate out in single precision, and the
// display must match what it will really do, so the arithmetic below keeps its roundings.
//
// Nothing here reads a file: the caller passes the stored values.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

// Number of items of the capture-rate list; item s divides the base rate by 2 to the power s.
inline constexpr int kCaptureRateCount = 6;

// Frames per second of an IP camera at full speed.
inline constexpr int kIPCameraRate = 30;
// Frames per second of the S617 capture card, and of every other card.
inline constexpr int kS617CardRate = 30;
inline constexpr int kOtherCardRate = 12;

// The port a camera is wired to when its port key is absent. index is the 0-based camera
// (camera number - 1). Units that number their inputs one to one (Wendrel, Halden) use the
// camera number; the others leave a gap of two ports after every group of eight cameras, so
// cameras 1-8, 9-16, 17-24 and 25-32 sit on ports 1-8, 11-18, 21-28 and 31-38. An index that is
// no camera (negative, or 32 and above on the other units) gives port 1.
int DefaultPortFor(int index, bool oneToOneUnit) noexcept;

// The divisor of a capture-rate list position (1, 2, 4 ... 32), or nothing when the position is
// outside the list (no selection, or a damaged stored value).
std::optional<int> RateDivisor(int rateIndex) noexcept;

// Frames per second of the capture card named by [Global] "Image Card": only a name beginning
// with "S617" (upper case) is the fast card.
int CardRate(std::string_view imageCard) noexcept;

// How many enabled analog cameras share the card that serves ownPort. cardCount is
// [Global] "Nbr Image Card"; enabledAnalogPorts are the ports of every enabled analog camera,
// the camera itself included only when it is stored so. With four fast cards each card serves
// four ports (1-4 ... 13-16) and a port outside them shares with nobody; with any other number
// of fast cards a card serves sixteen ports (1-16, 17-32) and any other port shares with every
// camera. The slow card is shared by all cameras, except with four cards, where it is shared by
// none. The result may be 0.
int CamerasSharingCard(int cardCount, int cardRate, int ownPort,
                       std::span<const int> enabledAnalogPorts) noexcept;

// Frames per second of an analog camera: (card rate / sharing cameras) / divisor, each quotient
// rounded to single precision as the recorder computes it. A count of 0 (the camera itself is
// not stored as an enabled analog camera) is taken as 1.
float AnalogCameraRate(int cardRate, int sharingCameras, int divisor) noexcept;
// Frames per second of an IP camera: the base rate / divisor, in single precision.
float IPCameraRate(int divisor) noexcept;

// The rate display: "%2.0f FPS" at one frame per second or more, otherwise the seconds per
// frame (the reciprocal of the single-precision rate, in double precision) as "%2.0f SPF".
std::string FormatCaptureRate(float framesPerSecond);

// The whole display for an IP camera, and for an analog camera from its stored values; both are
// empty for a rate position outside the list.
std::string IPCameraRateText(int rateIndex);
std::string AnalogCameraRateText(int rateIndex, std::string_view imageCard, int cardCount,
                                 int ownPort, std::span<const int> enabledAnalogPorts);
