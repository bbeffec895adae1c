// PlanStamp against tables of events: the worked cases of the drawing rules first, then
// the edges where a plan is easy to get wrong (centre, axes, odd and empty client areas,
// negative radius, wrap-around). Colour and eraser have their own short tables.
#include "geometry/PlanStamp.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "geometry/SymmetryMode.h"

void PrintTo(const DotBox& box, std::ostream* out) {
    *out << "(" << box.left << ", " << box.top << ", " << box.right << ", " << box.bottom << ")";
}

namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

MarkSettings Brush(std::int32_t radius, std::int32_t mode) { return {radius, 10, 20, 30, mode}; }

std::vector<DotBox> Boxes(const StampPlan& plan) { return {plan.dots.begin(), plan.dots.end()}; }

struct BoxCase {
    const char* name;
    RECT client;
    std::int32_t x;
    std::int32_t y;
    std::int32_t radius;
    std::int32_t mode;
    std::vector<DotBox> boxes;
};

void PrintTo(const BoxCase& c, std::ostream* out) { *out << c.name; }

class PlanStampBoxes : public testing::TestWithParam<BoxCase> {};

TEST_P(PlanStampBoxes, GivesTheBoxesInStampingOrder) {
    const BoxCase& c = GetParam();
    const StampPlan plan = PlanStamp(c.x, c.y, c.client, Brush(c.radius, c.mode), false);
    EXPECT_EQ(Boxes(plan), c.boxes);
}

// Test names come from the table rows.
template <typename Case>
std::string CaseName(const testing::TestParamInfo<Case>& row) {
    return row.param.name;
}

const BoxCase kWorkedExamples[] = {
    {"RotateThree", {0, 0, 400, 300}, 300, 100, 8, RotateThree,
     {{292, 92, 308, 108}, {185, 253, 201, 269}, {98, 80, 114, 96}}},
    {"RotateFourOddSize", {0, 0, 401, 301}, 250, 100, 5, RotateFour,
     {{245, 95, 255, 105}, {146, 196, 156, 206}, {144, 95, 154, 105}, {244, 195, 254, 205}}},
    {"RotateFive", {0, 0, 400, 400}, 200, 50, 10, RotateFive,
     {{190, 40, 210, 60}, {101, 311, 121, 331}, {47, 143, 67, 163}, {278, 311, 298, 331},
      {332, 143, 352, 163}}},
    {"MirrorLeftRight", {0, 0, 401, 301}, 10, 20, 3, MirrorLeftRight,
     {{7, 17, 13, 23}, {388, 17, 394, 23}}},
    {"PointReflection", {0, 0, 401, 301}, 10, 20, 3, PointReflection,
     {{7, 17, 13, 23}, {388, 278, 394, 284}}},
    {"MirrorBothAxes", {0, 0, 401, 301}, 10, 20, 3, MirrorBothAxes,
     {{7, 17, 13, 23}, {388, 278, 394, 284}, {388, 17, 394, 23}, {7, 278, 13, 284}}},
    {"RotateFourAtCentreOddSize", {0, 0, 401, 301}, 200, 150, 4, RotateFour,
     {{196, 146, 204, 154}, {197, 147, 205, 155}, {196, 146, 204, 154}, {196, 146, 204, 154}}},
    {"RotateFiveAtCentre", {0, 0, 400, 400}, 200, 200, 4, RotateFive,
     {{196, 196, 204, 204}, {196, 196, 204, 204}, {196, 196, 204, 204}, {196, 196, 204, 204},
      {196, 196, 204, 204}}},
    // The quarter turns land just inside -140 and 240: edges truncate toward zero.
    {"RotateFourNegativeEdgeTruncatesTowardZero", {0, 0, 400, 100}, 390, 50, 3, RotateFour,
     {{387, 47, 393, 53}, {7, 47, 13, 53}, {196, -142, 202, -136}, {196, 236, 202, 242}}},
    {"PointerOutsideClient", {0, 0, 400, 400}, -30, 420, 5, RotateThree,
     {{-35, 415, -25, 425}, {119, -114, 129, -104}, {500, 284, 510, 294}}},
};
INSTANTIATE_TEST_SUITE_P(WorkedExamples, PlanStampBoxes, testing::ValuesIn(kWorkedExamples),
                         CaseName<BoxCase>);

