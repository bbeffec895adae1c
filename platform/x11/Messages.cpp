// The message queue: posted messages first, then input translated from X events, then
// WM_PAINT for a window whose update region is not empty; GetMessageA blocks on the X
// connection (flushing it) only when none of these is waiting.
#include "platform/x11/LayerState.h"

namespace {

// X events become messages one at a time, only when none is waiting: whether a move
// outside the window reaches it depends on the capture at the time the message is taken,
// and the press before it may be what takes the capture.
void TranslatePendingEvents() {
    Display* display = Layer().display;
    if (!display) return;
    while (Layer().queue.empty() && XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        TranslateEvent(event);
    }
}

PlatformWindow* WindowNeedingPaint() {
    for (const auto& window : Layer().windows) {
        if (!window->destroying && !XEmptyRegion(window->update)) return window.get();
    }
    return nullptr;
}

bool TakeQueued(MSG* message, bool remove) {
    auto& queue = Layer().queue;
    if (queue.empty()) return false;
    *message = queue.front();
    if (remove) queue.pop_front();
    return true;
}

// A queued message, else WM_PAINT for a window that needs it.
bool NextWaiting(MSG* message, bool remove) {
    TranslatePendingEvents();
    if (TakeQueued(message, remove)) return true;
    PlatformWindow* window = WindowNeedingPaint();
    if (!window) return false;
    *message = MSG{window, WM_PAINT, 0, 0};
    return true;
}

}  // namespace

BOOL GetMessageA(MSG* message, HWND, UINT, UINT) {
    for (;;) {
        if (NextWaiting(message, true)) return message->message == WM_QUIT ? FALSE : TRUE;
        if (!Layer().display) {
            SetLastError("no window exists, so no message can arrive");
            return -1;
        }
        XEvent event;
        XNextEvent(Layer().display, &event);
        TranslateEvent(event);
    }
}

BOOL PeekMessageA(MSG* message, HWND, UINT, UINT, UINT removeMessage) {
    if (!message) return FALSE;
    return NextWaiting(message, (removeMessage & PM_REMOVE) != 0) ? TRUE : FALSE;
}

BOOL TranslateMessage(const MSG*) { return FALSE; }

LRESULT DispatchMessageA(const MSG* message) {
    if (!message || !message->hwnd) return 0;
    return SendMessageA(message->hwnd, message->message, message->wParam, message->lParam);
}

LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const PlatformWindow* target = LiveWindow(window);
    if (!target || !target->procedure) return 0;
    return target->procedure(window, message, wParam, lParam);
}

BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (window && !LiveWindow(window)) return FALSE;
    Layer().queue.push_back(MSG{window, message, wParam, lParam});
    return TRUE;
}

void PostQuitMessage(int exitCode) {
    Layer().queue.push_back(MSG{nullptr, WM_QUIT, static_cast<WPARAM>(exitCode), 0});
}

LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_PAINT: {
        // A window that does not paint still has its update region validated.
        PAINTSTRUCT paint{};
        if (BeginPaint(window, &paint)) EndPaint(window, &paint);
        return 0;
    }
    case WM_SYSKEYDOWN:
        if (wParam == VK_F4 && (lParam & kAltDownBit) != 0) {
            SendMessageA(window, WM_CLOSE, 0, 0);
        }
        return 0;
    default:
        return 0;
    }
}
