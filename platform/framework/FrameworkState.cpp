// The framework's one state object and the program's name.
#include "platform/framework/FrameworkState.h"

#include <unistd.h>

#include <climits>

void FrameworkState::Reset() {
    windows.clear();
    classes.clear();
    currentMessage = nullptr;
}

FrameworkState& TheFramework() {
    static FrameworkState state;
    return state;
}

std::string ProgramNameFromPath(const std::string& path) {
    const auto slash = path.find_last_of('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const auto dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0) {
        name.erase(dot);
    }
    return name;
}

std::string ProgramNameOfThisProcess(const char* argv0) {
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length > 0) {
        return ProgramNameFromPath(std::string(path, static_cast<std::size_t>(length)));
    }
    return ProgramNameFromPath(argv0 != nullptr ? argv0 : "");
}

const std::string& ProgramName() {
    std::string& name = TheFramework().programName;
    if (name.empty()) {
        name = ProgramNameOfThisProcess(nullptr);
    }
    return name;
}

void SetProgramName(const std::string& name) { TheFramework().programName = name; }
