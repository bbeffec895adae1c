// Stamp planning. Start at PlanStamp at the bottom: it sets the colour, adds the
// pointer's own box, then the images of the mode in a fixed order. Mirrored images are
// integer points; turned images go through one shared set of doubles per event.
//
// This file is built with -ffp-contract=off: every product and sum is rounded to double
// on its own, so edges that land near an integer truncate the same way on every build.
#include "geometry/PlanStamp.h"

#include <cmath>
#include <initializer_list>

#include "geometry/SymmetryMode.h"
#include "geometry/Wrap.h"

namespace {

// Angle offsets of the turned images. These are the decimal values as written, a little
// below pi/3, pi/2, pi/5 and 3*pi/5; computing them from a constant would change the
// last bit of the largest one.
constexpr double kThirdTurnOffset = 1.047176;
constexpr double kQuarterTurnOffset = 1.570764;
constexpr double kFifthTurnOffset = 0.6283056;
constexpr double kThreeFifthsTurnOffset = 1.8849168;

// One pointer event as the box rules see it.
struct Event {
    std::int32_t x;
    std::int32_t y;
    std::int32_t width;
    std::int32_t height;
    std::int32_t radius;
};

// The values every turned image of one event shares.
struct TurnBasis {
    double centreX;
    double centreY;
    double dist;
    double base;
    double radius;
};

COLORREF PlanColour(const MarkSettings& settings, bool eraser) {
    if (eraser) return kWhite;
    const auto lowByte = [](std::int32_t value) { return wrap::ToBits(value) & 0xFFu; };
    return lowByte(settings.red) | lowByte(settings.green) << 8 | lowByte(settings.blue) << 16;
}

DotBox BoxAround(std::int32_t u, std::int32_t v, std::int32_t radius) {
    return {wrap::Sub(u, radius), wrap::Sub(v, radius), wrap::Add(u, radius),
            wrap::Add(v, radius)};
}

// The turned images turn about the truncated midpoint of the client area.
TurnBasis MakeTurnBasis(const Event& e) {
    const double x = e.x;
    const double y = e.y;
    const double centreX = e.width / 2;
    const double centreY = e.height / 2;
    const double dx = x - centreX;
    const double dy = y - centreY;
    const double dist = std::sqrt(dx * dx + dy * dy);
    const double base = std::atan2(dy, centreX - x);
    return {centreX, centreY, dist, base, static_cast<double>(e.radius)};
}

DotBox TurnedBox(const TurnBasis& b, double offset) {
    const double angle = b.base + offset;
    const double px = std::cos(angle) * b.dist + b.centreX;
    const double py = std::sin(angle) * (-b.dist) + b.centreY;
    return {wrap::TruncateToCoord(px - b.radius), wrap::TruncateToCoord(py - b.radius),
            wrap::TruncateToCoord(px + b.radius), wrap::TruncateToCoord(py + b.radius)};
}

void AddTurnedBoxes(DotList& dots, const Event& e, std::initializer_list<double> offsets) {
    const TurnBasis basis = MakeTurnBasis(e);
    for (const double offset : offsets) dots.push_back(TurnedBox(basis, offset));
}

void AddImages(DotList& dots, std::int32_t mode, const Event& e) {
    const std::int32_t mirrorX = wrap::Sub(e.width, e.x);
    const std::int32_t mirrorY = wrap::Sub(e.height, e.y);
    switch (mode) {
    case MirrorLeftRight:
        dots.push_back(BoxAround(mirrorX, e.y, e.radius));
        break;
    case PointReflection:
        dots.push_back(BoxAround(mirrorX, mirrorY, e.radius));
        break;
    case RotateThree:
        AddTurnedBoxes(dots, e, {+kThirdTurnOffset, -kThirdTurnOffset});
        break;
    case MirrorBothAxes:
        dots.push_back(BoxAround(mirrorX, mirrorY, e.radius));
        dots.push_back(BoxAround(mirrorX, e.y, e.radius));
        dots.push_back(BoxAround(e.x, mirrorY, e.radius));
        break;
    case RotateFour:
        dots.push_back(BoxAround(mirrorX, mirrorY, e.radius));
        AddTurnedBoxes(dots, e, {-kQuarterTurnOffset, +kQuarterTurnOffset});
        break;
    case RotateFive:
        AddTurnedBoxes(dots, e, {-kFifthTurnOffset, -kThreeFifthsTurnOffset,
                                 +kFifthTurnOffset, +kThreeFifthsTurnOffset});
        break;
    default:
        break;  // any other mode stamps the pointer's own dot only
    }
}

}  // namespace

StampPlan PlanStamp(std::int32_t x, std::int32_t y, const RECT& clientRect,
                    const MarkSettings& settings, bool eraser) {
    const Event event{x, y, wrap::Sub(clientRect.right, clientRect.left),
                      wrap::Sub(clientRect.bottom, clientRect.top), settings.radius};
    StampPlan plan{PlanColour(settings, eraser), {}};
    plan.dots.push_back(BoxAround(x, y, settings.radius));
    AddImages(plan.dots, settings.mode, event);
    return plan;
}
