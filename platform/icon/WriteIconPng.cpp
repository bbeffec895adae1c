// Build-time tool: writes the window icon at one of its sizes as a PNG file, so that the
// icon theme gets the very pixels the window shows.
//   vorlin_icon_png <size> <file.png>
#include "platform/icon/IconImage.h"
#include "platform/icon/PngEncoder.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>

namespace {

bool IsOfferedSize(int size) {
    return std::find(std::begin(kIconSizes), std::end(kIconSizes), size) != std::end(kIconSizes);
}

int Fail(const std::string& message) {
    std::fprintf(stderr, "vorlin_icon_png: %s\n", message.c_str());
    return EXIT_FAILURE;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return Fail("usage: vorlin_icon_png <size> <file.png>");
    const int size = std::atoi(argv[1]);
    if (!IsOfferedSize(size)) return Fail(std::string("the icon is not offered at size ") + argv[1]);
    if (!WritePng(argv[2], size, size, IconImage(size))) {
        return Fail(std::string("cannot write ") + argv[2]);
    }
    return EXIT_SUCCESS;
}
