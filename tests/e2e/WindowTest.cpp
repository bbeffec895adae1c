// The program's main window on a real X server: what it shows after start-up, how it ends
// when closed, and what happens without a display.
#include <gmock/gmock.h>

#include <algorithm>
#include <memory>

#include "tests/e2e/VorlinProcess.h"
#include "tests/e2e/VorlinWindow.h"
#include "tests/support/XvfbServer.h"

using ::testing::ElementsAre;
using ::testing::EndsWith;
using ::testing::Pair;
using ::testing::StartsWith;

namespace {

using vorlin_e2e::VorlinOptions;
using vorlin_e2e::VorlinProcess;

auto* const xvfb = vorlin_test::InstallXvfbEnvironment();

// One program start serves every check of the window's first appearance.
class StartedWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        x = std::make_unique<vorlin_test::XClient>();
        vorlin = std::make_unique<VorlinProcess>();
        window = vorlin_e2e::WaitForPaintedWindow(*x);
    }

    static void TearDownTestSuite() {
        vorlin.reset();
        if (window != None) x->WaitUntilGone(window);
        x.reset();
    }

    void SetUp() override { ASSERT_NE(window, None) << "no painted window; errors: " << vorlin->Errors(); }

    static inline std::unique_ptr<vorlin_test::XClient> x;
    static inline std::unique_ptr<VorlinProcess> vorlin;
    static inline Window window = None;
};

TEST_F(StartedWindowTest, IsTitledVorlinApplication) {
    EXPECT_EQ(vorlin_e2e::NetWmName(*x, window), vorlin_e2e::kTitle);
}

TEST_F(StartedWindowTest, HasA400By400ClientAreaAtTheTopLeftCorner) {
    const vorlin_test::XClient::Geometry geometry = x->WindowGeometry(window);
    EXPECT_EQ(geometry.width, 400);
    EXPECT_EQ(geometry.height, 400);
    EXPECT_EQ(geometry.x, 0);
    EXPECT_EQ(geometry.y, 0);
}

TEST_F(StartedWindowTest, CarriesItsIconInThreeSizes) {
    EXPECT_THAT(vorlin_e2e::IconSizes(*x, window), ElementsAre(Pair(16, 16), Pair(32, 32), Pair(48, 48)));
}

TEST_F(StartedWindowTest, ShowsAWhiteClientArea) {
    // Only the guide's thin lines and texts may differ from the window colour.
    EXPECT_GT(vorlin_e2e::ShareOf(x->Pixels(window, 0, 0, 400, 400), vorlin_e2e::kWhite), 0.95);
}

TEST_F(StartedWindowTest, HasWrittenNothingToStandardError) {
    EXPECT_EQ(vorlin->Errors(), "");
}

TEST(ResizingTest, RepaintsTheWholeNewClientAreaInTheWindowColour) {
    vorlin_test::XClient x;
    VorlinProcess vorlin;
    const Window window = vorlin_e2e::WaitForPaintedWindow(x);
    ASSERT_NE(window, None) << vorlin.Errors();

    ASSERT_TRUE(vorlin_e2e::ResizeClientArea(x, window, 520, 310));
    EXPECT_GT(vorlin_e2e::ShareOf(x.Pixels(window, 0, 0, 520, 310), vorlin_e2e::kWhite), 0.95);
    EXPECT_TRUE(vorlin.Running());
}

TEST(ClosingTest, ClosingTheWindowEndsTheProgramWithExitCodeZero) {
    vorlin_test::XClient x;
    VorlinProcess vorlin;
    const Window window = vorlin_e2e::WaitForPaintedWindow(x);
    ASSERT_NE(window, None) << vorlin.Errors();

    vorlin_e2e::CloseWindow(x, window);

    EXPECT_EQ(vorlin.WaitForExit(1000), 0) << vorlin.Errors();
    EXPECT_EQ(vorlin.Errors(), "");
    EXPECT_TRUE(x.WaitUntilGone(window, 1000));
}

struct NoDisplayCase {
    const char* name;
    VorlinOptions::DisplayChoice display;
    const char* displayName;
    const char* errorsBegin;
};

class NoDisplayTest : public ::testing::TestWithParam<NoDisplayCase> {};

TEST_P(NoDisplayTest, EndsWithExitCodeOneAndOneLineNamingTheDisplay) {
    VorlinOptions options;
    options.display = GetParam().display;
    options.displayName = GetParam().displayName;
    VorlinProcess vorlin(options);

    EXPECT_EQ(vorlin.WaitForExit(5000), 1);
    const std::string errors = vorlin.Errors();
    EXPECT_THAT(errors, StartsWith(GetParam().errorsBegin));
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
    EXPECT_THAT(errors, EndsWith("\n"));
}

INSTANTIATE_TEST_SUITE_P(
    Displays, NoDisplayTest,
    ::testing::Values(
        NoDisplayCase{"Unreachable", VorlinOptions::DisplayChoice::Named, ":9999",
                      "vorlin: cannot open display \":9999\"\n"},
        NoDisplayCase{"Unset", VorlinOptions::DisplayChoice::Unset, "", "vorlin: cannot open display"}),
    [](const ::testing::TestParamInfo<NoDisplayCase>& param) { return std::string(param.param.name); });

}  // namespace
