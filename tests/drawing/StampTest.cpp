// Stamping on the real program with real XTest input: a press in every symmetry mode, the
// eraser, drags (with a settings edit midway, out of the window on the left, and a long
// one), each checked pixel by pixel against the plans of stamp planning.
#include <gmock/gmock.h>

#include "tests/drawing/StartedVorlin.h"
#include "tests/settings/CaseName.h"
#include "tests/support/XvfbServer.h"

using ::testing::IsEmpty;

namespace vorlin_drawing {
namespace {

auto* const xvfb = vorlin_test::InstallXvfbEnvironment();

constexpr std::uint32_t kWhite = 0x00FFFFFFu;

// ---- One press in every mode --------------------------------------------------------------

struct ModeCase {
    const char* name;
    std::int32_t mode;
    std::size_t dots;
    std::uint32_t colour;
};

void PrintTo(const ModeCase& c, std::ostream* out) { *out << c.name; }

class PressTest : public StartedVorlinTest, public ::testing::WithParamInterface<ModeCase> {};

// (140, 110) lies off both centre lines and off the diagonals, so that every image is a dot
// of its own, and all of them lie clear of the guide's circle and ring.
TEST_P(PressTest, StampsTheSettingsColourAtThePointerAndExactlyAtItsImages) {
    const ModeCase& c = GetParam();
    const POINT pointer{140, 110};
    UseSettings(6, c.colour, c.mode);
    const StampPlan plan = Plan(pointer, SettingsOf(6, c.colour, c.mode));
    ASSERT_EQ(plan.dots.size(), c.dots);
    MoveTo(pointer);
    const Picture before = Now();

    Press(pointer);
    Release();

    ASSERT_TRUE(WaitFor({plan}, c.colour)) << "the dots did not appear";
    const Picture after = Now();
    EXPECT_THAT(ChangesOutside(before, after, {plan}), IsEmpty());
    for (const POINT& centre : DotCentres(plan, kSide, kSide)) {
        EXPECT_EQ(after.At(centre.x + 8, centre.y), before.At(centre.x + 8, centre.y)) << "right of " << centre.x;
        EXPECT_EQ(after.At(centre.x, centre.y - 8), before.At(centre.x, centre.y - 8)) << "above " << centre.y;
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, PressTest,
                         ::testing::Values(ModeCase{"MirrorLeftRight", 0, 2, 0x000000FFu},
                                           ModeCase{"PointReflection", 1, 2, 0x0000FF00u},
                                           ModeCase{"RotateThree", 2, 3, 0x00FF0000u},
                                           ModeCase{"MirrorBothAxes", 3, 4, 0x0000FFFFu},
                                           ModeCase{"RotateFour", 4, 4, 0x00FF00FFu},
                                           ModeCase{"RotateFive", 5, 5, 0x00FFFF00u},
                                           ModeCase{"OtherValue", 9, 1, 0x00404080u}),
                         CaseName<ModeCase>);

// ---- The eraser and strokes -----------------------------------------------------------------

class StrokeTest : public StartedVorlinTest {};

TEST_F(StrokeTest, ShiftStampsTheSameBoxesInWhiteOverDrawnDots) {
    const POINT pointer{120, 70};
    UseSettings(9, 0x00800000u, 3);
    const MarkSettings settings = SettingsOf(9, 0x00800000u, 3);
    Press(pointer);
    Release();
    ASSERT_TRUE(WaitFor({Plan(pointer, settings)}, 0x00800000u));
    const Picture drawn = Now();

    HoldShift();
    Press(pointer);
    Release();
    LetGoOfShift();

    const StampPlan erased = Plan(pointer, settings, true);
    ASSERT_TRUE(WaitFor({erased}, kWhite)) << "the dots were not erased";
    EXPECT_THAT(ChangesOutside(drawn, Now(), {erased}), IsEmpty());
}

TEST_F(StrokeTest, ADragStampsAtEveryReportedPositionAndNothingBetween) {
    UseSettings(4, 0x00008000u, 1);
    const MarkSettings settings = SettingsOf(4, 0x00008000u, 1);
    std::vector<StampPlan> plans;
    const Picture before = Now();

    Press({60, 40});
    plans.push_back(Plan({60, 40}, settings));
    for (int step = 1; step <= 6; ++step) {
        const POINT at{60 + 14 * step, 40 + 3 * step};
        MoveTo(at);
        plans.push_back(Plan(at, settings));
    }
    Release();

    ASSERT_TRUE(WaitFor(plans, 0x00008000u)) << "not every position was stamped";
    const Picture after = Now();
    EXPECT_THAT(ChangesOutside(before, after, plans), IsEmpty());
    // Halfway between two positions nothing is drawn.
    EXPECT_EQ(after.At(67, 41), before.At(67, 41));
}

TEST_F(StrokeTest, AnEditOfTheSettingsFileTakesEffectAtTheNextMoveOfTheDrag) {
    UseSettings(5, 0x000000C0u, 0);
    const POINT first{80, 300}, second{110, 330};
    const StampPlan old = Plan(first, SettingsOf(5, 0x000000C0u, 0));
    Press({50, 300});
    MoveTo(first);
    ASSERT_TRUE(WaitFor({old}, 0x000000C0u));

    UseSettings(9, 0x00C000C0u, 4);
    const Picture before = Now();
    MoveTo(second);
    const StampPlan edited = Plan(second, SettingsOf(9, 0x00C000C0u, 4));
    ASSERT_EQ(edited.dots.size(), 4u);
    EXPECT_TRUE(WaitFor({edited}, 0x00C000C0u)) << "the new radius, colour and mode did not arrive";
    Release();
    EXPECT_THAT(ChangesOutside(before, Now(), {edited}), IsEmpty());
}

// Three-fold turns of a point just left of the window land inside it.
TEST_F(StrokeTest, ADragThatLeavesOnTheLeftStampsTheImagesInsideUntilTheRelease) {
    UseSettings(6, 0x00C08000u, 2);
    const MarkSettings settings = SettingsOf(6, 0x00C08000u, 2);
    const POINT inside{30, 190}, outside{-12, 190}, further{-30, 170};
    Press(inside);
    MoveTo(outside);
    MoveTo(further);
    const std::vector<StampPlan> plans{Plan(inside, settings), Plan(outside, settings), Plan(further, settings)};
    for (const POINT& own : {outside, further}) {
        ASSERT_LT(own.x + settings.radius, 0) << "the pointer's own dot lies outside";
    }
    EXPECT_EQ(DotCentres(plans[1], kSide, kSide).size(), 2u) << "both images lie inside";
    ASSERT_TRUE(WaitFor(plans, 0x00C08000u)) << "the images of the outside positions did not appear";
    Release();

    // After the release a move without the button stamps nothing: the press that follows
    // is the only change.
    const Picture before = Now();
    MoveTo({320, 60});
    UseSettings(6, 0x00204080u, 7);
    const StampPlan sentinel = Plan({330, 300}, SettingsOf(6, 0x00204080u, 7));
    Press({330, 300});
    Release();
    ASSERT_TRUE(WaitFor({sentinel}, 0x00204080u));
    EXPECT_THAT(ChangesOutside(before, Now(), {sentinel}), IsEmpty());
}

// A long, fast drag: every move takes and releases a drawing context of its own.
TEST_F(StrokeTest, SurvivesALongFastDrag) {
    UseSettings(8, 0x000000FFu, 3);
    const MarkSettings settings = SettingsOf(8, 0x000000FFu, 3);
    Press({130, 90});
    POINT last{130, 90};
    for (int step = 0; step <= 120; ++step) {
        last = POINT{130 + (step * 2) % 60, 90 + step % 80};
        MoveTo(last);
    }
    Release();
    EXPECT_TRUE(WaitFor({Plan(last, settings)}, 0x000000FFu)) << "errors: " << vorlin->Errors();
    EXPECT_TRUE(vorlin->Running()) << vorlin->Errors();
}

}  // namespace
}  // namespace vorlin_drawing
