// Where things are on a state diagram: states are ellipses in their boxes (circles for the
// boxes that new states get), transitions are polylines whose curved form is a table of 51
// points, and every transition ends in an arrowhead. Hit tests, border points, curves, the
// arrowhead and the places where new labels go.
#pragma once

#include "design/geometry.h"
#include "design/state_machine.h"

#include <array>
#include <vector>

namespace zeph {

inline constexpr int kStateSize = 448;     // width and height of a new state's box
inline constexpr int kCurvePoints = 51;    // points of a curved transition
inline constexpr int kStateTolerance = 32; // a point this close to a state's outline is on it
inline constexpr int kLabelDistance = 48;  // labels keep this distance from their line

// Moves that stop at the edge of the coordinate range instead of wrapping.
Box shifted(const Box& box, Point by);

Box state_box_at(Point centre);
Point box_centre(const Box& box);

// Where a point lies against a state's ellipse.
enum class StatePlace { Outside, Border, Inside };
StatePlace place_against(const State& state, Point p);
// The first state (REST first) whose ellipse holds the point or whose outline it is on.
State* state_at(StateMachine& machine, Point p);

// The point of the box's ellipse in the direction of `toward` seen from its centre.
Point border_point(const Box& box, Point toward);

// 51 points of the quadratic curve from start to end whose middle passes through `through`.
std::vector<Point> curve_through(Point start, Point through, Point end);
// The curve of a transition that connects two states directly: a bow from one to the other
// (to the left of the straight line, so that two opposite transitions do not overlap), or a
// loop above the state when both are one.
std::vector<Point> connecting_curve(const State& from, const State& to);
// The curve from the first to the last point through a middle point, its ends put on the
// outlines of their states (when they have one).
std::vector<Point> reshaped_curve(const std::vector<Point>& points, const State* from,
                                  const State* to, Point through);

// The arrowhead: its tip and the two ends of its wings.
struct Arrowhead {
    Point tip;
    Point left;
    Point right;
};
// At the end of the polyline, or with position 1 halfway along it.
Arrowhead arrowhead(const std::vector<Point>& points, int length, int position);
// The seven geometry numbers of a transition: the arrowhead's tip and wings and its length.
std::array<int, 7> arrow_geometry(const Arrowhead& arrow, int length);

// The point at a fraction (0 to 1) of the polyline's length.
Point point_along(const std::vector<Point>& points, double fraction);

// Places for new labels: a transition's condition halfway along it, its k-th action below
// that, its priority near its origin; a state's k-th action centred below it.
Point condition_place(const std::vector<Point>& points);
Point transition_action_place(const std::vector<Point>& points, int k);
Point priority_place(const std::vector<Point>& points);
Point state_action_place(const Box& box, int k);

} // namespace zeph
