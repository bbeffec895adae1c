// The connection to the X server: opened on the first call that needs it (RegisterClassA,
// CreateWindowExA), with the atoms and the colour layout of the default visual.
#include "platform/x11/LayerState.h"
#include "platform/x11/Errors.h"

namespace {

Atom Intern(Display* display, const char* name) { return XInternAtom(display, name, False); }

void InternAtoms(Display* display, Atoms& atoms) {
    atoms.wmProtocols = Intern(display, "WM_PROTOCOLS");
    atoms.wmDeleteWindow = Intern(display, "WM_DELETE_WINDOW");
    atoms.netWmName = Intern(display, "_NET_WM_NAME");
    atoms.netWmIcon = Intern(display, "_NET_WM_ICON");
    atoms.netWmWindowType = Intern(display, "_NET_WM_WINDOW_TYPE");
    atoms.netWmWindowTypeDialog = Intern(display, "_NET_WM_WINDOW_TYPE_DIALOG");
    atoms.utf8String = Intern(display, "UTF8_STRING");
}

// A channel of 0..255 placed into the bits of a visual's colour mask. Every stamped dot
// asks for its pixels, so the mask's lowest bit is found at once rather than by a loop.
unsigned long IntoMask(unsigned channel, unsigned long mask) {
    if (mask == 0) return 0;
    const int shift = __builtin_ctzl(mask);
    const unsigned long maximum = mask >> shift;
    return ((channel * maximum + 127u) / 255u) << shift & mask;
}

}  // namespace

LayerState& Layer() {
    static LayerState state;
    return state;
}

void SetLastError(std::string text) { Layer().lastError = std::move(text); }

const char* GetLastErrorTextA() { return Layer().lastError.c_str(); }

bool EnsureDisplay() {
    LayerState& layer = Layer();
    if (layer.display) return true;
    InstallErrorHandlers();
    layer.display = XOpenDisplay(nullptr);
    if (!layer.display) {
        SetLastError(std::string("cannot open display \"") + XDisplayName(nullptr) + "\"");
        return false;
    }
    layer.screen = DefaultScreen(layer.display);
    const Visual* visual = DefaultVisual(layer.display, layer.screen);
    layer.masks = {visual->red_mask, visual->green_mask, visual->blue_mask};
    InternAtoms(layer.display, layer.atoms);
    // Pens and brushes made before the display opened took their pixels from no visual.
    layer.blackPen.pixel = PixelOf(layer.blackPen.colour);
    layer.whiteBrush.pixel = PixelOf(layer.whiteBrush.colour);
    for (const auto& object : layer.objects) object->pixel = PixelOf(object->colour);
    return true;
}

unsigned long PixelOf(COLORREF colour) {
    const VisualMasks& masks = Layer().masks;
    return IntoMask(GetRValue(colour), masks.red) | IntoMask(GetGValue(colour), masks.green) |
           IntoMask(GetBValue(colour), masks.blue);
}
