// Pictures of the client area and the dots expected in them.
#include "tests/drawing/Picture.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace vorlin_drawing {
namespace {

constexpr std::size_t kMostReported = 8;
constexpr std::uint32_t kWhite = 0x00FFFFFFu;

bool InBox(const DotBox& box, int x, int y) {
    const int left = std::min(box.left, box.right), right = std::max(box.left, box.right);
    const int top = std::min(box.top, box.bottom), bottom = std::max(box.top, box.bottom);
    return x >= left && x <= right && y >= top && y <= bottom;
}

bool InAnyBox(const std::vector<StampPlan>& plans, int x, int y) {
    for (const StampPlan& plan : plans) {
        for (const DotBox& box : plan.dots) {
            if (InBox(box, x, y)) return true;
        }
    }
    return false;
}

std::string Where(int x, int y) { return "(" + std::to_string(x) + "," + std::to_string(y) + ")"; }

}  // namespace

int Picture::InkIn(int left, int top, int w, int h) const {
    int ink = 0;
    for (int y = top; y < top + h; ++y) {
        for (int x = left; x < left + w; ++x) {
            if (Contains(x, y) && At(x, y) != kWhite) ++ink;
        }
    }
    return ink;
}

Picture Capture(const vorlin_test::XClient& x, Window window) {
    const vorlin_test::XClient::Geometry size = x.WindowGeometry(window);
    return Picture{size.width, size.height, x.Pixels(window, 0, 0, size.width, size.height)};
}

std::string SettingsText(std::int32_t radius, std::uint32_t colour, std::int32_t mode) {
    return std::to_string(radius) + "\n" + std::to_string(colour & 0xFFu) + "\n" +
           std::to_string(colour >> 8 & 0xFFu) + "\n" + std::to_string(colour >> 16 & 0xFFu) + "\n" +
           std::to_string(mode) + "\n";
}

MarkSettings SettingsOf(std::int32_t radius, std::uint32_t colour, std::int32_t mode) {
    return MarkSettings{radius, static_cast<std::int32_t>(colour & 0xFFu), static_cast<std::int32_t>(colour >> 8 & 0xFFu),
                        static_cast<std::int32_t>(colour >> 16 & 0xFFu), mode};
}

StampPlan PlanAt(int x, int y, int width, int height, const MarkSettings& settings, bool eraser) {
    return PlanStamp(x, y, RECT{0, 0, width, height}, settings, eraser);
}

std::vector<POINT> DotCentres(const StampPlan& plan, int width, int height) {
    std::vector<POINT> centres;
    for (const DotBox& box : plan.dots) {
        const POINT centre{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
        if (centre.x >= 0 && centre.y >= 0 && centre.x < width && centre.y < height) centres.push_back(centre);
    }
    return centres;
}

bool WaitForDots(const vorlin_test::XClient& x, Window window, const std::vector<StampPlan>& plans,
                 std::uint32_t colour, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        const Picture now = Capture(x, window);
        bool all = !now.pixels.empty();
        for (const StampPlan& plan : plans) {
            for (const POINT& centre : DotCentres(plan, now.width, now.height)) {
                all = all && now.At(centre.x, centre.y) == colour;
            }
        }
        if (all) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

std::vector<std::string> ChangesOutside(const Picture& before, const Picture& after,
                                        const std::vector<StampPlan>& plans) {
    std::vector<std::string> changes;
    if (before.width != after.width || before.height != after.height) return {"the size changed"};
    for (int y = 0; y < after.height && changes.size() < kMostReported; ++y) {
        for (int x = 0; x < after.width && changes.size() < kMostReported; ++x) {
            if (before.At(x, y) != after.At(x, y) && !InAnyBox(plans, x, y)) changes.push_back(Where(x, y));
        }
    }
    return changes;
}

std::vector<std::string> ChangesOutside(const Picture& before, const Picture& after, const DotBox& box) {
    StampPlan area{0, {}};
    area.dots.push_back(box);
    return ChangesOutside(before, after, std::vector<StampPlan>{area});
}

std::vector<std::string> ChangesWithin(const Picture& before, const Picture& after, int left, int top,
                                       int width, int height) {
    std::vector<std::string> changes;
    for (int y = top; y < top + height && changes.size() < kMostReported; ++y) {
        for (int x = left; x < left + width && changes.size() < kMostReported; ++x) {
            if (!before.Contains(x, y) || !after.Contains(x, y) || before.At(x, y) != after.At(x, y)) {
                changes.push_back(Where(x, y));
            }
        }
    }
    return changes;
}

}  // namespace vorlin_drawing
