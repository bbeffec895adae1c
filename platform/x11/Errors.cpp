// X errors are listed, not swallowed: a few are expected and ignored (each with its reason
// below), every other one is reported on standard error as one line. Losing the connection
// ends the process at once with exit code 1.
#include "platform/x11/Errors.h"

#include <X11/Xlib.h>
#include <X11/Xproto.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

namespace {

struct IgnoredError {
    unsigned char request;
    unsigned char code;
    const char* reason;
};

// The window manager or the user may destroy or unmap a window at any time, so requests on
// a window that is already gone or not yet viewable can fail harmlessly.
constexpr IgnoredError kIgnored[] = {
    {X_SetInputFocus, BadMatch, "the message box is not viewable yet"},
    {X_SetInputFocus, BadWindow, "the message box was destroyed meanwhile"},
    {X_GrabPointer, BadWindow, "the capturing window was destroyed meanwhile"},
    {X_ChangeProperty, BadWindow, "the window was destroyed meanwhile"},
    {X_GetGeometry, BadDrawable, "the window was destroyed meanwhile"},
    {X_DestroyWindow, BadWindow, "the window was already destroyed by the server"},
    {X_SendEvent, BadWindow, "the window was destroyed meanwhile"},
};

bool IsIgnored(const XErrorEvent& error) {
    for (const IgnoredError& ignored : kIgnored) {
        if (ignored.request == error.request_code && ignored.code == error.error_code) return true;
    }
    return false;
}

int ReportError(Display* display, XErrorEvent* error) {
    if (IsIgnored(*error)) return 0;
    char text[160] = {};
    XGetErrorText(display, error->error_code, text, sizeof text);
    std::fprintf(stderr, "vorlin: X error: %s (request %u.%u, resource 0x%lx)\n", text,
                 error->request_code, error->minor_code, error->resourceid);
    return 0;
}

// Xlib must not be called again once the connection is gone, hence write(2) and _exit.
int ReportLostConnection(Display* display) {
    const char* name = DisplayString(display);
    char line[256];
    const int length = std::snprintf(line, sizeof line,
                                     "vorlin: lost the connection to the X server %s\n",
                                     name ? name : "");
    if (length > 0) {
        const auto size = static_cast<std::size_t>(length) < sizeof line ? static_cast<std::size_t>(length)
                                                                        : sizeof line - 1;
        [[maybe_unused]] const ssize_t written = write(STDERR_FILENO, line, size);
    }
    _exit(1);
}

}  // namespace

void InstallErrorHandlers() {
    XSetErrorHandler(ReportError);
    XSetIOErrorHandler(ReportLostConnection);
}
