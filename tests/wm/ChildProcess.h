// A program started by a test: its own working folder, output to /dev/null, and a bounded
// wait for its exit, so that a hung program fails the test instead of stopping the run.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

namespace vorlin_test {

class ChildProcess {
public:
    // Starts argv[0] (looked up in PATH when it has no slash) in folder; throws
    // std::runtime_error when it cannot be started.
    ChildProcess(const std::vector<std::string>& argv, const std::string& folder);
    // Kills the program if it still runs.
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // The exit code once the program has exited normally within timeoutMs; nothing if it still
    // runs or was ended by a signal (both are failures to the tests).
    std::optional<int> WaitForExit(int timeoutMs);
    // Ends the program with SIGTERM and waits for it. Safe to call twice.
    void Stop();

private:
    pid_t pid_ = -1;
};

}  // namespace vorlin_test
