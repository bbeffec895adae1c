// Registration of window classes by their attributes.
#pragma once

#include "platform/Platform.h"

// Registers a window class with DefWindowProcA as its procedure and the given attributes,
// or reuses the one registered earlier with the same attributes, and returns its name
// (valid for the life of the process). Raises CResourceException when the window system
// refuses the class.
const char* RegisterWndClass(UINT style, HCURSOR cursor, HBRUSH background, HICON icon);
