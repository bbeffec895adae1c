// A pixel belongs to the ellipse when its centre lies inside the ellipse inscribed in the
// box's outer edges. Each row's run is computed in doubles and clamped to the clip before it
// becomes an integer, so huge boxes neither overflow nor cost more than the clipped rows.
#include "platform/x11/EllipseSpans.h"

#include <algorithm>
#include <cmath>

namespace {

struct Run {
    std::int64_t first = 0, last = -1;  // inclusive; empty when last < first
    bool empty() const { return last < first; }
};

struct EllipseShape {
    double centreX, centreY, halfWidth, halfHeight;
    double clipLow, clipHigh;  // runs are clamped to one pixel beyond the clip each side
};

Run RowRun(const EllipseShape& shape, std::int64_t row) {
    const double dy = (static_cast<double>(row) + 0.5 - shape.centreY) / shape.halfHeight;
    if (dy <= -1.0 || dy >= 1.0) return {};
    const double half = shape.halfWidth * std::sqrt(1.0 - dy * dy);
    const double first = std::ceil(shape.centreX - half - 0.5);
    const double last = std::floor(shape.centreX + half - 0.5);
    if (last < first || last < shape.clipLow || first > shape.clipHigh) return {};
    return Run{static_cast<std::int64_t>(std::clamp(first, shape.clipLow, shape.clipHigh)),
               static_cast<std::int64_t>(std::clamp(last, shape.clipLow, shape.clipHigh))};
}

void AddRun(std::vector<XRectangle>& into, std::int64_t first, std::int64_t last, std::int64_t row) {
    if (last < first) return;
    into.push_back(XRectangle{static_cast<short>(first), static_cast<short>(row),
                              static_cast<unsigned short>(last - first + 1), 1});
}

// The outline is what of this row's run has no covered pixel above or below it.
void SplitRow(EllipseRows& rows, Run run, Run above, Run below, std::int64_t row) {
    const std::int64_t innerFirst = std::max(above.first, below.first);
    const std::int64_t innerLast = std::min(above.last, below.last);
    if (above.empty() || below.empty() || innerLast < innerFirst) {
        AddRun(rows.outline, run.first, run.last, row);
        return;
    }
    const std::int64_t leftEnd = std::max(run.first, innerFirst - 1);
    const std::int64_t rightStart = std::min(run.last, innerLast + 1);
    AddRun(rows.outline, run.first, leftEnd, row);
    AddRun(rows.outline, std::max(rightStart, leftEnd + 1), run.last, row);
    AddRun(rows.inside, std::max(run.first + 1, innerFirst), std::min(run.last - 1, innerLast), row);
}

}  // namespace

EllipseRows RasteriseEllipse(std::int64_t left, std::int64_t top, std::int64_t right,
                             std::int64_t bottom, const RECT& clip) {
    const EllipseShape shape{static_cast<double>(left + right) / 2.0,
                             static_cast<double>(top + bottom) / 2.0,
                             static_cast<double>(right - left) / 2.0,
                             static_cast<double>(bottom - top) / 2.0,
                             static_cast<double>(clip.left) - 1.0,
                             static_cast<double>(clip.right)};
    EllipseRows rows;
    const std::int64_t firstRow = std::max<std::int64_t>(top, clip.top);
    const std::int64_t lastRow = std::min<std::int64_t>(bottom, clip.bottom) - 1;
    for (std::int64_t row = firstRow; row <= lastRow; ++row) {
        const Run run = RowRun(shape, row);
        if (!run.empty()) SplitRow(rows, run, RowRun(shape, row - 1), RowRun(shape, row + 1), row);
    }
    return rows;
}
