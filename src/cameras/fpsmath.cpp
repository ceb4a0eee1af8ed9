#include "fpsmath.h"

#include <climits>
#include <cstdio>

namespace {

// Forces a quotient to the given precision even where the processor keeps more (the x87 unit of
// 32-bit builds): the store through a volatile object cannot be skipped. The quotients below
// are of small integers, so rounding the wider result once more gives the same value as a
// division done in that precision.
float ToSingle(double value) noexcept
{
    volatile float rounded = static_cast<float>(value);
    return rounded;
}

double ToDouble(double value) noexcept
{
    volatile double rounded = value;
    return rounded;
}

// The ports one card serves, inclusive; an empty range shares with nobody.
struct PortRange {
    int first;
    int last;
};

constexpr PortRange kNoPorts{1, 0};
constexpr PortRange kAllPorts{INT_MIN, INT_MAX};

PortRange CardPorts(int cardCount, int cardRate, int ownPort) noexcept
{
    if (cardRate != kS617CardRate)
        return cardCount == 4 ? kNoPorts : kAllPorts;
    const int portsPerCard = cardCount == 4 ? 4 : 16;
    const int servedPorts = cardCount == 4 ? 16 : 32;
    if (ownPort < 1 || ownPort > servedPorts)
        return cardCount == 4 ? kNoPorts : kAllPorts;
    const int first = (ownPort - 1) / portsPerCard * portsPerCard + 1;
    return {first, first + portsPerCard - 1};
}

} // namespace

int DefaultPortFor(int index, bool oneToOneUnit) noexcept
{
    if (index < 0)
        return 1;
    if (oneToOneUnit)
        return index < INT_MAX ? index + 1 : 1;
    if (index < 8)
        return index + 1;
    if (index < 16)
        return index + 3;
    if (index < 24)
        return index + 5;
    if (index < 32)
        return index + 7;
    return 1;
}

std::optional<int> RateDivisor(int rateIndex) noexcept
{
    if (rateIndex < 0 || rateIndex >= kCaptureRateCount)
        return std::nullopt;
    return 1 << rateIndex;
}

int CardRate(std::string_view imageCard) noexcept
{
    return imageCard.starts_with("S617") ? kS617CardRate : kOtherCardRate;
}

int CamerasSharingCard(int cardCount, int cardRate, int ownPort,
                       std::span<const int> enabledAnalogPorts) noexcept
{
    const PortRange card = CardPorts(cardCount, cardRate, ownPort);
    int count = 0;
    for (const int port : enabledAnalogPorts)
        if (port >= card.first && port <= card.last)
            ++count;
    return count;
}

float AnalogCameraRate(int cardRate, int sharingCameras, int divisor) noexcept
{
    const int count = sharingCameras > 0 ? sharingCameras : 1;
    const float perCamera = ToSingle(static_cast<double>(cardRate) / count);
    return ToSingle(static_cast<double>(perCamera) / divisor);
}

float IPCameraRate(int divisor) noexcept
{
    return ToSingle(static_cast<double>(kIPCameraRate) / divisor);
}

std::string FormatCaptureRate(float framesPerSecond)
{
    char text[32];
    if (framesPerSecond >= 1.0f)
        std::snprintf(text, sizeof text, "%2.0f FPS", static_cast<double>(framesPerSecond));
    else
        std::snprintf(text, sizeof text, "%2.0f SPF",
                      ToDouble(1.0 / static_cast<double>(framesPerSecond)));
    return text;
}

std::string IPCameraRateText(int rateIndex)
{
    const std::optional<int> divisor = RateDivisor(rateIndex);
    return divisor ? FormatCaptureRate(IPCameraRate(*divisor)) : std::string();
}

std::string AnalogCameraRateText(int rateIndex, std::string_view imageCard, int cardCount,
                                 int ownPort, std::span<const int> enabledAnalogPorts)
{
    const std::optional<int> divisor = RateDivisor(rateIndex);
    if (!divisor)
        return {};
    const int cardRate = CardRate(imageCard);
    const int sharing = CamerasSharingCard(cardCount, cardRate, ownPort, enabledAnalogPorts);
    return FormatCaptureRate(AnalogCameraRate(cardRate, sharing, *divisor));
}
