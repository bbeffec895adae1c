// A PNG file is the signature and three chunks: IHDR (size and pixel format), IDAT (a zlib
// stream of the filtered rows) and IEND. Each row is filter byte 0 ("none") and then R, G,
// B, A per pixel; the zlib stream holds them in stored blocks of at most 65535 bytes.
#include "platform/icon/PngEncoder.h"

#include <algorithm>
#include <array>
#include <fstream>

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kMaxStoredBlock = 65535;

void AppendBigEndian(Bytes& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

void AppendLittleEndian16(Bytes& out, std::size_t value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFFu));
    out.push_back(static_cast<std::uint8_t>(value >> 8 & 0xFFu));
}

// Length, type, data and the CRC over type and data.
void AppendChunk(Bytes& out, const char (&type)[5], const Bytes& data) {
    AppendBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t typeStart = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    AppendBigEndian(out, Crc32(out.data() + typeStart, out.size() - typeStart));
}

Bytes Header(int width, int height) {
    Bytes header;
    AppendBigEndian(header, static_cast<std::uint32_t>(width));
    AppendBigEndian(header, static_cast<std::uint32_t>(height));
    const std::uint8_t depth8 = 8, rgba = 6, deflate = 0, adaptive = 0, progressive = 0;
    header.insert(header.end(), {depth8, rgba, deflate, adaptive, progressive});
    return header;
}

Bytes FilteredRows(int width, int height, const std::vector<std::uint32_t>& argb) {
    Bytes rows;
    rows.reserve(static_cast<std::size_t>(height) * (static_cast<std::size_t>(width) * 4 + 1));
    auto pixel = argb.begin();
    for (int y = 0; y < height; ++y) {
        rows.push_back(0);
        for (int x = 0; x < width; ++x, ++pixel) {
            const std::uint32_t p = *pixel;
            rows.insert(rows.end(), {static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
                                     static_cast<std::uint8_t>(p), static_cast<std::uint8_t>(p >> 24)});
        }
    }
    return rows;
}

// A zlib stream (deflate, 32 KiB window, no dictionary) of stored blocks.
Bytes StoredZlib(const Bytes& raw) {
    Bytes out{0x78, 0x01};
    std::size_t offset = 0;
    do {
        const std::size_t length = std::min(kMaxStoredBlock, raw.size() - offset);
        const bool last = offset + length == raw.size();
        out.push_back(last ? 1 : 0);
        AppendLittleEndian16(out, length);
        AppendLittleEndian16(out, length ^ 0xFFFFu);
        out.insert(out.end(), raw.begin() + static_cast<std::ptrdiff_t>(offset),
                   raw.begin() + static_cast<std::ptrdiff_t>(offset + length));
        offset += length;
    } while (offset < raw.size());
    AppendBigEndian(out, Adler32(raw.data(), raw.size()));
    return out;
}

std::array<std::uint32_t, 256> CrcTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int bit = 0; bit < 8; ++bit) c = (c & 1u) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

}  // namespace

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size) {
    static const std::array<std::uint32_t, 256> table = CrcTable();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; ++i) crc = table[(crc ^ data[i]) & 0xFFu] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

std::uint32_t Adler32(const std::uint8_t* data, std::size_t size) {
    constexpr std::uint32_t kModulus = 65521;
    std::uint32_t a = 1, b = 0;
    for (std::size_t i = 0; i < size; ++i) {
        a = (a + data[i]) % kModulus;
        b = (b + a) % kModulus;
    }
    return b << 16 | a;
}

std::vector<std::uint8_t> EncodePng(int width, int height,
                                    const std::vector<std::uint32_t>& argb) {
    if (width <= 0 || height <= 0) return {};
    if (argb.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) return {};
    Bytes png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    AppendChunk(png, "IHDR", Header(width, height));
    AppendChunk(png, "IDAT", StoredZlib(FilteredRows(width, height, argb)));
    AppendChunk(png, "IEND", {});
    return png;
}

bool WritePng(const std::string& path, int width, int height,
              const std::vector<std::uint32_t>& argb) {
    const Bytes png = EncodePng(width, height, argb);
    if (png.empty()) return false;
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    file.close();
    return !file.fail();
}
