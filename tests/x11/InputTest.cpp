// Mouse messages from real XTest input: key-state flags, packed positions, and what the
// capture changes about moves and releases outside the client area.
#include "tests/x11/LayerFixture.h"

#include <X11/keysym.h>

namespace x11_test {
namespace {

struct Mouse {
    UINT message;
    WPARAM flags;
    int x, y;
    bool operator==(const Mouse& other) const {
        return message == other.message && flags == other.flags && x == other.x && y == other.y;
    }
};

std::ostream& operator<<(std::ostream& out, const Mouse& mouse) {
    return out << "{0x" << std::hex << mouse.message << std::dec << " flags " << mouse.flags << " at "
               << mouse.x << "," << mouse.y << "}";
}

std::vector<Mouse> MouseMessages() {
    std::vector<Mouse> found;
    for (const Received& received : Recording().Mouse()) {
        found.push_back(Mouse{received.message, received.wParam, GetXParam(received.lParam),
                              GetYParam(received.lParam)});
    }
    return found;
}

class InputTest : public LayerTest {
protected:
    // Puts the pointer at a client position and forgets what that produced.
    void StartAt(int x, int y) {
        x11_.MovePointer(Xid(), x, y);
        Pump();
        Recording().messages.clear();
    }
    void MoveTo(int x, int y) { x11_.MovePointerOnScreen(kLeft + x, kTop + y); }
};

TEST_F(InputTest, LeftButtonFlagsFollowTheStateAfterEachEvent) {
    StartAt(50, 60);
    x11_.PressButton(1);
    MoveTo(70, 80);
    x11_.ReleaseButton(1);
    MoveTo(71, 81);
    Pump();
    EXPECT_EQ(MouseMessages(), (std::vector<Mouse>{{WM_LBUTTONDOWN, MK_LBUTTON, 50, 60},
                                                   {WM_MOUSEMOVE, MK_LBUTTON, 70, 80},
                                                   {WM_LBUTTONUP, 0, 70, 80},
                                                   {WM_MOUSEMOVE, 0, 71, 81}}));
}

TEST_F(InputTest, ShiftControlAndOtherButtonsShowInTheFlags) {
    StartAt(20, 30);
    x11_.PressKey(XK_Shift_L);
    x11_.PressButton(1);
    x11_.ReleaseButton(1);
    x11_.ReleaseKey(XK_Shift_L);
    x11_.PressButton(3);
    x11_.PressKey(XK_Control_L);
    MoveTo(21, 30);
    x11_.ReleaseKey(XK_Control_L);
    x11_.ReleaseButton(3);
    x11_.PressButton(2);
    MoveTo(22, 30);
    x11_.ReleaseButton(2);
    Pump();
    EXPECT_EQ(MouseMessages(), (std::vector<Mouse>{{WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, 20, 30},
                                                   {WM_LBUTTONUP, MK_SHIFT, 20, 30},
                                                   {WM_MOUSEMOVE, MK_RBUTTON | MK_CONTROL, 21, 30},
                                                   {WM_MOUSEMOVE, MK_MBUTTON, 22, 30}}))
        << "other buttons bring no button messages of their own";
}

TEST_F(InputTest, WithoutCaptureMovesAndReleaseOutsideDoNotArrive) {
    StartAt(10, 10);
    x11_.PressButton(1);
    MoveTo(-20, -20);
    MoveTo(450, 200);
    MoveTo(12, 12);
    MoveTo(-3, 12);
    x11_.ReleaseButton(1);
    Pump();
    EXPECT_EQ(MouseMessages(), (std::vector<Mouse>{{WM_LBUTTONDOWN, MK_LBUTTON, 10, 10},
                                                   {WM_MOUSEMOVE, MK_LBUTTON, 12, 12}}));
}

TEST_F(InputTest, WithCaptureMovesOutsideArriveWithNegativePositions) {
    StartAt(10, 10);
    x11_.PressButton(1);
    Pump();
    EXPECT_EQ(SetCapture(window_), nullptr);
    EXPECT_EQ(GetCapture(), window_);
    MoveTo(-5, -7);
    MoveTo(450, 410);
    x11_.ReleaseButton(1);
    Pump();
    EXPECT_TRUE(ReleaseCapture());
    EXPECT_EQ(GetCapture(), nullptr);
    MoveTo(-6, -8);
    Pump();
    EXPECT_EQ(MouseMessages(), (std::vector<Mouse>{{WM_LBUTTONDOWN, MK_LBUTTON, 10, 10},
                                                   {WM_MOUSEMOVE, MK_LBUTTON, -5, -7},
                                                   {WM_MOUSEMOVE, MK_LBUTTON, 450, 410},
                                                   {WM_LBUTTONUP, 0, 450, 410}}));
}

// A stroke's handler takes the capture on the press; moves outside that were already
// queued behind the press must still arrive, as they do when the capture came first.
LRESULT CapturingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_LBUTTONDOWN) SetCapture(window);
    if (message == WM_LBUTTONUP) ReleaseCapture();
    return TestProcedure(window, message, wParam, lParam);
}

TEST_F(InputTest, MovesQueuedBehindThePressThatCapturesArriveFromOutside) {
    SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CapturingProcedure));
    StartAt(10, 10);
    x11_.PressButton(1);
    MoveTo(-5, -7);
    MoveTo(-30, 20);
    x11_.ReleaseButton(1);
    MoveTo(-31, 21);
    Pump();
    EXPECT_EQ(MouseMessages(), (std::vector<Mouse>{{WM_LBUTTONDOWN, MK_LBUTTON, 10, 10},
                                                   {WM_MOUSEMOVE, MK_LBUTTON, -5, -7},
                                                   {WM_MOUSEMOVE, MK_LBUTTON, -30, 20},
                                                   {WM_LBUTTONUP, 0, -30, 20}}));
}

TEST_F(InputTest, CaptureEndsWithTheWindow) {
    StartAt(10, 10);
    SetCapture(window_);
    DestroyWindow(window_);
    EXPECT_EQ(GetCapture(), nullptr);
}

}  // namespace
}  // namespace x11_test
