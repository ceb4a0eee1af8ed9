// The image-change thresholds as the technician sees them: the recorder stores a pixel's
// brightness change on a 0 to 255 scale and the changed area as pixels of a 95200-pixel image;
// the dialog shows both as percentages. The recorder works them out in single precision, and the
// texts below keep its roundings, so that a value read and saved again lands where it would.
#pragma once

#include <string>
#include <string_view>

inline constexpr int kPixelDeltaScale = 255;
inline constexpr int kImagePixels = 95200;

// "%1.2f" of stored * 100 / scale in single precision: 30 of 255 shows as "11.76".
std::string PercentText(int stored, int scale);
// The stored value for a typed percentage: its leading decimal number (0 when there is none),
// in single precision, times scale / 100, as "%1.0f"; held within the 32-bit range, and 0 for a
// text that is no finite number ("inf", "nan").
std::string StoredFromPercent(std::string_view text, int scale);
