// The icon's picture at each offered size: a black disc with red and yellow on it, clear
// corners, and no partial transparency (the picture is drawn without antialiasing).
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/icon/IconImage.h"

namespace {

class IconImageAtSize : public ::testing::TestWithParam<int> {};

TEST_P(IconImageAtSize, IsABlackDiscWithRedAndYellowAndClearCorners) {
    const int size = GetParam();
    const std::vector<std::uint32_t> pixels = IconImage(size);
    ASSERT_EQ(pixels.size(), static_cast<std::size_t>(size * size));
    const auto has = [&](std::uint32_t colour) {
        return std::count(pixels.begin(), pixels.end(), colour) > 0;
    };
    EXPECT_TRUE(has(0xFF000000u)) << "black disc";
    EXPECT_TRUE(std::any_of(pixels.begin(), pixels.end(), [](std::uint32_t p) {
        return p >> 24 == 0xFF && (p >> 16 & 0xFF) > 0xC0 && (p >> 8 & 0xFF) < 0x40;
    })) << "red swirl";
    EXPECT_TRUE(std::any_of(pixels.begin(), pixels.end(), [](std::uint32_t p) {
        return p >> 24 == 0xFF && (p >> 16 & 0xFF) > 0xC0 && (p >> 8 & 0xFF) > 0xC0 && (p & 0xFF) < 0x40;
    })) << "yellow stroke";
    EXPECT_EQ(pixels.front() >> 24, 0u) << "top-left corner is clear";
    EXPECT_EQ(pixels.back() >> 24, 0u) << "bottom-right corner is clear";
    EXPECT_TRUE(std::all_of(pixels.begin(), pixels.end(), [](std::uint32_t p) {
        return p >> 24 == 0 || p >> 24 == 0xFF;
    }));
}

INSTANTIATE_TEST_SUITE_P(OfferedSizes, IconImageAtSize, ::testing::ValuesIn(kIconSizes));

TEST(IconImage, NoSizeGivesNoPixels) { EXPECT_TRUE(IconImage(0).empty()); }

}  // namespace
