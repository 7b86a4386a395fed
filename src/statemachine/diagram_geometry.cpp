// Geometry of states and transitions.
#include "statemachine/diagram_geometry.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace zeph {

namespace {

constexpr int kLabelLine = 80; // line distance of stacked action labels

int rounded(double v) {
    return static_cast<int>(
        std::clamp(std::lround(v), static_cast<long>(INT_MIN), static_cast<long>(INT_MAX)));
}

struct Ellipse {
    double cx, cy, rx, ry;
};

Ellipse ellipse_of(const Box& box) {
    double x1 = std::min(box.x1, box.x2), x2 = std::max(box.x1, box.x2);
    double y1 = std::min(box.y1, box.y2), y2 = std::max(box.y1, box.y2);
    return {(x1 + x2) / 2, (y1 + y2) / 2, std::max((x2 - x1) / 2, 1.0),
            std::max((y2 - y1) / 2, 1.0)};
}

// The ellipse's "radius" of the point: 1 on the outline.
double radius_of(const Ellipse& e, Point p) {
    double dx = (p.x - e.cx) / e.rx, dy = (p.y - e.cy) / e.ry;
    return std::sqrt(dx * dx + dy * dy);
}

Point bezier(Point p0, Point c, Point p2, double t) {
    double u = 1 - t;
    return {rounded(u * u * p0.x + 2 * u * t * c.x + t * t * p2.x),
            rounded(u * u * p0.y + 2 * u * t * c.y + t * t * p2.y)};
}

Point cubic(Point p0, Point p1, Point p2, Point p3, double t) {
    double u = 1 - t;
    double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
    return {rounded(a * p0.x + b * p1.x + c * p2.x + d * p3.x),
            rounded(a * p0.y + b * p1.y + c * p2.y + d * p3.y)};
}

// The control point of the quadratic curve whose middle is `through`.
Point control_for(Point start, Point through, Point end) {
    return {rounded(2.0 * through.x - 0.5 * (static_cast<double>(start.x) + end.x)),
            rounded(2.0 * through.y - 0.5 * (static_cast<double>(start.y) + end.y))};
}

std::vector<Point> quadratic(Point start, Point control, Point end) {
    std::vector<Point> points;
    points.reserve(kCurvePoints);
    for (int i = 0; i < kCurvePoints; ++i)
        points.push_back(bezier(start, control, end, static_cast<double>(i) / (kCurvePoints - 1)));
    return points;
}

std::vector<Point> loop_above(const Box& box) {
    Ellipse e = ellipse_of(box);
    // Leaves at 60 degrees and comes back at 120 degrees, measured upwards from the right.
    Point start{rounded(e.cx + e.rx * 0.5), rounded(e.cy - e.ry * 0.866)};
    Point end{rounded(e.cx - e.rx * 0.5), rounded(e.cy - e.ry * 0.866)};
    Point c1{rounded(e.cx + e.rx * 1.2), rounded(e.cy - e.ry * 2.4)};
    Point c2{rounded(e.cx - e.rx * 1.2), rounded(e.cy - e.ry * 2.4)};
    std::vector<Point> points;
    points.reserve(kCurvePoints);
    for (int i = 0; i < kCurvePoints; ++i)
        points.push_back(cubic(start, c1, c2, end, static_cast<double>(i) / (kCurvePoints - 1)));
    return points;
}

double distance(Point a, Point b) {
    return std::hypot(static_cast<double>(b.x) - a.x, static_cast<double>(b.y) - a.y);
}

// A unit vector from a to b, or (1, 0) when they meet.
void direction(Point a, Point b, double& dx, double& dy) {
    double d = distance(a, b);
    if (d < 1e-9) {
        dx = 1;
        dy = 0;
        return;
    }
    dx = (b.x - a.x) / d;
    dy = (b.y - a.y) / d;
}

} // namespace

Box shifted(const Box& box, Point by) {
    Point a = shifted(Point{box.x1, box.y1}, by), b = shifted(Point{box.x2, box.y2}, by);
    return {a.x, a.y, b.x, b.y};
}

Box state_box_at(Point centre) {
    constexpr int half = kStateSize / 2;
    Point a = shifted(centre, {-half, -half}), b = shifted(centre, {half, half});
    return {a.x, a.y, b.x, b.y};
}

Point box_centre(const Box& box) {
    return {rounded((static_cast<double>(box.x1) + box.x2) / 2),
            rounded((static_cast<double>(box.y1) + box.y2) / 2)};
}

StatePlace place_against(const State& state, Point p) {
    Ellipse e = ellipse_of(state.box);
    double r = radius_of(e, p);
    double tolerance = kStateTolerance / std::min(e.rx, e.ry);
    if (std::abs(r - 1) <= tolerance) return StatePlace::Border;
    return r < 1 ? StatePlace::Inside : StatePlace::Outside;
}

