// Everything the X11 layer knows, in one struct: the display connection, the registered
// classes, the live windows and drawing contexts, the pens and brushes, the message queue
// and the capture. Each file of platform/x11 works on Layer() and on the records below.
// Start reading at Display.cpp (opening the connection), then Windows.cpp and Messages.cpp.
#pragma once

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/cursorfont.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "platform/Platform.h"

// The frame and caption that the layer reckons around the client area: CreateWindowExA is
// given outer sizes and creates the X window at the client size.
constexpr int kFrameWidth = 4;
constexpr int kCaptionHeight = 26;

// Bit 29 of a key message's second parameter: Alt was held.
constexpr LPARAM kAltDownBit = LPARAM{1} << 29;

struct WindowClass {
    std::string name;
    UINT style = 0;
    WNDPROC procedure = nullptr;
    HICON icon = nullptr;
    HCURSOR cursor = nullptr;
    HBRUSH background = nullptr;
};

// A GC and the foreground it was last given, so that drawing again in the colour it already
// has makes no call. X gives a new GC the foreground 0.
struct LayerGc {
    GC handle = nullptr;
    unsigned long foreground = 0;
};

struct PlatformWindow {
    Window xid = None;
    const WindowClass* windowClass = nullptr;
    WNDPROC procedure = nullptr;
    LONG_PTR userData = 0;
    int width = 0;   // client size, kept up to date from ConfigureNotify
    int height = 0;
    Region update = nullptr;  // the part that waits for WM_PAINT; never null while live
    LayerGc clientGc;         // shared by the window's client contexts; made at the first GetDC
    bool eraseUpdate = false;
    bool shown = false;
    bool viewable = false;
    bool destroying = false;
};

struct PlatformGdiObject {
    enum class Kind { Pen, Brush };
    Kind kind = Kind::Brush;
    COLORREF colour = 0;
    unsigned long pixel = 0;  // colour on the display's visual, kept up to date by the layer
    bool stock = false;
};

struct PlatformDrawingContext {
    PlatformWindow* window = nullptr;
    LayerGc* gc = nullptr;  // &paintGc when painting, else &window->clientGc
    LayerGc paintGc;
    HGDIOBJ pen = nullptr;
    HGDIOBJ brush = nullptr;
    Region clip = nullptr;  // painting only: the update region, which the GC is clipped to
    XRectangle clipBox{};   // the bounds of where drawing may land, in client coordinates
    bool painting = false;  // from BeginPaint rather than GetDC
};

struct PlatformIcon {
    WORD resource = 0;
};

struct PlatformCursor {
    unsigned shape = 0;  // an X cursor font glyph
};

struct PlatformModule {};

struct Atoms {
    Atom wmProtocols = None;
    Atom wmDeleteWindow = None;
    Atom netWmName = None;
    Atom netWmIcon = None;
    Atom netWmWindowType = None;
    Atom netWmWindowTypeDialog = None;
    Atom utf8String = None;
};

struct VisualMasks {
    unsigned long red = 0, green = 0, blue = 0;
};

struct LayerState {
    Display* display = nullptr;
    int screen = 0;
    Atoms atoms;
    VisualMasks masks;
    XFontStruct* font = nullptr;
    std::vector<std::unique_ptr<WindowClass>> classes;
    std::vector<std::unique_ptr<PlatformWindow>> windows;
    std::vector<std::unique_ptr<PlatformDrawingContext>> contexts;
    std::vector<std::unique_ptr<PlatformGdiObject>> objects;
    PlatformModule module;
    PlatformIcon programIcon{100};           // the one icon resource
    PlatformCursor arrowCursor{XC_left_ptr};  // the one cursor
    PlatformGdiObject blackPen{PlatformGdiObject::Kind::Pen, 0x000000u, 0, true};
    PlatformGdiObject whiteBrush{PlatformGdiObject::Kind::Brush, 0xFFFFFFu, 0, true};
    std::deque<MSG> queue;
    HWND capture = nullptr;
    std::string lastError;
};

LayerState& Layer();

// Display.cpp: opens the connection on first use; false (and the error text) if it cannot.
bool EnsureDisplay();
unsigned long PixelOf(COLORREF colour);
void SetLastError(std::string text);

// Classes.cpp
const WindowClass* FindClass(const char* name);

// Windows.cpp
PlatformWindow* LiveWindow(HWND window);
PlatformWindow* WindowOfXid(Window xid);
void InvalidateWhole(PlatformWindow& window, bool erase);
// WM_NAME and _NET_WM_NAME from a narrow title.
void SetWindowTitle(Window xid, const char* title);

// Events.cpp: turns one X event into messages, update regions or window state.
void TranslateEvent(const XEvent& event);
// Waits until the window is viewable or the time is up, translating what arrives meanwhile.
void WaitUntilViewable(PlatformWindow& window, int timeoutMs);

// Icon.cpp
void SetWindowIcon(Window xid, HICON icon);

// SendRequests.cpp: sends the buffered requests, like XFlush, but reads nothing.
void SendBufferedRequests(Display* display);
