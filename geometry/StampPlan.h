// What one pointer event stamps: a colour and one to five dot boxes, the pointer's own
// dot first. PlanStamp fills it; the canvas draws one filled ellipse per box in order.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "geometry/Types.h"

// The bounding box of one dot, in the order the ellipse primitive takes its corners.
// Never normalised: a negative radius gives left > right and top > bottom.
struct DotBox {
    std::int32_t left;
    std::int32_t top;
    std::int32_t right;
    std::int32_t bottom;
};

inline bool operator==(const DotBox& a, const DotBox& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline bool operator!=(const DotBox& a, const DotBox& b) { return !(a == b); }

// The ordered boxes of one plan, held in place: five is the most any mode stamps.
class DotList {
public:
    static constexpr std::size_t kCapacity = 5;

    // Appending a sixth box is a programming error; it is ignored rather than written
    // past the end.
    void push_back(const DotBox& box) {
        if (count_ < kCapacity) boxes_[count_++] = box;
    }

    std::size_t size() const { return count_; }
    const DotBox& operator[](std::size_t index) const { return boxes_[index]; }
    const DotBox* begin() const { return boxes_.data(); }
    const DotBox* end() const { return boxes_.data() + count_; }

private:
    std::array<DotBox, kCapacity> boxes_{};
    std::size_t count_ = 0;
};

inline bool operator==(const DotList& a, const DotList& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i]) return false;
    }
    return true;
}
inline bool operator!=(const DotList& a, const DotList& b) { return !(a == b); }

struct StampPlan {
    COLORREF colour;  // both the solid brush and the one-pixel pen
    DotList dots;     // stamping order, the pointer's own dot first
};

inline bool operator==(const StampPlan& a, const StampPlan& b) {
    return a.colour == b.colour && a.dots == b.dots;
}
inline bool operator!=(const StampPlan& a, const StampPlan& b) { return !(a == b); }
