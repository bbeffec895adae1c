// What the drawing files share about contexts and GDI objects.
#pragma once

#include "platform/x11/LayerState.h"

// The context or object behind a handle, or null when it is not (or no longer) live.
PlatformDrawingContext* LiveContext(HDC context);
PlatformGdiObject* LiveObject(HGDIOBJ object);

// The part of the client area where the context may draw (empty when it may not).
RECT ClipBounds(const PlatformDrawingContext& context);

// Gives the GC the foreground pixel, unless it has it already.
void SetForeground(LayerGc& gc, unsigned long pixel);
