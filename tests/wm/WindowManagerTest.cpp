// Vorlin under a real window manager: openbox, from the distribution with its own default
// configuration, runs on the test's private Xvfb. It must frame the window with a title bar
// showing the program's title, leave the frame at the top-left corner of the screen with the
// 400 x 400 client area inside, and close the window on Alt+F4, after which the program ends
// with exit code 0.

// GoogleTest comes before Xlib, whose macros (None, Bool) would break its templates.
#include <gtest/gtest.h>

#include "tests/support/XClient.h"
#include "tests/support/XvfbServer.h"
#include "tests/wm/ChildProcess.h"

#include <X11/Xatom.h>
#include <X11/keysym.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace {

auto* const xvfb = vorlin_test::InstallXvfbEnvironment();

constexpr const char* kTitle = "Vorlin Application";
constexpr int kWaitMs = 10000;

using vorlin_test::ChildProcess;
using vorlin_test::XClient;

// The 32-bit items of a window property (CARDINAL, WINDOW); empty when it is absent.
std::vector<long> LongsProperty(Display* display, Window window, const char* name, Atom type) {
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    const Atom property = XInternAtom(display, name, False);
    if (XGetWindowProperty(display, window, property, 0, 64, False, type, &actualType, &format,
                           &count, &remaining, &data) != Success || data == nullptr) {
        return {};
    }
    std::vector<long> items;
    if (actualType == type && format == 32) {
        const long* values = reinterpret_cast<const long*>(data);
        items.assign(values, values + count);
    }
    XFree(data);
    return items;
}

std::string Utf8Property(Display* display, Window window, const char* name) {
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    const Atom property = XInternAtom(display, name, False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    if (XGetWindowProperty(display, window, property, 0, 1024, False, utf8, &actualType, &format,
                           &count, &remaining, &data) != Success || data == nullptr) {
        return {};
    }
    std::string text(reinterpret_cast<const char*>(data), count);
    XFree(data);
    return text;
}

template <typename Check>
bool WaitUntil(Check check, int timeoutMs = kWaitMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!check()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

// True once the manager has framed window, which it marks with WM_STATE (ICCCM).
bool IsManaged(Display* display, Window window) {
    const Atom wmState = XInternAtom(display, "WM_STATE", False);
    return !LongsProperty(display, window, "WM_STATE", wmState).empty();
}

// Waits until the manager frames a probe window of ours. Openbox names itself on the root
// before it is ready, and a window mapped in that gap can stay unmapped for good, so the
// probe is mapped anew until the manager takes it.
bool WaitUntilManaging(XClient& x) {
    const Window probe = XCreateSimpleWindow(x.display(), x.root(), 0, 0, 10, 10, 0, 0, 0);
    const bool managed = WaitUntil([&] {
        XUnmapWindow(x.display(), probe);
        XMapWindow(x.display(), probe);
        x.Sync();
        return WaitUntil([&] { return IsManaged(x.display(), probe); }, 500);
    });
    XDestroyWindow(x.display(), probe);
    x.Sync();
    return managed;
}

// The child of the root that holds window: the manager's frame around it.
Window TopLevelOf(Display* display, Window window) {
    for (;;) {
        Window root = None, parent = None;
        Window* children = nullptr;
        unsigned count = 0;
        if (!XQueryTree(display, window, &root, &parent, &children, &count)) return None;
        if (children) XFree(children);
        if (parent == root || parent == None) return window;
        window = parent;
    }
}

// A scratch folder for the program to start in, removed afterwards.
class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "vorlin-wm-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a scratch folder");
        path_ = pattern;
    }
    ~ScratchFolder() { std::filesystem::remove_all(path_); }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

class UnderOpenbox : public ::testing::Test {
protected:
    // One manager for all cases. An empty XDG_CONFIG_HOME keeps a user's openbox
    // configuration out, so the distribution's default (with A-F4 bound to Close) applies.
    static void SetUpTestSuite() {
        config_ = std::make_unique<ScratchFolder>();
        openbox_ = std::make_unique<ChildProcess>(
            std::vector<std::string>{"env", "XDG_CONFIG_HOME=" + config_->path(), "openbox",
                                     "--sm-disable"},
            config_->path());
        XClient x;
        managing_ = WaitUntilManaging(x);
    }
    static void TearDownTestSuite() {
        openbox_.reset();
        config_.reset();
    }

