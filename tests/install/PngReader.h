// Reads back the PNG files that platform/icon/PngEncoder writes, for tests: 8-bit RGBA, rows
// with filter 0, a zlib stream of stored blocks or blocks with the fixed Huffman codes. Other
// PNG files (dynamic Huffman codes, other filters or pixel formats) are refused.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vorlin_test {

using Bytes = std::vector<std::uint8_t>;

// The bytes of a zlib stream whose blocks are stored or use the fixed codes, once its
// Adler-32 matches; nothing for a broken stream or any other kind of block.
std::optional<Bytes> Inflate(const Bytes& zlibStream);

struct Picture {
    int width = 0, height = 0;
    std::vector<std::uint32_t> argb;  // row-major from the top-left, 0xAARRGGBB

    std::uint32_t At(int x, int y) const {
        return argb[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                    static_cast<std::size_t>(x)];
    }
};

std::optional<Picture> DecodePng(const Bytes& file);
// The picture in path; nothing when the file is missing or not of the kind above.
std::optional<Picture> ReadPngFile(const std::string& path);

}  // namespace vorlin_test
