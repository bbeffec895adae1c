// A fixture whose test suite shares one start of the real program on the test binary's
// Xvfb. Its window is moved to kWindowAt, so that the pointer can leave the client area on
// every side. A case that kills the program fails, and the next case starts it again.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "tests/drawing/Picture.h"
#include "tests/e2e/VorlinProcess.h"
#include "tests/e2e/VorlinWindow.h"
#include "tests/support/XClient.h"

namespace vorlin_drawing {

constexpr int kSide = 400;  // the client area of a fresh window is kSide x kSide
constexpr POINT kWindowAt{200, 100};

class StartedVorlinTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    // Input in client coordinates, through XTest.
    static void MoveTo(POINT point);
    static void Press(POINT point);
    static void Release();
    static void HoldShift();
    static void LetGoOfShift();

    static Picture Now() { return Capture(*x, window); }
    static StampPlan Plan(POINT point, const MarkSettings& settings, bool eraser = false) {
        return PlanAt(point.x, point.y, kSide, kSide, settings, eraser);
    }
    static bool WaitFor(const std::vector<StampPlan>& plans, std::uint32_t colour) {
        return WaitForDots(*x, window, plans, colour);
    }
    static void UseSettings(std::int32_t radius, std::uint32_t colour, std::int32_t mode) {
        vorlin->WriteSettings(SettingsText(radius, colour, mode));
    }

    static inline std::unique_ptr<vorlin_test::XClient> x;
    static inline std::unique_ptr<vorlin_e2e::VorlinProcess> vorlin;
    static inline Window window = None;
    // The client area as the program's first paint left it.
    static inline Picture fresh;

private:
    static void Start();
    static void Stop();
};

}  // namespace vorlin_drawing
