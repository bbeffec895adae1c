// Ellipse and Arc. A box covers the pixels left..right-1 and top..bottom-1; it is
// normalised first, and an empty one draws nothing. Boxes that X arcs can carry (16-bit
// coordinates) go to XFillArc/XDrawArc; larger ones are rasterised here as horizontal
// spans clipped to the drawable part, so any int32 box is safe.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "platform/x11/DrawingContext.h"
#include "platform/x11/EllipseSpans.h"

namespace {

constexpr std::int64_t kArcLimit = 8192;  // boxes within +-kArcLimit suit X arcs
constexpr int kFullCircle = 360 * 64;

struct Box {
    std::int64_t left, top, right, bottom;
    std::int64_t width() const { return right - left; }
    std::int64_t height() const { return bottom - top; }
};

Box Normalised(int left, int top, int right, int bottom) {
    return Box{std::min(left, right), std::min(top, bottom), std::max(left, right),
               std::max(top, bottom)};
}

bool Misses(const Box& box, const RECT& clip) {
    return box.right <= clip.left || box.left >= clip.right || box.bottom <= clip.top ||
           box.top >= clip.bottom;
}

bool SuitsXArcs(const Box& box) {
    return box.left >= -kArcLimit && box.top >= -kArcLimit && box.right <= kArcLimit &&
           box.bottom <= kArcLimit;
}

unsigned long PenPixel(const PlatformDrawingContext& context) {
    return PixelOf(static_cast<const PlatformGdiObject*>(context.pen)->colour);
}

unsigned long BrushPixel(const PlatformDrawingContext& context) {
    return PixelOf(static_cast<const PlatformGdiObject*>(context.brush)->colour);
}

// X angles run counter-clockwise from three o'clock in 64ths of a degree, y pointing up.
int XAngleTowards(const Box& box, int x, int y) {
    const double centreX = static_cast<double>(box.left + box.right) / 2.0;
    const double centreY = static_cast<double>(box.top + box.bottom) / 2.0;
    const double degrees = std::atan2(centreY - y, x - centreX) * 180.0 / 3.14159265358979323846;
    return static_cast<int>(std::lround(degrees * 64.0));
}

void DrawWithXArcs(PlatformDrawingContext& context, const Box& box, bool fill, int startAngle,
                   int extent) {
    Display* display = Layer().display;
    const Drawable drawable = context.window->xid;
    const auto x = static_cast<int>(box.left), y = static_cast<int>(box.top);
    const auto width = static_cast<unsigned>(box.width()), height = static_cast<unsigned>(box.height());
    if (width <= 2 || height <= 2) {
        // Too thin for an inside: the outline covers the whole box.
        XSetForeground(display, context.gc, PenPixel(context));
        XFillRectangle(display, drawable, context.gc, x, y, width, height);
        return;
    }
    if (fill) {
        XSetForeground(display, context.gc, BrushPixel(context));
        XFillArc(display, drawable, context.gc, x, y, width - 1, height - 1, 0, kFullCircle);
    }
    XSetForeground(display, context.gc, PenPixel(context));
    XDrawArc(display, drawable, context.gc, x, y, width - 1, height - 1, startAngle, extent);
}

void FillRectangles(PlatformDrawingContext& context, unsigned long pixel,
                    std::vector<XRectangle>& rectangles) {
    if (rectangles.empty()) return;
    Display* display = Layer().display;
    XSetForeground(display, context.gc, pixel);
    XFillRectangles(display, context.window->xid, context.gc, rectangles.data(),
                    static_cast<int>(rectangles.size()));
}

void DrawWithSpans(PlatformDrawingContext& context, const Box& box, const RECT& clip, bool fill) {
    EllipseRows rows = RasteriseEllipse(box.left, box.top, box.right, box.bottom, clip);
    if (fill) FillRectangles(context, BrushPixel(context), rows.inside);
    FillRectangles(context, PenPixel(context), rows.outline);
}

BOOL DrawInscribed(HDC handle, const Box& box, bool fill, int startAngle, int extent) {
    PlatformDrawingContext* context = LiveContext(handle);
    if (!context) return FALSE;
    if (box.width() == 0 || box.height() == 0) return TRUE;
    const RECT clip = ClipBounds(*context);
    if (Misses(box, clip)) return TRUE;
    if (SuitsXArcs(box)) {
        DrawWithXArcs(*context, box, fill, startAngle, extent);
    } else {
        // FIXME: a partial arc of a box this large is drawn whole.
        DrawWithSpans(*context, box, clip, fill);
    }
    return TRUE;
}

}  // namespace

BOOL Ellipse(HDC context, int left, int top, int right, int bottom) {
    return DrawInscribed(context, Normalised(left, top, right, bottom), true, 0, kFullCircle);
}

// Counter-clockwise from the start radial to the end radial; equal points give the whole outline.
BOOL Arc(HDC context, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd,
         int yEnd) {
    const Box box = Normalised(left, top, right, bottom);
    if (xStart == xEnd && yStart == yEnd) return DrawInscribed(context, box, false, 0, kFullCircle);
    const int start = XAngleTowards(box, xStart, yStart);
    int extent = XAngleTowards(box, xEnd, yEnd) - start;
    if (extent <= 0) extent += kFullCircle;
    return DrawInscribed(context, box, false, start, extent);
}
