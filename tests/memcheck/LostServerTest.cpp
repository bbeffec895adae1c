// The X server going away under the running program: it ends with one line on standard
// error and exit code 1, whether the server was stopped or killed outright.
#include <gmock/gmock.h>

#include <signal.h>

#include <algorithm>
#include <memory>

#include "tests/e2e/VorlinProcess.h"
#include "tests/e2e/VorlinWindow.h"
#include "tests/support/XvfbServer.h"

namespace {

using ::testing::EndsWith;
using ::testing::StartsWith;

struct LossCase {
    const char* name;
    int signal;
};

class LostServerTest : public ::testing::TestWithParam<LossCase> {};

TEST_P(LostServerTest, EndsTheProgramWithOneLineAndExitCodeOne) {
    vorlin_test::XvfbServer server;  // of this test alone
    vorlin_e2e::VorlinProcess vorlin;
    {
        // The test's own connection goes before the server does.
        vorlin_test::XClient x;
        ASSERT_NE(vorlin_e2e::WaitForPaintedWindow(x), None) << vorlin.Errors();
    }

    kill(server.pid(), GetParam().signal);
    server.Stop();

    EXPECT_EQ(vorlin.WaitForExit(5000), 1);
    const std::string errors = vorlin.Errors();
    EXPECT_THAT(errors, StartsWith("vorlin: "));
    EXPECT_THAT(errors, EndsWith("\n"));
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
}

INSTANTIATE_TEST_SUITE_P(Losses, LostServerTest,
                         ::testing::Values(LossCase{"Stopped", SIGTERM}, LossCase{"Killed", SIGKILL}),
                         [](const ::testing::TestParamInfo<LossCase>& loss) {
                             return std::string(loss.param.name);
                         });

}  // namespace
