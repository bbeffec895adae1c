// The mouse capture is an active pointer grab: while a window holds it, every button and
// motion event comes to that window, with coordinates relative to it (negative left of or
// above it), so a stroke goes on outside the window.
#include "platform/x11/LayerState.h"

namespace {
constexpr unsigned kGrabbedEvents = ButtonPressMask | ButtonReleaseMask | PointerMotionMask;
}

HWND SetCapture(HWND window) {
    LayerState& layer = Layer();
    const HWND previous = layer.capture;
    PlatformWindow* target = LiveWindow(window);
    if (!target) return previous;
    XGrabPointer(layer.display, target->xid, False, kGrabbedEvents, GrabModeAsync, GrabModeAsync,
                 None, None, CurrentTime);
    XFlush(layer.display);
    layer.capture = target;
    return previous;
}

BOOL ReleaseCapture() {
    LayerState& layer = Layer();
    if (!layer.capture) return TRUE;
    layer.capture = nullptr;
    XUngrabPointer(layer.display, CurrentTime);
    XFlush(layer.display);
    return TRUE;
}

HWND GetCapture() { return Layer().capture; }
