// Stretch and contract: the checks of the line and the band, and moving every coordinate.
#include "blockdiagram/stretch.h"

#include "blockdiagram/connect_by_name.h"
#include "blockdiagram/diagram_messages.h"
#include "blockdiagram/port_geometry.h"
#include "blockdiagram/symbol_geometry.h"
#include "blockdiagram/undo_captures.h"
#include "design/entity.h"

#include <algorithm>
#include <functional>

namespace zeph {

namespace {
using Visit = std::function<void(int&)>;

int& along(Point& p, Axis axis) {
    return axis == Axis::Horizontal ? p.x : p.y;
}

struct Extent {
    int low;
    int high;
};

Extent box_extent(const Box& box, Axis axis) {
    return axis == Axis::Horizontal ? Extent{box.x1, box.x2} : Extent{box.y1, box.y2};
}

Extent entry_extent(const BusEntry& entry, Axis axis) {
    Point a = entry.bus_point;
    Point b = entry.stub_end;
    int from = along(a, axis);
    int to = along(b, axis);
    return {std::min(from, to), std::max(from, to)};
}

void visit_label(LabelDisplay& label, Axis axis, const Visit& visit) {
    visit(along(label.anchor, axis));
}

void visit_port(Port& port, Axis axis, const Visit& visit) {
    visit(along(port.position, axis));
    visit_label(port.name_label, axis, visit);
    visit_label(port.connect_by_name.label, axis, visit);
}

void visit_component(Component& component, Axis axis, const Visit& visit) {
    visit(along(component.position, axis));
    visit_label(component.name_label, axis, visit);
    for (PortInstance& instance : component.port_instances)
        visit_label(instance.label, axis, visit);
    for (GenericValue& value : component.generic_values)
        visit_label(value.label, axis, visit);
}

void visit_net(Net& net, Axis axis, const Visit& visit) {
    for (auto* segments : {&net.horizontal, &net.vertical})
        for (Segment& s : *segments) {
            visit(axis == Axis::Horizontal ? s.x1 : s.y1);
            visit(axis == Axis::Horizontal ? s.x2 : s.y2);
        }
    for (JunctionPoint& j : net.junctions)
        visit(axis == Axis::Horizontal ? j.x : j.y);
    for (auto& entry : net.bus_entries) {
        visit(along(entry->bus_point, axis));
        visit(along(entry->stub_end, axis));
        visit_label(entry->label, axis, visit);
    }
    visit_label(net.label, axis, visit);
}

// Every coordinate of the axis on the diagram's sheet.
void visit_coordinates(Architecture& architecture, Axis axis, const Visit& visit) {
    BlockDiagram& diagram = *architecture.block_diagram;
    for (auto& component : diagram.components)
        visit_component(*component, axis, visit);
    for (const PlacedPort& port : placed_ports(architecture))
        if (port.owner == PortOwner::Component && tag_of(port).mode != kConnectNone)
            visit_label(tag_of(port).label, axis, visit);
    for (auto& process : diagram.processes) {
        visit(axis == Axis::Horizontal ? process->box.x1 : process->box.y1);
        visit(axis == Axis::Horizontal ? process->box.x2 : process->box.y2);
        visit_label(process->name_label, axis, visit);
        for (auto& port : process->ports)
            visit_port(*port, axis, visit);
    }
    for (PortPlacement& placement : architecture.port_placements) {
        visit(along(placement.position, axis));
        visit_label(placement.name_label, axis, visit);
        visit_label(placement.connect_by_name.label, axis, visit);
    }
    for (GenericPlacement& placement : architecture.generic_placements) {
        visit(along(placement.position, axis));
        visit_label(placement.label, axis, visit);
    }
    for (LabelDisplay& text : architecture.sheet.texts)
        visit_label(text, axis, visit);
    for (auto& net : diagram.nets)
        visit_net(*net, axis, visit);
}

std::vector<Box> boxes_with_margin(Architecture& architecture) {
    std::vector<Box> boxes;
    for (auto& component : architecture.block_diagram->components)
        boxes.push_back(box_with_margin(component_box(*component), kKeepOutMargin));
    for (auto& process : architecture.block_diagram->processes)
        boxes.push_back(box_with_margin(process->box, kKeepOutMargin));
    return boxes;
}

// Something of the diagram meets the closed extent [low, high] (boxes and entries) or lies
// strictly inside (low, high) (segment ends and diagram ports, when asked for).
struct Obstacles {
    bool boxes_and_entries = true;
    bool segment_ends = false;
    bool diagram_ports = false;
};

bool overlaps(Extent a, int low, int high) {
    return a.low <= high && a.high >= low;
}

bool blocked(Architecture& architecture, Axis axis, int low, int high, bool open, Obstacles what) {
    auto inside = [&](int c) { return open ? c > low && c < high : c >= low && c <= high; };
    for (const Box& box : boxes_with_margin(architecture)) {
        Extent e = box_extent(box, axis);
        if (open ? e.low < high && e.high > low : overlaps(e, low, high)) return true;
    }
    for (auto& net : architecture.block_diagram->nets) {
        for (auto& entry : net->bus_entries) {
            Extent e = entry_extent(*entry, axis);
            if (open ? e.low < high && e.high > low : overlaps(e, low, high)) return true;
        }
        if (!what.segment_ends) continue;
        for (auto* segments : {&net->horizontal, &net->vertical})
            for (Segment& s : *segments)
                if (inside(axis == Axis::Horizontal ? s.x1 : s.y1) ||
                    inside(axis == Axis::Horizontal ? s.x2 : s.y2))
                    return true;
    }
    if (what.diagram_ports)
        for (PortPlacement& placement : architecture.port_placements)
            if (inside(along(placement.position, axis))) return true;
    return false;
}

// Moves every coordinate that `moves` selects by `by`, as one edit.
Outcome shift_coordinates(DiagramEditor& editor, Axis axis, const std::function<bool(int)>& moves,
                          int by, const char* description) {
    Edit edit(editor, description);
    Architecture& architecture = editor.architecture();
    BlockDiagram& diagram = editor.diagram();
    capture_components(edit.step(), diagram);
    capture_processes(edit.step(), diagram);
    capture_nets(edit.step(), diagram);
    capture_sheet(edit.step(), architecture.sheet);
    capture_placements(edit.step(), architecture);
    capture_component_tags(edit.step(), architecture);
    visit_coordinates(architecture, axis, [&](int& c) {
        if (moves(c)) c += by;
    });
    return edit.finish(Outcome::Done);
}
} // namespace

int drag_width(int line, int drag_to, int grid_step) {
    if (grid_step <= 0) return 0;
    return (drag_to - line) / grid_step * grid_step;
}

bool stretch_line_allowed(DiagramEditor& editor, Axis axis, int line) {
    if (blocked(editor.architecture(), axis, line, line, false, {})) {
        refuse(editor.platform(), kIllegalPosition);
        return false;
    }
    return true;
}

bool contract_line_allowed(DiagramEditor& editor, Axis axis, int line) {
    if (blocked(editor.architecture(), axis, line, line, false, {true, true, false})) {
        refuse(editor.platform(), kIllegalPosition);
        return false;
    }
    return true;
}

Outcome stretch(DiagramEditor& editor, Axis axis, int line, int drag_to) {
    if (!stretch_line_allowed(editor, axis, line)) return Outcome::Refused;
    int width = drag_width(line, drag_to, editor.sheet().grid_step);
    if (width == 0) return Outcome::Unchanged;
    if (width > 0)
        return shift_coordinates(
            editor, axis, [&](int c) { return c >= line; }, width, "stretch");
    return shift_coordinates(
        editor, axis, [&](int c) { return c < line; }, width, "stretch");
}

Outcome contract(DiagramEditor& editor, Axis axis, int line, int drag_to) {
    if (!contract_line_allowed(editor, axis, line)) return Outcome::Refused;
    int width = drag_width(line, drag_to, editor.sheet().grid_step);
    if (width == 0) return Outcome::Unchanged;
    int low = std::min(line, line + width);
    int high = std::max(line, line + width);
    if (blocked(editor.architecture(), axis, low, high, true, {true, true, true}))
        return refuse(editor.platform(), kIllegalPosition);
    int edge = line + width; // the far side of the band moves onto the line
    if (width > 0)
        return shift_coordinates(
            editor, axis, [&](int c) { return c >= edge; }, -width, "contract");
    return shift_coordinates(
        editor, axis, [&](int c) { return c <= edge; }, -width, "contract");
}

} // namespace zeph
