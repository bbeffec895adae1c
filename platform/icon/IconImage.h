// The pixels of Vorlin's icon, drawn by code: a black disc bearing a red three-armed swirl,
// crossed by a yellow pen stroke. This is the one source of the picture: the X11 layer puts
// it on the window as _NET_WM_ICON and the install step writes the same pixels as PNG files.
#pragma once

#include <cstdint>
#include <vector>

// The sizes at which the icon is offered, smallest first.
constexpr int kIconSizes[] = {16, 32, 48};

// size x size pixels, row-major from the top-left, each 0xAARRGGBB (alpha 0 or 255, since
// the picture is drawn without antialiasing). Any size from 1 up is drawn.
std::vector<std::uint32_t> IconImage(int size);