// At the centre the distance is zero and atan2 sees (+0, +0): every turned box is the
// centre's own box, with no NaN on the way.
const BoxCase kPointerAtCentre[] = {
    {"RotateThree", {0, 0, 400, 300}, 200, 150, 7, RotateThree,
     {{193, 143, 207, 157}, {193, 143, 207, 157}, {193, 143, 207, 157}}},
    {"RotateFour", {0, 0, 400, 300}, 200, 150, 2, RotateFour,
     {{198, 148, 202, 152}, {198, 148, 202, 152}, {198, 148, 202, 152}, {198, 148, 202, 152}}},
    {"RotateFiveEmptyClient", {0, 0, 0, 0}, 0, 0, 3, RotateFive,
     {{-3, -3, 3, 3}, {-3, -3, 3, 3}, {-3, -3, 3, 3}, {-3, -3, 3, 3}, {-3, -3, 3, 3}}},
    // Mirrors use the half-pixel midpoint (200.5, 150.5), so they step off the centre.
    {"MirrorBothAxesOddSize", {0, 0, 401, 301}, 200, 150, 1, MirrorBothAxes,
     {{199, 149, 201, 151}, {200, 150, 202, 152}, {200, 149, 202, 151}, {199, 150, 201, 152}}},
};
INSTANTIATE_TEST_SUITE_P(PointerAtCentre, PlanStampBoxes, testing::ValuesIn(kPointerAtCentre),
                         CaseName<BoxCase>);

// On the centre lines one offset is zero, so atan2 sits on +0, +pi or +-pi/2. Radius 0
// shows the truncated image points themselves.
const BoxCase kPointerOnCentreLines[] = {
    {"RightOfCentreThree", {0, 0, 400, 300}, 300, 150, 0, RotateThree,
     {{300, 150, 300, 150}, {149, 236, 149, 236}, {149, 63, 149, 63}}},
    {"LeftOfCentreThree", {0, 0, 400, 300}, 100, 150, 0, RotateThree,
     {{100, 150, 100, 150}, {250, 63, 250, 63}, {250, 236, 250, 236}}},
    {"BelowCentreThree", {0, 0, 400, 300}, 200, 250, 0, RotateThree,
     {{200, 250, 200, 250}, {113, 99, 113, 99}, {286, 99, 286, 99}}},
    {"AboveCentreThree", {0, 0, 400, 300}, 200, 50, 0, RotateThree,
     {{200, 50, 200, 50}, {286, 200, 286, 200}, {113, 200, 113, 200}}},
    {"RightOfCentreFive", {0, 0, 400, 300}, 300, 150, 0, RotateFive,
     {{300, 150, 300, 150}, {119, 91, 119, 91}, {230, 54, 230, 54}, {119, 208, 119, 208},
      {230, 245, 230, 245}}},
    {"AboveCentreFive", {0, 0, 400, 300}, 200, 50, 0, RotateFive,
     {{200, 50, 200, 50}, {141, 230, 141, 230}, {104, 119, 104, 119}, {258, 230, 258, 230},
      {295, 119, 295, 119}}},
};
INSTANTIATE_TEST_SUITE_P(PointerOnCentreLines, PlanStampBoxes,
                         testing::ValuesIn(kPointerOnCentreLines), CaseName<BoxCase>);

// A negative radius turns every box inside out; nothing normalises it.
const BoxCase kNegativeRadius[] = {
    {"RotateThree", {0, 0, 400, 300}, 100, 100, -5, RotateThree,
     {{105, 105, 95, 95}, {298, 93, 288, 83}, {211, 266, 201, 256}}},
    {"MirrorBothAxes", {0, 0, 400, 300}, 100, 100, -5, MirrorBothAxes,
     {{105, 105, 95, 95}, {305, 205, 295, 195}, {305, 105, 295, 95}, {105, 205, 95, 195}}},
};
INSTANTIATE_TEST_SUITE_P(NegativeRadius, PlanStampBoxes, testing::ValuesIn(kNegativeRadius),
                         CaseName<BoxCase>);

const BoxCase kOtherModes[] = {
    {"Six", {0, 0, 400, 300}, 10, 20, 3, 6, {{7, 17, 13, 23}}},
    {"Seven", {0, 0, 400, 300}, 10, 20, 3, 7, {{7, 17, 13, 23}}},
    {"MinusOne", {0, 0, 400, 300}, 10, 20, 3, -1, {{7, 17, 13, 23}}},
    {"Int32Min", {0, 0, 400, 300}, 10, 20, 3, kMin, {{7, 17, 13, 23}}},
    {"Int32Max", {0, 0, 400, 300}, 10, 20, 3, kMax, {{7, 17, 13, 23}}},
};
INSTANTIATE_TEST_SUITE_P(OtherModes, PlanStampBoxes, testing::ValuesIn(kOtherModes),
                         CaseName<BoxCase>);

// Only the width and height of the client rectangle count.
const BoxCase kClientRectangles[] = {
    {"EmptyClientMirrorsThroughOrigin", {0, 0, 0, 0}, 10, 20, 2, MirrorBothAxes,
     {{8, 18, 12, 22}, {-12, -22, -8, -18}, {-12, 18, -8, 22}, {8, -22, 12, -18}}},
    {"OffsetRectangleUsesItsSize", {100, 50, 500, 350}, 10, 20, 3, PointReflection,
     {{7, 17, 13, 23}, {387, 277, 393, 283}}},
    // right - left overflows: the width wraps to -1.
    {"WidthWraps", {kMin, 0, kMax, 0}, 5, 0, 1, MirrorLeftRight, {{4, -1, 6, 1}, {-7, -1, -5, 1}}},
};
INSTANTIATE_TEST_SUITE_P(ClientRectangles, PlanStampBoxes, testing::ValuesIn(kClientRectangles),
                         CaseName<BoxCase>);

