// PaintCanvas on the recording platform: the four lines from the centre of the client area
// downward, then the inscribed circle and the centre ring, inside one paint, with the
// context's own pen and font.
#include <gmock/gmock.h>

#include "canvas/HomePage.h"
#include "tests/canvas/CanvasFixture.h"
#include "tests/settings/CaseName.h"

using ::testing::ElementsAreArray;

namespace {

struct PaintCase {
    const char* name;
    RECT client;
    std::vector<std::string> calls;
};

void PrintTo(const PaintCase& c, std::ostream* out) { *out << c.name; }

std::string HomePageLine(int x, int y) {
    return RecordedCall{"TextOutA", {NameArgument("dc1"), NumberArgument(x), NumberArgument(y),
                                     TextArgument(kHomePage), NumberArgument(static_cast<int>(std::string(kHomePage).size()))}}
        .Render();
}

class PaintCanvasTest : public CanvasTest, public ::testing::WithParamInterface<PaintCase> {};

// No settings file exists: painting reads none.
TEST_P(PaintCanvasTest, DrawsTheGuideInOnePaint) {
    Recording().clientRect = GetParam().client;
    Dispatch(WM_PAINT, 0, {0, 0});
    EXPECT_THAT(Calls(), ElementsAreArray(GetParam().calls));
    EXPECT_EQ(errors, "");
}

INSTANTIATE_TEST_SUITE_P(
    ClientAreas, PaintCanvasTest,
    ::testing::Values(
        PaintCase{"Square400",
                  {0, 0, 400, 400},
                  {"DispatchMessageA(wnd1, 0xF, 0x0, 0x0)", "BeginPaint(wnd1)", "GetClientRect(wnd1)",
                   "TextOutA(dc1, 200, 200, \"Size=400,400\", 12)",
                   "TextOutA(dc1, 200, 220, \"Eraser=[+Shift]\", 15)",
                   "TextOutA(dc1, 200, 240, \"Captur=[Alt+PrintScreen]\", 24)", HomePageLine(200, 270),
                   "Arc(dc1, 0, 0, 400, 400, 0, 0, 0, 0)", "Arc(dc1, 199, 199, 201, 201, 0, 0, 0, 0)",
                   "EndPaint(wnd1, dc1)"}},
        PaintCase{"OddSizesTruncate",
                  {0, 0, 401, 399},
                  {"DispatchMessageA(wnd1, 0xF, 0x0, 0x0)", "BeginPaint(wnd1)", "GetClientRect(wnd1)",
                   "TextOutA(dc1, 200, 199, \"Size=401,399\", 12)",
                   "TextOutA(dc1, 200, 219, \"Eraser=[+Shift]\", 15)",
                   "TextOutA(dc1, 200, 239, \"Captur=[Alt+PrintScreen]\", 24)", HomePageLine(200, 269),
                   "Arc(dc1, 0, 0, 401, 399, 0, 0, 0, 0)", "Arc(dc1, 199, 198, 201, 200, 0, 0, 0, 0)",
                   "EndPaint(wnd1, dc1)"}},
        PaintCase{"Empty",
                  {0, 0, 0, 0},
                  {"DispatchMessageA(wnd1, 0xF, 0x0, 0x0)", "BeginPaint(wnd1)", "GetClientRect(wnd1)",
                   "TextOutA(dc1, 0, 0, \"Size=0,0\", 8)", "TextOutA(dc1, 0, 20, \"Eraser=[+Shift]\", 15)",
                   "TextOutA(dc1, 0, 40, \"Captur=[Alt+PrintScreen]\", 24)", HomePageLine(0, 70),
                   "Arc(dc1, 0, 0, 0, 0, 0, 0, 0, 0)", "Arc(dc1, -1, -1, 1, 1, 0, 0, 0, 0)",
                   "EndPaint(wnd1, dc1)"}}),
    CaseName<PaintCase>);

}  // namespace
