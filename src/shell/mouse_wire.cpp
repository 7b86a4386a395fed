// Drawing a wire with the mouse: the first press starts it, every further click adds a point,
// joined to the previous one by a horizontal and a vertical piece (the vertical one first
// when Shift is held). A point on a port's connection point, a bus entry's stub or a net ends
// the wire, as does a double-click; the whole wire is then one edit, drawn by the same
// operation as the shell's "wire" command.
#include "shell/mouse_tools.h"

#include "blockdiagram/diagram_editor.h"
#include "blockdiagram/diagram_wiring.h"
#include "blockdiagram/net_lookup.h"
#include "blockdiagram/port_geometry.h"

#include <cstdlib>

namespace zeph {

namespace {
long long wire_distance_squared(Point a, Point b) {
    long long dx = static_cast<long long>(a.x) - b.x;
    long long dy = static_cast<long long>(a.y) - b.y;
    return dx * dx + dy * dy;
}

// Every point a wire can attach to exactly: port connection points, bus entry stubs and the
// ends of segments.
std::vector<Point> wire_attachment_points(Architecture& architecture) {
    std::vector<Point> points;
    for (const PlacedPort& port : placed_ports(architecture))
        points.push_back(port.connection);
    for (const auto& net : architecture.block_diagram->nets) {
        for (const auto& entry : net->bus_entries)
            points.push_back(entry->stub_end);
        for (const auto* segments : {&net->horizontal, &net->vertical})
            for (const Segment& s : *segments) {
                points.push_back({s.x1, s.y1});
                points.push_back({s.x2, s.y2});
            }
    }
    return points;
}
} // namespace

// Where a wire point goes: the nearest attachment point within half a grid step, else the
// grid point, moved onto a segment within half a grid step.
Point MouseTools::wire_point(DiagramEditor& editor, Point p) const {
    const int reach = grid_step() / 2;
    const long long reach_squared = static_cast<long long>(reach) * reach;
    std::optional<Point> nearest;
    for (Point candidate : wire_attachment_points(editor.architecture())) {
        long long d = wire_distance_squared(candidate, p);
        if (d <= reach_squared && (!nearest || d < wire_distance_squared(*nearest, p)))
            nearest = candidate;
    }
    if (nearest) return *nearest;
    Point g = on_grid(p);
    if (std::optional<SegmentHit> hit = find_segment(editor.diagram(), g, reach, true))
        return hit->point;
    return g;
}

bool MouseTools::ends_wire(DiagramEditor& editor, Point p) const {
    for (const PlacedPort& port : placed_ports(editor.architecture()))
        if (port.connection == p) return true;
    for (const auto& net : editor.diagram().nets)
        for (const auto& entry : net->bus_entries)
            if (entry->stub_end == p) return true;
    return find_segment(editor.diagram(), p, 0, false).has_value();
}

void MouseTools::add_wire_point(Point p, bool vertical_first) {
    if (!points_.empty()) {
        Point last = points_.back();
        if (last.x != p.x && last.y != p.y)
            points_.push_back(vertical_first ? Point{last.x, p.y} : Point{p.x, last.y});
    }
    points_.push_back(p);
}

bool MouseTools::wire_press(DiagramEditor& editor, const SheetMouse& mouse) {
    Point p = wire_point(editor, mouse.at);
    if (gesture_ != Gesture::Wire) {
        cancel();
        gesture_ = Gesture::Wire;
        points_ = {p};
        cursor_ = p;
        return true;
    }
    cursor_ = p;
    if (p == points_.back()) return true;
    add_wire_point(p, mouse.shift);
    if (ends_wire(editor, p)) return finish_wire(editor);
    return true;
}

// A release away from the last point (the mouse was dragged) adds the point as a click does.
bool MouseTools::wire_release(DiagramEditor& editor, const SheetMouse& mouse) {
    Point p = wire_point(editor, mouse.at);
    cursor_ = p;
    if (p == points_.back()) return true;
    add_wire_point(p, mouse.shift);
    if (ends_wire(editor, p)) return finish_wire(editor);
    return true;
}

bool MouseTools::finish_wire(DiagramEditor& editor) {
    std::vector<Point> points = std::move(points_);
    cancel();
    if (points.size() < 2) return true;
    add_wire(editor, points);
    return true;
}

} // namespace zeph
