// One scripted session of the real program under Valgrind memcheck: start, a stroke in
// every symmetry mode and with the eraser, a resize, a message box (the settings file gone,
// a press, Enter), and closing the window. Valgrind ends the program with exit code 99 on
// any invalid access or on a leak that the suppressions do not explain, so the session
// must end with 0; its report is shown when it does not.
//
// Under Valgrind the program runs many times slower: every wait here is generous.
#include <gtest/gtest.h>

#include <X11/keysym.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include "tests/e2e/VorlinProcess.h"
#include "tests/e2e/VorlinWindow.h"
#include "tests/support/XvfbServer.h"

namespace {

using vorlin_e2e::VorlinProcess;
using vorlin_test::XClient;

auto* const xvfb = vorlin_test::InstallXvfbEnvironment();

constexpr int kSlowMs = 30000;
constexpr const char* kBoxTitle = "vorlin";  // the program file's name

std::string ReadWhole(const std::string& path) {
    std::ifstream file(path);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// One symmetry mode's stroke: its settings, with a blue of its own to tell it apart.
struct Stroke {
    int mode;
    bool eraser;
};

std::string SettingsFor(const Stroke& stroke) {
    return "7\n200\n40\n" + std::to_string(10 + stroke.mode) + "\n" + std::to_string(stroke.mode) + "\n";
}

std::uint32_t ColourFor(const Stroke& stroke) {
    if (stroke.eraser) return vorlin_e2e::kWhite;
    return 200u | 40u << 8 | static_cast<std::uint32_t>(10 + stroke.mode) << 16;
}

class MemcheckSession : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/vorlin-memcheck-XXXXXX";
        const int fd = mkstemp(pattern);
        ASSERT_GE(fd, 0);
        close(fd);
        log_ = pattern;
        setenv("VORLIN_MEMCHECK_LOG", log_.c_str(), 1);
    }

    void TearDown() override { std::remove(log_.c_str()); }

    // A press, a few held moves and a release; waits until the last dot shows.
    void Draw(Window window, const Stroke& stroke) {
        vorlin->WriteSettings(SettingsFor(stroke));
        if (stroke.eraser) x.PressKey(XK_Shift_L);
        x.MovePointer(window, 120, 90);
        x.PressButton(1);
        for (int step = 1; step <= 8; ++step) x.MovePointer(window, 120 + 6 * step, 90 + 3 * step);
        x.ReleaseButton(1);
        if (stroke.eraser) x.ReleaseKey(XK_Shift_L);
        x.Sync();
        EXPECT_TRUE(x.WaitForPixel(window, 168, 114, ColourFor(stroke), kSlowMs)) << "mode " << stroke.mode;
    }

    // The settings file gone: a press shows the message box; Enter closes it.
    void ShowAndCloseTheMessageBox(Window window) {
        ASSERT_EQ(std::remove((vorlin->folder() + "/vorlindata1.ini").c_str()), 0);
        x.MovePointer(window, 60, 300);
        x.PressButton(1);
        x.ReleaseButton(1);
        x.Sync();
        const Window box = x.WaitForWindow(kBoxTitle, kSlowMs);
        ASSERT_NE(box, None) << "no message box";
        const XClient::Geometry at = x.WindowGeometry(box);
        x.MovePointerOnScreen(at.x + at.width / 2, at.y + at.height / 2);
        x.PressKey(XK_Return);
        x.ReleaseKey(XK_Return);
        x.Sync();
        EXPECT_TRUE(x.WaitUntilGone(box, kSlowMs));
        vorlin->WriteSettings(vorlin_e2e::kDefaultSettings);
    }

    std::string log_;
    XClient x;
    std::unique_ptr<VorlinProcess> vorlin;
};

TEST_F(MemcheckSession, FindsNoInvalidAccessAndNoLeak) {
    vorlin = std::make_unique<VorlinProcess>();
    const Window window = vorlin_e2e::WaitForPaintedWindow(x, kSlowMs);
    ASSERT_NE(window, None) << vorlin->Errors() << ReadWhole(log_);

    for (int mode = 0; mode <= 6; ++mode) Draw(window, Stroke{mode, false});
    Draw(window, Stroke{4, true});
    ASSERT_TRUE(vorlin_e2e::ResizeClientArea(x, window, 520, 330, kSlowMs));
    Draw(window, Stroke{5, false});
    ShowAndCloseTheMessageBox(window);
    vorlin_e2e::CloseWindow(x, window);

    const std::optional<int> exitCode = vorlin->WaitForExit(kSlowMs * 2);
    EXPECT_EQ(exitCode, 0) << "99 means memcheck found errors:\n" << ReadWhole(log_);
    // The message box's text is also written to standard error, and nothing else is.
    const std::string errors = vorlin->Errors();
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
    EXPECT_NE(errors.find("vorlindata1.ini"), std::string::npos) << errors;
    const std::string report = ReadWhole(log_);
    EXPECT_NE(report.find("ERROR SUMMARY: 0 errors"), std::string::npos) << report;
}

}  // namespace
