// Benchmark of one whole stamping event against a real X server (a private Xvfb that this
// program starts): a held move (WM_MOUSEMOVE with MK_LBUTTON, i.e. ContinueStroke) in the
// five-dot mode, dispatched to the real main window, against its floor: a bare open, read
// and close of the same settings file, the same five filled arcs and outlines through a GC
// of the floor's own on a window of its own, and one flush.
//
// sync:0 ends each event as the program does, with XFlush; sync:1 adds an XSync on the
// connection that drew, so that the server's drawing is inside each iteration too. The
// counter server_ns is the X server's CPU time per iteration. On a loaded machine the wall
// time swings with scheduling, so at the end two ratios of each event to its floor are
// printed: of wall time, and of CPU time (this process's plus the server's). The goal is
// at most 1.3. Pinned to one CPU (taskset -c 1 bench_canvas), the server inherits the pin,
// no wake-up crosses CPUs and the two ratios agree.
#include <benchmark/benchmark.h>

// First: it includes GoogleTest, which must come before the X headers' None macro.
#include "tests/support/XvfbServer.h"

#include <X11/Xlib.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>

#include "app/MarkApp.h"
#include "app/MarkWnd.h"
#include "geometry/PlanStamp.h"
#include "platform/x11/LayerState.h"
#include "settings/ReadMarkSettings.h"

CMarkApp theMarkApp;
CMarkWnd theMarkWnd;

namespace {

constexpr POINT kPointer{130, 90};
constexpr MarkSettings kSettings{8, 255, 0, 0, 5};
constexpr const char* kSettingsText = "8\n255\n0\n0\n5\n";
constexpr int kSide = 400;

bool EnterSettingsFolder() {
    static std::string folder = "/tmp/vorlin-bench-canvas-XXXXXX";
    if (mkdtemp(folder.data()) == nullptr || chdir(folder.c_str()) != 0) return false;
    std::atexit([] { std::system(("rm -rf '" + folder + "'").c_str()); });
    std::ofstream(kSettingsFileName) << kSettingsText;
    return true;
}

// Handles what the window system has queued (the first paint, exposures).
void DispatchWaitingMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

bool ShowMainWindow() {
    if (!theMarkWnd.CreateMarkWindow()) return false;
    theMarkWnd.ShowWindow(SW_SHOW);
    theMarkWnd.UpdateWindow();
    DispatchWaitingMessages();
    return true;
}

// The floor's own connection, window (beside the main window, so neither hides the other)
// and GC.
struct FloorCanvas {
    Display* display = nullptr;
    Window window = None;
    GC gc = nullptr;

