// Windows: creation at the client size with the window manager hints, showing, the first
// paint, destruction, invalidation, and the window's data slots.
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "platform/x11/LayerState.h"

namespace {

constexpr long kWindowEvents = ExposureMask | StructureNotifyMask | ButtonPressMask |
                               ButtonReleaseMask | PointerMotionMask | KeyPressMask;
constexpr int kShowTimeoutMs = 2000;

// Outer size to client size: the frame on both sides, the caption on top, at least 1 pixel.
unsigned ClientExtent(int outer, int decoration) {
    const std::int64_t inside = static_cast<std::int64_t>(outer) - decoration;
    return static_cast<unsigned>(std::clamp<std::int64_t>(inside, 1, 32767));
}

// The narrow title is taken as Latin-1, as WM_NAME is; _NET_WM_NAME wants UTF-8.
std::string Utf8FromLatin1(const char* text) {
    std::string utf8;
    for (const char* c = text; *c; ++c) {
        const auto byte = static_cast<unsigned char>(*c);
        if (byte < 0x80) {
            utf8 += static_cast<char>(byte);
        } else {
            utf8 += static_cast<char>(0xC0 | byte >> 6);
            utf8 += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return utf8;
}

void SetManagerHints(Window xid, int x, int y, unsigned width, unsigned height) {
    LayerState& layer = Layer();
    XSizeHints size{};
    size.flags = USPosition | USSize;
    size.x = x;
    size.y = y;
    size.width = static_cast<int>(width);
    size.height = static_cast<int>(height);
    XSetWMNormalHints(layer.display, xid, &size);
    XWMHints manager{};
    manager.flags = InputHint | StateHint;
    manager.input = True;  // the window takes keyboard focus, for Alt+F4
    manager.initial_state = NormalState;
    XSetWMHints(layer.display, xid, &manager);
    char resourceName[] = "vorlin";
    char resourceClass[] = "Vorlin";
    XClassHint classHint{resourceName, resourceClass};
    XSetClassHint(layer.display, xid, &classHint);
    Atom protocols[] = {layer.atoms.wmDeleteWindow};
    XSetWMProtocols(layer.display, xid, protocols, 1);
}

Window CreateXWindow(const WindowClass& windowClass, int x, int y, unsigned width,
                     unsigned height) {
    LayerState& layer = Layer();
    XSetWindowAttributes attributes{};
    attributes.background_pixmap = None;  // BeginPaint erases, as the class asks
    attributes.event_mask = kWindowEvents;
    unsigned long mask = CWBackPixmap | CWEventMask;
    if (windowClass.cursor) {
        attributes.cursor = XCreateFontCursor(layer.display, windowClass.cursor->shape);
        mask |= CWCursor;
    }
    const int clampedX = std::clamp(x, -32768, 32767);
    const int clampedY = std::clamp(y, -32768, 32767);
    return XCreateWindow(layer.display, RootWindow(layer.display, layer.screen), clampedX,
                         clampedY, width, height, 0, CopyFromParent, InputOutput, CopyFromParent,
                         mask, &attributes);
}

void DropQueuedMessages(HWND window) {
    auto& queue = Layer().queue;
    queue.erase(std::remove_if(queue.begin(), queue.end(),
                               [window](const MSG& message) { return message.hwnd == window; }),
                queue.end());
}

void DetachContexts(PlatformWindow* window) {
    for (const auto& context : Layer().contexts) {
        if (context->window == window) context->window = nullptr;
    }
}

void ForgetWindow(PlatformWindow* window) {
    auto& windows = Layer().windows;
    windows.erase(std::remove_if(windows.begin(), windows.end(),
                                 [window](const auto& held) { return held.get() == window; }),
                  windows.end());
}

}  // namespace

void SetWindowTitle(Window xid, const char* title) {
    LayerState& layer = Layer();
    XStoreName(layer.display, xid, title);
    const std::string utf8 = Utf8FromLatin1(title);
    XChangeProperty(layer.display, xid, layer.atoms.netWmName, layer.atoms.utf8String, 8,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(utf8.data()),
                    static_cast<int>(utf8.size()));
}

PlatformWindow* LiveWindow(HWND window) {
    if (!window) return nullptr;
    for (const auto& held : Layer().windows) {
        if (held.get() == window) return held.get();
    }
    return nullptr;
}

PlatformWindow* WindowOfXid(Window xid) {
    for (const auto& held : Layer().windows) {
        if (held->xid == xid) return held.get();
    }
    return nullptr;
}

void InvalidateWhole(PlatformWindow& window, bool erase) {
    XRectangle whole{0, 0, static_cast<unsigned short>(window.width),
                     static_cast<unsigned short>(window.height)};
    XUnionRectWithRegion(&whole, window.update, window.update);
    window.eraseUpdate = window.eraseUpdate || erase;
}

HWND CreateWindowExA(DWORD, const char* className, const char* windowName, DWORD, int x, int y,
                     int width, int height, HWND, HMENU, HINSTANCE, void*) {
    if (!EnsureDisplay()) return nullptr;
    const WindowClass* windowClass = className ? FindClass(className) : nullptr;
    if (!windowClass) {
        SetLastError(std::string("no window class \"") + (className ? className : "") + "\"");
        return nullptr;
    }
    LayerState& layer = Layer();
    const unsigned clientWidth = ClientExtent(width, 2 * kFrameWidth);
    const unsigned clientHeight = ClientExtent(height, kCaptionHeight + 2 * kFrameWidth);
    auto window = std::make_unique<PlatformWindow>();
    window->xid = CreateXWindow(*windowClass, x, y, clientWidth, clientHeight);
    window->windowClass = windowClass;
    window->procedure = windowClass->procedure;
    window->width = static_cast<int>(clientWidth);
    window->height = static_cast<int>(clientHeight);
    window->update = XCreateRegion();
    SetWindowTitle(window->xid, windowName ? windowName : "");
    SetManagerHints(window->xid, x, y, clientWidth, clientHeight);
    SetWindowIcon(window->xid, windowClass->icon);
    layer.windows.push_back(std::move(window));
    HWND created = layer.windows.back().get();
    SendMessageA(created, WM_CREATE, 0, 0);
    return LiveWindow(created);
}

BOOL DestroyWindow(HWND window) {
    PlatformWindow* target = LiveWindow(window);
    if (!target) return FALSE;
    if (target->destroying) return TRUE;
    target->destroying = true;
    if (Layer().capture == target) ReleaseCapture();
    SendMessageA(target, WM_DESTROY, 0, 0);
    SendMessageA(target, WM_NCDESTROY, 0, 0);
    XDestroyWindow(Layer().display, target->xid);
    XDestroyRegion(target->update);
    // Client contexts still held lose their window (DetachContexts) and never draw again.
    if (target->clientGc.handle) XFreeGC(Layer().display, target->clientGc.handle);
    XFlush(Layer().display);
    DropQueuedMessages(target);
    DetachContexts(target);
    ForgetWindow(target);
    return TRUE;
}

BOOL ShowWindow(HWND window, int showCommand) {
    PlatformWindow* target = LiveWindow(window);
    if (!target) return FALSE;
    const BOOL wasShown = target->shown ? TRUE : FALSE;
    if (showCommand == SW_HIDE) {
        XUnmapWindow(Layer().display, target->xid);
        target->shown = false;
        target->viewable = false;
    } else if (!target->shown) {
        XMapWindow(Layer().display, target->xid);
        target->shown = true;
        InvalidateWhole(*target, true);
    }
    XFlush(Layer().display);
    return wasShown;
}

BOOL UpdateWindow(HWND window) {
    PlatformWindow* target = LiveWindow(window);
    if (!target) return FALSE;
    if (target->shown && !target->viewable) WaitUntilViewable(*target, kShowTimeoutMs);
    target = LiveWindow(window);
    if (target && !XEmptyRegion(target->update)) SendMessageA(target, WM_PAINT, 0, 0);
    return TRUE;
}

BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase) {
    PlatformWindow* target = LiveWindow(window);
    if (!target) return FALSE;
    if (!rect) {
        InvalidateWhole(*target, erase != FALSE);
        return TRUE;
    }
    const int left = std::clamp(rect->left, 0, target->width);
    const int top = std::clamp(rect->top, 0, target->height);
    const int right = std::clamp(rect->right, left, target->width);
    const int bottom = std::clamp(rect->bottom, top, target->height);
    XRectangle part{static_cast<short>(left), static_cast<short>(top),
                    static_cast<unsigned short>(right - left),
                    static_cast<unsigned short>(bottom - top)};
    if (part.width > 0 && part.height > 0) XUnionRectWithRegion(&part, target->update, target->update);
    target->eraseUpdate = target->eraseUpdate || erase != FALSE;
    return TRUE;
}

BOOL GetClientRect(HWND window, RECT* rect) {
    const PlatformWindow* target = LiveWindow(window);
    if (!target || !rect) return FALSE;
    *rect = RECT{0, 0, target->width, target->height};
    return TRUE;
}

LONG_PTR SetWindowLongPtrA(HWND window, int index, LONG_PTR value) {
    PlatformWindow* target = LiveWindow(window);
    if (!target) return 0;
    const LONG_PTR previous = GetWindowLongPtrA(window, index);
    if (index == GWLP_WNDPROC) target->procedure = reinterpret_cast<WNDPROC>(value);
    if (index == GWLP_USERDATA) target->userData = value;
    return previous;
}

LONG_PTR GetWindowLongPtrA(HWND window, int index) {
    const PlatformWindow* target = LiveWindow(window);
    if (!target) return 0;
    if (index == GWLP_WNDPROC) return reinterpret_cast<LONG_PTR>(target->procedure);
    if (index == GWLP_USERDATA) return target->userData;
    return 0;
}
