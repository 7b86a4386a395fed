// The outlines that the mouse tools draw over a diagram while a gesture is under way: a box's
// four sides, and a small square that marks a place.
#pragma once

#include "design/geometry.h"

#include <utility>
#include <vector>

namespace zeph {

using OverlayLine = std::pair<Point, Point>;

// Objects without a box of their own are marked by a square of this half size.
inline constexpr int kOutlineMarkHalf = 32;

inline void add_box_outline(std::vector<OverlayLine>& lines, const Box& b) {
    lines.push_back({{b.x1, b.y1}, {b.x2, b.y1}});
    lines.push_back({{b.x2, b.y1}, {b.x2, b.y2}});
    lines.push_back({{b.x2, b.y2}, {b.x1, b.y2}});
    lines.push_back({{b.x1, b.y2}, {b.x1, b.y1}});
}

inline void add_place_mark(std::vector<OverlayLine>& lines, Point p) {
    add_box_outline(lines, {p.x - kOutlineMarkHalf, p.y - kOutlineMarkHalf, p.x + kOutlineMarkHalf,
                            p.y + kOutlineMarkHalf});
}

} // namespace zeph
