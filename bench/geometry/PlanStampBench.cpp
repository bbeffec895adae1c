// How long one pointer event takes to plan, for each symmetry mode and for a mode
// outside 0 to 5. The pointer walks a fixed spread of positions inside and around a
// 400 x 400 client area, so the turned modes do not see one angle only.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "geometry/PlanStamp.h"

namespace {

std::vector<POINT> PointerSpread() {
    std::vector<POINT> points;
    for (std::int32_t y = -40; y < 440; y += 15) {
        for (std::int32_t x = -40; x < 440; x += 15) points.push_back({x, y});
    }
    return points;
}

void BM_PlanStamp(benchmark::State& state) {
    const std::vector<POINT> points = PointerSpread();
    const RECT client{0, 0, 400, 400};
    const MarkSettings settings{8, 200, 30, 60, static_cast<std::int32_t>(state.range(0))};
    std::size_t next = 0;
    for (auto _ : state) {
        const POINT p = points[next];
        next = next + 1 == points.size() ? 0 : next + 1;
        StampPlan plan = PlanStamp(p.x, p.y, client, settings, false);
        benchmark::DoNotOptimize(plan);
    }
    state.SetItemsProcessed(state.iterations());
}

// Modes 0 to 5, then 6 for every mode outside that range.
BENCHMARK(BM_PlanStamp)->ArgName("mode")->DenseRange(0, 6);

}  // namespace
