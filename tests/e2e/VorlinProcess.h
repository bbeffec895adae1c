// The program under test as a child process: `vorlin` started in a fresh temporary folder
// that holds its settings file, with its standard error captured.
//
//   VorlinProcess vorlin;                        // starts at once, DISPLAY as inherited
//   Window w = WaitForPaintedWindow(x);          // see VorlinWindow.h
//   CloseWindow(x, w);
//   EXPECT_EQ(vorlin.WaitForExit(1000), 0);
//
// The destructor kills a program that is still running and removes the folder.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>

namespace vorlin_e2e {

// Five lines: radius, red, green, blue, symmetry mode.
constexpr const char* kDefaultSettings = "10\n255\n0\n0\n0\n";

struct VorlinOptions {
    std::string settings = kDefaultSettings;
    enum class DisplayChoice { Inherit, Unset, Named };
    DisplayChoice display = DisplayChoice::Inherit;
    std::string displayName;  // for Named
};

class VorlinProcess {
public:
    explicit VorlinProcess(VorlinOptions options = {});
    ~VorlinProcess();
    VorlinProcess(const VorlinProcess&) = delete;
    VorlinProcess& operator=(const VorlinProcess&) = delete;

    pid_t pid() const { return pid_; }
    // The folder the program runs in; its settings file is "vorlindata1.ini" there.
    const std::string& folder() const { return folder_; }
    // Replaces the settings file; the program reads it afresh at its next pointer event.
    void WriteSettings(const std::string& text) const;

    // Everything the program has written to standard error so far.
    const std::string& Errors();
    // Waits until standard error holds `text`, up to timeoutMs; true if it came.
    bool WaitForErrors(const std::string& text, int timeoutMs = 5000);

    // The exit code once the program has ended (128 + signal when a signal ended it), or
    // nothing when it still runs after timeoutMs.
    std::optional<int> WaitForExit(int timeoutMs);
    bool Running();

private:
    void DrainErrors();

    pid_t pid_ = -1;
    int errorPipe_ = -1;
    std::optional<int> exitCode_;
    std::string folder_;
    std::string errors_;
};

}  // namespace vorlin_e2e
