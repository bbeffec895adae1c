// MessageBoxA: a small modal window of our own with the stop icon (a red disc with a white
// cross), the text and an OK button. Its loop runs until Enter, Escape, a click on OK or the
// window manager's close; meanwhile other windows take no keyboard or pointer input but
// still repaint. Posted messages stay queued for the main loop.
#include <X11/Xatom.h>
#include <X11/keysym.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/x11/LayerState.h"
#include "platform/x11/Text.h"

namespace {

constexpr int kMargin = 14;
constexpr int kIconSize = 32;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 26;
constexpr int kMinimumWidth = 260;
constexpr COLORREF kFace = 0x00F0F0F0u;
constexpr COLORREF kRed = 0x001C1CD0u;
constexpr long kBoxEvents = ExposureMask | KeyPressMask | ButtonPressMask | ButtonReleaseMask |
                            StructureNotifyMask;

struct Layout {
    std::vector<std::string> lines;
    int lineHeight = 16, ascent = 12;
    int width = kMinimumWidth, height = 0;
    XRectangle button{};
};

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines(1);
    for (const char c : text) {
        if (c == '\n') lines.emplace_back(); else lines.back() += c;
    }
    return lines;
}

Layout Arrange(const char* text) {
    Layout layout;
    layout.lines = SplitLines(text ? text : "");
    int textWidth = 0;
    if (const XFontStruct* font = SystemFont()) {
        layout.lineHeight = font->ascent + font->descent;
        layout.ascent = font->ascent;
        for (const std::string& line : layout.lines) {
            textWidth = std::max(textWidth, XTextWidth(const_cast<XFontStruct*>(font), line.data(),
                                                       static_cast<int>(line.size())));
        }
    }
    const int textHeight = layout.lineHeight * static_cast<int>(std::min<std::size_t>(layout.lines.size(), 100));
    layout.width = std::clamp(3 * kMargin + kIconSize + textWidth, kMinimumWidth, 1000);
    const int body = std::clamp(textHeight, kIconSize, 600);
    layout.height = 3 * kMargin + body + kButtonHeight;
    layout.button = XRectangle{static_cast<short>((layout.width - kButtonWidth) / 2),
                               static_cast<short>(2 * kMargin + body), kButtonWidth, kButtonHeight};
    return layout;
}

// Centred over the owner where there is one, else over the screen.
XPoint Placement(HWND owner, const Layout& layout) {
    LayerState& layer = Layer();
    int centreX = DisplayWidth(layer.display, layer.screen) / 2;
    int centreY = DisplayHeight(layer.display, layer.screen) / 2;
    if (const PlatformWindow* window = LiveWindow(owner)) {
        Window child = None;
        XTranslateCoordinates(layer.display, window->xid, RootWindow(layer.display, layer.screen),
                              window->width / 2, window->height / 2, &centreX, &centreY, &child);
    }
    return XPoint{static_cast<short>(std::max(0, centreX - layout.width / 2)),
                  static_cast<short>(std::max(0, centreY - layout.height / 2))};
}

// A fixed-size dialog, transient for its owner, that the window manager may close.
void SetBoxHints(Window box, HWND owner, const char* caption, const Layout& layout, XPoint where) {
    LayerState& layer = Layer();
    SetWindowTitle(box, caption ? caption : "");
    if (const PlatformWindow* window = LiveWindow(owner)) XSetTransientForHint(layer.display, box, window->xid);
    const Atom dialog = layer.atoms.netWmWindowTypeDialog;
    XChangeProperty(layer.display, box, layer.atoms.netWmWindowType, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&dialog), 1);
    Atom protocols[] = {layer.atoms.wmDeleteWindow};
    XSetWMProtocols(layer.display, box, protocols, 1);
    XSizeHints size{};
    size.flags = PPosition | PMinSize | PMaxSize;
    size.x = where.x;
    size.y = where.y;
    size.min_width = size.max_width = layout.width;
    size.min_height = size.max_height = layout.height;
    XSetWMNormalHints(layer.display, box, &size);
}

Window CreateBox(HWND owner, const char* caption, const Layout& layout) {
    LayerState& layer = Layer();
    const XPoint where = Placement(owner, layout);
    XSetWindowAttributes attributes{};
    attributes.background_pixel = PixelOf(kFace);
    attributes.border_pixel = PixelOf(0);
    attributes.event_mask = kBoxEvents;
    // A border of its own keeps the box visible over a white window without a window manager.
    const Window box = XCreateWindow(
        layer.display, RootWindow(layer.display, layer.screen), where.x, where.y,
        static_cast<unsigned>(layout.width), static_cast<unsigned>(layout.height), 1,
        CopyFromParent, InputOutput, CopyFromParent, CWBackPixel | CWBorderPixel | CWEventMask,
        &attributes);
    SetBoxHints(box, owner, caption, layout, where);
    return box;
}

