// What the drawing tests read back from the program's window: a picture of its client area,
// the dots a plan should have put there, and waiting for them to arrive.
//
//   const Picture before = Capture(x, window);
//   ... inject input ...
//   ASSERT_TRUE(WaitForDots(x, window, plan, colour));
//   EXPECT_THAT(ChangesOutside(before, Capture(x, window), {plan}), IsEmpty());
#pragma once

#include <X11/Xlib.h>

#include <cstdint>
#include <string>
#include <vector>

#include "geometry/PlanStamp.h"
#include "tests/support/XClient.h"

namespace vorlin_drawing {

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // row-major, 0x00BBGGRR

    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    std::uint32_t At(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
    }
    // How many pixels of the rectangle are not white.
    int InkIn(int left, int top, int width, int height) const;
};

// The whole client area as it is now.
Picture Capture(const vorlin_test::XClient& x, Window window);

// Five lines for vorlindata1.ini.
std::string SettingsText(std::int32_t radius, std::uint32_t colour, std::int32_t mode);
MarkSettings SettingsOf(std::int32_t radius, std::uint32_t colour, std::int32_t mode);

// The plan of one event at (x, y) in a client area of the given size.
StampPlan PlanAt(int x, int y, int width, int height, const MarkSettings& settings, bool eraser = false);

// The centre pixel of each dot of the plan, those inside width x height only.
std::vector<POINT> DotCentres(const StampPlan& plan, int width, int height);

// Polls until every dot centre of the plans inside the client area shows `colour`; false
// after timeoutMs.
bool WaitForDots(const vorlin_test::XClient& x, Window window, const std::vector<StampPlan>& plans,
                 std::uint32_t colour, int timeoutMs = 3000);

// The pixels that differ between two pictures and lie in none of the plans' boxes (each box
// taken with its right and bottom edge), as "(x,y)" texts, at most a few of them.
std::vector<std::string> ChangesOutside(const Picture& before, const Picture& after,
                                        const std::vector<StampPlan>& plans);

// The same for one box alone, taken with its right and bottom edge.
std::vector<std::string> ChangesOutside(const Picture& before, const Picture& after, const DotBox& box);

// The pixels of a rectangle that differ between two pictures, as "(x,y)" texts, at most a few.
std::vector<std::string> ChangesWithin(const Picture& before, const Picture& after, int left, int top,
                                       int width, int height);

}  // namespace vorlin_drawing
