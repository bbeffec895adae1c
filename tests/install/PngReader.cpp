// Inflate reads bits from the least significant bit of each byte up and Huffman codes most
// significant bit first, as deflate writes them. DecodePng walks the chunks, joins the IDAT
// data, inflates it and takes the rows apart.
#include "tests/install/PngReader.h"

#include "platform/icon/PngEncoder.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace vorlin_test {
namespace {

constexpr std::uint16_t kLengthBase[29] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                           31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::uint8_t kLengthExtra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                           2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::uint16_t kDistanceBase[30] = {1,   2,   3,   4,    5,    7,    9,    13,   17,    25,
                                             33,  49,  65,  97,   129,  193,  257,  385,  513,   769,
                                             1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::uint8_t kDistanceExtra[30] = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                             6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

class BitReader {
public:
    BitReader(const Bytes& in, std::size_t at) : in_(in), at_(at) {}

    bool overrun() const { return overrun_; }
    std::size_t byteAfter() const { return at_ + (bit_ > 0 ? 1 : 0); }

    std::uint32_t Bits(int count) {
        std::uint32_t value = 0;
        for (int i = 0; i < count; ++i) value |= Bit() << i;
        return value;
    }
    std::uint32_t Code(int count) {
        std::uint32_t value = 0;
        for (int i = 0; i < count; ++i) value = value << 1 | Bit();
        return value;
    }
    void SkipToByte() {
        if (bit_ == 0) return;
        ++at_;
        bit_ = 0;
    }
    // Only on a byte boundary.
    void SkipBytes(std::size_t count) { at_ += count; }

private:
    std::uint32_t Bit() {
        if (at_ >= in_.size()) {
            overrun_ = true;
            return 0;
        }
        const std::uint32_t bit = (in_[at_] >> bit_) & 1u;
        if (++bit_ == 8) SkipToByte();
        return bit;
    }

    const Bytes& in_;
    std::size_t at_;
    int bit_ = 0;
    bool overrun_ = false;
};

// A literal byte, 256 for the end of the block, or a length code 257 and up.
int FixedSymbol(BitReader& bits) {
    std::uint32_t code = bits.Code(7);
    if (code <= 0x17) return 256 + static_cast<int>(code);
    code = code << 1 | bits.Code(1);
    if (code >= 0x30 && code <= 0xBF) return static_cast<int>(code - 0x30);
    if (code >= 0xC0 && code <= 0xC7) return 280 + static_cast<int>(code - 0xC0);
    code = code << 1 | bits.Code(1);
    return 144 + static_cast<int>(code - 0x190);
}

bool InflateFixed(BitReader& bits, Bytes& out) {
    for (;;) {
        const int symbol = FixedSymbol(bits);
        if (bits.overrun() || symbol > 285) return false;
        if (symbol < 256) {
            out.push_back(static_cast<std::uint8_t>(symbol));
            continue;
        }
        if (symbol == 256) return true;
        const int lengthCode = symbol - 257;
        const std::size_t length = kLengthBase[lengthCode] + bits.Bits(kLengthExtra[lengthCode]);
        const std::uint32_t distanceCode = bits.Code(5);
        if (distanceCode > 29) return false;
        const std::size_t distance = kDistanceBase[distanceCode] + bits.Bits(kDistanceExtra[distanceCode]);
        if (distance > out.size()) return false;
        for (std::size_t i = 0; i < length; ++i) out.push_back(out[out.size() - distance]);
    }
}

bool InflateStored(const Bytes& in, BitReader& bits, Bytes& out) {
    bits.SkipToByte();
    const std::size_t length = bits.Bits(16);
    const std::size_t complement = bits.Bits(16);
    const std::size_t at = bits.byteAfter();
    if (bits.overrun() || (length ^ 0xFFFFu) != complement || at + length > in.size()) return false;
    out.insert(out.end(), in.begin() + static_cast<std::ptrdiff_t>(at),
               in.begin() + static_cast<std::ptrdiff_t>(at + length));
    bits.SkipBytes(length);
    return true;
}

std::uint32_t BigEndianAt(const Bytes& bytes, std::size_t at) {
    return std::uint32_t{bytes[at]} << 24 | std::uint32_t{bytes[at + 1]} << 16 |
           std::uint32_t{bytes[at + 2]} << 8 | bytes[at + 3];
}

const Bytes kSignature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

// The header's data and the joined IDAT data; false when a chunk runs past the end.
bool SplitChunks(const Bytes& file, Bytes& header, Bytes& data) {
    for (std::size_t at = kSignature.size(); at + 12 <= file.size();) {
        const std::size_t length = BigEndianAt(file, at);
        if (at + 12 + length > file.size()) return false;
        const std::string type(file.begin() + static_cast<std::ptrdiff_t>(at + 4),
                               file.begin() + static_cast<std::ptrdiff_t>(at + 8));
        const auto body = file.begin() + static_cast<std::ptrdiff_t>(at + 8);
        if (type == "IHDR") header.assign(body, body + static_cast<std::ptrdiff_t>(length));
        if (type == "IDAT") data.insert(data.end(), body, body + static_cast<std::ptrdiff_t>(length));
        at += 12 + length;
    }
    return header.size() == 13;
}

}  // namespace

std::optional<Bytes> Inflate(const Bytes& zlibStream) {
    if (zlibStream.size() < 6 || (zlibStream[0] & 0x0F) != 8 ||
        (zlibStream[0] * 256 + zlibStream[1]) % 31 != 0) {
        return std::nullopt;
    }
    BitReader bits(zlibStream, 2);
    Bytes out;
    for (bool last = false; !last;) {
        last = bits.Bits(1) == 1;
        const std::uint32_t type = bits.Bits(2);
        const bool ok = type == 0 ? InflateStored(zlibStream, bits, out) : type == 1 && InflateFixed(bits, out);
        if (!ok || bits.overrun()) return std::nullopt;
    }
    bits.SkipToByte();
    const std::size_t at = bits.byteAfter();
    if (at + 4 != zlibStream.size() || BigEndianAt(zlibStream, at) != Adler32(out.data(), out.size())) {
        return std::nullopt;
    }
    return out;
}

std::optional<Picture> DecodePng(const Bytes& file) {
    Bytes header, data;
    if (file.size() < kSignature.size() || !std::equal(kSignature.begin(), kSignature.end(), file.begin()) ||
        !SplitChunks(file, header, data) || header[8] != 8 || header[9] != 6) {
        return std::nullopt;
    }
    Picture picture;
    picture.width = static_cast<int>(BigEndianAt(header, 0));
    picture.height = static_cast<int>(BigEndianAt(header, 4));
    if (picture.width <= 0 || picture.height <= 0 || picture.width > 1 << 14 || picture.height > 1 << 14) {
        return std::nullopt;
    }
    const std::optional<Bytes> rows = Inflate(data);
    const std::size_t rowBytes = static_cast<std::size_t>(picture.width) * 4 + 1;
    if (!rows || rows->size() != rowBytes * static_cast<std::size_t>(picture.height)) return std::nullopt;
    for (std::size_t row = 0; row < static_cast<std::size_t>(picture.height); ++row) {
        if ((*rows)[row * rowBytes] != 0) return std::nullopt;
        for (std::size_t at = row * rowBytes + 1; at < (row + 1) * rowBytes; at += 4) {
            const std::uint8_t* p = &(*rows)[at];
            picture.argb.push_back(std::uint32_t{p[3]} << 24 | std::uint32_t{p[0]} << 16 |
                                   std::uint32_t{p[1]} << 8 | p[2]);
        }
    }
    return picture;
}

std::optional<Picture> ReadPngFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return DecodePng(Bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()});
}

}  // namespace vorlin_test
