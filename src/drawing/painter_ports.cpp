// Ports: the diagram's port symbols, the stubs of component and process ports with their mode
// markers, connect-by-name tags and port labels.
//
// Mode markers point the way the signal flows: into the owner for "In", out of it for "Out",
// both ways (a diamond) for "Inout", and a square for "Buffer". A diagram port is drawn as an
// arrow-shaped flag behind its origin, pointing into the diagram for "In" and out of it
// otherwise.
#include "blockdiagram/connect_by_name.h"
#include "blockdiagram/diagram_labels.h"
#include "blockdiagram/segment_axis.h"
#include "design/design_defaults.h"
#include "drawing/diagram_painter.h"
#include "drawing/label_layout.h"

#include <array>
#include <initializer_list>
#include <vector>

namespace zeph {

namespace {

int side_of(const PlacedPort& port) {
    return port.owner == PortOwner::Diagram ? diagram_port_side(*port.port) : port.port->side;
}

Point origin_of(const PlacedPort& port) {
    switch (port.owner) {
    case PortOwner::Diagram:
        return port.placement->position;
    case PortOwner::Component:
        return component_port_origin(*port.component, *port.port);
    default:
        return port.port->position;
    }
}

// The points of a shape given as (along, across) pairs from an origin.
std::vector<Point> shape(Point origin, Point d, std::initializer_list<std::array<int, 2>> local) {
    std::vector<Point> points;
    for (const auto& [along, across] : local)
        points.push_back(local_point(origin, d, along, across));
    return points;
}

LabelDisplay* port_label(const PlacedPort& port) {
    switch (port.owner) {
    case PortOwner::Diagram:
        return &port.placement->name_label;
    case PortOwner::Component:
        if (port.index < port.component->port_instances.size())
            return &port.component->port_instances[port.index].label;
        return nullptr;
    default:
        return &port.port->name_label;
    }
}

} // namespace

void DiagramPainter::draw_ports(const std::vector<PlacedPort>& ports) {
    canvas_.begin_layer("ports");
    for (const PlacedPort& port : ports) {
        Pen pen{selected_or(selected_.port(port), DiagramColour::Ports), kWireWidth};
        if (port.owner == PortOwner::Diagram)
            draw_diagram_port(port, pen);
        else
            draw_port_stub(port, pen);
    }
    canvas_.end_layer();
}

void DiagramPainter::draw_diagram_port(const PlacedPort& port, const Pen& pen) {
    Point origin = origin_of(port);
    Point d = side_direction(side_of(port));
    canvas_.line(origin, port.connection, pen);
    constexpr int L = kDiagramPortLength;
    constexpr int H = kDiagramPortHalfHeight;
    std::vector<Point> flag;
    switch (port.port->mode) {
    case kModeIn:
        flag = shape(origin, d, {{-L, -H}, {-H, -H}, {0, 0}, {-H, H}, {-L, H}});
        break;
    case kModeInout:
        flag = shape(origin, d, {{0, 0}, {-H, -H}, {H - L, -H}, {-L, 0}, {H - L, H}, {-H, H}});
        break;
    default:
        flag = shape(origin, d, {{0, -H}, {H - L, -H}, {-L, 0}, {H - L, H}, {0, H}});
        break;
    }
    canvas_.polyline(flag, pen, true, std::nullopt);
    if (port.port->mode == kModeBuffer)
        canvas_.line(local_point(origin, d, -H / 2, -H), local_point(origin, d, -H / 2, H), pen);
}

void DiagramPainter::draw_port_stub(const PlacedPort& port, const Pen& pen) {
    Point origin = origin_of(port);
    Point d = side_direction(side_of(port));
    if (d == Point{0, 0}) {
        canvas_.circle(origin, kMarkerSize, pen, pen.colour);
        return;
    }
    canvas_.line(origin, port.connection, pen);
    Point middle = local_point(origin, d, kConnectionDistance / 2, 0);
    constexpr int M = kMarkerSize;
    std::vector<Point> marker;
    switch (port.port->mode) {
    case kModeIn:
        marker = shape(middle, d, {{M, -M}, {M, M}, {-M, 0}});
        break;
    case kModeOut:
        marker = shape(middle, d, {{-M, -M}, {-M, M}, {M, 0}});
        break;
    case kModeInout:
        marker = shape(middle, d, {{-M, 0}, {0, -M}, {M, 0}, {0, M}});
        break;
    default:
        marker = shape(middle, d, {{-M, -M}, {M, -M}, {M, M}, {-M, M}});
        break;
    }
    canvas_.polyline(marker, {pen.colour, 0}, true, pen.colour);
}

void DiagramPainter::draw_tags(const std::vector<PlacedPort>& ports) {
    canvas_.begin_layer("tags");
    for (const PlacedPort& port : ports) {
        const ConnectByName& tag = tag_of(port);
        if (tag.mode == kConnectNone) continue;
        int side = side_of(port);
        Point d = side_direction(side);
        if (d == Point{0, 0}) d = {1, 0};
        Point at = tag.has_label ? tag.label.anchor
                                 : local_point(port.connection, d, kConnectionDistance, 0);
        bool selected = selected_.port(port);
        Pen pen{selected_or(selected, DiagramColour::Ports), kWireWidth};
        canvas_.line(port.connection, at, pen);
        constexpr int L = kTagLength;
        constexpr int H = kTagHalfHeight;
        canvas_.polyline(shape(at, d, {{0, 0}, {H, -H}, {L, -H}, {L, H}, {H, H}}), pen, true,
                         std::nullopt);

        // The tag's name over its flag (beside it on a vertical port), clear of the port's
        // own label further out.
        LabelDisplay name = tag.label;
        name.text = effective_connect_name(port);
        if (!tag.has_label) name.options = 0;
        int font = font_height(
            name.size > 0 ? name.size : options_.defaults.text_size_of(LabelKind::ConnectLabel));
        Point middle = local_point(at, d, L / 2, 0);
        if (d.x != 0) {
            name.anchor = axis::offset(middle, 0, -(H + font * 3 / 5));
            name.alignment = kAlignCentred;
        } else {
            name.anchor = axis::offset(middle, H + font / 4, 0);
            name.alignment = kAlignPlain;
        }
        draw_label(name, LabelKind::ConnectLabel,
                   selected ? colour(DiagramColour::Selected) : text_colour(name.colour));
    }
    canvas_.end_layer();
}

void DiagramPainter::draw_port_labels(const std::vector<PlacedPort>& ports) {
    for (const PlacedPort& port : ports) {
        const LabelDisplay* stored = port_label(port);
        if (stored == nullptr) continue;
        const LabelDisplay* shown = stored;
        LabelDisplay filled;
        if (stored->text.empty() && stored->options != kLabelHidden &&
            port.owner != PortOwner::Process) {
            filled = *stored;
            filled.text = port_label_text(*port.port, filled.options);
            shown = &filled;
        }
        draw_label(*shown, LabelKind::Port,
                   selected_.port(port) ? colour(DiagramColour::Selected)
                                        : text_colour(shown->colour));
    }
}

} // namespace zeph
