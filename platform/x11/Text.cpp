// TextOutA: the text cell's top-left corner at (x, y), black ink on an opaque white box.
#include "platform/x11/Text.h"

#include <algorithm>
#include <cstdint>

#include "platform/x11/DrawingContext.h"

namespace {

// Fonts of about 16 pixels cell height that core servers commonly have, best first.
constexpr const char* kFontNames[] = {
    "8x16",
    "-sony-fixed-medium-r-normal--16-*-*-*-*-*-iso8859-1",
    "-misc-fixed-medium-r-normal--15-*-*-*-*-*-iso8859-1",
    "9x15",
    "fixed",
};

constexpr int kChunk = 254;  // XDrawImageString takes at most 255 characters a request

XFontStruct* LoadSystemFont() {
    for (const char* name : kFontNames) {
        if (XFontStruct* font = XLoadQueryFont(Layer().display, name)) return font;
    }
    return nullptr;
}

}  // namespace

const XFontStruct* SystemFont() {
    LayerState& layer = Layer();
    if (!layer.font && layer.display) layer.font = LoadSystemFont();
    return layer.font;
}

BOOL TextOutA(HDC handle, int x, int y, const char* text, int length) {
    PlatformDrawingContext* context = LiveContext(handle);
    const XFontStruct* font = SystemFont();
    if (!context || !text || length < 0) return FALSE;
    if (!font || length == 0) return TRUE;
    const RECT clip = ClipBounds(*context);
    const int cellHeight = font->ascent + font->descent;
    const std::int64_t baseline = std::int64_t{y} + font->ascent;
    if (std::int64_t{y} + cellHeight <= clip.top || y >= clip.bottom) return TRUE;
    Display* display = Layer().display;
    SetForeground(*context->gc, PixelOf(0x000000u));
    const GC gc = context->gc->handle;
    XSetBackground(display, gc, PixelOf(kWhite));
    const int advance = std::max<int>(font->max_bounds.width, 1);
    for (int start = 0; start < length; start += kChunk) {
        const int count = std::min(kChunk, length - start);
        const std::int64_t left = std::int64_t{x} + std::int64_t{start} * advance;
        if (left >= clip.right) break;
        if (left + std::int64_t{count} * advance <= clip.left || left < -32768) continue;
        XDrawImageString(display, context->window->xid, gc, static_cast<int>(left),
                         static_cast<int>(baseline), text + start, count);
    }
    return TRUE;
}
