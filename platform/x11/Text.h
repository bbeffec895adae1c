// The layer's system font: a core font of about 16 pixels cell height, loaded on first use.
#pragma once

#include <X11/Xlib.h>

// Null only when the server has not even the "fixed" font.
const XFontStruct* SystemFont();
