// The PNG encoder behind the installed icons and the gallery pictures, and the reader that
// the tests use to look at them. The checksums are held to published check values and the
// reader to streams made by zlib itself; each encoded picture is then read back chunk by
// chunk and must give back the pixels it was made from.
#include "platform/icon/PngEncoder.h"
#include "tests/install/PngReader.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

using vorlin_test::Bytes;

Bytes FromHex(const std::string& hex) {
    Bytes bytes;
    for (std::size_t at = 0; at + 1 < hex.size(); at += 2) {
        bytes.push_back(static_cast<std::uint8_t>(std::stoul(hex.substr(at, 2), nullptr, 16)));
    }
    return bytes;
}

Bytes FromText(const char* text) { return Bytes(text, text + std::strlen(text)); }

std::uint32_t BigEndianAt(const Bytes& bytes, std::size_t at) {
    return std::uint32_t{bytes.at(at)} << 24 | std::uint32_t{bytes.at(at + 1)} << 16 |
           std::uint32_t{bytes.at(at + 2)} << 8 | bytes.at(at + 3);
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

// Thirteen scattered colours in small blocks: literals of every kind, and repeats at many
// lengths and distances, within a row and from rows above.
std::vector<std::uint32_t> TestPattern(int width, int height) {
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            pixels.push_back(static_cast<std::uint32_t>(((x / 3) ^ (y / 2)) % 13) * 2654435761u);
        }
    }
    return pixels;
}

TEST(Checksums, MatchTheirPublishedCheckValues) {
    const Bytes digits = FromText("123456789");
    EXPECT_EQ(0xCBF43926u, Crc32(digits.data(), digits.size()));
    const Bytes word = FromText("Wikipedia");
    EXPECT_EQ(0x11E60398u, Adler32(word.data(), word.size()));
    // Long enough for both of Adler-32's sums to pass the modulus many times.
    const Bytes ones(100000, 0xFF);
    EXPECT_EQ(0x68C6CEC4u, Crc32(ones.data(), ones.size()));
    EXPECT_EQ(0x149A302Cu, Adler32(ones.data(), ones.size()));
    EXPECT_EQ(0u, Crc32(nullptr, 0));
    EXPECT_EQ(1u, Adler32(nullptr, 0));
}

// Streams written by zlib: with the fixed codes (Z_FIXED) and stored (level 0).
struct ZlibStream {
    const char* name;
    Bytes data;
    const char* hex;
};

Bytes EveryByteTwiceThenARun() {
    Bytes data;
    for (int round = 0; round < 2; ++round) {
        for (int byte = 0; byte < 256; ++byte) data.push_back(static_cast<std::uint8_t>(byte));
    }
    data.insert(data.end(), 600, 0xFF);
    return data;
}

const ZlibStream kZlibStreams[] = {
    {"Empty", {}, "7801030000000001"},
    {"RepeatedWord", FromText("hello hello hello hello"), "7801cb48cdc9c957c8402701680308b1"},
    {"Stored", FromText("stored bytes"), "7801010c00f3ff73746f7265642062797465731fcf04d9"},
    {"EveryCodeRange", EveryByteTwiceThenARun(),
     "78016360646266616563e7e0e4e2e6e1e5e3171014121611151397909492969195935750545256515553d7d0d4"
     "d2d6d1d5d33730343236313533b7b0b4b2b6b1b5b37770747276717573f7f0f4f2f6f1f5f30f080c0a0e090d0b"
     "8f888c8a8e898d8b4f484c4a4e494d4bcfc8cccacec9cdcb2f282c2a2e292d2bafa8acaaaea9adab6f686c6a6e"
     "696d6befe8eceaeee9edeb9f3071d2e42953a74d9f3173d6ec3973e7cd5fb070d1e2254b972d5fb172d5ea356b"
     "d7addfb071d3e62d5bb76ddfb173d7ee3d7bf7ed3f70f0d0e123478f1d3f71f2d4e93367cf9dbf70f1d2e52b57"
     "af5dbf71f3d6ed3b77efdd7ff0f0d1e3274f9f3d7ff1f2d5eb376fdfbdfff0f1d3e72f5fbf7dfff1f3d7ef3f7f"
     "fffd6718e1fe1f05a38016000065a454d6"},
};

