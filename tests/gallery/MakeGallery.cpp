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

// Waits until the pixel under a position shows the colour.
void WaitForDot(const XClient& x, Window window, Point where, std::uint32_t colour) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kTimeoutMs);
    while (x.Pixel(window, where.x, where.y) != colour) {
        if (std::chrono::steady_clock::now() >= deadline) {
            throw std::runtime_error("no dot at " + std::to_string(where.x) + "," +
                                     std::to_string(where.y) + " after the stroke");
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

// Each stroke is done once the dot of its last position shows: the program handles pointer
// events in order, and that position's own pixels were not covered before.
void DrawStrokes(XClient& x, Window window, std::uint32_t colour) {
    for (const std::vector<Point>& stroke : vorlin_gallery::Strokes()) {
        x.MovePointer(window, stroke.front().x, stroke.front().y);
        x.PressButton(1);
        for (const Point& point : stroke) x.MovePointer(window, point.x, point.y);
        x.ReleaseButton(1);
        x.Sync();
        WaitForDot(x, window, stroke.back(), colour);
    }
}

// The picture once it stays the same over a few looks: the last event's images follow the
// dot under the pointer.
std::vector<std::uint32_t> CaptureWhenSteady(const XClient& x, Window window) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kTimeoutMs);
    std::vector<std::uint32_t> picture = CaptureClientArea(x, window);
    for (int steadyLooks = 0; steadyLooks < kSteadyLooks;) {
        if (std::chrono::steady_clock::now() >= deadline) throw std::runtime_error("the picture does not settle");
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        std::vector<std::uint32_t> look = CaptureClientArea(x, window);
        steadyLooks = look == picture ? steadyLooks + 1 : 0;
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
    DrawStrokes(x, window, vorlin_gallery::DotColour(mode));
    const auto picture = CaptureWhenSteady(x, window);
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
