// Drawing contexts, pens and brushes: what each takes from and gives back to the window
// system, and when.
#include <gmock/gmock.h>

#include "platform/Exceptions.h"
#include "platform/framework/ClientDC.h"
#include "platform/framework/GdiObject.h"
#include "platform/framework/PaintDC.h"
#include "tests/framework/ProbeWnd.h"
#include "tests/framework/RecordingFixture.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

class DrawingContextTest : public RecordingTest {
protected:
    void SetUp() override {
        RecordingTest::SetUp();
        ASSERT_TRUE(window.CreatePlain());
        Recording().ClearLog();
    }

    CPlainWnd window;
};

TEST_F(DrawingContextTest, PaintContextBeginsInItsConstructorAndEndsWithTheSameRecord) {
    {
        CPaintDC dc(&window);
        EXPECT_EQ(dc.m_hDC, dc.m_ps.hdc);
        EXPECT_THAT(Calls(), ElementsAre("BeginPaint(wnd1)"));
        dc.Arc(0, 0, 400, 400, 0, 0, 0, 0);
    }
    EXPECT_THAT(Calls(), ElementsAre("BeginPaint(wnd1)", "Arc(dc1, 0, 0, 400, 400, 0, 0, 0, 0)",
                                     "EndPaint(wnd1, dc1)"));
}

TEST_F(DrawingContextTest, ClientContextIsTakenAndReleased) {
    {
        CClientDC dc(&window);
        dc.TextOut(200, 220, std::string("Eraser=[+Shift]"));
    }
    EXPECT_THAT(Calls(), ElementsAre("GetDC(wnd1)", "TextOutA(dc1, 200, 220, \"Eraser=[+Shift]\", 15)",
                                     "ReleaseDC(wnd1, dc1)"));
}

TEST_F(DrawingContextTest, ClientContextRaisesResourceExceptionWhenNoneIsAvailable) {
    Recording().getDcFails = true;
    EXPECT_THROW(CClientDC dc(&window), CResourceException);
    EXPECT_THAT(Calls(), ElementsAre("GetDC(wnd1)")) << "nothing to release";
}

TEST_F(DrawingContextTest, SelectionReturnsThePreviousObjectOfTheSameKind) {
    CClientDC dc(&window);
    CBrush brush;
    CPen pen;
    ASSERT_TRUE(brush.CreateSolidBrush(0x000000FF));
    ASSERT_TRUE(pen.CreatePen(PS_SOLID, 1, 0x000000FF));

    const HGDIOBJ previousBrush = dc.SelectObject(brush);
    const HGDIOBJ previousPen = dc.SelectObject(pen);
    EXPECT_EQ(previousBrush, Recording().stockBrush);
    EXPECT_EQ(previousPen, Recording().stockPen);

    EXPECT_EQ(dc.SelectObject(previousBrush), brush.GetSafeHandle());
    EXPECT_EQ(dc.SelectObject(previousPen), pen.GetSafeHandle());
}

TEST_F(DrawingContextTest, PensAndBrushesDeleteTheirObjectWhenDestroyed) {
    {
        CBrush brush;
        brush.CreateSolidBrush(0x00123456);
        CPen pen;
        pen.CreatePen(PS_SOLID, 1, 0x00123456);
    }
    EXPECT_THAT(Calls(), ElementsAre("CreateSolidBrush(0x123456)", "CreatePen(0, 1, 0x123456)",
                                     "DeleteObject(pen1)", "DeleteObject(brush1)"));
    EXPECT_EQ(Recording().liveObjects.size(), 2u) << "only the stock objects remain";
}

TEST_F(DrawingContextTest, AnObjectNeverCreatedDeletesNothing) {
    { CPen pen; }
    EXPECT_THAT(Calls(), IsEmpty());
}

}  // namespace
