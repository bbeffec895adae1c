// Icon resource 100 becomes the window's _NET_WM_ICON: the picture at 16, 32 and 48 pixels,
// each as width, height and ARGB pixels, in the 32-bit format that Xlib carries in longs.
#include <X11/Xatom.h>

#include <vector>

#include "platform/icon/IconImage.h"
#include "platform/x11/LayerState.h"

void SetWindowIcon(Window xid, HICON icon) {
    if (!icon) return;
    std::vector<long> data;
    for (const int size : kIconSizes) {
        data.push_back(size);
        data.push_back(size);
        for (const std::uint32_t pixel : IconImage(size)) data.push_back(static_cast<long>(pixel));
    }
    LayerState& layer = Layer();
    XChangeProperty(layer.display, xid, layer.atoms.netWmIcon, XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(data.data()),
                    static_cast<int>(data.size()));
}
