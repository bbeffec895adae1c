// The test's own connection to the X server: it finds windows, reads their pixels and
// injects real input through the XTest extension, as a user at the server would.
//
//   vorlin_test::XClient x;                       // connects to DISPLAY
//   Window w = x.WaitForWindow("Vorlin Application");
//   x.MovePointer(w, 10, 10); x.PressButton(1); x.ReleaseButton(1); x.Sync();
//   std::uint32_t c = x.Pixel(w, 10, 10);         // 0x00BBGGRR, like the program's COLORREF
#pragma once

#include <X11/Xlib.h>

#include <cstdint>
#include <string>
#include <vector>

namespace vorlin_test {

class XClient {
public:
    // Throws std::runtime_error when DISPLAY cannot be opened or XTest is missing.
    XClient();
    ~XClient();
    XClient(const XClient&) = delete;
    XClient& operator=(const XClient&) = delete;

    Display* display() const { return display_; }
    Window root() const;

    // A top-level window whose WM_NAME equals name, or None.
    Window FindWindow(const std::string& name) const;
    // Polls for such a window that is also mapped, up to timeoutMs; None if it never shows.
    Window WaitForWindow(const std::string& name, int timeoutMs = 5000) const;
    // Polls until the window no longer exists (or the time is up); true if it is gone.
    bool WaitUntilGone(Window window, int timeoutMs = 5000) const;

    // Geometry of a window's inside, in root coordinates.
    struct Geometry { int x, y, width, height; };
    Geometry WindowGeometry(Window window) const;

    // Input through XTest; positions are relative to the window's top-left inside corner.
    void MovePointer(Window window, int x, int y);
    void MovePointerOnScreen(int x, int y);
    void PressButton(unsigned button);
    void ReleaseButton(unsigned button);
    void PressKey(unsigned long keysym);
    void ReleaseKey(unsigned long keysym);
    // Waits until the server has processed everything sent so far.
    void Sync();
    // Asks a window to close as a window manager does (WM_DELETE_WINDOW), then syncs.
    void RequestClose(Window window);

    // Pixels as 0x00BBGGRR; a read outside the window gives 0xFFFFFFFF.
    std::uint32_t Pixel(Window window, int x, int y) const;
    // Polls until the pixel shows colour; false after timeoutMs.
    bool WaitForPixel(Window window, int x, int y, std::uint32_t colour, int timeoutMs) const;
    // A rectangle of pixels, row-major, same encoding.
    std::vector<std::uint32_t> Pixels(Window window, int x, int y, int width, int height) const;

    // Maps an override-redirect window of one colour over a part of the screen; the caller
    // destroys it with DestroyCover. Used to hide and uncover parts of a window.
    Window MapCover(int x, int y, int width, int height, std::uint32_t colour);
    void DestroyCover(Window cover);

private:
    Display* display_ = nullptr;
};

}  // namespace vorlin_test
