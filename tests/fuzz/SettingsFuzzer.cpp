// The libFuzzer target: each input is a whole settings file. It is read by the real reader
// and by the plain one, and any difference between their five values aborts the run, so
// libFuzzer keeps the input as a finding. The sanitizers catch the rest.
//
// Every run works in a private temporary directory, entered once and removed at exit.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "settings/ReadMarkSettings.h"
#include "tests/fuzz/CompareReaders.h"

namespace {

std::string privateDirectory;

void RemovePrivateDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(privateDirectory, ignored);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::string pattern = (std::filesystem::temp_directory_path() / "vorlin-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr || chdir(pattern.c_str()) != 0) {
        std::perror("settings_fuzzer: cannot enter a temporary directory");
        std::abort();
    }
    privateDirectory = pattern;
    std::atexit(RemovePrivateDirectory);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string difference =
        CompareReaders(std::string(reinterpret_cast<const char*>(data), size));
    if (!difference.empty()) {
        std::fprintf(stderr, "settings_fuzzer: the readers differ: %s\n", difference.c_str());
        std::abort();
    }
    return 0;
}