class ReaderInflates : public ::testing::TestWithParam<ZlibStream> {};

TEST_P(ReaderInflates, WhatZlibWrote) {
    const std::optional<Bytes> data = vorlin_test::Inflate(FromHex(GetParam().hex));
    ASSERT_TRUE(data);
    EXPECT_EQ(GetParam().data, *data);
}

INSTANTIATE_TEST_SUITE_P(Zlib, ReaderInflates, ::testing::ValuesIn(kZlibStreams),
                         [](const ::testing::TestParamInfo<ZlibStream>& stream) {
                             return std::string(stream.param.name);
                         });

TEST(ReaderInflates, NothingFromABrokenStream) {
    Bytes stream = FromHex(kZlibStreams[1].hex);
    Bytes wrongSum = stream;
    wrongSum.back() ^= 1;
    EXPECT_FALSE(vorlin_test::Inflate(wrongSum));
    EXPECT_FALSE(vorlin_test::Inflate(Bytes(stream.begin(), stream.end() - 5)));
}

struct ImageSize {
    int width, height;
};

class EncodePngRoundTrip : public ::testing::TestWithParam<ImageSize> {};

TEST_P(EncodePngRoundTrip, GivesBackThePixels) {
    const auto [width, height] = GetParam();
    const std::vector<std::uint32_t> argb = TestPattern(width, height);
    const Bytes png = EncodePng(width, height, argb);

    const std::vector<Chunk> chunks = ReadChunks(png);
    ASSERT_EQ(3u, chunks.size());
    EXPECT_EQ("IHDR", chunks[0].type);
    EXPECT_EQ("IDAT", chunks[1].type);
    EXPECT_EQ("IEND", chunks[2].type);
    EXPECT_TRUE(chunks[2].data.empty());

    const std::optional<vorlin_test::Picture> picture = vorlin_test::DecodePng(png);
    ASSERT_TRUE(picture);
    EXPECT_EQ(width, picture->width);
    EXPECT_EQ(height, picture->height);
    EXPECT_EQ(argb, picture->argb);
}

// 200 x 100 holds more than the 32 KiB that a repeat may reach back.
INSTANTIATE_TEST_SUITE_P(Sizes, EncodePngRoundTrip,
                         ::testing::Values(ImageSize{1, 1}, ImageSize{3, 2}, ImageSize{48, 48},
                                           ImageSize{200, 100}),
                         [](const ::testing::TestParamInfo<ImageSize>& size) {
                             return std::to_string(size.param.width) + "x" +
                                    std::to_string(size.param.height);
                         });

// A window capture is mostly one colour; its long runs must shrink to a small file.
TEST(EncodePng, PacksAFlatPictureSmall) {
    std::vector<std::uint32_t> argb(400 * 400, 0xFFFFFFFFu);
    for (int i = 0; i < 400; ++i) argb[static_cast<std::size_t>(i) * 401] = 0xFF000000u;
    const Bytes png = EncodePng(400, 400, argb);
    EXPECT_LT(png.size(), 400u * 400u * 4u / 50u);
    const std::optional<vorlin_test::Picture> picture = vorlin_test::DecodePng(png);
    ASSERT_TRUE(picture);
    EXPECT_EQ(argb, picture->argb);
}

TEST(EncodePng, GivesNothingForAnEmptyOrMismatchedPicture) {
    EXPECT_TRUE(EncodePng(0, 5, {}).empty());
    EXPECT_TRUE(EncodePng(-1, -1, {0}).empty());
    EXPECT_TRUE(EncodePng(2, 2, {0, 0, 0}).empty());
    EXPECT_FALSE(WritePng("/nonexistent-folder/x.png", 1, 1, {0}));
}

}  // namespace
