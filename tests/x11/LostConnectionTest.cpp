// The layer's two ways of failing at the X server, seen from outside a process of its own:
// no display to open, and a server that goes away under a running program.
#include "tests/x11/LayerFixture.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "tests/support/XvfbServer.h"

extern char** environ;

namespace x11_test {
namespace {

struct Child {
    pid_t pid = -1;
    int errorOutput = -1;  // read end of the child's standard error
};

Child StartChild() {
    int pipeFds[2];
    EXPECT_EQ(pipe(pipeFds), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    char path[] = LOST_CONNECTION_CHILD;
    char* arguments[] = {path, nullptr};
    Child child;
    EXPECT_EQ(posix_spawn(&child.pid, path, &actions, nullptr, arguments, environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    child.errorOutput = pipeFds[0];
    return child;
}

// Waits up to five seconds; -1 if the child did not exit normally in time.
int ExitCode(Child& child) {
    for (int i = 0; i < 500; ++i) {
        int status = 0;
        if (waitpid(child.pid, &status, WNOHANG) == child.pid) {
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(child.pid, SIGKILL);
    waitpid(child.pid, nullptr, 0);
    return -1;
}

std::string ReadAll(int fd) {
    std::string text;
    char buffer[256];
    ssize_t got = 0;
    while ((got = read(fd, buffer, sizeof buffer)) > 0) text.append(buffer, static_cast<std::size_t>(got));
    close(fd);
    return text;
}

TEST(LostConnection, EndsTheProgramWithOneLineAndExitCodeOne) {
    auto server = std::make_unique<vorlin_test::XvfbServer>();
    const std::string display = server->display();
    Child child = StartChild();
    {
        vorlin_test::XClient watcher;
        ASSERT_NE(watcher.WaitForWindow("Vorlin Child"), static_cast<Window>(None));
    }
    server->Stop();
    EXPECT_EQ(ExitCode(child), 1);
    EXPECT_EQ(ReadAll(child.errorOutput), "vorlin: lost the connection to the X server " + display + "\n");
}

TEST(LostConnection, NoDisplayToOpenIsReportedByName) {
    const std::string previous = getenv("DISPLAY");
    setenv("DISPLAY", ":4999", 1);
    Child child = StartChild();
    setenv("DISPLAY", previous.c_str(), 1);
    EXPECT_EQ(ExitCode(child), 1);
    EXPECT_EQ(ReadAll(child.errorOutput), "vorlin: cannot open display \":4999\"\n");
}

}  // namespace
}  // namespace x11_test
