// Helpers that let the net geometry treat horizontal and vertical segments alike: a segment
// lies on a line (y of a horizontal, x of a vertical) and spans [lo, hi] along it.
#pragma once

#include "blockdiagram/net_geometry.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zeph::axis {

// Sheet coordinates are 32-bit; sums of coordinates read from a file must not overflow.
inline int clamped(long long value) {
    if (value > INT32_MAX) return INT32_MAX;
    if (value < INT32_MIN) return INT32_MIN;
    return static_cast<int>(value);
}
inline Point offset(Point p, long long dx, long long dy) {
    return {clamped(p.x + dx), clamped(p.y + dy)};
}

inline Orientation other(Orientation o) {
    return o == Orientation::Horizontal ? Orientation::Vertical : Orientation::Horizontal;
}
inline bool horizontal(Orientation o) { return o == Orientation::Horizontal; }

inline int line(const Segment& s, Orientation o) { return horizontal(o) ? s.y1 : s.x1; }
inline int lo(const Segment& s, Orientation o) { return horizontal(o) ? s.x1 : s.y1; }
inline int hi(const Segment& s, Orientation o) { return horizontal(o) ? s.x2 : s.y2; }
inline int line(Point p, Orientation o) { return horizontal(o) ? p.y : p.x; }
inline int along(Point p, Orientation o) { return horizontal(o) ? p.x : p.y; }

inline Point point(Orientation o, int line_value, int along_value) {
    return horizontal(o) ? Point{along_value, line_value} : Point{line_value, along_value};
}
inline Segment segment(Orientation o, int line_value, int lo_value, int hi_value) {
    Segment s;
    if (horizontal(o)) {
        s.x1 = lo_value;
        s.x2 = hi_value;
        s.y1 = s.y2 = line_value;
    } else {
        s.y1 = lo_value;
        s.y2 = hi_value;
        s.x1 = s.x2 = line_value;
    }
    return s;
}
inline Point lo_end(const Segment& s) { return {s.x1, s.y1}; }
inline Point hi_end(const Segment& s) { return {s.x2, s.y2}; }

inline std::vector<Segment>& segments(Net& net, Orientation o) {
    return horizontal(o) ? net.horizontal : net.vertical;
}
inline const std::vector<Segment>& segments(const Net& net, Orientation o) {
    return horizontal(o) ? net.horizontal : net.vertical;
}

// The sort order of a segment array: by line, then by lo.
inline bool before(const Segment& a, int line_value, int lo_value, Orientation o) {
    return line(a, o) < line_value || (line(a, o) == line_value && lo(a, o) < lo_value);
}

// First position whose (line, lo) is not below (line_value, lo_value).
inline std::size_t lower(const std::vector<Segment>& a, Orientation o, int line_value,
                         int lo_value) {
    std::size_t first = 0;
    std::size_t count = a.size();
    while (count > 0) {
        std::size_t step = count / 2;
        if (before(a[first + step], line_value, lo_value, o)) {
            first += step + 1;
            count -= step + 1;
        } else {
            count = step;
        }
    }
    return first;
}

// First position whose (line, lo) is above (line_value, lo_value).
inline std::size_t upper(const std::vector<Segment>& a, Orientation o, int line_value,
                         int lo_value) {
    std::size_t first = 0;
    std::size_t count = a.size();
    while (count > 0) {
        std::size_t step = count / 2;
        const Segment& s = a[first + step];
        bool not_above = line(s, o) < line_value || (line(s, o) == line_value && lo(s, o) <= lo_value);
        if (not_above) {
            first += step + 1;
            count -= step + 1;
        } else {
            count = step;
        }
    }
    return first;
}

// Calls f(index) for every segment of orientation o on which p lies (at most the one ending
// and the one starting there in a well-formed net), walking back from the last one that
// starts at or before p.
template <class F> void for_each_through(const Net& net, Orientation o, Point p, F f) {
    const std::vector<Segment>& a = segments(net, o);
    int l = line(p, o);
    int t = along(p, o);
    std::size_t i = upper(a, o, l, t);
    while (i > 0) {
        const Segment& s = a[i - 1];
        if (line(s, o) != l || hi(s, o) < t) break;
        f(i - 1);
        --i;
    }
}

} // namespace zeph::axis
