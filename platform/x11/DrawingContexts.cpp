// Drawing contexts: BeginPaint/EndPaint over the update region, GetDC/ReleaseDC over the
// client area. A fresh context holds the black pen, the white brush, the system font, and
// draws text black on an opaque white box.
//
// A paint context has a GC of its own, clipped to the update region. Client contexts, made
// at every stamping event, share one GC per window rather than creating and freeing one
// each time. That GC is made with the context defaults (white background, system font, no
// clip), and nothing the layer draws changes them, only the foreground, which every
// primitive sets before it draws: so the GC holds the defaults at every GetDC.
#include <algorithm>
#include <cstdint>

#include "platform/x11/DrawingContext.h"
#include "platform/x11/LayerState.h"
#include "platform/x11/Text.h"

namespace {

// Where a client context may draw: the client area, or nothing when it has no area. A client
// context keeps only this box, not a region, since its GC needs no clip of its own.
XRectangle ClientBox(const PlatformWindow& window) {
    const auto width = static_cast<unsigned short>(window.width);
    const auto height = static_cast<unsigned short>(window.height);
    if (width == 0 || height == 0) return XRectangle{};
    return XRectangle{0, 0, width, height};
}

// A GC on the window with the context defaults.
GC NewDefaultGc(const PlatformWindow& window) {
    Display* display = Layer().display;
    GC gc = XCreateGC(display, window.xid, 0, nullptr);
    XSetBackground(display, gc, PixelOf(kWhite));
    if (const XFontStruct* font = SystemFont()) XSetFont(display, gc, font->fid);
    return gc;
}

LayerGc* ContextGc(PlatformDrawingContext& context, PlatformWindow& window, Region clip) {
    if (!context.painting) {
        // A client context needs no clip of its own: the window itself clips to the client area.
        if (!window.clientGc.handle) window.clientGc.handle = NewDefaultGc(window);
        return &window.clientGc;
    }
    context.paintGc.handle = NewDefaultGc(window);
    XSetRegion(Layer().display, context.paintGc.handle, clip);
    return &context.paintGc;
}

// A paint context when clip is its update region, else a client context (clip null).
HDC NewContext(PlatformWindow& window, Region clip) {
    LayerState& layer = Layer();
    auto context = std::make_unique<PlatformDrawingContext>();
    context->window = &window;
    context->pen = &layer.blackPen;
    context->brush = &layer.whiteBrush;
    context->clip = clip;
    context->painting = clip != nullptr;
    // The update region stays as it is while the context lives, so its bounds are taken once.
    if (clip) {
        XClipBox(clip, &context->clipBox);
    } else {
        context->clipBox = ClientBox(window);
    }
    context->gc = ContextGc(*context, window, clip);
    layer.contexts.push_back(std::move(context));
    return layer.contexts.back().get();
}

unsigned long BackgroundPixel(const WindowClass& windowClass) {
    const HBRUSH brush = windowClass.background;
    // The window colour, COLOR_WINDOW + 1, is the only system colour the layer knows.
    if (reinterpret_cast<std::uintptr_t>(brush) <= 0xFFu) return PixelOf(kWhite);
    const PlatformGdiObject* object = LiveObject(brush);
    return object ? object->pixel : PixelOf(kWhite);
}

void Erase(PlatformDrawingContext& context, const XRectangle& box) {
    const PlatformWindow& window = *context.window;
    if (!window.windowClass->background) return;
    SetForeground(*context.gc, BackgroundPixel(*window.windowClass));
    XFillRectangle(Layer().display, window.xid, context.gc->handle, box.x, box.y, box.width,
                   box.height);
}

bool ReleaseContext(HDC context, bool painting) {
    LayerState& layer = Layer();
    auto& contexts = layer.contexts;
    const auto found = std::find_if(contexts.begin(), contexts.end(), [&](const auto& held) {
        return held.get() == context && held->painting == painting;
    });
    if (found == contexts.end()) return false;
    if (painting) XFreeGC(layer.display, (*found)->paintGc.handle);
    if ((*found)->clip) XDestroyRegion((*found)->clip);
    contexts.erase(found);
    SendBufferedRequests(layer.display);
    return true;
}

}  // namespace

PlatformDrawingContext* LiveContext(HDC context) {
    if (!context) return nullptr;
    for (const auto& held : Layer().contexts) {
        if (held.get() == context && held->window) return held.get();
    }
    return nullptr;
}

void SetForeground(LayerGc& gc, unsigned long pixel) {
    if (gc.foreground == pixel) return;
    XSetForeground(Layer().display, gc.handle, pixel);
    gc.foreground = pixel;
}

RECT ClipBounds(const PlatformDrawingContext& context) {
    const XRectangle& box = context.clipBox;
    const PlatformWindow& window = *context.window;
    const int right = std::min<int>(box.x + box.width, window.width);
    const int bottom = std::min<int>(box.y + box.height, window.height);
    const int left = std::clamp<int>(box.x, 0, right), top = std::clamp<int>(box.y, 0, bottom);
    return RECT{left, top, std::max(left, right), std::max(top, bottom)};
}

HDC BeginPaint(HWND window, PAINTSTRUCT* paint) {
    PlatformWindow* target = LiveWindow(window);
    if (!target || !paint) return nullptr;
    Region update = target->update;
    target->update = XCreateRegion();
    HDC context = NewContext(*target, update);
    if (target->eraseUpdate && !XEmptyRegion(update)) Erase(*context, context->clipBox);
    target->eraseUpdate = false;
    // The background is erased here, so the program need not erase it (fErase false).
    *paint = PAINTSTRUCT{context, FALSE, ClipBounds(*context)};
    return context;
}

BOOL EndPaint(HWND, const PAINTSTRUCT* paint) {
    return paint && ReleaseContext(paint->hdc, true) ? TRUE : FALSE;
}

HDC GetDC(HWND window) {
    PlatformWindow* target = LiveWindow(window);
    if (!target) {
        SetLastError("no such window");
        return nullptr;
    }
    return NewContext(*target, nullptr);
}

int ReleaseDC(HWND, HDC context) { return ReleaseContext(context, false) ? 1 : 0; }
