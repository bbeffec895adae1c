// The program's window seen from the test's X connection.
#include "tests/e2e/VorlinWindow.h"

#include <X11/Xatom.h>

#include <algorithm>
#include <chrono>
#include <thread>

namespace vorlin_e2e {
namespace {

constexpr int kCornerBlock = 8;

bool CornersAreWhite(const vorlin_test::XClient& x, Window window) {
    const vorlin_test::XClient::Geometry size = x.WindowGeometry(window);
    const int right = size.width - kCornerBlock;
    const int bottom = size.height - kCornerBlock;
    for (const auto& [left, top] : {std::pair{0, 0}, {right, 0}, {0, bottom}, {right, bottom}}) {
        const auto block = x.Pixels(window, left, top, kCornerBlock, kCornerBlock);
        if (block.empty() || ShareOf(block, kWhite) < 1.0) return false;
    }
    return true;
}

// A property's items in format 32 (longs, as Xlib hands them over) or 8 (bytes).
std::vector<unsigned char> PropertyBytes(Display* display, Window window, Atom property, Atom type,
                                         int& format, unsigned long& items) {
    Atom actualType = None;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    items = 0;
    if (XGetWindowProperty(display, window, property, 0, 1L << 24, False, type, &actualType, &format,
                           &items, &remaining, &data) != Success || data == nullptr) {
        return {};
    }
    const std::size_t itemSize = format == 32 ? sizeof(long) : static_cast<std::size_t>(format / 8);
    std::vector<unsigned char> bytes(data, data + items * itemSize);
    XFree(data);
    return bytes;
}

}  // namespace

Window WaitForPaintedWindow(const vorlin_test::XClient& x, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    const Window window = x.WaitForWindow(kTitle, timeoutMs);
    if (window == None) return None;
    while (!CornersAreWhite(x, window)) {
        if (std::chrono::steady_clock::now() >= deadline) return None;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return window;
}

bool ResizeClientArea(vorlin_test::XClient& x, Window window, int width, int height, int timeoutMs) {
    XResizeWindow(x.display(), window, static_cast<unsigned>(width), static_cast<unsigned>(height));
    x.Sync();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        const vorlin_test::XClient::Geometry size = x.WindowGeometry(window);
        if (size.width == width && size.height == height && CornersAreWhite(x, window)) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

std::string NetWmName(const vorlin_test::XClient& x, Window window) {
    Display* display = x.display();
    int format = 0;
    unsigned long items = 0;
    const auto bytes = PropertyBytes(display, window, XInternAtom(display, "_NET_WM_NAME", False),
                                     XInternAtom(display, "UTF8_STRING", False), format, items);
    return std::string(bytes.begin(), bytes.end());
}

std::vector<std::pair<long, long>> IconSizes(const vorlin_test::XClient& x, Window window) {
    Display* display = x.display();
    int format = 0;
    unsigned long items = 0;
    const auto bytes = PropertyBytes(display, window, XInternAtom(display, "_NET_WM_ICON", False),
                                     XA_CARDINAL, format, items);
    std::vector<std::pair<long, long>> sizes;
    if (format != 32) return sizes;
    std::vector<long> values(items);
    std::copy(bytes.begin(), bytes.end(), reinterpret_cast<unsigned char*>(values.data()));
    for (std::size_t at = 0; at + 2 <= values.size();) {
        const long width = values[at];
        const long height = values[at + 1];
        if (width <= 0 || height <= 0) break;
        sizes.emplace_back(width, height);
        at += 2 + static_cast<std::size_t>(width * height);
    }
    return sizes;
}

double ShareOf(const std::vector<std::uint32_t>& pixels, std::uint32_t colour) {
    if (pixels.empty()) return 0.0;
    const auto same = std::count(pixels.begin(), pixels.end(), colour);
    return static_cast<double>(same) / static_cast<double>(pixels.size());
}

void CloseWindow(vorlin_test::XClient& x, Window window) { x.RequestClose(window); }

}  // namespace vorlin_e2e
