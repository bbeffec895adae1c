// A window of the X11 layer for tests: registered and created through Platform.h with a
// recording window procedure, shown and first painted; plus the test's own X connection to
// inject input and read pixels. One Xvfb serves the whole binary (XvfbEnvironment).
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "platform/Platform.h"
#include "platform/x11/LayerState.h"
#include "tests/support/XClient.h"

namespace x11_test {

struct Received {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// What the test window procedure saw, and what it does on WM_PAINT.
struct Recorder {
    std::vector<Received> messages;
    std::vector<RECT> paints;  // rcPaint of each WM_PAINT
    std::function<void(HDC)> paintHook;
    std::vector<UINT> Messages(UINT first, UINT last) const;
    std::vector<Received> Mouse() const;
};

Recorder& Recording();

LRESULT TestProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

constexpr COLORREF kGrey = 0x00808080u;
constexpr COLORREF kRed = 0x000000FFu;
constexpr COLORREF kBlue = 0x00FF0000u;
constexpr COLORREF kBlack = 0x00000000u;

class LayerTest : public ::testing::Test {
protected:
    static constexpr int kLeft = 100, kTop = 80;  // where the test window sits on the screen

    void SetUp() override;
    void TearDown() override;

    Window Xid() const { return window_->xid; }
    // Lets the server and the layer handle everything sent so far, then dispatches it.
    void Pump();
    // Draws through GetDC with a brush and a pen of the given colours.
    void DrawEllipse(RECT box, COLORREF brush, COLORREF pen);
    void DrawArc(RECT box, COLORREF pen);
    void FillClient(COLORREF colour);
    std::uint32_t Pixel(int x, int y) const { return x11_.Pixel(Xid(), x, y); }

    HWND window_ = nullptr;
    vorlin_test::XClient x11_;
};

}  // namespace x11_test
