// What a repaint shows: the guide of a fresh window, a resize that clears every dot and
// draws the guide for the new size, and an uncovering that clears only the uncovered part.
#include <gmock/gmock.h>

#include "tests/drawing/StartedVorlin.h"

using ::testing::IsEmpty;

namespace vorlin_drawing {
namespace {

constexpr std::uint32_t kDotColour = 0x00C02040u;

class RepaintTest : public StartedVorlinTest {};

// Ink in the first characters of a text cell at (x, y), none just left of it or above it.
void ExpectTextCellAt(const Picture& picture, int x, int y) {
    EXPECT_GT(picture.InkIn(x, y, 40, 12), 20) << "no text at " << x << "," << y;
    EXPECT_EQ(picture.InkIn(x - 6, y + 2, 6, 10), 0) << "ink left of the cell at " << x << "," << y;
    EXPECT_EQ(picture.InkIn(x + 3, y - 3, 57, 3), 0) << "ink above the cell at " << x << "," << y;
}

// The outline of the ellipse inscribed in width x height touches the middle of each side.
void ExpectCircleTouchingTheSides(const Picture& picture, int width, int height) {
    const int cx = width / 2, cy = height / 2;
    EXPECT_GT(picture.InkIn(cx - 2, 0, 5, 2), 0) << "top";
    EXPECT_GT(picture.InkIn(cx - 2, height - 2, 5, 2), 0) << "bottom";
    EXPECT_GT(picture.InkIn(0, cy - 2, 2, 5), 0) << "left";
    EXPECT_GT(picture.InkIn(width - 2, cy - 2, 2, 5), 0) << "right";
    EXPECT_EQ(picture.InkIn(cx - 2, 4, 5, 6), 0) << "the circle is an outline";
}

TEST_F(RepaintTest, AFreshWindowShowsTheGuide) {
    ASSERT_EQ(fresh.width, kSide);
    ASSERT_EQ(fresh.height, kSide);
    for (const int y : {200, 220, 240, 270}) ExpectTextCellAt(fresh, 200, y);
    ExpectCircleTouchingTheSides(fresh, kSide, kSide);
    // 45 degrees up and right of the centre, the circle passes (341.4, 58.6).
    EXPECT_GT(fresh.InkIn(339, 56, 5, 5), 0) << "the circle is inscribed";
    EXPECT_GT(fresh.InkIn(199, 199, 2, 2), 0) << "the ring around the centre";
    EXPECT_EQ(fresh.InkIn(193, 193, 5, 5), 0) << "the ring is small";
    EXPECT_EQ(fresh.InkIn(10, 10, 40, 40), 0) << "the corner outside the circle is the window colour";
}

TEST_F(RepaintTest, AResizeClearsEveryDotAndDrawsTheGuideForTheNewSize) {
    UseSettings(7, kDotColour, 5);
    Press({150, 120});
    Release();
    ASSERT_TRUE(WaitFor({Plan({150, 120}, SettingsOf(7, kDotColour, 5))}, kDotColour));

    ASSERT_TRUE(vorlin_e2e::ResizeClientArea(*x, window, 520, 310));
    const Picture resized = Now();
    EXPECT_EQ(std::count(resized.pixels.begin(), resized.pixels.end(), kDotColour), 0) << "a dot is left";
    ExpectTextCellAt(resized, 260, 155);
    ExpectTextCellAt(resized, 260, 175);
    ExpectCircleTouchingTheSides(resized, 520, 310);

    ASSERT_TRUE(vorlin_e2e::ResizeClientArea(*x, window, kSide, kSide));
    EXPECT_THAT(ChangesWithin(fresh, Now(), 0, 0, kSide, kSide), IsEmpty()) << "the fresh guide again";
}

TEST_F(RepaintTest, UncoveringPartOfTheWindowClearsOnlyThatPart) {
    UseSettings(8, kDotColour, 3);
    const StampPlan plan = Plan({100, 80}, SettingsOf(8, kDotColour, 3));
    Press({100, 80});
    Release();
    ASSERT_TRUE(WaitFor({plan}, kDotColour));
    const Picture drawn = Now();

    const DotBox covered{60, 40, 139, 119};  // around the pointer's own dot only
    const Window cover = x->MapCover(kWindowAt.x + covered.left, kWindowAt.y + covered.top, 80, 80, 0x0000FF00u);
    x->DestroyCover(cover);
    ASSERT_TRUE(WaitForDots(*x, window, {Plan({100, 80}, SettingsOf(0, 0, 9))}, fresh.At(100, 80)))
        << "the uncovered part was not repainted";

    const Picture after = Now();
    EXPECT_THAT(ChangesWithin(fresh, after, covered.left, covered.top, 80, 80), IsEmpty()) << "the guide alone";
    EXPECT_THAT(ChangesOutside(drawn, after, covered), IsEmpty()) << "the other dots stay";
}

}  // namespace
}  // namespace vorlin_drawing
