// Points and boxes in sheet units (signed 32-bit, y grows downwards).
#pragma once

#include <algorithm>
#include <climits>

namespace zeph {

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct Box {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    bool operator==(const Box&) const = default;
};

// Saturating: coordinates read from a damaged file may lie anywhere in the int range.
inline Point shifted(Point p, Point by) {
    auto add = [](int a, int b) {
        return static_cast<int>(std::clamp(static_cast<long long>(a) + b,
                                           static_cast<long long>(INT_MIN),
                                           static_cast<long long>(INT_MAX)));
    };
    return {add(p.x, by.x), add(p.y, by.y)};
}

} // namespace zeph
