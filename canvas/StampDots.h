// Putting one stamp plan onto a drawing context.
#pragma once

#include "geometry/StampPlan.h"
#include "platform/framework/DC.h"

// Draws every box of `plan`, in order, as a filled ellipse in the plan's colour (a solid
// brush and a one-pixel solid pen). The context's own pen and brush are selected again
// before the lent ones are destroyed; the context itself is neither taken nor released.
void StampDots(CDC& context, const StampPlan& plan);
