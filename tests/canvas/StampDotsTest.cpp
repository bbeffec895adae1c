// StampDots on a recording context: one Ellipse per box with the box as it stands, a brush
// and pen of the plan's colour lent for the call, and the context's own pen and brush
// selected again before the lent ones are deleted.
#include <gmock/gmock.h>

#include "canvas/StampDots.h"
#include "platform/framework/ClientDC.h"
#include "platform/framework/GdiObject.h"
#include "tests/canvas/CanvasFixture.h"
#include "tests/settings/CaseName.h"

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

StampPlan PlanOf(COLORREF colour, std::initializer_list<DotBox> boxes) {
    StampPlan plan{colour, {}};
    for (const DotBox& box : boxes) plan.dots.push_back(box);
    return plan;
}

struct DotsCase {
    const char* name;
    StampPlan plan;
};

void PrintTo(const DotsCase& c, std::ostream* out) { *out << c.name; }

class StampDotsTest : public CanvasTest, public ::testing::WithParamInterface<DotsCase> {};

TEST_P(StampDotsTest, DrawsOneEllipsePerBoxInOrderWithTheBoxUnchanged) {
    const StampPlan& plan = GetParam().plan;
    {
        CClientDC context(&theMarkWnd);
        StampDots(context, plan);
    }
    EXPECT_THAT(Calls("Ellipse"), ElementsAreArray(EllipseCalls(plan)));
    const std::string colour = RecordedCall{"CreatePen", {NumberArgument(0), NumberArgument(1), HexArgument(plan.colour)}}.Render();
    EXPECT_THAT(Calls("CreatePen"), ElementsAre(colour));
}

INSTANTIATE_TEST_SUITE_P(
    Plans, StampDotsTest,
    ::testing::Values(
        DotsCase{"None", PlanOf(0x00123456u, {})},
        DotsCase{"One", PlanOf(0x000000FFu, {{110, 70, 130, 90}})},
        DotsCase{"Two", PlanOf(0x0000FF00u, {{110, 70, 130, 90}, {270, 70, 290, 90}})},
        DotsCase{"FiveInTheirOrder",
                 PlanOf(0x00FF0000u, {{1, 2, 3, 4}, {50, 60, 70, 80}, {-9, -8, 7, 6}, {300, 10, 320, 30}, {5, 5, 6, 6}})},
        DotsCase{"ZeroRadius", PlanOf(0x00FFFFFFu, {{120, 80, 120, 80}, {280, 80, 280, 80}})},
        DotsCase{"NegativeRadiusLeftBeyondRight", PlanOf(0x00000000u, {{127, 87, 113, 73}, {287, 313, 273, 327}})},
        DotsCase{"WrappedExtremes", PlanOf(0x00808080u, {{2147483637, -2147483648, -2147483639, 10}})}),
    CaseName<DotsCase>);

TEST_F(CanvasTest, StampDotsGivesTheContextItsOwnPenAndBrushBackBeforeDeletingTheLentOnes) {
    CClientDC context(&theMarkWnd);
    CPen ownPen;
    CBrush ownBrush;
    ownPen.CreatePen(PS_SOLID, 3, 0x000000FFu);
    ownBrush.CreateSolidBrush(0x0000FF00u);
    context.SelectObject(ownPen);
    context.SelectObject(ownBrush);
    Recording().ClearLog();

    StampDots(context, PlanOf(0x00FF0000u, {{1, 2, 3, 4}}));

    const RecordedContext& held = Recording().contexts.at(context.m_hDC);
    EXPECT_EQ(held.pen, ownPen.GetSafeHandle());
    EXPECT_EQ(held.brush, ownBrush.GetSafeHandle());
    EXPECT_THAT(InRestoreOrder(Calls()),
                ElementsAre("CreateSolidBrush(0xFF0000)", "CreatePen(0, 1, 0xFF0000)", "SelectObject(dc1, brush2)",
                            "SelectObject(dc1, pen2)", "Ellipse(dc1, 1, 2, 3, 4)", "SelectObject(dc1, brush1)",
                            "SelectObject(dc1, pen1)", "DeleteObject(pen2)", "DeleteObject(brush2)"));
    EXPECT_EQ(Recording().liveObjects.count(Recording().stockPen), 1u);
    EXPECT_EQ(Recording().liveObjects.size(), 4u) << "the stock pair and the context's own pair only";
}

}  // namespace
