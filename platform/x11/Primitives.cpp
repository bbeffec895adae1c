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
constexpr double kPi = 3.14159265358979323846;

struct Box {
    std::int64_t left, top, right, bottom;
    std::int64_t width() const { return right - left; }
    std::int64_t height() const { return bottom - top; }
    double centreX() const { return static_cast<double>(left + right) / 2.0; }
    double centreY() const { return static_cast<double>(top + bottom) / 2.0; }
};

// Which part of the outline to draw: all of it, or counter-clockwise from the radial through
// start to the radial through end.
struct Sweep {
    bool whole;
    POINT start, end;
};

constexpr Sweep kWhole{true, {0, 0}, {0, 0}};

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
    return static_cast<const PlatformGdiObject*>(context.pen)->pixel;
}

unsigned long BrushPixel(const PlatformDrawingContext& context) {
    return static_cast<const PlatformGdiObject*>(context.brush)->pixel;
}

// The angle on screen, counter-clockwise from three o'clock, of a point seen from the centre.
double ScreenAngle(const Box& box, double x, double y) {
    return std::atan2(box.centreY() - y, x - box.centreX());
}

// X angles are in 64ths of a degree and skewed by the ellipse:
// tan(skewed) = tan(on screen) * width / height.
int XAngleTowards(const Box& box, POINT point) {
    const double up = (box.centreY() - point.y) * static_cast<double>(box.width());
    const double right = (point.x - box.centreX()) * static_cast<double>(box.height());
    return static_cast<int>(std::lround(std::atan2(up, right) * 180.0 / kPi * 64.0));
}

void XArcAngles(const Box& box, const Sweep& sweep, int& start, int& extent) {
    start = 0;
    extent = kFullCircle;
    if (sweep.whole) return;
    start = XAngleTowards(box, sweep.start);
    extent = XAngleTowards(box, sweep.end) - start;
    if (extent <= 0) extent += kFullCircle;
}

void DrawWithXArcs(PlatformDrawingContext& context, const Box& box, bool fill, const Sweep& sweep) {
    Display* display = Layer().display;
    const Drawable drawable = context.window->xid;
    const auto x = static_cast<int>(box.left), y = static_cast<int>(box.top);
    const auto width = static_cast<unsigned>(box.width()), height = static_cast<unsigned>(box.height());
    LayerGc& gc = *context.gc;
    if (width <= 2 || height <= 2) {
        // Too thin for an inside: the outline covers the whole box.
        SetForeground(gc, PenPixel(context));
        XFillRectangle(display, drawable, gc.handle, x, y, width, height);
        return;
    }
    if (fill) {
        SetForeground(gc, BrushPixel(context));
        XFillArc(display, drawable, gc.handle, x, y, width - 1, height - 1, 0, kFullCircle);
    }
    int start = 0, extent = 0;
    XArcAngles(box, sweep, start, extent);
    SetForeground(gc, PenPixel(context));
    XDrawArc(display, drawable, gc.handle, x, y, width - 1, height - 1, start, extent);
}

// Keeps the outline pixels whose centres lie within the sweep, one pixel per rectangle.
std::vector<XRectangle> WithinSweep(const Box& box, const Sweep& sweep,
                                    const std::vector<XRectangle>& outline) {
    const double start = ScreenAngle(box, sweep.start.x, sweep.start.y);
    double span = ScreenAngle(box, sweep.end.x, sweep.end.y) - start;
    if (span <= 0.0) span += 2.0 * kPi;
    std::vector<XRectangle> kept;
    for (const XRectangle& run : outline) {
        for (int x = run.x; x < run.x + run.width; ++x) {
            double offset = ScreenAngle(box, x + 0.5, run.y + 0.5) - start;
            if (offset < 0.0) offset += 2.0 * kPi;
            if (offset <= span) kept.push_back(XRectangle{static_cast<short>(x), run.y, 1, 1});
        }
    }
    return kept;
}

void FillRectangles(PlatformDrawingContext& context, unsigned long pixel,
                    std::vector<XRectangle>& rectangles) {
    if (rectangles.empty()) return;
    Display* display = Layer().display;
    SetForeground(*context.gc, pixel);
    XFillRectangles(display, context.window->xid, context.gc->handle, rectangles.data(),
                    static_cast<int>(rectangles.size()));
}

void DrawWithSpans(PlatformDrawingContext& context, const Box& box, const RECT& clip, bool fill,
                   const Sweep& sweep) {
    EllipseRows rows = RasteriseEllipse(box.left, box.top, box.right, box.bottom, clip);
    if (fill) FillRectangles(context, BrushPixel(context), rows.inside);
    if (!sweep.whole) rows.outline = WithinSweep(box, sweep, rows.outline);
    FillRectangles(context, PenPixel(context), rows.outline);
}

BOOL DrawInscribed(HDC handle, const Box& box, bool fill, const Sweep& sweep) {
    PlatformDrawingContext* context = LiveContext(handle);
    if (!context) return FALSE;
    if (box.width() == 0 || box.height() == 0) return TRUE;
    const RECT clip = ClipBounds(*context);
    if (Misses(box, clip)) return TRUE;
    if (SuitsXArcs(box)) {
        DrawWithXArcs(*context, box, fill, sweep);
    } else {
        DrawWithSpans(*context, box, clip, fill, sweep);
    }
    return TRUE;
}

}  // namespace

BOOL Ellipse(HDC context, int left, int top, int right, int bottom) {
    return DrawInscribed(context, Normalised(left, top, right, bottom), true, kWhole);
}

// Equal start and end points give the whole outline.
BOOL Arc(HDC context, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd,
         int yEnd) {
    const bool whole = xStart == xEnd && yStart == yEnd;
    const Sweep sweep{whole, {xStart, yStart}, {xEnd, yEnd}};
    return DrawInscribed(context, Normalised(left, top, right, bottom), false, sweep);
}
