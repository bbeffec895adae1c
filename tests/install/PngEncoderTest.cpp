// The PNG encoder behind the installed icons and the gallery pictures. The checksums are held
// to published check values; each encoded file is read back chunk by chunk and block by
// block, as a PNG reader would, and must give back the pixels it was made from.
#include "platform/icon/PngEncoder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t BigEndianAt(const Bytes& bytes, std::size_t at) {
    return std::uint32_t{bytes.at(at)} << 24 | std::uint32_t{bytes.at(at + 1)} << 16 |
           std::uint32_t{bytes.at(at + 2)} << 8 | bytes.at(at + 3);
}

std::size_t LittleEndian16At(const Bytes& bytes, std::size_t at) {
    return std::size_t{bytes.at(at)} | std::size_t{bytes.at(at + 1)} << 8;
}

struct Chunk {
    std::string type;
    Bytes data;
};

// Splits a PNG after its signature into chunks, checking each chunk's CRC on the way.
std::vector<Chunk> ReadChunks(const Bytes& png) {
    std::vector<Chunk> chunks;
    for (std::size_t at = 8; at < png.size();) {
        const std::size_t length = BigEndianAt(png, at);
        const std::uint32_t crc = BigEndianAt(png, at + 8 + length);
        EXPECT_EQ(crc, Crc32(png.data() + at + 4, length + 4)) << "CRC of chunk at " << at;
        chunks.push_back({std::string(png.begin() + at + 4, png.begin() + at + 8),
                          Bytes(png.begin() + at + 8, png.begin() + at + 8 + length)});
        at += 12 + length;
    }
    return chunks;
}

// Undoes a zlib stream of stored blocks, checking the header, each block's length pair,
// that only the last block is marked final, and the Adler-32 at the end.
Bytes ReadStoredZlib(const Bytes& stream) {
    EXPECT_EQ(0, (stream.at(0) * 256 + stream.at(1)) % 31) << "zlib header check bits";
    EXPECT_EQ(0x08, stream.at(0) & 0x0F) << "deflate";
    Bytes raw;
    std::size_t at = 2;
    for (bool last = false; !last;) {
        last = stream.at(at) == 1;
        EXPECT_TRUE(last || stream.at(at) == 0) << "block type must be stored";
        const std::size_t length = LittleEndian16At(stream, at + 1);
        EXPECT_EQ(length ^ 0xFFFFu, LittleEndian16At(stream, at + 3));
        raw.insert(raw.end(), stream.begin() + at + 5, stream.begin() + at + 5 + length);
        at += 5 + length;
    }
    EXPECT_EQ(stream.size(), at + 4) << "bytes after the last block";
    EXPECT_EQ(BigEndianAt(stream, at), Adler32(raw.data(), raw.size()));
    return raw;
}

std::vector<std::uint32_t> TestPattern(int width, int height) {
    std::vector<std::uint32_t> pixels;
    for (int i = 0; i < width * height; ++i) {
        pixels.push_back(static_cast<std::uint32_t>(i) * 2654435761u);
    }
    return pixels;
}

TEST(Checksums, MatchTheirPublishedCheckValues) {
    const char* digits = "123456789";
    const auto* text = reinterpret_cast<const std::uint8_t*>(digits);
    EXPECT_EQ(0xCBF43926u, Crc32(text, std::strlen(digits)));
    const char* word = "Wikipedia";
    EXPECT_EQ(0x11E60398u, Adler32(reinterpret_cast<const std::uint8_t*>(word), std::strlen(word)));
    // Long enough for both of Adler-32's sums to pass the modulus many times.
    const Bytes ones(100000, 0xFF);
    EXPECT_EQ(0x68C6CEC4u, Crc32(ones.data(), ones.size()));
    EXPECT_EQ(0x149A302Cu, Adler32(ones.data(), ones.size()));
    EXPECT_EQ(0u, Crc32(nullptr, 0));
    EXPECT_EQ(1u, Adler32(nullptr, 0));
}

struct ImageSize {
    int width, height;
};

class EncodePngRoundTrip : public ::testing::TestWithParam<ImageSize> {};

TEST_P(EncodePngRoundTrip, GivesBackTheRowsAsRgba) {
    const auto [width, height] = GetParam();
    const std::vector<std::uint32_t> argb = TestPattern(width, height);
    const Bytes png = EncodePng(width, height, argb);
    ASSERT_GE(png.size(), 8u);
    EXPECT_EQ(Bytes({0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}), Bytes(png.begin(), png.begin() + 8));

    const std::vector<Chunk> chunks = ReadChunks(png);
    ASSERT_EQ(3u, chunks.size());
    EXPECT_EQ("IHDR", chunks[0].type);
    EXPECT_EQ("IDAT", chunks[1].type);
    EXPECT_EQ("IEND", chunks[2].type);
    EXPECT_TRUE(chunks[2].data.empty());
    const Bytes& header = chunks[0].data;
    ASSERT_EQ(13u, header.size());
    EXPECT_EQ(static_cast<std::uint32_t>(width), BigEndianAt(header, 0));
    EXPECT_EQ(static_cast<std::uint32_t>(height), BigEndianAt(header, 4));
    EXPECT_EQ(Bytes({8, 6, 0, 0, 0}), Bytes(header.begin() + 8, header.end()));

    const Bytes rows = ReadStoredZlib(chunks[1].data);
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 4 + 1;
    ASSERT_EQ(rowBytes * static_cast<std::size_t>(height), rows.size());
    for (int y = 0; y < height; ++y) {
        EXPECT_EQ(0, rows[y * rowBytes]) << "filter of row " << y;
        for (int x = 0; x < width; ++x) {
            const std::uint8_t* rgba = &rows[y * rowBytes + 1 + static_cast<std::size_t>(x) * 4];
            const std::uint32_t argbBack = std::uint32_t{rgba[3]} << 24 | std::uint32_t{rgba[0]} << 16 |
                                           std::uint32_t{rgba[1]} << 8 | rgba[2];
            ASSERT_EQ(argb[static_cast<std::size_t>(y) * width + x], argbBack) << x << "," << y;
        }
    }
}

// 64 x 255 fills one stored block exactly (255 rows of 257 bytes = 65535); 200 x 100 needs two.
INSTANTIATE_TEST_SUITE_P(Sizes, EncodePngRoundTrip,
                         ::testing::Values(ImageSize{1, 1}, ImageSize{3, 2}, ImageSize{48, 48},
                                           ImageSize{64, 255}, ImageSize{64, 256},
                                           ImageSize{200, 100}),
                         [](const ::testing::TestParamInfo<ImageSize>& size) {
                             return std::to_string(size.param.width) + "x" +
                                    std::to_string(size.param.height);
                         });

TEST(EncodePng, GivesNothingForAnEmptyOrMismatchedPicture) {
    EXPECT_TRUE(EncodePng(0, 5, {}).empty());
    EXPECT_TRUE(EncodePng(-1, -1, {0}).empty());
    EXPECT_TRUE(EncodePng(2, 2, {0, 0, 0}).empty());
    EXPECT_FALSE(WritePng("/nonexistent-folder/x.png", 1, 1, {0}));
}

}  // namespace
