// Ellipse, Arc and TextOutA read back from the server, pixel by pixel.
#include <climits>

#include "tests/x11/LayerFixture.h"

namespace x11_test {
namespace {

constexpr std::uint32_t kWhitePixel = 0x00FFFFFFu;

struct EllipseCase {
    const char* name;
    RECT box;  // as passed to Ellipse, maybe reversed
};

class EllipseBox : public LayerTest, public ::testing::WithParamInterface<EllipseCase> {};

// The covered box after normalisation, with the pixels one step outside it.
RECT Normalised(RECT box) {
    return RECT{std::min(box.left, box.right), std::min(box.top, box.bottom),
                std::max(box.left, box.right), std::max(box.top, box.bottom)};
}

TEST_P(EllipseBox, CoversExactlyTheBoxWithPenOutlineAndBrushInside) {
    FillClient(kWhite);
    DrawEllipse(GetParam().box, kRed, kBlue);
    const RECT box = Normalised(GetParam().box);
    const int midX = (box.left + box.right - 1) / 2, midY = (box.top + box.bottom - 1) / 2;
    EXPECT_EQ(Pixel(box.left, midY), kBlue);
    EXPECT_EQ(Pixel(box.right - 1, midY), kBlue);
    EXPECT_EQ(Pixel(midX, box.top), kBlue);
    EXPECT_EQ(Pixel(midX, box.bottom - 1), kBlue);
    EXPECT_EQ(Pixel(midX, midY), kRed);
    EXPECT_EQ(Pixel(box.left + 1, midY), kRed);
    EXPECT_EQ(Pixel(midX, box.bottom - 2), kRed);
    EXPECT_EQ(Pixel(box.left - 1, midY), kWhitePixel);
    EXPECT_EQ(Pixel(box.right, midY), kWhitePixel);
    EXPECT_EQ(Pixel(midX, box.top - 1), kWhitePixel);
    EXPECT_EQ(Pixel(midX, box.bottom), kWhitePixel);
    EXPECT_EQ(Pixel(box.left, box.top), kWhitePixel) << "the corners lie outside the ellipse";
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, EllipseBox,
    ::testing::Values(EllipseCase{"circle", {20, 30, 61, 71}}, EllipseCase{"wide", {10, 100, 300, 140}},
                      EllipseCase{"tall", {200, 10, 230, 390}}, EllipseCase{"small", {50, 50, 57, 57}},
                      EllipseCase{"reversed", {61, 71, 20, 30}},
                      EllipseCase{"reversedX", {300, 100, 10, 140}}),
    [](const ::testing::TestParamInfo<EllipseCase>& param) { return std::string(param.param.name); });

// Boxes far wider than the window, drawn by X arcs or by the layer's own spans.
class WideFlatEllipse : public LayerTest, public ::testing::WithParamInterface<EllipseCase> {};

TEST_P(WideFlatEllipse, CrossesTheWholeWindowBetweenItsTopAndBottomRows) {
    FillClient(kWhite);
    DrawEllipse(GetParam().box, kRed, kBlue);
    for (const int x : {0, 200, 399}) {
        EXPECT_EQ(Pixel(x, 99), kWhitePixel) << x;
        EXPECT_EQ(Pixel(x, 100), kBlue) << x;
        EXPECT_EQ(Pixel(x, 101), kRed) << x;
        EXPECT_EQ(Pixel(x, 200), kRed) << x;
        EXPECT_EQ(Pixel(x, 298), kRed) << x;
        EXPECT_EQ(Pixel(x, 299), kBlue) << x;
        EXPECT_EQ(Pixel(x, 300), kWhitePixel) << x;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, WideFlatEllipse,
    ::testing::Values(EllipseCase{"spans", {-2000000000, 100, 2000000000, 300}},
                      EllipseCase{"xArcs", {-4000, 100, 4400, 300}}),
    [](const ::testing::TestParamInfo<EllipseCase>& param) { return std::string(param.param.name); });

TEST_F(LayerTest, NormalisedBoxDrawsTheSamePixelsAsTheStraightOne) {
    FillClient(kWhite);
    DrawEllipse({20, 20, 83, 60}, kRed, kBlue);
    const auto straight = x11_.Pixels(Xid(), 10, 10, 90, 60);
    FillClient(kWhite);
    DrawEllipse({83, 60, 20, 20}, kRed, kBlue);
    EXPECT_EQ(x11_.Pixels(Xid(), 10, 10, 90, 60), straight);
}

TEST_F(LayerTest, EmptyBoxesDrawNothing) {
    FillClient(kWhite);
    const auto before = x11_.Pixels(Xid(), 0, 0, 400, 400);
    DrawEllipse({100, 100, 100, 200}, kRed, kBlue);
    DrawEllipse({100, 100, 200, 100}, kRed, kBlue);
    DrawEllipse({INT_MIN, 5, INT_MAX, 5}, kRed, kBlue);
    EXPECT_EQ(x11_.Pixels(Xid(), 0, 0, 400, 400), before);
}

TEST_F(LayerTest, ThinBoxesAreAllOutline) {
    FillClient(kWhite);
    DrawEllipse({10, 10, 11, 20}, kRed, kBlue);
    DrawEllipse({30, 10, 32, 12}, kRed, kBlue);
    EXPECT_EQ(Pixel(10, 10), kBlue);
    EXPECT_EQ(Pixel(10, 19), kBlue);
    EXPECT_EQ(Pixel(10, 20), kWhitePixel);
    EXPECT_EQ(x11_.Pixels(Xid(), 30, 10, 2, 2), std::vector<std::uint32_t>(4, kBlue));
    EXPECT_EQ(Pixel(32, 11), kWhitePixel);
}

TEST_F(LayerTest, BoxesAtTheEndsOfTheIntegerRangeClipToTheClientArea) {
    FillClient(kWhite);
    DrawEllipse({INT_MIN, INT_MIN, INT_MAX, INT_MAX}, kRed, kBlue);
    EXPECT_EQ(x11_.Pixels(Xid(), 0, 0, 400, 400), std::vector<std::uint32_t>(400 * 400, kRed));

    FillClient(kWhite);
    // Radius 2147483647 about (200, 200), as wrapping box arithmetic hands it over.
    const auto wrap = [](std::int64_t v) { return static_cast<int>(static_cast<std::uint32_t>(v)); };
    DrawEllipse({wrap(200 - 2147483647ll), wrap(200 - 2147483647ll), wrap(200 + 2147483647ll),
                 wrap(200 + 2147483647ll)},
                kRed, kBlue);
    DrawEllipse({2000000000, 2000000000, 2000000100, 2000000100}, kRed, kBlue);
    DrawEllipse({-2000000000, -2000000000, -1999999000, -1999999000}, kRed, kBlue);
    SUCCEED() << "no crash, no undefined behaviour";
}

TEST_F(LayerTest, HugeCircleEndsAtTheRightPixel) {
    FillClient(kWhite);
    // A circle of radius 1e9 whose rightmost column is x = 199.
    DrawEllipse({200 - 2000000000, 200 - 1000000000, 200, 200 + 1000000000}, kRed, kBlue);
    EXPECT_EQ(Pixel(199, 200), kBlue);
    EXPECT_EQ(Pixel(198, 200), kRed);
    EXPECT_EQ(Pixel(200, 200), kWhitePixel);
    EXPECT_EQ(Pixel(0, 0), kRed);
}

TEST_F(LayerTest, ArcDrawsTheOutlineOnlyInThePenColour) {
    FillClient(kWhite);
    DrawArc({20, 30, 81, 91}, kBlue);
    EXPECT_EQ(Pixel(20, 60), kBlue);
    EXPECT_EQ(Pixel(80, 60), kBlue);
    EXPECT_EQ(Pixel(50, 30), kBlue);
    EXPECT_EQ(Pixel(50, 90), kBlue);
    EXPECT_EQ(Pixel(50, 60), kWhitePixel);
    EXPECT_EQ(Pixel(19, 60), kWhitePixel);
    EXPECT_EQ(Pixel(81, 60), kWhitePixel);

    FillClient(kWhite);
    DrawArc({-2000000000, 100, 2000000000, 300}, kBlue);
    EXPECT_EQ(Pixel(200, 100), kBlue);
    EXPECT_EQ(Pixel(200, 299), kBlue);
    EXPECT_EQ(Pixel(200, 200), kWhitePixel);
}

// From the top of the ellipse round its left side to its bottom: the left half only.
class PartialArc : public LayerTest, public ::testing::WithParamInterface<EllipseCase> {};

TEST_P(PartialArc, RunsCounterClockwiseFromStartToEnd) {
    FillClient(kWhite);
    const RECT box = GetParam().box;
    const int middleX = (box.left + box.right) / 2;
    HDC context = GetDC(window_);
    EXPECT_TRUE(Arc(context, box.left, box.top, box.right, box.bottom, middleX, box.top - 50,
                    middleX, box.bottom + 50));
    ReleaseDC(window_, context);
    XSync(Layer().display, False);
    EXPECT_EQ(Pixel(0, 150), kBlack) << "the left side of the outline";
    EXPECT_EQ(Pixel(399, 150), kWhitePixel) << "the right side is not on the arc";
    EXPECT_EQ(Pixel(200, 150), kWhitePixel) << "nothing inside";

    FillClient(kWhite);
    context = GetDC(window_);
    EXPECT_TRUE(Arc(context, box.left, box.top, box.right, box.bottom, middleX, box.bottom + 50,
                    middleX, box.top - 50));
    ReleaseDC(window_, context);
    XSync(Layer().display, False);
    EXPECT_EQ(Pixel(0, 150), kWhitePixel) << "from bottom to top is the right half";
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, PartialArc,
    ::testing::Values(EllipseCase{"xArcs", {0, 100, 401, 201}},
                      EllipseCase{"spans", {0, -1000000000, 2000000000, 1000000300}}),
    [](const ::testing::TestParamInfo<EllipseCase>& param) { return std::string(param.param.name); });

TEST_F(LayerTest, CentreMarkIsATinyRing) {
    FillClient(kWhite);
    DrawArc({199, 199, 201, 201}, kBlue);
    EXPECT_EQ(x11_.Pixels(Xid(), 199, 199, 2, 2), std::vector<std::uint32_t>(4, kBlue));
    EXPECT_EQ(Pixel(201, 200), kWhitePixel);
    EXPECT_EQ(Pixel(198, 200), kWhitePixel);
}

TEST_F(LayerTest, TextCellHasItsTopLeftCornerAtThePointBlackOnOpaqueWhite) {
    FillClient(kGrey);
    HDC context = GetDC(window_);
    ASSERT_NE(context, nullptr);
    EXPECT_TRUE(TextOutA(context, 40, 50, "Size=400,400", 12));
    EXPECT_TRUE(TextOutA(context, -30000, 200, "far left", 8));
    EXPECT_TRUE(TextOutA(context, 40, 2000000000, "far below", 9));
    ReleaseDC(window_, context);
    XSync(Layer().display, False);
    const auto cell = x11_.Pixels(Xid(), 40, 50, 60, 12);
    const auto black = std::count(cell.begin(), cell.end(), 0u);
    const auto white = std::count(cell.begin(), cell.end(), kWhitePixel);
    EXPECT_GT(black, 20);
    EXPECT_EQ(black + white, static_cast<long>(cell.size())) << "only ink and box in the cell";
    EXPECT_EQ(Pixel(40, 50), kWhitePixel);
    EXPECT_EQ(Pixel(39, 50), kGrey);
    EXPECT_EQ(Pixel(40, 49), kGrey);
}

TEST_F(LayerTest, DrawingPartlyOutsideTheClientAreaKeepsTheInsidePart) {
    FillClient(kWhite);
    DrawEllipse({-50, -50, 50, 50}, kRed, kBlue);
    EXPECT_EQ(Pixel(0, 0), kRed);
    EXPECT_EQ(Pixel(49, 0), kBlue);
    EXPECT_EQ(Pixel(0, 49), kBlue);
}

TEST_F(LayerTest, FreshContextHoldsStockObjectsThatAreNeverFreed) {
    HDC context = GetDC(window_);
    HBRUSH brush = CreateSolidBrush(kRed);
    HGDIOBJ stockBrush = SelectObject(context, brush);
    ASSERT_NE(stockBrush, nullptr);
    EXPECT_FALSE(DeleteObject(brush)) << "a selected brush is not freed";
    EXPECT_EQ(SelectObject(context, stockBrush), brush);
    EXPECT_TRUE(DeleteObject(stockBrush));
    EXPECT_TRUE(DeleteObject(brush));
    ReleaseDC(window_, context);

    FillClient(kGrey);
    context = GetDC(window_);
    EXPECT_TRUE(Ellipse(context, 10, 10, 41, 41));
    ReleaseDC(window_, context);
    XSync(Layer().display, False);
    EXPECT_EQ(Pixel(25, 25), kWhitePixel) << "white brush";
    EXPECT_EQ(Pixel(10, 25), kBlack) << "black pen";
}

}  // namespace
}  // namespace x11_test
