// A PNG file is the signature and three chunks: IHDR (size and pixel format), IDAT (a zlib
// stream of the filtered rows) and IEND. Each row is filter byte 0 ("none") and then R, G,
// B, A per pixel. The zlib stream holds one deflate block with the fixed Huffman codes:
// literal bytes, and repeats of earlier bytes as (length, distance) pairs.
#include "platform/icon/PngEncoder.h"

#include <algorithm>
#include <array>
#include <fstream>

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kWindow = 32768;
constexpr std::size_t kMinMatch = 3;
constexpr std::size_t kMaxMatch = 258;
constexpr std::size_t kHashSize = 1u << 15;
constexpr std::size_t kNoPosition = ~std::size_t{0};
constexpr int kEndOfBlock = 256;

// Deflate's length codes 257... and distance codes 0...: first value and extra bits of each.
constexpr std::uint16_t kLengthBase[29] = {3,  4,  5,  6,  7,  8,  9,  10,  11,  13,
                                           15, 17, 19, 23, 27, 31, 35, 43,  51,  59,
                                           67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::uint8_t kLengthExtra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                           2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::uint16_t kDistanceBase[30] = {1,    2,    3,    4,    5,    7,     9,     13,
                                             17,   25,   33,   49,   65,   97,    129,   193,
                                             257,  385,  513,  769,  1025, 1537,  2049,  3073,
                                             4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::uint8_t kDistanceExtra[30] = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                             6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

void AppendBigEndian(Bytes& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<std::uint8_t>(value >> shift));
    }
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

// Packs bits into bytes from the least significant bit up, as deflate reads them. Huffman
// codes go most significant bit first, so they are reversed on the way in.
class BitWriter {
public:
    explicit BitWriter(Bytes& out) : out_(out) {}

    void Put(std::uint32_t bits, int count) {
        buffer_ |= bits << pending_;
        pending_ += count;
        for (; pending_ >= 8; pending_ -= 8, buffer_ >>= 8) {
            out_.push_back(static_cast<std::uint8_t>(buffer_ & 0xFFu));
        }
    }
    void PutCode(std::uint32_t code, int count) {
        std::uint32_t reversed = 0;
        for (int bit = 0; bit < count; ++bit) reversed |= ((code >> bit) & 1u) << (count - 1 - bit);
        Put(reversed, count);
    }
    void Flush() {
        if (pending_ > 0) out_.push_back(static_cast<std::uint8_t>(buffer_ & 0xFFu));
        buffer_ = 0;
        pending_ = 0;
    }

private:
    Bytes& out_;
    std::uint32_t buffer_ = 0;
    int pending_ = 0;
};

// The fixed Huffman code of a literal byte (0-255), the end of block (256) or a length code.
void PutSymbol(BitWriter& bits, int symbol) {
    const auto s = static_cast<std::uint32_t>(symbol);
    if (symbol < 144) bits.PutCode(0x30 + s, 8);
    else if (symbol < 256) bits.PutCode(0x190 + s - 144, 9);
    else if (symbol < 280) bits.PutCode(s - 256, 7);
    else bits.PutCode(0xC0 + s - 280, 8);
}

void PutMatch(BitWriter& bits, std::size_t length, std::size_t distance) {
    int code = 28;
    while (kLengthBase[code] > length) --code;
    PutSymbol(bits, 257 + code);
    bits.Put(static_cast<std::uint32_t>(length - kLengthBase[code]), kLengthExtra[code]);
    code = 29;
    while (kDistanceBase[code] > distance) --code;
    bits.PutCode(static_cast<std::uint32_t>(code), 5);
    bits.Put(static_cast<std::uint32_t>(distance - kDistanceBase[code]), kDistanceExtra[code]);
}

std::size_t HashAt(const Bytes& raw, std::size_t at) {
    const std::uint32_t three = std::uint32_t{raw[at]} << 16 | std::uint32_t{raw[at + 1]} << 8 | raw[at + 2];
    return (three * 2654435761u >> 17) & (kHashSize - 1);
}

// How far the bytes from `from` repeat those from `earlier`; the two runs may overlap.
std::size_t MatchLength(const Bytes& raw, std::size_t earlier, std::size_t from) {
    const std::size_t limit = std::min(kMaxMatch, raw.size() - from);
    std::size_t length = 0;
    while (length < limit && raw[earlier + length] == raw[from + length]) ++length;
    return length;
}

// Greedy: at each position, the latest earlier position with the same three bytes, if any.
void PutBlock(BitWriter& bits, const Bytes& raw) {
    std::vector<std::size_t> latest(kHashSize, kNoPosition);
    const auto remember = [&](std::size_t at) {
        if (at + kMinMatch <= raw.size()) latest[HashAt(raw, at)] = at;
    };
    bits.Put(1, 1);  // the last block
    bits.Put(1, 2);  // fixed Huffman codes
    for (std::size_t at = 0; at < raw.size();) {
        std::size_t length = 0;
        const std::size_t earlier = at + kMinMatch <= raw.size() ? latest[HashAt(raw, at)] : kNoPosition;
        if (earlier != kNoPosition && at - earlier <= kWindow) length = MatchLength(raw, earlier, at);
        if (length < kMinMatch) {
            PutSymbol(bits, raw[at]);
            remember(at++);
            continue;
        }
        PutMatch(bits, length, at - earlier);
        for (const std::size_t end = at + length; at < end; ++at) remember(at);
    }
    PutSymbol(bits, kEndOfBlock);
    bits.Flush();
}

// A zlib stream: header (deflate, 32 KiB window, no dictionary), the block, Adler-32.
Bytes Zlib(const Bytes& raw) {
    Bytes out{0x78, 0x01};
    BitWriter bits(out);
    PutBlock(bits, raw);
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
    AppendChunk(png, "IDAT", Zlib(FilteredRows(width, height, argb)));
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
