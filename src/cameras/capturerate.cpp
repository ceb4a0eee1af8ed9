#include "capturerate.h"

#include "defines.h"
#include "fpsmath.h"
#include "profile.h"

#include <cstdio>

namespace {

// The recorder keeps its camera settings in fixed 80-byte buffers.
constexpr size_t kValueBuffer = 80;
constexpr int kCameras = 32;

bool CameraFlag(const char* iniFile, int camera, const char* suffix)
{
    return ReadYes(iniFile, kSecOrvaBank, LobbyCameraKey(camera, suffix).c_str());
}

int GlobalInt(const char* key) { return ReadInt(SystemIni(), kSecGlobal, key, 0); }

// Wendrel and Halden units number their inputs one to one with the cameras.
bool OneToOneUnit() { return GlobalInt("Wendrel") != 0 || GlobalInt("Halden") != 0; }

// The stored port of an analog camera, its default port when the key is absent or empty.
// The unit kind is read once by the caller: a display reads every camera's port.
int CameraPort(int camera, bool oneToOne)
{
    return ReadInt(SystemIni(), kSecOrvaBank, LobbyCameraKey(camera, "").c_str(),
                   DefaultPortFor(camera - 1, oneToOne));
}

} // namespace

std::string LobbyCameraKey(int camera, const char* suffix)
{
    char key[48];
    std::snprintf(key, sizeof key, "Lobby Camera %d%s", camera, suffix);
    return key;
}

bool CameraOn(int camera) { return CameraFlag(SystemIni(), camera, " On"); }

int DefaultPort(int ch) { return DefaultPortFor(ch, OneToOneUnit()); }

bool AnalogCameraEnabled(int iCh, const char* iniFile)
{
    return CameraFlag(iniFile, iCh, " On") && !CameraFlag(iniFile, iCh, " IP");
}

bool IPCameraEnabled(int iCh, const char* iniFile)
{
    return CameraFlag(iniFile, iCh, " On") && CameraFlag(iniFile, iCh, " IP");
}

namespace {

// The display from the stored values; the cards are read only for an analog camera, when not given.
std::string RateText(int ch, int camCaptureRate, const CaptureCards* known)
{
    if (ch < 1 || ch > kCameras || !RateDivisor(camCaptureRate))
        return {};
    if (IPCameraEnabled(ch, SystemIni()))
        return IPCameraRateText(camCaptureRate);
    const CaptureCards cards = known ? *known : ReadCaptureCards();
    return AnalogCameraRateText(camCaptureRate, cards.imageCard, cards.cardCount, CameraPort(ch, cards.oneToOne),
                                cards.enabledAnalogPorts);
}

} // namespace

CaptureCards ReadCaptureCards()
{
    CaptureCards cards;
    cards.imageCard = ReadString(SystemIni(), kSecGlobal, "Image Card", "", kValueBuffer);
    cards.oneToOne = OneToOneUnit();
    cards.cardCount = GlobalInt("Nbr Image Card");
    for (int camera = 1; camera <= kCameras; ++camera)
        if (AnalogCameraEnabled(camera, SystemIni()))
            cards.enabledAnalogPorts.push_back(CameraPort(camera, cards.oneToOne));
    return cards;
}

std::string ComputeFPS(int ch, int camCaptureRate) { return RateText(ch, camCaptureRate, nullptr); }

std::string ComputeFPS(int ch, int camCaptureRate, const CaptureCards& cards) { return RateText(ch, camCaptureRate, &cards); }
