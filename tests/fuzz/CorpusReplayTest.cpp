// Replays every file of the fuzzer's seed corpus through both settings readers, so that
// the corpus (and any finding added to it) is checked on every build, with any compiler.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/fuzz/CompareReaders.h"
#include "tests/settings/SettingsFolder.h"

#ifndef VORLIN_FUZZ_CORPUS
#error "VORLIN_FUZZ_CORPUS names the seed corpus folder"
#endif

namespace {

std::vector<std::filesystem::path> CorpusFiles() {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(VORLIN_FUZZ_CORPUS))
        if (entry.is_regular_file()) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

std::string Contents(const std::filesystem::path& file) {
    std::ifstream stream(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
}

// The file's name with every character but letters and digits made "_", as test names need.
std::string SeedName(const ::testing::TestParamInfo<std::filesystem::path>& seed) {
    std::string name = seed.param.filename().string();
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
}

class CorpusReplay : public SettingsFolder,
                     public ::testing::WithParamInterface<std::filesystem::path> {};

TEST_P(CorpusReplay, BothReadersAgree) {
    EXPECT_EQ(CompareReaders(Contents(GetParam())), "");
}

INSTANTIATE_TEST_SUITE_P(Seeds, CorpusReplay, ::testing::ValuesIn(CorpusFiles()), SeedName);

}  // namespace
