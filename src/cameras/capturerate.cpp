#include "capturerate.h"

#include "defines.h"
#include "fpsmath.h"
#include "profile.h"

#include <cstdio>
#include <vector>

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

std::string ComputeFPS(int ch, int camCaptureRate)
{
    if (ch < 1 || ch > kCameras || !RateDivisor(camCaptureRate))
        return {};
    if (IPCameraEnabled(ch, SystemIni()))
        return IPCameraRateText(camCaptureRate);

    const std::string imageCard =
        ReadString(SystemIni(), kSecGlobal, "Image Card", "", kValueBuffer);
    const bool oneToOne = OneToOneUnit();
    const int ownPort = CameraPort(ch, oneToOne);
    const int cardCount = GlobalInt("Nbr Image Card");
    std::vector<int> enabledAnalogPorts;
    for (int camera = 1; camera <= kCameras; ++camera)
        if (AnalogCameraEnabled(camera, SystemIni()))
            enabledAnalogPorts.push_back(CameraPort(camera, oneToOne));
    return AnalogCameraRateText(camCaptureRate, imageCard, cardCount, ownPort, enabledAnalogPorts);
}
