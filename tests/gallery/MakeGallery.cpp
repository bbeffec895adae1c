// The gallery tool: starts a private Xvfb, and for each symmetry mode starts the real program
// with that mode's settings, draws the gallery mark through XTest, captures the client area
// and writes it as <folder>/mode<N>.png. scripts/make-gallery.sh runs it.
//   vorlin_gallery <folder>

// XvfbServer.h brings GoogleTest, which must come before Xlib and its macros (None, Bool).
#include <gtest/gtest.h>

#include "platform/icon/PngEncoder.h"
#include "tests/e2e/VorlinProcess.h"
#include "tests/e2e/VorlinWindow.h"
#include "tests/gallery/GalleryMark.h"
#include "tests/support/XClient.h"
#include "tests/support/XvfbServer.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace {

using vorlin_gallery::kPictureSize;
using vorlin_gallery::Point;
using vorlin_test::XClient;

constexpr int kTimeoutMs = 10000;
constexpr int kSteadyLooks = 3;

std::vector<std::uint32_t> CaptureClientArea(const XClient& x, Window window) {
    return x.Pixels(window, 0, 0, kPictureSize, kPictureSize);
}

// 0x00BBGGRR as the X client reads it, to opaque 0xAARRGGBB as the encoder takes it.
std::vector<std::uint32_t> OpaqueArgb(const std::vector<std::uint32_t>& colours) {
    std::vector<std::uint32_t> argb;
    argb.reserve(colours.size());
    for (const std::uint32_t c : colours) {
        argb.push_back(0xFF000000u | (c & 0xFFu) << 16 | (c & 0xFF00u) | (c >> 16 & 0xFFu));
    }
    return argb;
}

void DrawStroke(XClient& x, Window window) {
    const std::vector<Point> path = vorlin_gallery::StrokePath();
    x.MovePointer(window, path.front().x, path.front().y);
    x.PressButton(1);
    for (const Point& point : path) x.MovePointer(window, point.x, point.y);
    x.ReleaseButton(1);
    x.Sync();
}

// The picture once the program has stamped the whole stroke: the dot under the last position
// shows, and then the picture stays the same over a few looks, since the last event's images
// follow its own dot.
std::vector<std::uint32_t> CaptureWhenDrawn(const XClient& x, Window window, std::uint32_t colour) {
    const Point last = vorlin_gallery::StrokePath().back();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kTimeoutMs);
    std::vector<std::uint32_t> picture;
    int steadyLooks = 0;
    while (steadyLooks < kSteadyLooks) {
        if (std::chrono::steady_clock::now() >= deadline) {
            const auto dots = std::count(picture.begin(), picture.end(), colour);
            throw std::runtime_error("the stroke did not finish drawing (" + std::to_string(dots) +
                                     " pixels of the dot colour)");
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        std::vector<std::uint32_t> look = CaptureClientArea(x, window);
        const bool lastDotShows = x.Pixel(window, last.x, last.y) == colour;
        steadyLooks = lastDotShows && look == picture ? steadyLooks + 1 : 0;
        picture = std::move(look);
    }
    return picture;
}

void DrawPicture(XClient& x, int mode, const std::string& folder) {
    vorlin_e2e::VorlinOptions options;
    options.settings = vorlin_gallery::SettingsText(mode);
    vorlin_e2e::VorlinProcess vorlin(options);
    const Window window = vorlin_e2e::WaitForPaintedWindow(x, kTimeoutMs);
    if (window == None) throw std::runtime_error("the window did not appear");
    const XClient::Geometry client = x.WindowGeometry(window);
    if (client.width != kPictureSize || client.height != kPictureSize) {
        throw std::runtime_error("the client area is not 400 x 400");
    }
    DrawStroke(x, window);
    const auto picture = CaptureWhenDrawn(x, window, vorlin_gallery::DotColour(mode));
    const std::string path = folder + "/" + vorlin_gallery::PictureName(mode);
    if (!WritePng(path, kPictureSize, kPictureSize, OpaqueArgb(picture))) {
        throw std::runtime_error("cannot write " + path);
    }
    // The next mode's program must not find this window while the server still removes it.
    vorlin_e2e::CloseWindow(x, window);
    vorlin.WaitForExit(kTimeoutMs);
    x.WaitUntilGone(window, kTimeoutMs);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: vorlin_gallery <folder>\n");
        return EXIT_FAILURE;
    }
    try {
        std::filesystem::create_directories(argv[1]);
        vorlin_test::XvfbServer server;
        XClient x;
        for (int mode = 0; mode < vorlin_gallery::kModeCount; ++mode) {
            try {
                DrawPicture(x, mode, argv[1]);
            } catch (const std::exception& error) {
                throw std::runtime_error("mode " + std::to_string(mode) + ": " + error.what());
            }
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "vorlin_gallery: %s\n", error.what());
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}
