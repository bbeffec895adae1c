// CMarkWnd's left-button handlers: every press, and every move with the left button held,
// is one stamping event that reads the settings file afresh, plans the dots for the
// pointer and draws them straight onto the window. Nothing of a stroke is kept here: the
// mouse capture, held by the window system, is the only state between events.
#include "app/MarkWnd.h"
#include "canvas/StampDots.h"
#include "geometry/PlanStamp.h"
#include "platform/framework/ClientDC.h"
#include "settings/ReadMarkSettings.h"

namespace {

enum class Capture { Take, Leave };

// A CFileException from the settings or a CResourceException from the context ends the
// event before anything is drawn or captured; the window procedure reports it.
void StampEvent(CMarkWnd& window, UINT flags, POINT point, Capture capture) {
    const MarkSettings settings = ReadMarkSettings();
    RECT client;
    window.GetClientRect(&client);
    const StampPlan plan = PlanStamp(point.x, point.y, client, settings, (flags & MK_SHIFT) != 0);
    CClientDC context(&window);
    StampDots(context, plan);
    if (capture == Capture::Take) SetCapture(window.m_hWnd);
}

}  // namespace

void CMarkWnd::BeginStroke(UINT flags, POINT point) {
    Default();
    StampEvent(*this, flags, point, Capture::Take);
}

void CMarkWnd::ContinueStroke(UINT flags, POINT point) {
    Default();
    if ((flags & MK_LBUTTON) == 0) return;
    StampEvent(*this, flags, point, Capture::Leave);
}

void CMarkWnd::EndStroke(UINT, POINT) {
    Default();
    ReleaseCapture();
}
