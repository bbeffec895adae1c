// Starts and stops Xvfb for tests; see XvfbServer.h.
#include "tests/support/XvfbServer.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <memory>
#include <stdexcept>

namespace vorlin_test {
namespace {

constexpr int kStartTimeoutMs = 10000;

[[noreturn]] void ExecXvfb(int writeFd) {
    const std::string fd = std::to_string(writeFd);
    const int devNull = open("/dev/null", O_RDWR);
    if (devNull >= 0) {
        dup2(devNull, STDIN_FILENO);
        dup2(devNull, STDOUT_FILENO);
        dup2(devNull, STDERR_FILENO);
    }
    execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24",
           "-nolisten", "tcp", "-noreset", static_cast<char*>(nullptr));
    _exit(127);
}

// Reads the display number that Xvfb writes, one line, within the time limit.
std::string ReadDisplayNumber(int readFd) {
    std::string number;
    for (;;) {
        pollfd waitFor{readFd, POLLIN, 0};
        if (poll(&waitFor, 1, kStartTimeoutMs) <= 0) return {};
        char c = 0;
        const ssize_t got = read(readFd, &c, 1);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return {};
        if (c == '\n') return number;
        number += c;
    }
}

}  // namespace

XvfbServer::XvfbServer() {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) throw std::runtime_error("XvfbServer: pipe failed");
    pid_ = fork();
    if (pid_ < 0) throw std::runtime_error("XvfbServer: fork failed");
    if (pid_ == 0) {
        close(pipeFds[0]);
        ExecXvfb(pipeFds[1]);
    }
    close(pipeFds[1]);
    const std::string number = ReadDisplayNumber(pipeFds[0]);
    close(pipeFds[0]);
    if (number.empty()) {
        Stop();
        throw std::runtime_error("XvfbServer: Xvfb did not start (is it installed?)");
    }
    display_ = ":" + number;
    if (const char* previous = std::getenv("DISPLAY")) {
        previousDisplay_ = previous;
        hadPreviousDisplay_ = true;
    }
    setenv("DISPLAY", display_.c_str(), 1);
}

XvfbServer::~XvfbServer() {
    Stop();
    if (hadPreviousDisplay_) {
        setenv("DISPLAY", previousDisplay_.c_str(), 1);
    } else {
        unsetenv("DISPLAY");
    }
}

void XvfbServer::Stop() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    int status = 0;
    while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    pid_ = -1;
}

namespace {
std::unique_ptr<XvfbServer>& SharedServer() {
    static std::unique_ptr<XvfbServer> server;
    return server;
}
}  // namespace

void XvfbEnvironment::SetUp() { SharedServer() = std::make_unique<XvfbServer>(); }

void XvfbEnvironment::TearDown() { SharedServer().reset(); }

XvfbServer& XvfbEnvironment::Server() { return *SharedServer(); }

::testing::Environment* InstallXvfbEnvironment() {
    return ::testing::AddGlobalTestEnvironment(new XvfbEnvironment);
}

}  // namespace vorlin_test
