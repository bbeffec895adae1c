// Draws the icon by testing each pixel centre against a few shapes, from the back to the
// front: the disc, the swirl on it, the pen stroke across both. Shapes live in a square
// of unit coordinates from -1 to 1 with y growing downward.
#include "platform/icon/IconImage.h"

#include <cmath>

namespace {

constexpr std::uint32_t kTransparent = 0x00000000u;
constexpr std::uint32_t kBlack = 0xFF000000u;
constexpr std::uint32_t kRed = 0xFFE01010u;
constexpr std::uint32_t kYellow = 0xFFFFD800u;
constexpr double kPi = 3.14159265358979323846;

constexpr double kDiscRadius = 0.94;
constexpr double kSwirlInner = 0.16;
constexpr double kSwirlOuter = 0.80;
constexpr double kSwirlTwist = 2.4;     // radians of turn per unit of radius
constexpr double kArmShare = 0.30;      // share of each third of the turn covered by an arm

bool InDisc(double u, double v) { return u * u + v * v <= kDiscRadius * kDiscRadius; }

// Three arms that wind outward from a round hub.
bool InSwirl(double u, double v) {
    const double radius = std::sqrt(u * u + v * v);
    if (radius <= kSwirlInner) return true;
    if (radius > kSwirlOuter) return false;
    const double turns = (std::atan2(v, u) - kSwirlTwist * radius) * 3.0 / (2.0 * kPi);
    return turns - std::floor(turns) < kArmShare;
}

// A straight stroke from the lower left to the upper right that tapers to a point.
bool InPenStroke(double u, double v) {
    const double startU = -0.86, startV = 0.62, endU = 0.86, endV = -0.62;
    const double dirU = endU - startU, dirV = endV - startV;
    const double along = ((u - startU) * dirU + (v - startV) * dirV) / (dirU * dirU + dirV * dirV);
    if (along < 0.0 || along > 1.0) return false;
    const double offU = u - (startU + along * dirU), offV = v - (startV + along * dirV);
    const double halfWidth = along < 0.75 ? 0.09 : 0.09 * (1.0 - along) / 0.25;
    return offU * offU + offV * offV <= halfWidth * halfWidth;
}

std::uint32_t IconPixel(double u, double v) {
    if (InPenStroke(u, v)) return kYellow;
    if (!InDisc(u, v)) return kTransparent;
    return InSwirl(u, v) ? kRed : kBlack;
}

}  // namespace

std::vector<std::uint32_t> IconImage(int size) {
    if (size <= 0) return {};
    std::vector<std::uint32_t> pixels;
    pixels.reserve(static_cast<std::size_t>(size) * static_cast<std::size_t>(size));
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const double u = (x + 0.5) * 2.0 / size - 1.0;
            const double v = (y + 0.5) * 2.0 / size - 1.0;
            pixels.push_back(IconPixel(u, v));
        }
    }
    return pixels;
}
