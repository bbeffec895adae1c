// ProcessFigures: read straight from /proc.
#include "tests/soak/ProcessFigures.h"

#include <dirent.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>

namespace vorlin_soak {
namespace {

// User and system time of /proc/<pid>/stat (fields 14 and 15), in clock ticks.
long ProcessorTicks(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    // The command name, field 2, is in parentheses and may hold spaces: count after it.
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    for (int number = 3; number < 14 && fields >> field; ++number) {}
    long user = -1, system = -1;
    fields >> user >> system;
    return user + system;
}

}  // namespace

int OpenDescriptors(pid_t pid) {
    DIR* directory = opendir(("/proc/" + std::to_string(pid) + "/fd").c_str());
    if (directory == nullptr) return -1;
    int count = 0;
    while (const dirent* entry = readdir(directory))
        if (entry->d_name[0] != '.') ++count;
    closedir(directory);
    return count;
}

long ResidentKilobytes(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string key; status >> key;) {
        if (key == "VmRSS:") {
            long kilobytes = -1;
            status >> kilobytes;
            return kilobytes;
        }
        status.ignore(1 << 20, '\n');
    }
    return -1;
}

bool WaitUntilIdle(pid_t pid, int timeoutMs) {
    constexpr auto kPoll = std::chrono::milliseconds(100);
    constexpr int kQuietPolls = 3;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    long last = -1;
    for (int quiet = 0; quiet < kQuietPolls;) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(kPoll);
        const long ticks = ProcessorTicks(pid);
        quiet = ticks == last ? quiet + 1 : 0;
        last = ticks;
    }
    return true;
}

}  // namespace vorlin_soak
