// The wrapping coordinate helpers at the ends of the signed 32-bit range, and the
// double-to-coordinate conversion for values no coordinate can hold.
#include "geometry/Wrap.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <ostream>
#include <string>

namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

TEST(Wrap, IntegerArithmeticWrapsAtTheEnds) {
    EXPECT_EQ(wrap::Add(kMax, 1), kMin);
    EXPECT_EQ(wrap::Add(kMin, -1), kMax);
    EXPECT_EQ(wrap::Sub(kMin, 1), kMax);
    EXPECT_EQ(wrap::Sub(kMax, kMin), -1);
    EXPECT_EQ(wrap::Neg(kMin), kMin);
    EXPECT_EQ(wrap::Neg(kMax), kMin + 1);
    EXPECT_EQ(wrap::Add(-7, 3), -4);
}

struct TruncateCase {
    const char* name;
    double value;
    std::int32_t coord;
};

void PrintTo(const TruncateCase& c, std::ostream* out) { *out << c.name; }

class WrapTruncate : public testing::TestWithParam<TruncateCase> {};

TEST_P(WrapTruncate, TruncatesTowardZeroThenWraps) {
    EXPECT_EQ(wrap::TruncateToCoord(GetParam().value), GetParam().coord);
}

const TruncateCase kTruncateCases[] = {
    {"PositiveFraction", 3.7, 3},
    {"NegativeFraction", -3.7, -3},
    {"JustAboveMinus143", -142.9999999, -142},
    {"NegativeZero", -0.0, 0},
    {"TwoToThe31", 0x1p31, kMin},
    {"BelowInt32Min", -2147483649.0, kMax},
    {"TwoToThe32PlusFive", 0x1p32 + 5.0, 5},
    {"LargestBelowTwoToThe63", 0x1p63 - 1024.0, -1024},
    {"TwoToThe63", 0x1p63, 0},
    {"AboveTwoToThe63", 0x1p63 + 2048.0, 2048},
    {"BelowMinusTwoToThe63", -(0x1p63 + 2048.0), -2048},
    {"Huge", 1e300, 0},
    {"Infinity", std::numeric_limits<double>::infinity(), 0},
    {"NotANumber", std::numeric_limits<double>::quiet_NaN(), 0},
};
INSTANTIATE_TEST_SUITE_P(Values, WrapTruncate, testing::ValuesIn(kTruncateCases),
                         [](const testing::TestParamInfo<TruncateCase>& row) {
                             return std::string(row.param.name);
                         });

}  // namespace
