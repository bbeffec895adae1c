// The test's own X connection: finding windows, reading pixels, injecting XTest input.
#include "tests/support/XClient.h"

#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <unistd.h>

#include <chrono>
#include <memory>
#include <stdexcept>
#include <thread>

namespace vorlin_test {
namespace {

// Channel value from a pixel, by the visual's mask.
std::uint32_t Channel(unsigned long pixel, unsigned long mask) {
    if (mask == 0) return 0;
    int shift = 0;
    while (((mask >> shift) & 1u) == 0) ++shift;
    unsigned long bits = mask >> shift;
    int width = 0;
    while ((bits >> width) & 1u) ++width;
    const unsigned long value = (pixel & mask) >> shift;
    return static_cast<std::uint32_t>(value * 255u / ((1ul << width) - 1u));
}

std::uint32_t ToColour(const XImage* image, unsigned long pixel) {
    return Channel(pixel, image->red_mask) | Channel(pixel, image->green_mask) << 8 |
           Channel(pixel, image->blue_mask) << 16;
}

bool HasName(Display* display, Window window, const std::string& name) {
    char* windowName = nullptr;
    if (!XFetchName(display, window, &windowName) || windowName == nullptr) return false;
    const bool same = name == windowName;
    XFree(windowName);
    return same;
}

bool IsMappedAndViewable(Display* display, Window window) {
    XWindowAttributes attributes;
    return XGetWindowAttributes(display, window, &attributes) &&
           attributes.map_state == IsViewable;
}

// Searches the tree below parent, depth first, so reparenting window managers do not hide it.
Window FindBelow(Display* display, Window parent, const std::string& name) {
    Window rootReturn = None, parentReturn = None;
    Window* children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, parent, &rootReturn, &parentReturn, &children, &count)) return None;
    Window found = None;
    for (unsigned i = 0; i < count && found == None; ++i) {
        found = HasName(display, children[i], name) ? children[i]
                                                     : FindBelow(display, children[i], name);
    }
    if (children) XFree(children);
    return found;
}

int IgnoreErrors(Display*, XErrorEvent*) { return 0; }

}  // namespace

XClient::XClient() {
    display_ = XOpenDisplay(nullptr);
    if (!display_) throw std::runtime_error("XClient: cannot open display");
    int event = 0, error = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(display_, &event, &error, &major, &minor)) {
        XCloseDisplay(display_);
        throw std::runtime_error("XClient: the server has no XTest extension");
    }
    // Windows of the program under test may vanish between two of our requests.
    XSetErrorHandler(IgnoreErrors);
}

XClient::~XClient() { XCloseDisplay(display_); }

Window XClient::root() const { return DefaultRootWindow(display_); }

Window XClient::FindWindow(const std::string& name) const {
    return FindBelow(display_, root(), name);
}

Window XClient::WaitForWindow(const std::string& name, int timeoutMs) const {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    do {
        const Window window = FindWindow(name);
        if (window != None && IsMappedAndViewable(display_, window)) return window;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    } while (std::chrono::steady_clock::now() < deadline);
    return None;
}

bool XClient::WaitUntilGone(Window window, int timeoutMs) const {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    do {
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(display_, window, &attributes)) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    } while (std::chrono::steady_clock::now() < deadline);
    return false;
}

XClient::Geometry XClient::WindowGeometry(Window window) const {
    XWindowAttributes attributes{};
    XGetWindowAttributes(display_, window, &attributes);
    int x = 0, y = 0;
    Window child = None;
    XTranslateCoordinates(display_, window, root(), 0, 0, &x, &y, &child);
    return {x, y, attributes.width, attributes.height};
}

void XClient::MovePointer(Window window, int x, int y) {
    const Geometry where = WindowGeometry(window);
    MovePointerOnScreen(where.x + x, where.y + y);
}

void XClient::MovePointerOnScreen(int x, int y) {
    XTestFakeMotionEvent(display_, DefaultScreen(display_), x, y, CurrentTime);
    XFlush(display_);
}

void XClient::PressButton(unsigned button) {
    XTestFakeButtonEvent(display_, button, True, CurrentTime);
    XFlush(display_);
}

void XClient::ReleaseButton(unsigned button) {
    XTestFakeButtonEvent(display_, button, False, CurrentTime);
    XFlush(display_);
}

void XClient::PressKey(unsigned long keysym) {
    XTestFakeKeyEvent(display_, XKeysymToKeycode(display_, keysym), True, CurrentTime);
    XFlush(display_);
}

void XClient::ReleaseKey(unsigned long keysym) {
    XTestFakeKeyEvent(display_, XKeysymToKeycode(display_, keysym), False, CurrentTime);
    XFlush(display_);
}

void XClient::Sync() { XSync(display_, False); }

std::uint32_t XClient::Pixel(Window window, int x, int y) const {
    const std::vector<std::uint32_t> one = Pixels(window, x, y, 1, 1);
    return one.empty() ? 0xFFFFFFFFu : one[0];
}

bool XClient::WaitForPixel(Window window, int x, int y, std::uint32_t colour, int timeoutMs) const {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (Pixel(window, x, y) != colour) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

void XClient::RequestClose(Window window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display_, window, False, NoEventMask, &event);
    Sync();
}

std::vector<std::uint32_t> XClient::Pixels(Window window, int x, int y, int width,
                                           int height) const {
    XSync(display_, False);
    XImage* image = XGetImage(display_, window, x, y, static_cast<unsigned>(width),
                              static_cast<unsigned>(height), AllPlanes, ZPixmap);
    if (!image) return {};
    std::vector<std::uint32_t> pixels;
    pixels.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            pixels.push_back(ToColour(image, XGetPixel(image, column, row)));
        }
    }
    XDestroyImage(image);
    return pixels;
}

Window XClient::MapCover(int x, int y, int width, int height, std::uint32_t colour) {
    XSetWindowAttributes attributes{};
    attributes.override_redirect = True;
    const unsigned long pixel = (colour & 0xFFu) << 16 | (colour & 0xFF00u) | (colour >> 16 & 0xFFu);
    attributes.background_pixel = pixel;
    const Window cover = XCreateWindow(
        display_, root(), x, y, static_cast<unsigned>(width), static_cast<unsigned>(height), 0,
        CopyFromParent, InputOutput, CopyFromParent, CWOverrideRedirect | CWBackPixel,
        &attributes);
    XMapRaised(display_, cover);
    XSync(display_, False);
    return cover;
}

void XClient::DestroyCover(Window cover) {
    XDestroyWindow(display_, cover);
    XSync(display_, False);
}

}  // namespace vorlin_test
