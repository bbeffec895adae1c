// The canvas fixture: the window, the dispatch of one message and the expected stamp calls.
#include "tests/canvas/CanvasFixture.h"

#include <gtest/gtest.h>

#include <utility>

#include "platform/framework/FrameworkState.h"

void CanvasTest::SetUp() {
    SettingsFolder::SetUp();
    TheRecording().Reset();
    TheFramework().Reset();
    SetProgramName("vorlin");
    ASSERT_TRUE(theMarkWnd.CreateMarkWindow());
    TheRecording().ClearLog();
}

void CanvasTest::TearDown() {
    if (theMarkWnd.m_hWnd != nullptr) DestroyWindow(theMarkWnd.m_hWnd);
    SettingsFolder::TearDown();
}

void CanvasTest::Dispatch(UINT message, UINT flags, POINT point) {
    const MSG dispatched{theMarkWnd.m_hWnd, message, flags, MakePointParam(point.x, point.y)};
    ::testing::internal::CaptureStderr();
    DispatchMessageA(&dispatched);
    errors += ::testing::internal::GetCapturedStderr();
}

MarkSettings CanvasTest::Settings(std::int32_t radius, COLORREF colour, std::int32_t mode) {
    return MarkSettings{radius, GetRValue(colour), GetGValue(colour), GetBValue(colour), mode};
}

std::string CanvasTest::SettingsText(const MarkSettings& s) {
    return std::to_string(s.radius) + "\n" + std::to_string(s.red) + "\n" + std::to_string(s.green) +
           "\n" + std::to_string(s.blue) + "\n" + std::to_string(s.mode) + "\n";
}

std::vector<std::string> EllipseCalls(const StampPlan& plan, const std::string& context) {
    std::vector<std::string> calls;
    for (const DotBox& dot : plan.dots) {
        calls.push_back(RecordedCall{"Ellipse",
                                     {NameArgument(context), NumberArgument(dot.left), NumberArgument(dot.top),
                                      NumberArgument(dot.right), NumberArgument(dot.bottom)}}
                            .Render());
    }
    return calls;
}

std::vector<std::string> StampingCalls(UINT message, UINT flags, POINT point, const StampPlan& plan,
                                       bool capture) {
    const std::vector<RecordedArgument> messageArguments{
        NameArgument("wnd1"), HexArgument(message), HexArgument(flags),
        HexArgument(static_cast<std::uint64_t>(MakePointParam(point.x, point.y)))};
    const std::string colour = RecordedCall{"", {HexArgument(plan.colour)}}.Render();  // "(0x...)"
    std::vector<std::string> calls{
        RecordedCall{"DispatchMessageA", messageArguments}.Render(),
        RecordedCall{"DefWindowProcA", messageArguments}.Render(),
        "GetClientRect(wnd1)",
        "GetDC(wnd1)",
        "CreateSolidBrush" + colour,
        "CreatePen(0, 1, " + colour.substr(1),
        "SelectObject(dc1, brush1)",
        "SelectObject(dc1, pen1)",
    };
    for (const std::string& ellipse : EllipseCalls(plan)) calls.push_back(ellipse);
    for (const char* call : {"SelectObject(dc1, WHITE_BRUSH)", "SelectObject(dc1, BLACK_PEN)",
                             "DeleteObject(pen1)", "DeleteObject(brush1)"}) {
        calls.push_back(call);
    }
    if (capture) calls.push_back("SetCapture(wnd1)");
    calls.push_back("ReleaseDC(wnd1, dc1)");
    return calls;
}

std::vector<std::string> InRestoreOrder(std::vector<std::string> calls) {
    for (std::size_t i = 0; i + 1 < calls.size(); ++i) {
        if (calls[i] == "SelectObject(dc1, BLACK_PEN)" && calls[i + 1] == "SelectObject(dc1, WHITE_BRUSH)") {
            std::swap(calls[i], calls[i + 1]);
        }
    }
    return calls;
}
