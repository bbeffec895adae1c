// What the end-to-end tests ask of the program's window through their own X connection:
// finding it once it is painted, its properties, its pixels, and closing it as a window
// manager's close box would.
#pragma once

#include <X11/Xlib.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/XClient.h"

namespace vorlin_e2e {

constexpr const char* kTitle = "Vorlin Application";
constexpr std::uint32_t kWhite = 0x00FFFFFFu;

// The program's window once it is mapped and its first paint has erased it to white (the
// corners of the client area lie outside everything the guide draws); None if that does
// not happen within timeoutMs.
Window WaitForPaintedWindow(const vorlin_test::XClient& x, int timeoutMs = 5000);

// _NET_WM_NAME as UTF-8, empty when it is not set.
std::string NetWmName(const vorlin_test::XClient& x, Window window);

// The width and height of each image in _NET_WM_ICON, in their order.
std::vector<std::pair<long, long>> IconSizes(const vorlin_test::XClient& x, Window window);

// The share of pixels in a block that equal `colour`.
double ShareOf(const std::vector<std::uint32_t>& pixels, std::uint32_t colour);

// Resizes the window's client area as a user's drag of the border would, and waits until
// the server reports the new size and the program has painted it (the corners are white
// again); false if that does not happen within timeoutMs.
bool ResizeClientArea(vorlin_test::XClient& x, Window window, int width, int height,
                      int timeoutMs = 5000);

// Sends WM_PROTOCOLS / WM_DELETE_WINDOW, as the close box of a window manager does.
void CloseWindow(vorlin_test::XClient& x, Window window);

}  // namespace vorlin_e2e
