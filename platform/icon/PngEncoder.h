// Writes pictures as PNG without a compression library: the pixel rows are packed by a small
// deflate of our own (repeats found through a hash of three bytes, coded with the fixed
// Huffman codes), which every PNG reader accepts. It packs flat pictures such as window
// captures to a few per cent; it does not try to match a full zlib.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The CRC-32 that PNG chunks carry, and the Adler-32 that ends a zlib stream.
std::uint32_t Crc32(const std::uint8_t* data, std::size_t size);
std::uint32_t Adler32(const std::uint8_t* data, std::size_t size);

// width x height pixels, row-major from the top-left, each 0xAARRGGBB, as the bytes of an
// RGBA PNG file with 8 bits per channel. Empty when the sizes are not positive or do not
// match the number of pixels.
std::vector<std::uint8_t> EncodePng(int width, int height,
                                    const std::vector<std::uint32_t>& argb);

// Writes EncodePng's bytes to path; false when there is nothing to write or the write fails.
bool WritePng(const std::string& path, int width, int height,
              const std::vector<std::uint32_t>& argb);
