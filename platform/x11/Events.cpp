// X events become what the other platform would give: exposures and size changes grow the
// update region, left-button and motion events become mouse messages with key-state flags,
// the window manager's close request becomes WM_CLOSE, Alt+F4 becomes WM_SYSKEYDOWN.
#include <X11/keysym.h>
#include <poll.h>

#include <chrono>

#include "platform/x11/LayerState.h"

namespace {

WPARAM KeyStateFlags(unsigned state) {
    WPARAM flags = 0;
    if (state & Button1Mask) flags |= MK_LBUTTON;
    if (state & Button2Mask) flags |= MK_MBUTTON;
    if (state & Button3Mask) flags |= MK_RBUTTON;
    if (state & ShiftMask) flags |= MK_SHIFT;
    if (state & ControlMask) flags |= MK_CONTROL;
    return flags;
}

bool InsideClient(const PlatformWindow& window, int x, int y) {
    return x >= 0 && y >= 0 && x < window.width && y < window.height;
}

void Post(PlatformWindow& window, UINT message, WPARAM wParam, LPARAM lParam) {
    Layer().queue.push_back(MSG{&window, message, wParam, lParam});
}

void OnExpose(PlatformWindow& window, const XExposeEvent& expose) {
    XRectangle part{static_cast<short>(expose.x), static_cast<short>(expose.y),
                    static_cast<unsigned short>(expose.width),
                    static_cast<unsigned short>(expose.height)};
    XUnionRectWithRegion(&part, window.update, window.update);
    window.eraseUpdate = true;
    window.viewable = true;
}

// CS_HREDRAW and CS_VREDRAW: a change of width or height makes all of it the update region.
void OnConfigure(PlatformWindow& window, const XConfigureEvent& configure) {
    const bool widthChanged = configure.width != window.width;
    const bool heightChanged = configure.height != window.height;
    window.width = configure.width;
    window.height = configure.height;
    const UINT style = window.windowClass->style;
    if ((widthChanged && (style & CS_HREDRAW)) || (heightChanged && (style & CS_VREDRAW))) {
        InvalidateWhole(window, true);
    }
}

// Without the capture a window hears of the pointer only while it is over the client area;
// X's implicit grab after a press would report moves and the release outside as well.
void OnPointer(PlatformWindow& window, int type, unsigned button, unsigned state, int x, int y) {
    const bool captured = Layer().capture == &window;
    if (type != ButtonPress && !captured && !InsideClient(window, x, y)) return;
    const LPARAM position = MakePointParam(x, y);
    if (type == MotionNotify) {
        Post(window, WM_MOUSEMOVE, KeyStateFlags(state), position);
    } else if (button == Button1 && type == ButtonPress) {
        Post(window, WM_LBUTTONDOWN, KeyStateFlags(state) | MK_LBUTTON, position);
    } else if (button == Button1) {
        Post(window, WM_LBUTTONUP, KeyStateFlags(state) & ~WPARAM{MK_LBUTTON}, position);
    }
}

void OnKeyPress(PlatformWindow& window, XKeyEvent key) {
    if ((key.state & Mod1Mask) && XLookupKeysym(&key, 0) == XK_F4) {
        Post(window, WM_SYSKEYDOWN, VK_F4, 1 | kAltDownBit);
    }
}

void OnClientMessage(PlatformWindow& window, const XClientMessageEvent& message) {
    const Atoms& atoms = Layer().atoms;
    if (message.message_type == atoms.wmProtocols && message.format == 32 &&
        static_cast<Atom>(message.data.l[0]) == atoms.wmDeleteWindow) {
        Post(window, WM_CLOSE, 0, 0);
    }
}

}  // namespace

void TranslateEvent(const XEvent& event) {
    PlatformWindow* window = WindowOfXid(event.xany.window);
    if (!window || window->destroying) return;
    switch (event.type) {
    case Expose: OnExpose(*window, event.xexpose); break;
    case ConfigureNotify: OnConfigure(*window, event.xconfigure); break;
    case MapNotify: window->viewable = true; break;
    case UnmapNotify: window->viewable = false; break;
    case ButtonPress:
    case ButtonRelease:
        OnPointer(*window, event.type, event.xbutton.button, event.xbutton.state, event.xbutton.x,
                  event.xbutton.y);
        break;
    case MotionNotify:
        OnPointer(*window, event.type, 0, event.xmotion.state, event.xmotion.x, event.xmotion.y);
        break;
    case KeyPress: OnKeyPress(*window, event.xkey); break;
    case ClientMessage: OnClientMessage(*window, event.xclient); break;
    default: break;
    }
}

void WaitUntilViewable(PlatformWindow& window, int timeoutMs) {
    LayerState& layer = Layer();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    HWND handle = &window;
    bool exposed = false;
    while (!exposed && LiveWindow(handle)) {
        XFlush(layer.display);
        while (!exposed && XPending(layer.display) > 0) {
            XEvent event;
            XNextEvent(layer.display, &event);
            exposed = event.type == Expose && event.xexpose.window == window.xid;
            TranslateEvent(event);
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (exposed || left.count() <= 0) return;
        pollfd connection{ConnectionNumber(layer.display), POLLIN, 0};
        poll(&connection, 1, static_cast<int>(left.count()));
    }
}
