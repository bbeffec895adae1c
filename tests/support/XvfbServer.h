// A private X server for tests: Xvfb on a free display, started and stopped by the test.
//
// XvfbServer starts `Xvfb -displayfd <fd> -screen 0 1024x768x24 -nolisten tcp`, lets the
// server choose a free display number, waits until it reports that number, and points
// DISPLAY at it for this process and every child it starts. The destructor stops it.
// XvfbEnvironment shares one server among all tests of a binary:
//   static auto* const xvfb = vorlin_test::InstallXvfbEnvironment();
#pragma once

#include <sys/types.h>

#include <string>

#include <gtest/gtest.h>

namespace vorlin_test {

class XvfbServer {
public:
    // Throws std::runtime_error when Xvfb cannot be started or reports no display.
    XvfbServer();
    ~XvfbServer();
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    // The display name, e.g. ":3"; DISPLAY holds it while the server runs.
    const std::string& display() const { return display_; }
    pid_t pid() const { return pid_; }
    // Kills the server and waits for it; the destructor calls it too. Safe to call twice.
    void Stop();

private:
    pid_t pid_ = -1;
    std::string display_;
    std::string previousDisplay_;
    bool hadPreviousDisplay_ = false;
};

// One Xvfb for the whole test binary, started before the first test and stopped after the last.
class XvfbEnvironment : public ::testing::Environment {
public:
    void SetUp() override;
    void TearDown() override;
    // The running server; only valid between SetUp and TearDown.
    static XvfbServer& Server();
};

// Registers an XvfbEnvironment with GoogleTest (which owns it) and returns it.
::testing::Environment* InstallXvfbEnvironment();

}  // namespace vorlin_test
