// A storm of real input against the real program while its settings file is rewritten
// underneath it: 20,000 pointer moves with the left button held, as fast as XTest sends
// them, inside and outside the window, with Shift pressed and released along the way.
// The program must neither crash, hang nor show an error, must afterwards stamp exactly
// what the file says, and must hold no more descriptors or memory than before the storm.
//
// "Before" is measured after a warm-up storm under the same rewriting, so that what the
// program allocates once (fonts, the X connection's buffers, its message queue grown to a
// backlog of moves) is not counted as growth.
#include <gtest/gtest.h>

#include <X11/keysym.h>

#include <chrono>
#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "geometry/PlanStamp.h"
#include "tests/e2e/VorlinProcess.h"
#include "tests/e2e/VorlinWindow.h"
#include "tests/soak/ProcessFigures.h"
#include "tests/soak/SettingsRewriter.h"
#include "tests/support/XvfbServer.h"

namespace {

using vorlin_e2e::VorlinProcess;
using vorlin_test::XClient;

auto* const xvfb = vorlin_test::InstallXvfbEnvironment();

// The storm's moves; VORLIN_SOAK_MOVES sets a longer storm for a run by hand.
int StormMoves() {
    const char* moves = std::getenv("VORLIN_SOAK_MOVES");
    return moves != nullptr ? std::atoi(moves) : 20000;
}
// The warm-up is a storm too: the program's queues and the heap under them grow to what
// a backlog of moves needs once, and are reused after.
constexpr int kWarmUpMoves = 10000;
constexpr int kClientSize = 400;  // the window's client area, at the screen's top-left corner
// Not checked in a sanitized build, where AddressSanitizer holds freed memory back on purpose.
constexpr long kMemorySlackKilobytes = 1024;

// What the rewriter cycles through: ordinary files, CR LF, a first line longer than the
// reader's buffer, a negative and a huge radius, text, an empty file, a Ctrl-Z. None of
// them uses the colours that the checks below look for.
std::vector<std::string> StormSettings() {
    return {
        "12\n200\n30\n30\n4\n",
        "5\r\n0\r\n0\r\n255\r\n5\r\n",
        "30\n0\n180\n0\n0\n",
        std::string(5000, ' ') + "8\n10\n10\n10\n3\n",
        "-7\n255\n255\n0\n1\n",
        "100000\n90\n0\n90\n2\n",
        "abc\n\n\n\n\n",
        "",
        "3\n1\n2\n3\n4\n\x1A" "99\n",
    };
}

std::string SettingsText(const MarkSettings& s) {
    return std::to_string(s.radius) + "\n" + std::to_string(s.red) + "\n" +
           std::to_string(s.green) + "\n" + std::to_string(s.blue) + "\n" +
           std::to_string(s.mode) + "\n";
}

COLORREF ColourOf(const MarkSettings& s) {
    return static_cast<COLORREF>((s.red & 0xFF) | (s.green & 0xFF) << 8 | (s.blue & 0xFF) << 16);
}

// The settled mark: a one-dot stamp at a corner of the client area that the storm's path
// never comes near, so seeing it proves that every earlier event has been handled. Each
// settling uses a blue of its own, as the corner still shows the last one.
MarkSettings SettledMark(int settling) { return {3, 1, 254, 2 + settling, 6}; }
constexpr int kSettledX = 12;
constexpr int kSettledY = kClientSize - 12;

// Where the storm's n-th move goes on the screen: two triangle waves of different periods
// sweep the window and the screen beyond its right and bottom edges, stepping around the
// settled mark's corner.
std::pair<int, int> StormPosition(int n) {
    const auto wave = [](int step, int period, int span) {
        const int phase = step % period;
        return (phase < period / 2 ? phase : period - phase) * span / (period / 2);
    };
    int x = wave(n * 7, 1402, 700);
    const int y = wave(n * 5, 1002, 560);
    if (x < 60 && y > kClientSize - 60) x += 60;
    return {x, y};
}

int MappedTopLevelWindows(const XClient& x) {
    Window root = None, parent = None, *children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(x.display(), x.root(), &root, &parent, &children, &count)) return -1;
    int mapped = 0;
    for (unsigned i = 0; i < count; ++i) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(x.display(), children[i], &attributes) &&
            attributes.map_state == IsViewable)
            ++mapped;
    }
    if (children != nullptr) XFree(children);
    return mapped;
}

struct Figures {
    int descriptors;
    long residentKilobytes;
};

class SoakTest : public ::testing::Test {
protected:
    void SetUp() override {
        window_ = vorlin_e2e::WaitForPaintedWindow(x_);
        ASSERT_NE(window_, None) << vorlin_.Errors();
    }

    void TearDown() override { x_.MovePointerOnScreen(900, 700); }

