#include "percent.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

std::string PercentText(int stored, int scale)
{
    const float percent = static_cast<float>(static_cast<double>(stored) * 100.0 * (1.0 / scale));
    char text[64];
    std::snprintf(text, sizeof text, "%1.2f", static_cast<double>(percent));
    return text;
}

std::string StoredFromPercent(std::string_view text, int scale)
{
    const std::string copy(text);
    const float percent = static_cast<float>(std::strtod(copy.c_str(), nullptr));
    double stored = static_cast<float>(static_cast<double>(percent) * scale * 0.01);
    if (!std::isfinite(stored))
        stored = 0;
    stored = std::fmin(std::fmax(stored, -2147483648.0), 2147483647.0);
    char out[64];
    std::snprintf(out, sizeof out, "%1.0f", stored);
    return out;
}