void DrawStopIcon(Window box, GC gc) {
    Display* display = Layer().display;
    XSetForeground(display, gc, PixelOf(kRed));
    XFillArc(display, box, gc, kMargin, kMargin, kIconSize, kIconSize, 0, 360 * 64);
    XSetForeground(display, gc, PixelOf(kWhite));
    XSetLineAttributes(display, gc, 4, LineSolid, CapButt, JoinMiter);
    const int low = kMargin + 10, high = kMargin + kIconSize - 10;
    XDrawLine(display, box, gc, low, low, high, high);
    XDrawLine(display, box, gc, low, high, high, low);
    XSetLineAttributes(display, gc, 0, LineSolid, CapButt, JoinMiter);
}

void DrawBox(Window box, const Layout& layout) {
    Display* display = Layer().display;
    GC gc = XCreateGC(display, box, 0, nullptr);
    const XFontStruct* font = SystemFont();
    if (font) XSetFont(display, gc, font->fid);
    DrawStopIcon(box, gc);
    XSetForeground(display, gc, PixelOf(0));
    const int textX = 2 * kMargin + kIconSize;
    for (std::size_t i = 0; i < layout.lines.size(); ++i) {
        const std::string& line = layout.lines[i];
        XDrawString(display, box, gc, textX, kMargin + layout.ascent + static_cast<int>(i) * layout.lineHeight,
                    line.data(), static_cast<int>(line.size()));
    }
    const XRectangle& button = layout.button;
    XSetForeground(display, gc, PixelOf(kWhite));
    XFillRectangle(display, box, gc, button.x, button.y, button.width, button.height);
    XSetForeground(display, gc, PixelOf(0));
    XDrawRectangle(display, box, gc, button.x, button.y, button.width - 1u, button.height - 1u);
    const int labelWidth = font ? XTextWidth(const_cast<XFontStruct*>(font), "OK", 2) : 16;
    XDrawString(display, box, gc, button.x + (button.width - labelWidth) / 2,
                button.y + (button.height + layout.ascent) / 2 - 1, "OK", 2);
    XFreeGC(display, gc);
}

bool OnButton(const XRectangle& button, int x, int y) {
    return x >= button.x && y >= button.y && x < button.x + button.width &&
           y < button.y + button.height;
}

// One event for the box itself; true when it closes the box.
bool HandleBoxEvent(Window box, const Layout& layout, XEvent& event, bool& pressedOnButton) {
    switch (event.type) {
    case Expose:
        if (event.xexpose.count == 0) DrawBox(box, layout);
        return false;
    case MapNotify:
        XSetInputFocus(Layer().display, box, RevertToParent, CurrentTime);
        return false;
    case KeyPress: {
        const KeySym key = XLookupKeysym(&event.xkey, 0);
        return key == XK_Return || key == XK_KP_Enter || key == XK_Escape;
    }
    case ButtonPress:
        pressedOnButton = event.xbutton.button == Button1 &&
                          OnButton(layout.button, event.xbutton.x, event.xbutton.y);
        return false;
    case ButtonRelease:
        return pressedOnButton && event.xbutton.button == Button1 &&
               OnButton(layout.button, event.xbutton.x, event.xbutton.y);
    case ClientMessage:
        return static_cast<Atom>(event.xclient.data.l[0]) == Layer().atoms.wmDeleteWindow;
    default:
        return false;
    }
}

bool IsInput(const XEvent& event) {
    switch (event.type) {
    case KeyPress: case KeyRelease: case ButtonPress: case ButtonRelease: case MotionNotify:
        return true;
    default:
        return false;
    }
}

// Other windows keep repainting while the box is up.
void PaintOtherWindows() {
    for (std::size_t i = 0; i < Layer().windows.size(); ++i) {
        PlatformWindow* window = Layer().windows[i].get();
        if (!window->destroying && !XEmptyRegion(window->update)) SendMessageA(window, WM_PAINT, 0, 0);
    }
}

void RunBox(Window box, const Layout& layout) {
    Display* display = Layer().display;
    bool pressedOnButton = false;
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.xany.window == box) {
            if (HandleBoxEvent(box, layout, event, pressedOnButton)) return;
        } else if (!IsInput(event)) {
            TranslateEvent(event);
            PaintOtherWindows();
        }
    }
}

}  // namespace

int MessageBoxA(HWND owner, const char* text, const char* caption, UINT) {
    if (!EnsureDisplay()) return 0;
    ReleaseCapture();
    const Layout layout = Arrange(text);
    const Window box = CreateBox(owner, caption, layout);
    XMapRaised(Layer().display, box);
    RunBox(box, layout);
    XDestroyWindow(Layer().display, box);
    XFlush(Layer().display);
    return IDOK;
}
