// Strokes are sampled at fixed steps, so every run presses, moves and releases at the very
// same positions.
#include "tests/gallery/GalleryMark.h"

#include <cmath>

namespace vorlin_gallery {
namespace {

constexpr int kRadius = 6;
constexpr double kStep = 4.0;       // pixels between pointer events along a stroke
constexpr double kLastStep = 8.0;   // more than kRadius: the last dot covers fresh pixels

// Colours as red, green, blue, one per mode.
constexpr std::uint8_t kColours[kModeCount][3] = {
    {200, 30, 40}, {30, 90, 200}, {20, 140, 60}, {140, 40, 170}, {230, 120, 0}, {0, 130, 140},
};

struct Curve {
    double x[4], y[4];  // a cubic Bezier curve; a straight line when the middle points lie on it

    Point At(double t) const {
        const double s = 1.0 - t;
        const double w[4] = {s * s * s, 3 * s * s * t, 3 * s * t * t, t * t * t};
        return {static_cast<int>(std::lround(w[0] * x[0] + w[1] * x[1] + w[2] * x[2] + w[3] * x[3])),
                static_cast<int>(std::lround(w[0] * y[0] + w[1] * y[1] + w[2] * y[2] + w[3] * y[3]))};
    }
};

double Distance(Point a, Point b) { return std::hypot(a.x - b.x, a.y - b.y); }

// Positions about kStep apart from the start, then the end at least kLastStep past the
// position before it.
std::vector<Point> Sample(const Curve& curve) {
    const Point end = curve.At(1.0);
    std::vector<Point> points{curve.At(0.0)};
    for (int thousandth = 0; thousandth < 1000; ++thousandth) {
        const Point next = curve.At(thousandth / 1000.0);
        if (Distance(next, end) < kLastStep) break;
        if (Distance(next, points.back()) >= kStep) points.push_back(next);
    }
    points.push_back(end);
    return points;
}

}  // namespace

std::vector<std::vector<Point>> Strokes() {
    const Curve arch{{225, 240, 320, 335}, {170, 80, 70, 140}};
    const Curve stem{{280, 280, 282, 284}, {100, 110, 122, 134}};
    return {Sample(arch), Sample(stem)};
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
