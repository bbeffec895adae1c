// The mark that the gallery draws in every symmetry mode: one stroke along the same path with
// the same brush radius, and a colour of its own per mode, so that the six pictures differ
// only by their symmetry. The gallery tool draws it; the gallery test checks the pictures.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vorlin_gallery {

constexpr int kModeCount = 6;
// The program's client area; the pictures have this size.
constexpr int kPictureSize = 400;

struct Point {
    int x, y;
};

// The strokes, in drawing order, each the pointer positions from press to release in client
// coordinates: an arch in the upper right quarter with a stem hanging from its top, one
// connected shape that matches none of its own mirror images or turns. The last position of
// each stroke lies beyond the reach of the dot before it, so that its dot shows when the
// program has stamped the whole stroke.
std::vector<std::vector<Point>> Strokes();

// The dot colour of a mode, 0x00BBGGRR; never black or white, the colours of the guide.
std::uint32_t DotColour(int mode);

// The settings file for a mode: radius, red, green, blue, mode.
std::string SettingsText(int mode);

// "mode0.png" ... "mode5.png".
std::string PictureName(int mode);

}  // namespace vorlin_gallery
