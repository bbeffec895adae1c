// BeginStroke, ContinueStroke and EndStroke on the recording platform: the window-system
// calls of one stamping event in their order, the moves and releases that stamp nothing,
// and the events that a settings file or a drawing context ends early.
#include <gmock/gmock.h>

#include <unistd.h>

#include "geometry/PlanStamp.h"
#include "settings/ReadMarkSettings.h"
#include "tests/canvas/CanvasFixture.h"
#include "tests/settings/CaseName.h"

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

namespace {

constexpr RECT kClient{0, 0, 400, 400};
constexpr COLORREF kRed = 0x000000FFu;

// ---- Stamping events ----------------------------------------------------------------------

struct StampingCase {
    const char* name;
    UINT message;
    UINT flags;
    POINT point;
    std::int32_t radius;
    std::int32_t mode;
    bool captures;
};

void PrintTo(const StampingCase& c, std::ostream* out) { *out << c.name; }

class StampingEventTest : public CanvasTest, public ::testing::WithParamInterface<StampingCase> {};

TEST_P(StampingEventTest, MakesTheCallsOfOneStampInTheirOrder) {
    const StampingCase& c = GetParam();
    const MarkSettings settings = Settings(c.radius, kRed, c.mode);
    WriteSettings(SettingsText(settings));

    Dispatch(c.message, c.flags, c.point);

    const StampPlan plan = PlanStamp(c.point.x, c.point.y, kClient, settings, (c.flags & MK_SHIFT) != 0);
    EXPECT_THAT(InRestoreOrder(Calls()), ElementsAreArray(StampingCalls(c.message, c.flags, c.point, plan, c.captures)));
    EXPECT_EQ(Recording().capture, c.captures ? theMarkWnd.m_hWnd : nullptr);
    EXPECT_EQ(errors, "");
}

// The positions lie off the centre lines, so that every image is a box of its own.
INSTANTIATE_TEST_SUITE_P(
    Events, StampingEventTest,
    ::testing::Values(
        StampingCase{"PressMirrorLeftRight", WM_LBUTTONDOWN, MK_LBUTTON, {120, 80}, 10, 0, true},
        StampingCase{"PressFiveFold", WM_LBUTTONDOWN, MK_LBUTTON, {130, 90}, 8, 5, true},
        StampingCase{"PressOtherModeOneDot", WM_LBUTTONDOWN, MK_LBUTTON, {130, 90}, 8, 6, true},
        StampingCase{"PressWithShiftErases", WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, {50, 300}, 6, 3, true},
        StampingCase{"PressWithOtherKeysAsPlain", WM_LBUTTONDOWN, MK_LBUTTON | MK_RBUTTON | MK_CONTROL, {50, 300}, 6, 1, true},
        StampingCase{"HeldMoveMirrorBothAxes", WM_MOUSEMOVE, MK_LBUTTON, {150, 60}, 12, 3, false},
        StampingCase{"HeldMoveFourFold", WM_MOUSEMOVE, MK_LBUTTON | MK_MBUTTON, {150, 60}, 12, 4, false},
        StampingCase{"HeldMoveWithShiftErases", WM_MOUSEMOVE, MK_LBUTTON | MK_SHIFT, {300, 320}, 4, 2, false},
        StampingCase{"HeldMoveLeftOfTheWindow", WM_MOUSEMOVE, MK_LBUTTON, {-5, 100}, 10, 0, false},
        StampingCase{"HeldMoveAboveTheWindow", WM_MOUSEMOVE, MK_LBUTTON, {100, -32768}, 10, 1, false},
        StampingCase{"ZeroRadius", WM_LBUTTONDOWN, MK_LBUTTON, {120, 80}, 0, 4, true},
        StampingCase{"NegativeRadius", WM_MOUSEMOVE, MK_LBUTTON, {120, 80}, -7, 5, false}),
    CaseName<StampingCase>);

TEST_F(CanvasTest, ShiftStampsPureWhiteThroughTheSameSymmetry) {
    WriteSettings("10\n0\n128\n255\n3\n");
    Dispatch(WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, {120, 80});
    Dispatch(WM_MOUSEMOVE, MK_LBUTTON, {121, 80});
    EXPECT_THAT(Calls("CreateSolidBrush"), ElementsAre("CreateSolidBrush(0xFFFFFF)", "CreateSolidBrush(0xFF8000)"));
    EXPECT_THAT(Calls("CreatePen"), ElementsAre("CreatePen(0, 1, 0xFFFFFF)", "CreatePen(0, 1, 0xFF8000)"));
    EXPECT_EQ(Calls("Ellipse").size(), 8u);
}

TEST_F(CanvasTest, EachEventReadsTheSettingsAfresh) {
    WriteSettings("10\n255\n0\n0\n0\n");
    Dispatch(WM_LBUTTONDOWN, MK_LBUTTON, {120, 80});
    WriteSettings("3\n0\n255\n0\n5\n");
    Dispatch(WM_MOUSEMOVE, MK_LBUTTON, {122, 81});

    const StampPlan second = PlanStamp(122, 81, kClient, Settings(3, 0x00FF00u, 5), false);
    std::vector<std::string> ellipses = Calls("Ellipse");
    ASSERT_EQ(ellipses.size(), 2u + 5u);
    ellipses.erase(ellipses.begin(), ellipses.begin() + 2);
    EXPECT_THAT(ellipses, ElementsAreArray(EllipseCalls(second, "dc2")));
    EXPECT_THAT(Calls("CreatePen"), ElementsAre("CreatePen(0, 1, 0xFF)", "CreatePen(0, 1, 0xFF00)"));
}

TEST_F(CanvasTest, TheClientRectangleOfTheEventPlacesTheImages) {
    Recording().clientRect = RECT{0, 0, 521, 307};
    WriteSettings("5\n0\n0\n0\n1\n");
    Dispatch(WM_MOUSEMOVE, MK_LBUTTON, {40, 30});
    const StampPlan plan = PlanStamp(40, 30, RECT{0, 0, 521, 307}, Settings(5, 0, 1), false);
    EXPECT_THAT(Calls("Ellipse"), ElementsAreArray(EllipseCalls(plan)));
}

// ---- Events that stamp nothing ----------------------------------------------------------

struct IdleMoveCase {
    const char* name;
    UINT flags;
};

void PrintTo(const IdleMoveCase& c, std::ostream* out) { *out << c.name; }

class IdleMoveTest : public CanvasTest, public ::testing::WithParamInterface<IdleMoveCase> {};

// No settings file exists: opening it would be reported.
TEST_P(IdleMoveTest, OpensNoFileAndTakesNoContext) {
    Dispatch(WM_MOUSEMOVE, GetParam().flags, {120, 80});
    const std::string flags = RecordedCall{"", {HexArgument(GetParam().flags)}}.Render();  // "(0x..)"
    const std::string arguments = "(wnd1, 0x200, " + flags.substr(1, flags.size() - 2) + ", 0x500078)";
    EXPECT_THAT(Calls(), ElementsAre("DispatchMessageA" + arguments, "DefWindowProcA" + arguments));
    EXPECT_EQ(errors, "");
}

INSTANTIATE_TEST_SUITE_P(Flags, IdleMoveTest,
                         ::testing::Values(IdleMoveCase{"NoKeys", 0}, IdleMoveCase{"Shift", MK_SHIFT},
                                           IdleMoveCase{"OtherButtons", MK_RBUTTON | MK_MBUTTON | MK_CONTROL}),
                         CaseName<IdleMoveCase>);

TEST_F(CanvasTest, ButtonUpOnlyReleasesTheCapture) {
    WriteSettings("10\n255\n0\n0\n0\n");
    Dispatch(WM_LBUTTONDOWN, MK_LBUTTON, {120, 80});
    ASSERT_EQ(Recording().capture, theMarkWnd.m_hWnd);
    Recording().ClearLog();

    Dispatch(WM_LBUTTONUP, MK_SHIFT, {130, 90});

    EXPECT_THAT(Calls(), ElementsAre("DispatchMessageA(wnd1, 0x202, 0x4, 0x5A0082)",
                                     "DefWindowProcA(wnd1, 0x202, 0x4, 0x5A0082)", "ReleaseCapture()"));
    EXPECT_EQ(Recording().capture, nullptr);
}

TEST_F(CanvasTest, ButtonUpWithoutAStrokeStillReleasesAndReadsNothing) {
    Dispatch(WM_LBUTTONUP, 0, {-3, 7});
    EXPECT_THAT(Calls("ReleaseCapture"), ElementsAre("ReleaseCapture()"));
    EXPECT_EQ(errors, "");
}

// ---- Events that end early ----------------------------------------------------------------

struct SettingsFailureCase {
    const char* name;
    void (*make)();
    const char* textBeforePath;
    const char* textAfterPath;
};

void PrintTo(const SettingsFailureCase& c, std::ostream* out) { *out << c.name; }

void MakeNothing() {}
void MakeLinkToMemory() { ASSERT_EQ(symlink("/proc/self/mem", kSettingsFileName), 0); }

class SettingsFailureTest : public CanvasTest, public ::testing::WithParamInterface<SettingsFailureCase> {
protected:
    std::string Text() const {
        return GetParam().textBeforePath + FullPath() + GetParam().textAfterPath;
    }
    std::string MessageBoxCall() const {
        return RecordedCall{"MessageBoxA", {NameArgument("wnd1"), TextArgument(Text().c_str()),
                                            TextArgument("vorlin"), HexArgument(MB_ICONSTOP)}}
            .Render();
    }
};

TEST_P(SettingsFailureTest, ABeginningStrokeDrawsNothingCapturesNothingAndReportsOnce) {
    GetParam().make();
    Dispatch(WM_LBUTTONDOWN, MK_LBUTTON, {120, 80});
    EXPECT_THAT(Calls(), ElementsAre("DispatchMessageA(wnd1, 0x201, 0x1, 0x500078)",
                                     "DefWindowProcA(wnd1, 0x201, 0x1, 0x500078)", MessageBoxCall()));
    EXPECT_EQ(Recording().capture, nullptr);
    EXPECT_EQ(errors, "vorlin: " + Text() + "\n");
}

TEST_P(SettingsFailureTest, AHeldMoveDrawsNothingAndReportsOnce) {
    GetParam().make();
    Dispatch(WM_MOUSEMOVE, MK_LBUTTON, {120, 80});
    EXPECT_THAT(Calls("MessageBoxA"), ElementsAre(MessageBoxCall()));
    EXPECT_THAT(Calls("GetClientRect"), IsEmpty());
    EXPECT_THAT(Calls("GetDC"), IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Files, SettingsFailureTest,
    ::testing::Values(SettingsFailureCase{"Missing", MakeNothing, "Cannot open the settings file ",
                                          ": No such file or directory."},
                      SettingsFailureCase{"ReadError", MakeLinkToMemory,
                                          "An unknown error occurred while accessing ", "."}),
    CaseName<SettingsFailureCase>);

TEST_F(CanvasTest, AFileThatAppearsLaterIsReadAtTheNextEvent) {
    Dispatch(WM_LBUTTONDOWN, MK_LBUTTON, {120, 80});
    WriteSettings("10\n255\n0\n0\n0\n");
    Dispatch(WM_LBUTTONDOWN, MK_LBUTTON, {120, 80});
    EXPECT_EQ(Calls("MessageBoxA").size(), 1u);
    EXPECT_EQ(Calls("Ellipse").size(), 2u);
    EXPECT_EQ(Recording().capture, theMarkWnd.m_hWnd);
}

TEST_F(CanvasTest, NoDrawingContextDrawsNothingAndCapturesNothing) {
    WriteSettings("10\n255\n0\n0\n5\n");
    Recording().getDcFails = true;
    Dispatch(WM_LBUTTONDOWN, MK_LBUTTON, {120, 80});
    EXPECT_THAT(Calls(), ElementsAre("DispatchMessageA(wnd1, 0x201, 0x1, 0x500078)",
                                     "DefWindowProcA(wnd1, 0x201, 0x1, 0x500078)", "GetClientRect(wnd1)",
                                     "GetDC(wnd1)",
                                     "MessageBoxA(wnd1, \"A required resource was unavailable.\", \"vorlin\", 0x10)"));
    EXPECT_EQ(Recording().capture, nullptr);
    EXPECT_EQ(errors, "vorlin: A required resource was unavailable.\n");
}

}  // namespace
