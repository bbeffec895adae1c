// Benchmarks of ReadMarkSettings.
//
// FiveLines is measured against BareOpenReadClose, the floor: the plain open, read and
// close of the same small file. LongFirstLine reads files whose first line is N MB of
// digits: time grows with the line, the peak resident memory (counter peak_rss_kB, reset
// before each benchmark) stays that of a five-line read.
//
// At the end the reader and its system calls alone are printed over the floor, each from
// the fastest run of its benchmark (the goal for FiveLines is at most 1.3). On a loaded
// machine run it pinned and repeated, with the repetitions interleaved:
//   taskset -c 1 bench_settings --benchmark_filter='BareOpen|SystemCalls|FiveLines'
//     --benchmark_repetitions=10 --benchmark_enable_random_interleaving=true
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "settings/ReadMarkSettings.h"

namespace {

constexpr std::size_t kMegabyte = 1 << 20;

// A temporary directory holding one folder per settings file, removed at exit.
class BenchFolder {
public:
    BenchFolder() {
        std::string pattern = "/tmp/vorlin-bench-XXXXXX";
        if (mkdtemp(pattern.data()) != nullptr) m_root = pattern;
    }
    ~BenchFolder() {
        if (!m_root.empty()) std::system(("rm -rf '" + m_root + "'").c_str());
    }

    // Enters the folder of name, first writing its settings file with write(out).
    template <class Write>
    bool Enter(const std::string& name, Write write) {
        const std::string folder = m_root + "/" + name;
        if (mkdir(folder.c_str(), 0755) == 0) {
            std::ofstream file(folder + "/" + kSettingsFileName, std::ios::binary);
            write(file);
            if (!file.good()) return false;
        }
        return chdir(folder.c_str()) == 0;
    }

private:
    std::string m_root;
};

BenchFolder& Folder() {
    static BenchFolder folder;
    return folder;
}

bool EnterFiveLineFolder() {
    return Folder().Enter("five", [](std::ofstream& file) { file << "10\n255\n0\n0\n4\n"; });
}

// The first line is megabytes MB of nines, which wrap to -1. The nines are written from a
// small static block, so that writing the file leaves the process's memory as it was.
bool EnterLongLineFolder(std::size_t megabytes) {
    static char nines[64 * 1024];
    std::memset(nines, '9', sizeof nines);
    return Folder().Enter("long" + std::to_string(megabytes), [&](std::ofstream& file) {
        for (std::size_t i = 0; i < megabytes * kMegabyte / sizeof nines; ++i)
            file.write(nines, sizeof nines);
        file << "\n255\n0\n0\n4\n";
    });
}

// Peak resident memory is measured from here on (VmHWM is reset; see proc(5), clear_refs).
void ResetPeakMemory() { std::ofstream("/proc/self/clear_refs") << "5"; }

double PeakMemoryKilobytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::atof(line.c_str() + 6);
    return 0;
}

void BareOpenReadClose(benchmark::State& state) {
    if (!EnterFiveLineFolder()) return state.SkipWithError("no settings file");
    char buffer[4096];
    for (auto _ : state) {
        const int fd = open(kSettingsFileName, O_RDONLY);
        benchmark::DoNotOptimize(read(fd, buffer, sizeof buffer));
        close(fd);
    }
}
BENCHMARK(BareOpenReadClose);

// The system calls that ReadMarkSettings makes, and nothing else: the floor plus getcwd
// for the full path and fstat to refuse what is not a regular file. With fcntl:1, also
// the fcntl that would clear O_NONBLOCK at once, which the reader leaves to a read that
// reports EAGAIN.
void SystemCallsOfTheReader(benchmark::State& state) {
    if (!EnterFiveLineFolder()) return state.SkipWithError("no settings file");
    const bool clearNonBlocking = state.range(0) != 0;
    char path[PATH_MAX];
    char buffer[4096];
    for (auto _ : state) {
        benchmark::DoNotOptimize(getcwd(path, sizeof path));
        const int fd = open(kSettingsFileName, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
        struct stat status;
        benchmark::DoNotOptimize(fstat(fd, &status));
        if (clearNonBlocking) benchmark::DoNotOptimize(fcntl(fd, F_SETFL, 0));
        benchmark::DoNotOptimize(read(fd, buffer, sizeof buffer));
        close(fd);
    }
}
BENCHMARK(SystemCallsOfTheReader)->ArgName("fcntl")->Arg(0)->Arg(1);

void FiveLines(benchmark::State& state) {
    if (!EnterFiveLineFolder()) return state.SkipWithError("no settings file");
    ResetPeakMemory();
    for (auto _ : state) benchmark::DoNotOptimize(ReadMarkSettings());
    state.counters["peak_rss_kB"] = PeakMemoryKilobytes();
}
BENCHMARK(FiveLines);

void LongFirstLine(benchmark::State& state) {
    const auto megabytes = static_cast<std::size_t>(state.range(0));
    if (!EnterLongLineFolder(megabytes)) return state.SkipWithError("no settings file");
    if (ReadMarkSettings().radius != -1) return state.SkipWithError("wrong radius");
    ResetPeakMemory();
    for (auto _ : state) benchmark::DoNotOptimize(ReadMarkSettings());
    state.counters["peak_rss_kB"] = PeakMemoryKilobytes();
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * megabytes * kMegabyte));
    state.SetComplexityN(static_cast<std::int64_t>(megabytes));
}
BENCHMARK(LongFirstLine)
    ->Arg(25)->Arg(50)->Arg(100)->Arg(200)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// The console report, then FiveLines and the reader's system calls over the floor, by wall
// and CPU time: of the fastest runs, and of the medians when repetitions report them.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred || run.iterations == 0) continue;
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") continue;
            const auto iterations = static_cast<double>(run.iterations);
            Keep(m_wallNs[run.benchmark_name()], run.real_accumulated_time * 1e9 / iterations);
            Keep(m_cpuNs[run.benchmark_name()], run.cpu_accumulated_time * 1e9 / iterations);
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        for (const char* name : {"FiveLines", "SystemCallsOfTheReader/fcntl:0"}) {
            PrintRatio(name, "", "fastest runs");
            PrintRatio(name, "_median", "medians");
        }
    }

private:
    static constexpr const char* kFloor = "BareOpenReadClose";

    static void Keep(double& fastest, double time) {
        if (fastest == 0 || time < fastest) fastest = time;
    }

    void PrintRatio(const std::string& name, const std::string& suffix, const char* which) {
        const std::string event = name + suffix, floor = kFloor + suffix;
        if (m_wallNs.count(event) == 0 || m_wallNs.count(floor) == 0) return;
        std::printf("%s over %s (%s): wall %.0f / %.0f ns = %.2f; cpu %.0f / %.0f ns = %.2f%s\n", name.c_str(),
                    kFloor, which, m_wallNs[event], m_wallNs[floor], m_wallNs[event] / m_wallNs[floor],
                    m_cpuNs[event], m_cpuNs[floor], m_cpuNs[event] / m_cpuNs[floor],
                    name == "FiveLines" ? " (goal: at most 1.3)" : "");
    }

    std::map<std::string, double> m_wallNs;
    std::map<std::string, double> m_cpuNs;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