State* state_at(StateMachine& machine, Point p) {
    if (machine.rest && place_against(*machine.rest, p) != StatePlace::Outside)
        return machine.rest.get();
    for (auto& state : machine.states)
        if (place_against(*state, p) != StatePlace::Outside) return state.get();
    return nullptr;
}

Point border_point(const Box& box, Point toward) {
    Ellipse e = ellipse_of(box);
    double dx = toward.x - e.cx, dy = toward.y - e.cy;
    double r = std::sqrt((dx / e.rx) * (dx / e.rx) + (dy / e.ry) * (dy / e.ry));
    if (r < 1e-9) return {rounded(e.cx), rounded(e.cy - e.ry)};
    return {rounded(e.cx + dx / r), rounded(e.cy + dy / r)};
}

std::vector<Point> curve_through(Point start, Point through, Point end) {
    return quadratic(start, control_for(start, through, end), end);
}

std::vector<Point> connecting_curve(const State& from, const State& to) {
    if (&from == &to) return loop_above(from.box);
    Point a = box_centre(from.box), b = box_centre(to.box);
    double dx, dy;
    direction(a, b, dx, dy);
    double bow = distance(a, b) * 0.2;
    // To the left when going from a to b (y grows downwards).
    Point control{rounded((static_cast<double>(a.x) + b.x) / 2 + dy * bow),
                  rounded((static_cast<double>(a.y) + b.y) / 2 - dx * bow)};
    return quadratic(border_point(from.box, control), control, border_point(to.box, control));
}

std::vector<Point> reshaped_curve(const std::vector<Point>& points, const State* from,
                                  const State* to, Point through) {
    if (points.empty()) return {};
    Point start = points.front(), end = points.back();
    Point control = control_for(start, through, end);
    if (from != nullptr) start = border_point(from->box, control);
    if (to != nullptr) end = border_point(to->box, control);
    return curve_through(start, through, end);
}

namespace {

double path_length(const std::vector<Point>& points) {
    double total = 0;
    for (std::size_t i = 1; i < points.size(); ++i)
        total += distance(points[i - 1], points[i]);
    return total;
}

// The point at a distance along the polyline.
Point at_distance(const std::vector<Point>& points, double wanted) {
    if (points.empty()) return {};
    for (std::size_t i = 1; i < points.size(); ++i) {
        double d = distance(points[i - 1], points[i]);
        if (wanted <= d && d > 0) {
            double t = wanted / d;
            Point p = points[i - 1], q = points[i];
            return {rounded(p.x + (static_cast<double>(q.x) - p.x) * t),
                    rounded(p.y + (static_cast<double>(q.y) - p.y) * t)};
        }
        wanted -= d;
    }
    return points.back();
}

} // namespace

Point point_along(const std::vector<Point>& points, double fraction) {
    return at_distance(points, path_length(points) * std::clamp(fraction, 0.0, 1.0));
}

Arrowhead arrowhead(const std::vector<Point>& points, int length, int position) {
    Arrowhead arrow;
    if (points.empty()) return arrow;
    double total = path_length(points);
    double tip_at = position == 0 ? total : total / 2;
    Point tip = position == 0 ? points.back() : at_distance(points, tip_at);
    // The direction comes from a point one arrow length back along the line, so that the
    // short steps of a curve still point the right way.
    Point back = at_distance(points, std::max(0.0, tip_at - length));
    double dx, dy;
    direction(back, tip, dx, dy);
    double half = length * 0.35;
    Point base{rounded(tip.x - dx * length), rounded(tip.y - dy * length)};
    arrow.tip = tip;
    arrow.left = {rounded(base.x + dy * half), rounded(base.y - dx * half)};
    arrow.right = {rounded(base.x - dy * half), rounded(base.y + dx * half)};
    return arrow;
}

std::array<int, 7> arrow_geometry(const Arrowhead& arrow, int length) {
    return {arrow.tip.x,   arrow.tip.y,   arrow.left.x, arrow.left.y,
            arrow.right.x, arrow.right.y, length};
}

Point condition_place(const std::vector<Point>& points) {
    return shifted(point_along(points, 0.5), {kLabelDistance, -kLabelDistance});
}

Point transition_action_place(const std::vector<Point>& points, int k) {
    return shifted(condition_place(points),
                   {0, rounded(static_cast<double>(kLabelLine) * (k + 1))});
}

Point priority_place(const std::vector<Point>& points) {
    if (points.size() < 2) return points.empty() ? Point{} : points.front();
    Point near = point_along(points, 0.15);
    double dx, dy;
    direction(points.front(), near, dx, dy);
    return {rounded(near.x + dy * kLabelDistance), rounded(near.y - dx * kLabelDistance)};
}

Point state_action_place(const Box& box, int k) {
    Point centre = box_centre(box);
    return shifted(Point{centre.x, std::max(box.y1, box.y2)},
                   {0, rounded(2.0 * kLabelDistance + static_cast<double>(kLabelLine) * k)});
}

} // namespace zeph
