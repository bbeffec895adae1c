// The stroke is a cubic curve sampled at fixed steps, so every run presses, moves and releases
// at the very same positions.
#include "tests/gallery/GalleryMark.h"

#include <cmath>

namespace vorlin_gallery {
namespace {

constexpr int kRadius = 6;
constexpr int kSteps = 32;

// Colours as red, green, blue, one per mode.
constexpr std::uint8_t kColours[kModeCount][3] = {
    {200, 30, 40}, {30, 90, 200}, {20, 140, 60}, {140, 40, 170}, {230, 120, 0}, {0, 130, 140},
};

double Cubic(double t, double p0, double p1, double p2, double p3) {
    const double s = 1.0 - t;
    return s * s * s * p0 + 3 * s * s * t * p1 + 3 * s * t * t * p2 + t * t * t * p3;
}

}  // namespace

std::vector<Point> StrokePath() {
    std::vector<Point> path;
    for (int step = 0; step <= kSteps; ++step) {
        const double t = static_cast<double>(step) / kSteps;
        path.push_back({static_cast<int>(std::lround(Cubic(t, 225, 240, 320, 335))),
                        static_cast<int>(std::lround(Cubic(t, 170, 80, 70, 140)))});
    }
    return path;
}

std::uint32_t DotColour(int mode) {
    const std::uint8_t* rgb = kColours[mode];
    return std::uint32_t{rgb[0]} | std::uint32_t{rgb[1]} << 8 | std::uint32_t{rgb[2]} << 16;
}

std::string SettingsText(int mode) {
    const std::uint8_t* rgb = kColours[mode];
    return std::to_string(kRadius) + "\n" + std::to_string(rgb[0]) + "\n" + std::to_string(rgb[1]) +
           "\n" + std::to_string(rgb[2]) + "\n" + std::to_string(mode) + "\n";
}

std::string PictureName(int mode) { return "mode" + std::to_string(mode) + ".png"; }

}  // namespace vorlin_gallery