    std::string SettingsPath() const { return vorlin_.folder() + "/vorlindata1.ini"; }

    // One stroke along the storm's path, Shift held for the second half of every 2,000
    // moves. Checks now and then that the program runs and shows nothing but its window.
    void Storm(int firstMove, int moves) {
        const XClient::Geometry client = x_.WindowGeometry(window_);
        x_.PressButton(1);
        for (int n = firstMove; n < firstMove + moves; ++n) {
            if (n % 2000 == 1000) x_.PressKey(XK_Shift_L);
            if (n % 2000 == 0) x_.ReleaseKey(XK_Shift_L);
            const auto [px, py] = StormPosition(n);
            x_.MovePointerOnScreen(client.x + px, client.y + py);
            x_.Sync();  // one move at a time: the server merges moves that queue up
            if (n % 2500 == 0) ExpectRunningAlone();
        }
        x_.ReleaseKey(XK_Shift_L);
        x_.ReleaseButton(1);
        x_.Sync();
    }

    void ExpectRunningAlone() {
        EXPECT_TRUE(vorlin_.Running());
        EXPECT_EQ(MappedTopLevelWindows(x_), 1) << "a message box or another window showed";
    }

    // Presses and releases the left button at a client position.
    void Click(int px, int py) {
        x_.MovePointer(window_, px, py);
        x_.PressButton(1);
        x_.ReleaseButton(1);
        x_.Sync();
    }

    // A storm under rewriting: the rewriter runs until the program has gone quiet, so that
    // it rewrites while the program works through its backlog of moves too.
    long StormWhileRewriting(int firstMove, int moves) {
        vorlin_soak::SettingsRewriter rewriter(SettingsPath(), StormSettings());
        Storm(firstMove, moves);
        EXPECT_TRUE(vorlin_soak::WaitUntilIdle(vorlin_.pid(), 60000)) << "the program hangs";
        return rewriter.Stop();
    }

    // Waits until the program has handled every event sent so far.
    void Settle() {
        const MarkSettings mark = SettledMark(settlings_++);
        vorlin_.WriteSettings(SettingsText(mark));
        Click(kSettledX, kSettledY);
        ASSERT_TRUE(x_.WaitForPixel(window_, kSettledX, kSettledY, ColourOf(mark), 60000))
            << "the program did not catch up with its input";
    }

    Figures Measure() const {
        return {vorlin_soak::OpenDescriptors(vorlin_.pid()),
                vorlin_soak::ResidentKilobytes(vorlin_.pid())};
    }

    XClient x_;
    VorlinProcess vorlin_;
    Window window_ = None;
    int settlings_ = 0;
};

TEST_F(SoakTest, StaysWellAndExactUnderAStormOfInputAndRewrites) {
    StormWhileRewriting(0, kWarmUpMoves);
    ASSERT_NO_FATAL_FAILURE(Settle());
    const Figures before = Measure();

    const auto start = std::chrono::steady_clock::now();
    const int moves = StormMoves();
    const long rewrites = StormWhileRewriting(kWarmUpMoves, moves);
    ASSERT_NO_FATAL_FAILURE(Settle());
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start);

    // The current settings, stamped exactly: the pointer's dot and its four turned images.
    const MarkSettings final{9, 17, 99, 201, 5};
    vorlin_.WriteSettings(SettingsText(final));
    const int pressX = 300, pressY = 120;
    Click(pressX, pressY);
    const StampPlan plan = PlanStamp(pressX, pressY, RECT{0, 0, kClientSize, kClientSize}, final, false);
    ASSERT_EQ(plan.dots.size(), 5u);
    for (const DotBox& dot : plan.dots) {
        const int cx = (dot.left + dot.right) / 2, cy = (dot.top + dot.bottom) / 2;
        EXPECT_TRUE(x_.WaitForPixel(window_, cx, cy, ColourOf(final), 10000)) << cx << "," << cy;
        EXPECT_EQ(x_.Pixel(window_, cx + final.radius - 2, cy), ColourOf(final)) << "radius";
        EXPECT_NE(x_.Pixel(window_, cx + final.radius + 2, cy), ColourOf(final)) << "radius";
    }
    const Figures after = Measure();

    ExpectRunningAlone();
    EXPECT_EQ(vorlin_.Errors(), "");
    EXPECT_EQ(after.descriptors, before.descriptors);
#ifndef VORLIN_SANITIZED
    EXPECT_LE(std::labs(after.residentKilobytes - before.residentKilobytes), kMemorySlackKilobytes);
#endif
    std::printf("soak: %d moves and %ld rewrites in %.1f s; descriptors %d -> %d; VmRSS %ld kB -> %ld kB\n",
                moves, rewrites, seconds.count(), before.descriptors, after.descriptors,
                before.residentKilobytes, after.residentKilobytes);
}

}  // namespace
