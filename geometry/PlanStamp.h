// Stamp planning: from one pointer event to the colour and boxes of the dots to stamp.
// A pure computation with no window system behind it; equal inputs give equal plans.
#pragma once

#include <cstdint>

#include "geometry/StampPlan.h"
#include "geometry/Types.h"
#include "settings/MarkSettings.h"

// Plans the pointer's own dot at (x, y) and its images about the centre of `clientRect`
// for `settings.mode`. `eraser` (Shift held) stamps white and changes nothing else.
StampPlan PlanStamp(std::int32_t x, std::int32_t y, const RECT& clientRect,
                    const MarkSettings& settings, bool eraser);
