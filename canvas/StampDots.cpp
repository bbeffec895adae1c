#include "canvas/StampDots.h"

#include "platform/framework/GdiObject.h"

void StampDots(CDC& context, const StampPlan& plan) {
    // Declared brush first, so that the pen is destroyed first.
    CBrush brush;
    brush.CreateSolidBrush(plan.colour);
    CPen pen;
    pen.CreatePen(PS_SOLID, 1, plan.colour);

    const HGDIOBJ previousBrush = context.SelectObject(brush);
    const HGDIOBJ previousPen = context.SelectObject(pen);
    for (const DotBox& dot : plan.dots) context.Ellipse(dot.left, dot.top, dot.right, dot.bottom);
    context.SelectObject(previousBrush);
    context.SelectObject(previousPen);
}
