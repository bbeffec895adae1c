// The shared program start of a drawing test suite.
#include "tests/drawing/StartedVorlin.h"

#include <X11/keysym.h>

#include <chrono>
#include <thread>

namespace vorlin_drawing {
namespace {

bool WaitUntilPlaced(const vorlin_test::XClient& x, Window window, POINT where) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    for (;;) {
        const vorlin_test::XClient::Geometry now = x.WindowGeometry(window);
        if (now.x == where.x && now.y == where.y) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

// The centre ring is the last thing the first paint draws.
Picture WaitForTheWholeGuide(const vorlin_test::XClient& x, Window window) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    for (;;) {
        Picture now = Capture(x, window);
        if (now.InkIn(199, 199, 2, 2) > 0 || std::chrono::steady_clock::now() >= deadline) return now;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

}  // namespace

void StartedVorlinTest::SetUpTestSuite() {
    x = std::make_unique<vorlin_test::XClient>();
    Start();
}

void StartedVorlinTest::TearDownTestSuite() {
    Stop();
    x.reset();
}

void StartedVorlinTest::Start() {
    vorlin = std::make_unique<vorlin_e2e::VorlinProcess>();
    window = vorlin_e2e::WaitForPaintedWindow(*x);
    if (window == None) return;
    fresh = WaitForTheWholeGuide(*x, window);
    XMoveWindow(x->display(), window, kWindowAt.x, kWindowAt.y);
    x->Sync();
    if (!WaitUntilPlaced(*x, window, kWindowAt)) window = None;
}

void StartedVorlinTest::Stop() {
    vorlin.reset();
    if (window != None) x->WaitUntilGone(window);
    window = None;
}

void StartedVorlinTest::SetUp() {
    if (!vorlin->Running() || window == None) {
        Stop();
        Start();
    }
    ASSERT_NE(window, None) << "no painted window; errors: " << vorlin->Errors();
}

void StartedVorlinTest::TearDown() {
    Release();
    LetGoOfShift();
    EXPECT_TRUE(vorlin->Running()) << "the program ended; errors: " << vorlin->Errors();
    EXPECT_EQ(vorlin->Errors(), "");
}

void StartedVorlinTest::MoveTo(POINT point) { x->MovePointer(window, point.x, point.y); }

void StartedVorlinTest::Press(POINT point) {
    MoveTo(point);
    x->PressButton(1);
}

void StartedVorlinTest::Release() { x->ReleaseButton(1); }

void StartedVorlinTest::HoldShift() { x->PressKey(XK_Shift_L); }

void StartedVorlinTest::LetGoOfShift() { x->ReleaseKey(XK_Shift_L); }

}  // namespace vorlin_drawing
