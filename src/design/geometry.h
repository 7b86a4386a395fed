// Points and boxes in sheet units (signed 32-bit, y grows downwards).
#pragma once

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

inline Point shifted(Point p, Point by) {
    return {p.x + by.x, p.y + by.y};
}

} // namespace zeph