    bool Open() {
        display = XOpenDisplay(nullptr);
        if (!display) return false;
        XSetWindowAttributes attributes{};
        attributes.background_pixel = WhitePixel(display, DefaultScreen(display));
        attributes.event_mask = ExposureMask;
        window = XCreateWindow(display, DefaultRootWindow(display), 500, 0, kSide, kSide, 0, CopyFromParent,
                               InputOutput, CopyFromParent, CWBackPixel | CWEventMask, &attributes);
        XMapWindow(display, window);
        XEvent event;
        XWindowEvent(display, window, ExposureMask, &event);
        gc = XCreateGC(display, window, 0, nullptr);
        XSetForeground(display, gc, 0xFF0000ul);
        return true;
    }
};

pid_t& ServerPid() {
    static pid_t pid = -1;
    return pid;
}

// The server's time on a CPU so far, from the first field of /proc/<pid>/schedstat.
double ServerCpuNanoseconds() {
    std::ifstream schedstat("/proc/" + std::to_string(ServerPid()) + "/schedstat");
    double nanoseconds = 0;
    schedstat >> nanoseconds;
    return nanoseconds;
}

// Measures the server's CPU time over a benchmark's loop.
class ServerCpu {
public:
    explicit ServerCpu(benchmark::State& state) : m_state(state), m_start(ServerCpuNanoseconds()) {}
    ~ServerCpu() {
        m_state.counters["server_ns"] =
            benchmark::Counter(ServerCpuNanoseconds() - m_start, benchmark::Counter::kAvgIterations);
    }
    ServerCpu(const ServerCpu&) = delete;
    ServerCpu& operator=(const ServerCpu&) = delete;

private:
    benchmark::State& m_state;
    double m_start;
};

FloorCanvas& Floor() {
    static FloorCanvas canvas;
    return canvas;
}

void ContinueStroke(benchmark::State& state) {
    const bool sync = state.range(0) != 0;
    const MSG move{theMarkWnd.m_hWnd, WM_MOUSEMOVE, MK_LBUTTON, MakePointParam(kPointer.x, kPointer.y)};
    const ServerCpu server(state);
    for (auto _ : state) {
        DispatchMessageA(&move);
        if (sync) XSync(Layer().display, False);
    }
}
BENCHMARK(ContinueStroke)->ArgName("sync")->Arg(0)->Arg(1);

void StampFloor(benchmark::State& state) {
    const bool sync = state.range(0) != 0;
    const FloorCanvas& canvas = Floor();
    const StampPlan plan = PlanStamp(kPointer.x, kPointer.y, RECT{0, 0, kSide, kSide}, kSettings, false);
    char buffer[4096];
    const ServerCpu server(state);
    for (auto _ : state) {
        const int fd = open(kSettingsFileName, O_RDONLY);
        benchmark::DoNotOptimize(read(fd, buffer, sizeof buffer));
        close(fd);
        for (const DotBox& dot : plan.dots) {
            const auto width = static_cast<unsigned>(dot.right - dot.left - 1);
            const auto height = static_cast<unsigned>(dot.bottom - dot.top - 1);
            XFillArc(canvas.display, canvas.window, canvas.gc, dot.left, dot.top, width, height, 0, 360 * 64);
            XDrawArc(canvas.display, canvas.window, canvas.gc, dot.left, dot.top, width, height, 0, 360 * 64);
        }
        if (sync) {
            XSync(canvas.display, False);
        } else {
            XFlush(canvas.display);
        }
    }
}
BENCHMARK(StampFloor)->ArgName("sync")->Arg(0)->Arg(1);

// The console report, then each event over its floor, by wall time and by CPU time (this
// process's and the server's), each from the fastest run of its benchmark.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred || run.iterations == 0) continue;
            const auto iterations = static_cast<double>(run.iterations);
            const auto server = run.counters.find("server_ns");
            const double serverNs = server == run.counters.end() ? 0 : server->second.value;
            Keep(m_wallNs[run.benchmark_name()], run.real_accumulated_time * 1e9 / iterations);
            Keep(m_cpuNs[run.benchmark_name()], run.cpu_accumulated_time * 1e9 / iterations + serverNs);
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        for (const auto& [name, wall] : m_wallNs) {
            if (name.rfind(kEvent, 0) != 0) continue;
            const std::string floor = "StampFloor" + name.substr(std::string(kEvent).size());
            if (m_wallNs.count(floor) == 0) continue;
            std::printf("%s over its floor: wall %.0f / %.0f ns = %.2f; cpu %.0f / %.0f ns = %.2f (goal: at most 1.3)\n",
                        name.c_str(), wall, m_wallNs[floor], wall / m_wallNs[floor], m_cpuNs[name], m_cpuNs[floor],
                        m_cpuNs[name] / m_cpuNs[floor]);
        }
    }

private:
    static constexpr const char* kEvent = "ContinueStroke";

    static void Keep(double& fastest, double time) {
        if (fastest == 0 || time < fastest) fastest = time;
    }

    std::map<std::string, double> m_wallNs;
    std::map<std::string, double> m_cpuNs;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    vorlin_test::XvfbServer server;
    ServerPid() = server.pid();
    if (!EnterSettingsFolder() || !ShowMainWindow() || !Floor().Open()) {
        std::fprintf(stderr, "bench_canvas: cannot set up the windows on %s\n", server.display().c_str());
        return 1;
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
