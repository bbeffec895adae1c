// Solid pens and brushes: created with a COLORREF, selected into contexts, deleted when no
// context holds them. The stock black pen and white brush are never freed. Each keeps its
// X pixel, worked out once at creation (or when the display opens), not at every draw.
#include <algorithm>

#include "platform/x11/DrawingContext.h"

namespace {

HGDIOBJ NewObject(PlatformGdiObject::Kind kind, COLORREF colour) {
    auto object = std::make_unique<PlatformGdiObject>();
    object->kind = kind;
    object->colour = colour & 0x00FFFFFFu;
    object->pixel = PixelOf(object->colour);
    auto& objects = Layer().objects;
    objects.push_back(std::move(object));
    return objects.back().get();
}

bool SelectedAnywhere(HGDIOBJ object) {
    const auto& contexts = Layer().contexts;
    return std::any_of(contexts.begin(), contexts.end(), [object](const auto& context) {
        return context->pen == object || context->brush == object;
    });
}

}  // namespace

PlatformGdiObject* LiveObject(HGDIOBJ object) {
    LayerState& layer = Layer();
    if (object == &layer.blackPen || object == &layer.whiteBrush) return object;
    for (const auto& held : layer.objects) {
        if (held.get() == object) return held.get();
    }
    return nullptr;
}

HBRUSH CreateSolidBrush(COLORREF colour) { return NewObject(PlatformGdiObject::Kind::Brush, colour); }

// Vorlin draws with solid one-pixel pens only; other styles and widths draw the same way.
HPEN CreatePen(int, int, COLORREF colour) { return NewObject(PlatformGdiObject::Kind::Pen, colour); }

HGDIOBJ SelectObject(HDC context, HGDIOBJ object) {
    PlatformDrawingContext* target = LiveContext(context);
    PlatformGdiObject* selected = LiveObject(object);
    if (!target || !selected) return nullptr;
    HGDIOBJ& slot = selected->kind == PlatformGdiObject::Kind::Pen ? target->pen : target->brush;
    const HGDIOBJ previous = slot;
    slot = selected;
    return previous;
}

BOOL DeleteObject(HGDIOBJ object) {
    PlatformGdiObject* target = LiveObject(object);
    if (!target) return FALSE;
    if (target->stock) return TRUE;
    if (SelectedAnywhere(target)) return FALSE;
    auto& objects = Layer().objects;
    objects.erase(std::remove_if(objects.begin(), objects.end(),
                                 [target](const auto& held) { return held.get() == target; }),
                  objects.end());
    return TRUE;
}
