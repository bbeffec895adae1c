// Sending what Xlib has buffered without reading anything back.
//
// XFlush also reads whatever the server has sent: one read that finds nothing, or two while
// Xlib still holds the last reply's request as pending (until an event arrives after it),
// each a system call. ReleaseDC sends at every stamping event; the message loop reads events
// itself (XPending, XNextEvent), so nothing is lost by not reading here.
//
// This uses the interface that Xlib documents for extension libraries, whose header does
// not mix with the layer's (it defines BOOL, min and max), so the file includes it alone.
#include <X11/Xlibint.h>

void SendBufferedRequests(Display* display) {
    LockDisplay(display);
    _XSend(display, nullptr, 0);
    UnlockDisplay(display);
}
