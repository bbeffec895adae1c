// The pixels of an ellipse inscribed in a box of any int64 extent, as rectangles one row
// high, limited to a clip rectangle: the inside (brush) and the 4-connected outline (pen).
#pragma once

#include <X11/Xlib.h>

#include <cstdint>
#include <vector>

#include "geometry/Types.h"

struct EllipseRows {
    std::vector<XRectangle> inside;
    std::vector<XRectangle> outline;
};

// The clip rectangle must lie within X's 16-bit coordinates.
EllipseRows RasteriseEllipse(std::int64_t left, std::int64_t top, std::int64_t right,
                             std::int64_t bottom, const RECT& clip);
