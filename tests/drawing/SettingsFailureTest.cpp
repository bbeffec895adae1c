// A settings file that cannot be opened or read, on the real program: a press shows the
// framework's message box once (a top-level window titled "vorlin", the text also on
// standard error) and stamps nothing; after Enter closes it, the program draws again
// once the file is readable.
#include <gmock/gmock.h>

#include <X11/keysym.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>

#include "tests/drawing/Picture.h"
#include "tests/e2e/VorlinProcess.h"
#include "tests/e2e/VorlinWindow.h"
#include "tests/settings/CaseName.h"

using ::testing::IsEmpty;

namespace vorlin_drawing {
namespace {

constexpr const char* kBoxTitle = "vorlin";
constexpr std::uint32_t kRed = 0x000000FFu;

int CountWindowsNamed(const vorlin_test::XClient& x, const std::string& name) {
    Window root = None, parent = None;
    Window* children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(x.display(), x.root(), &root, &parent, &children, &count)) return 0;
    int named = 0;
    for (unsigned i = 0; i < count; ++i) {
        char* title = nullptr;
        if (XFetchName(x.display(), children[i], &title) && title != nullptr) {
            named += name == title;
            XFree(title);
        }
    }
    if (children) XFree(children);
    return named;
}

bool Overlaps(const DotBox& dot, const vorlin_test::XClient::Geometry& box) {
    return dot.right >= box.x - 1 && dot.left <= box.x + box.width && dot.bottom >= box.y - 1 &&
           dot.top <= box.y + box.height;
}

struct FailureCase {
    const char* name;
    void (*make)(const std::string& path);
    const char* before;  // the text is before + the file's full path + after
    const char* after;
};

void PrintTo(const FailureCase& c, std::ostream* out) { *out << c.name; }

void MakeNothing(const std::string&) {}
void MakeLinkToMemory(const std::string& path) { ASSERT_EQ(symlink("/proc/self/mem", path.c_str()), 0); }

class SettingsFailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(SettingsFailureTest, APressShowsTheMessageOnceAndStampsNothingThenEnterLetsDrawingGoOn) {
    vorlin_test::XClient x;
    vorlin_e2e::VorlinProcess vorlin;
    const Window window = vorlin_e2e::WaitForPaintedWindow(x);
    ASSERT_NE(window, None) << vorlin.Errors();
    const std::string path = vorlin.folder() + "/vorlindata1.ini";
    ASSERT_EQ(std::remove(path.c_str()), 0);
    GetParam().make(path);
    const StampPlan plan = PlanAt(60, 60, 400, 400, SettingsOf(10, kRed, 0));
    const Picture before = Capture(x, window);

    x.MovePointer(window, 60, 60);
    x.PressButton(1);
    x.ReleaseButton(1);

    const Window box = x.WaitForWindow(kBoxTitle);
    ASSERT_NE(box, None) << "no message box; errors: " << vorlin.Errors();
    const std::string text = GetParam().before + path + GetParam().after;
    EXPECT_TRUE(vorlin.WaitForErrors("vorlin: " + text + "\n")) << vorlin.Errors();
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    const std::string errors = vorlin.Errors();
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
    EXPECT_EQ(CountWindowsNamed(x, kBoxTitle), 1);
    const vorlin_test::XClient::Geometry boxArea = x.WindowGeometry(box);
    for (const DotBox& dot : plan.dots) ASSERT_FALSE(Overlaps(dot, boxArea)) << "the box hides a dot";
    EXPECT_THAT(ChangesOutside(before, Capture(x, window),
                               DotBox{boxArea.x - 1, boxArea.y - 1, boxArea.x + boxArea.width, boxArea.y + boxArea.height}),
                IsEmpty())
        << "something was stamped";

    std::remove(path.c_str());
    vorlin.WriteSettings(SettingsText(10, kRed, 0));
    x.PressKey(XK_Return);
    x.ReleaseKey(XK_Return);
    EXPECT_TRUE(x.WaitUntilGone(box)) << "Enter did not close the box";
    x.PressButton(1);
    x.ReleaseButton(1);
    EXPECT_TRUE(WaitForDots(x, window, {plan}, kRed)) << "no drawing after the box; errors: " << vorlin.Errors();
    EXPECT_TRUE(vorlin.Running());
}

INSTANTIATE_TEST_SUITE_P(
    Files, SettingsFailureTest,
    ::testing::Values(FailureCase{"Missing", MakeNothing, "Cannot open the settings file ", ": No such file or directory."},
                      FailureCase{"ReadError", MakeLinkToMemory, "An unknown error occurred while accessing ", "."}),
    CaseName<FailureCase>);

}  // namespace
}  // namespace vorlin_drawing
