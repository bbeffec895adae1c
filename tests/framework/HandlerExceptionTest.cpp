// A framework exception raised in a handler: the message is answered with 0, the text is
// shown with the stop icon and written to standard error, and dispatching goes on.
#include <gmock/gmock.h>

#include "platform/Exceptions.h"
#include "platform/framework/ClientDC.h"
#include "platform/framework/GdiObject.h"
#include "tests/framework/ProbeWnd.h"
#include "tests/framework/RecordingFixture.h"

using ::testing::ElementsAre;

namespace {

class HandlerExceptionTest : public RecordingTest {
protected:
    void SetUp() override {
        RecordingTest::SetUp();
        ASSERT_TRUE(probe.CreateProbe());
        Recording().ClearLog();
    }

    CProbeWnd probe;
};

TEST_F(HandlerExceptionTest, IsAnsweredWithZeroReportedAndDispatchingGoesOn) {
    probe.throwOnButtonDown = true;
    ::testing::internal::CaptureStderr();
    const LRESULT answer = SendMessageA(probe.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MakePointParam(3, 4));
    const std::string errors = ::testing::internal::GetCapturedStderr();

    EXPECT_EQ(answer, 0);
    EXPECT_EQ(errors, "vorlin: A required resource was unavailable.\n");
    EXPECT_THAT(Calls("MessageBoxA"),
                ElementsAre("MessageBoxA(wnd1, \"A required resource was unavailable.\", \"vorlin\", 0x10)"));

    SendMessageA(probe.m_hWnd, WM_PAINT, 0, 0);
    EXPECT_THAT(probe.seen, ElementsAre("down 1 3,4", "paint"));
}

// A handler whose second client context is refused: its brush and first context must be
// released, in reverse order, before the exception is reported.
class CUnwindingWnd : public CProbeWnd {
public:
    const MessageMap* GetMessageMap() const override { return &messageMap; }

protected:
    static const MessageMap messageMap;

private:
    static const MessageMapEntry messageEntries[];

    void Stamp(UINT, POINT) {
        CBrush brush;
        brush.CreateSolidBrush(0x00FF0000);
        CClientDC first(this);
        TheRecording().getDcFails = true;
        CClientDC second(this);
        first.Ellipse(0, 0, 1, 1);  // never reached
    }
};

const MessageMapEntry CUnwindingWnd::messageEntries[] = {
    MapMessage<WM_LBUTTONDOWN, &CUnwindingWnd::Stamp>(),
    EndOfMessageMap(),
};
const MessageMap CUnwindingWnd::messageMap = {&CProbeWnd::messageMap, CUnwindingWnd::messageEntries};

TEST_F(RecordingTest, AnExceptionUnwindsTheHandlersObjectsBeforeTheReport) {
    CUnwindingWnd window;
    ASSERT_TRUE(window.CreateProbe());
    Recording().ClearLog();

    ::testing::internal::CaptureStderr();
    SendMessageA(window.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    ::testing::internal::GetCapturedStderr();

    EXPECT_THAT(Calls(), ElementsAre("SendMessageA(wnd1, 0x201, 0x1, 0x0)", "CreateSolidBrush(0xFF0000)",
                                     "GetDC(wnd1)", "GetDC(wnd1)", "ReleaseDC(wnd1, dc1)",
                                     "DeleteObject(brush1)",
                                     "MessageBoxA(wnd1, \"A required resource was unavailable.\", \"vorlin\", 0x10)"));
}

}  // namespace
