// Dispatch through message maps: which map answers, what the handlers are given, default
// processing, and the end of a system window.
#include <gmock/gmock.h>

#include "platform/framework/WinApp.h"
#include "tests/framework/ProbeWnd.h"
#include "tests/framework/RecordingFixture.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

class MessageMapTest : public RecordingTest {
protected:
    void SetUp() override {
        RecordingTest::SetUp();
        ASSERT_TRUE(probe.CreateProbe());
        window = probe.m_hWnd;
        Recording().ClearLog();
    }

    CProbeWnd probe;
    HWND window = nullptr;
};

TEST_F(MessageMapTest, TheDerivedMapAnswersBeforeDefaultProcessing) {
    EXPECT_EQ(SendMessageA(window, WM_PAINT, 0, 0), 0);
    EXPECT_THAT(probe.seen, ElementsAre("paint"));
    EXPECT_THAT(Calls("DefWindowProcA"), IsEmpty());
}

TEST_F(MessageMapTest, AnUnmappedMessageGoesUnchangedToDefWindowProc) {
    SendMessageA(window, WM_SIZE, 0x2, MakePointParam(300, 200));
    EXPECT_THAT(probe.seen, IsEmpty());
    EXPECT_THAT(Calls("DefWindowProcA"), ElementsAre("DefWindowProcA(wnd1, 0x5, 0x2, 0xC8012C)"));
}

TEST_F(MessageMapTest, TheDerivedMapOverridesCWndsEntryAndCWndsHandlerStillEndsTheWindow) {
    DestroyWindow(window);
    EXPECT_THAT(probe.seen, ElementsAre("ncdestroy"));
    EXPECT_EQ(probe.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandle(window), nullptr);
}

TEST_F(RecordingTest, CWndsOwnMapEndsAWindowThatMapsNothing) {
    CPlainWnd plain;
    ASSERT_TRUE(plain.CreatePlain());
    HWND window = plain.m_hWnd;
    Recording().ClearLog();

    DestroyWindow(window);

    EXPECT_EQ(plain.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandle(window), nullptr);
    EXPECT_THAT(Calls("DefWindowProcA"), ElementsAre("DefWindowProcA(wnd1, 0x2, 0x0, 0x0)",
                                                     "DefWindowProcA(wnd1, 0x82, 0x0, 0x0)"));
    EXPECT_THAT(Calls("PostQuitMessage"), IsEmpty()) << "not the main window";
}

TEST_F(MessageMapTest, TheEndOfTheMainWindowClearsItAndPostsQuitZero) {
    CWinApp app;
    app.m_pMainWnd = &probe;

    SendMessageA(window, WM_CLOSE, 0, 0);

    EXPECT_EQ(app.m_pMainWnd, nullptr);
    EXPECT_THAT(Calls("PostQuitMessage"), ElementsAre("PostQuitMessage(0)"));
    EXPECT_EQ(app.Run(), 0);
}

TEST_F(MessageMapTest, DefaultPassesTheMessageBeingHandledEvenAfterANestedOne) {
    probe.sendSizeThenDefault = true;
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MakePointParam(-5, 9));
    EXPECT_THAT(Calls("DefWindowProcA"), ElementsAre("DefWindowProcA(wnd1, 0x5, 0x0, 0x0)",
                                                     "DefWindowProcA(wnd1, 0x201, 0x1, 0x9FFFB)"));
}

TEST_F(MessageMapTest, MessagesOfAnotherWindowTakeDefaultProcessing) {
    CPlainWnd other;
    ASSERT_TRUE(other.CreatePlain());
    SendMessageA(other.m_hWnd, WM_PAINT, 0, 0);
    EXPECT_THAT(probe.seen, IsEmpty());
    EXPECT_THAT(Calls("DefWindowProcA"), ElementsAre("DefWindowProcA(wnd2, 0xF, 0x0, 0x0)"));
}

// ---- What the mouse handlers are given ----

struct MouseCase {
    const char* name;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    const char* seen;
};

class MouseArgumentsTest : public MessageMapTest, public ::testing::WithParamInterface<MouseCase> {};

TEST_P(MouseArgumentsTest, FlagsComeUnchangedAndCoordinatesAsSigned16Bits) {
    const MouseCase& c = GetParam();
    SendMessageA(window, c.message, c.wParam, c.lParam);
    EXPECT_THAT(probe.seen, ElementsAre(c.seen));
}

INSTANTIATE_TEST_SUITE_P(
    Messages, MouseArgumentsTest,
    ::testing::Values(
        MouseCase{"DownWithShift", WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MakePointParam(120, 45), "down 5 120,45"},
        MouseCase{"UpWithoutButton", WM_LBUTTONUP, 0, MakePointParam(0, 0), "up 0 0,0"},
        MouseCase{"MoveLeftOfAndAboveTheWindow", WM_MOUSEMOVE, MK_LBUTTON, MakePointParam(-5, -1), "move 1 -5,-1"},
        MouseCase{"ExtremesOfSixteenBits", WM_MOUSEMOVE, 0, static_cast<LPARAM>(0x7FFF8000), "move 0 -32768,32767"},
        MouseCase{"BitsAboveTheLow32AreIgnored", WM_MOUSEMOVE, 0,
                  static_cast<LPARAM>(static_cast<std::uintptr_t>(0xABCD) << 32 | 0x00060005u), "move 0 5,6"},
        MouseCase{"EveryFlagBitPassesThrough", WM_LBUTTONDOWN, 0xFFFFFFFFu, MakePointParam(1, 2),
                  "down 4294967295 1,2"}),
    [](const ::testing::TestParamInfo<MouseCase>& param) { return std::string(param.param.name); });

}  // namespace
