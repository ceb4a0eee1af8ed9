#include "capturerate.h"

#include "camerakeys.h"
#include "defines.h"
#include "fpsmath.h"
#include "profile.h"

namespace {

// The recorder keeps its camera settings in fixed 80-byte buffers.
constexpr size_t kValueBuffer = 80;
constexpr int kCameras = 32;

int GlobalInt(const char* key) { return ReadInt(SystemIni(), kSecGlobal, key, 0); }

// Wendrel and Halden units number their inputs one to one with the cameras.
bool OneToOneUnit() { return GlobalInt("Wendrel") != 0 || GlobalInt("Halden") != 0; }

// The stored port of an analog camera, its default port when the key is absent or empty.
// The unit kind is read once by the caller: a display reads every camera's port.
int CameraPort(int camera, bool oneToOne)
{
    return ReadCameraInt(CameraKey::Port, camera, DefaultPortFor(camera - 1, oneToOne));
}

bool AnalogCameraEnabled(int camera) { return CameraOn(camera) && !ReadCameraYes(CameraKey::IP, camera); }

bool IPCameraEnabled(int camera) { return CameraOn(camera) && ReadCameraYes(CameraKey::IP, camera); }

// The display from the stored values; the cards are read only for an analog camera, when not given.
std::string RateText(int ch, int camCaptureRate, const CaptureCards* known)
{
    if (ch < 1 || ch > kCameras || !RateDivisor(camCaptureRate))
        return {};
    if (IPCameraEnabled(ch))
        return IPCameraRateText(camCaptureRate);
    const CaptureCards cards = known ? *known : ReadCaptureCards();
    return AnalogCameraRateText(camCaptureRate, cards.imageCard, cards.cardCount, CameraPort(ch, cards.oneToOne),
                                cards.enabledAnalogPorts);
}

} // namespace

bool CameraOn(int camera) { return ReadCameraYes(CameraKey::On, camera); }

int DefaultPort(int ch) { return DefaultPortFor(ch, OneToOneUnit()); }

CaptureCards ReadCaptureCards()
{
    CaptureCards cards;
    cards.imageCard = ReadString(SystemIni(), kSecGlobal, "Image Card", "", kValueBuffer);
    cards.oneToOne = OneToOneUnit();
    cards.cardCount = GlobalInt("Nbr Image Card");
    for (int camera = 1; camera <= kCameras; ++camera)
        if (AnalogCameraEnabled(camera))
            cards.enabledAnalogPorts.push_back(CameraPort(camera, cards.oneToOne));
    return cards;
}

std::string ComputeFPS(int ch, int camCaptureRate) { return RateText(ch, camCaptureRate, nullptr); }

std::string ComputeFPS(int ch, int camCaptureRate, const CaptureCards& cards) { return RateText(ch, camCaptureRate, &cards); }