    void SetUp() override {
        ASSERT_TRUE(managing_) << "openbox did not start managing windows";
        program_ = std::make_unique<ChildProcess>(std::vector<std::string>{VORLIN_PROGRAM},
                                                  folder_.path());
        window_ = x_.WaitForWindow(kTitle, kWaitMs);
        ASSERT_NE(None, window_) << "no mapped window titled " << kTitle;
        ASSERT_TRUE(WaitUntil([&] { return !FrameExtents().empty(); }))
            << "openbox did not frame the window";
    }

    // The next case must not find this window while the server is still removing it.
    void TearDown() override {
        program_.reset();
        if (window_ != None) x_.WaitUntilGone(window_, kWaitMs);
    }

    bool IsActive() const {
        const std::vector<long> active =
            LongsProperty(x_.display(), x_.root(), "_NET_ACTIVE_WINDOW", XA_WINDOW);
        return !active.empty() && static_cast<Window>(active[0]) == window_;
    }

    // left, right, top, bottom: the frame's reach beyond the client area.
    std::vector<long> FrameExtents() const {
        return LongsProperty(x_.display(), window_, "_NET_FRAME_EXTENTS", XA_CARDINAL);
    }

    XClient::Geometry FrameGeometry() const {
        return x_.WindowGeometry(TopLevelOf(x_.display(), window_));
    }

    static std::unique_ptr<ScratchFolder> config_;
    static std::unique_ptr<ChildProcess> openbox_;
    static bool managing_;
    XClient x_;
    ScratchFolder folder_;
    std::unique_ptr<ChildProcess> program_;
    Window window_ = None;
};

std::unique_ptr<ScratchFolder> UnderOpenbox::config_;
std::unique_ptr<ChildProcess> UnderOpenbox::openbox_;
bool UnderOpenbox::managing_ = false;

TEST_F(UnderOpenbox, FramesTheWindowWithItsTitle) {
    EXPECT_NE(window_, TopLevelOf(x_.display(), window_)) << "the window was not reparented";
    const std::vector<long> extents = FrameExtents();
    ASSERT_EQ(4u, extents.size());
    EXPECT_GT(extents[2], extents[3]) << "no title bar above the client area";
    // The name that openbox shows in the title bar.
    const auto shownTitle = [&] { return Utf8Property(x_.display(), window_, "_NET_WM_VISIBLE_NAME"); };
    WaitUntil([&] { return !shownTitle().empty(); });
    EXPECT_EQ(kTitle, shownTitle());
}

TEST_F(UnderOpenbox, KeepsTheFrameAtTheTopLeftAroundA400By400ClientArea) {
    const std::vector<long> extents = FrameExtents();
    ASSERT_EQ(4u, extents.size());
    const XClient::Geometry frame = FrameGeometry();
    const XClient::Geometry client = x_.WindowGeometry(window_);
    EXPECT_EQ(0, frame.x);
    EXPECT_EQ(0, frame.y);
    EXPECT_EQ(400, client.width);
    EXPECT_EQ(400, client.height);
    EXPECT_EQ(extents[0], client.x);
    EXPECT_EQ(extents[2], client.y);
    EXPECT_EQ(extents[0] + 400 + extents[1], frame.width);
    EXPECT_EQ(extents[2] + 400 + extents[3], frame.height);
}

TEST_F(UnderOpenbox, AltF4ClosesTheWindowAndTheProgramEndsWithCodeZero) {
    ASSERT_TRUE(WaitUntil([&] { return IsActive(); })) << "openbox did not focus the new window";
    x_.PressKey(XK_Alt_L);
    x_.PressKey(XK_F4);
    x_.ReleaseKey(XK_F4);
    x_.ReleaseKey(XK_Alt_L);
    x_.Sync();
    EXPECT_TRUE(x_.WaitUntilGone(window_, kWaitMs));
    EXPECT_EQ(std::optional<int>(0), program_->WaitForExit(kWaitMs));
}

}  // namespace
