// Starting, watching and ending the program under test.
#include "tests/e2e/VorlinProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <thread>

#ifndef VORLIN_PROGRAM
#error "VORLIN_PROGRAM names the program under test"
#endif

namespace vorlin_e2e {
namespace {

std::string MakeFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vorlin-e2e-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("VorlinProcess: cannot make a temporary folder");
    }
    return pattern;
}

// In the child: the folder, the display, standard error into the pipe, then the program.
[[noreturn]] void RunProgram(const std::string& folder, const VorlinOptions& options, int errorEnd) {
    if (chdir(folder.c_str()) != 0) _exit(126);
    if (options.display == VorlinOptions::DisplayChoice::Unset) unsetenv("DISPLAY");
    if (options.display == VorlinOptions::DisplayChoice::Named) {
        setenv("DISPLAY", options.displayName.c_str(), 1);
    }
    dup2(errorEnd, STDERR_FILENO);
    close(errorEnd);
    execl(VORLIN_PROGRAM, "vorlin", static_cast<char*>(nullptr));
    _exit(127);
}

int ExitCodeOf(int status) {
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

}  // namespace

VorlinProcess::VorlinProcess(VorlinOptions options) : folder_(MakeFolder()) {
    WriteSettings(options.settings);
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) throw std::runtime_error("VorlinProcess: no pipe");
    pid_ = fork();
    if (pid_ < 0) throw std::runtime_error("VorlinProcess: cannot fork");
    if (pid_ == 0) {
        close(ends[0]);
        RunProgram(folder_, options, ends[1]);
    }
    close(ends[1]);
    errorPipe_ = ends[0];
    fcntl(errorPipe_, F_SETFL, O_NONBLOCK);
}

VorlinProcess::~VorlinProcess() {
    if (!exitCode_) {
        kill(pid_, SIGKILL);
        int status = 0;
        waitpid(pid_, &status, 0);
    }
    close(errorPipe_);
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

void VorlinProcess::WriteSettings(const std::string& text) const {
    std::ofstream(folder_ + "/vorlindata1.ini", std::ios::binary | std::ios::trunc) << text;
}

void VorlinProcess::DrainErrors() {
    char buffer[4096];
    ssize_t got;
    while ((got = read(errorPipe_, buffer, sizeof buffer)) > 0) {
        errors_.append(buffer, static_cast<std::size_t>(got));
    }
}

const std::string& VorlinProcess::Errors() {
    DrainErrors();
    return errors_;
}

bool VorlinProcess::WaitForErrors(const std::string& text, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (Errors().find(text) == std::string::npos) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

bool VorlinProcess::Running() {
    if (exitCode_) return false;
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
        exitCode_ = ExitCodeOf(status);
        DrainErrors();
    }
    return !exitCode_;
}

std::optional<int> VorlinProcess::WaitForExit(int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (Running() && std::chrono::steady_clock::now() < deadline) {
        DrainErrors();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return exitCode_;
}

}  // namespace vorlin_e2e