// Edges beyond the signed 32-bit range wrap modulo 2^32, the integer ones and the
// truncated ones alike. Under the sanitizers these also prove there is no signed
// overflow and no out-of-range conversion.
const BoxCase kWrapAround[] = {
    {"HugeRadiusMirrored", {0, 0, 400, 300}, 10, 20, kMax, MirrorLeftRight,
     {{-2147483637, -2147483627, -2147483639, -2147483629},
      {-2147483257, -2147483627, -2147483259, -2147483629}}},
    {"MostNegativePointerMirrored", {0, 0, 400, 300}, kMin, kMin, 1, MirrorBothAxes,
     {{2147483647, 2147483647, -2147483647, -2147483647},
      {-2147483249, -2147483349, -2147483247, -2147483347},
      {-2147483249, 2147483647, -2147483247, -2147483647},
      {2147483647, -2147483349, -2147483647, -2147483347}}},
    {"FarPointerTurnedFive", {0, 0, 400, 300}, kMin, kMin, 0, RotateFive,
     {{kMin, kMin, kMin, kMin},
      {475130609, -1295363067, 475130609, -1295363067},
      {1589033520, 1378874638, 1589033520, 1378874638},
      {-1295363006, 475130489, -1295363006, 475130489},
      {1378874625, 1589033438, 1378874625, 1589033438}}},
    {"FarPointerHugeRadiusTurnedFive", {0, 0, 400, 300}, kMin, kMax, kMax, RotateFive,
     {{1, 0, -1, -2},
      {852120466, 1672353704, 852120464, 1672353701},
      {-768609307, 558450418, -768609310, 558450416},
      {-1672352860, -852120037, -1672352863, -852120039},
      {-558449841, 768609218, -558449843, 768609215}}},
    {"FarPointerMostNegativeRadiusTurnedThree", {0, 0, 400, 300}, kMax, kMin, kMin, RotateThree,
     {{-1, 0, -1, 0},
      {-1361512870, 786050559, -1361512869, 786050559},
      {-786050338, 1361513698, -786050338, 1361513699}}},
    {"WrappedClientTurnedFour", {kMin, kMin, kMax, kMax}, kMin, kMin, kMax, RotateFour,
     {{1, 1, -1, -1}, {0, 0, -2, -2}, {69424, 69421, 69421, 69419}, {69421, 69424, 69419, 69421}}},
};
INSTANTIATE_TEST_SUITE_P(WrapAround, PlanStampBoxes, testing::ValuesIn(kWrapAround),
                         CaseName<BoxCase>);

struct ColourCase {
    const char* name;
    std::int32_t red;
    std::int32_t green;
    std::int32_t blue;
    COLORREF colour;
};

void PrintTo(const ColourCase& c, std::ostream* out) { *out << c.name; }

class PlanStampColour : public testing::TestWithParam<ColourCase> {};

TEST_P(PlanStampColour, TakesTheLowByteOfEachComponent) {
    const ColourCase& c = GetParam();
    const MarkSettings settings{3, c.red, c.green, c.blue, MirrorLeftRight};
    EXPECT_EQ(PlanStamp(10, 20, {0, 0, 400, 300}, settings, false).colour, c.colour);
}

TEST_P(PlanStampColour, EraserIsWhiteWhateverTheComponents) {
    const ColourCase& c = GetParam();
    const MarkSettings settings{3, c.red, c.green, c.blue, MirrorLeftRight};
    EXPECT_EQ(PlanStamp(10, 20, {0, 0, 400, 300}, settings, true).colour, kWhite);
}

const ColourCase kColours[] = {
    {"RedInLowestByte", 0x12, 0x34, 0x56, 0x00563412u},
    {"BeyondAByte", 300, -1, 256, 0x0000FF2Cu},
    {"Black", 0, 0, 0, 0x00000000u},
    {"ExtremeValues", kMin, kMax, -256, 0x0000FF00u},
};
INSTANTIATE_TEST_SUITE_P(Components, PlanStampColour, testing::ValuesIn(kColours),
                         CaseName<ColourCase>);

// The eraser changes the colour alone: the boxes are those of the same event without it.
class PlanStampEraser : public testing::TestWithParam<std::int32_t> {};

TEST_P(PlanStampEraser, KeepsTheBoxesOfTheSameEvent) {
    const RECT client{0, 0, 401, 301};
    const MarkSettings settings = Brush(6, GetParam());
    for (const POINT p : {POINT{10, 20}, POINT{250, 100}, POINT{-30, 420}}) {
        EXPECT_EQ(PlanStamp(p.x, p.y, client, settings, true).dots,
                  PlanStamp(p.x, p.y, client, settings, false).dots)
            << "pointer (" << p.x << ", " << p.y << ")";
    }
}

INSTANTIATE_TEST_SUITE_P(EveryMode, PlanStampEraser, testing::Range(-1, 7));

}  // namespace
