// Component boxes, port places on symbols and the rotation of a symbol.
#include "blockdiagram/symbol_geometry.h"

#include "blockdiagram/design_walk.h"
#include "blockdiagram/port_geometry.h"
#include "design/block_diagram.h"

#include <algorithm>
#include <cstdlib>

namespace zeph {

namespace {
constexpr int kPortSpacing = 64; // ports closer than this occupy the same place

// The offset of a port label (or tag) from its port, turned with the port.
void turn_label(LabelDisplay& label, Point old_origin, Point new_origin) {
    Point v = turned_vector({label.anchor.x - old_origin.x, label.anchor.y - old_origin.y});
    label.anchor = {new_origin.x + v.x, new_origin.y + v.y};
}

bool horizontal_side(int side) { return side == kSideTop || side == kSideBottom; }
} // namespace

Box component_box(const Component& component) {
    int width = component.entity != nullptr ? component.entity->symbol_width : 0;
    int height = component.entity != nullptr ? component.entity->symbol_height : 0;
    return {component.position.x, component.position.y, component.position.x + width,
            component.position.y + height};
}

Box box_with_margin(const Box& box, int margin) {
    return {box.x1 - margin, box.y1 - margin, box.x2 + margin, box.y2 + margin};
}

bool box_contains(const Box& box, Point p) {
    return p.x >= box.x1 && p.x <= box.x2 && p.y >= box.y1 && p.y <= box.y2;
}

Box normalised_box(Point a, Point b) {
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

BorderPlace nearest_border(const Box& box, Point p) {
    p = {std::clamp(p.x, box.x1, box.x2), std::clamp(p.y, box.y1, box.y2)};
    int to_left = p.x - box.x1;
    int to_right = box.x2 - p.x;
    int to_top = p.y - box.y1;
    int to_bottom = box.y2 - p.y;
    int nearest = std::min({to_left, to_right, to_top, to_bottom});
    if (nearest == to_left) return {kSideLeft, {box.x1, p.y}};
    if (nearest == to_right) return {kSideRight, {box.x2, p.y}};
    if (nearest == to_top) return {kSideTop, {p.x, box.y1}};
    return {kSideBottom, {p.x, box.y2}};
}

Point symbol_offset_on_side(int side, Point offset, int width, int height) {
    switch (side) {
    case kSideBottom: return {offset.x, height};
    case kSideRight: return {width, offset.y};
    case kSideTop: return {offset.x, 0};
    case kSideLeft: return {0, offset.y};
    default: return offset;
    }
}

TurnedPort turned_port(int side, Point offset, int new_width, int new_height) {
    switch (side) {
    case kSideBottom: return {kSideRight, {new_width, new_height - offset.x}};
    case kSideRight: return {kSideTop, {offset.y, 0}};
    case kSideTop: return {kSideLeft, {0, new_height - offset.x}};
    case kSideLeft: return {kSideBottom, {offset.y, new_height}};
    default: return {side, offset};
    }
}

Point turned_vector(Point v) { return {v.y, -v.x}; }

std::vector<Component*> components_of(Design& design, const Entity& entity) {
    std::vector<Component*> found;
    for_each_block_diagram(design, [&](Architecture& architecture) {
        for (auto& component : architecture.block_diagram->components)
            if (component->entity == &entity) found.push_back(component.get());
    });
    return found;
}

void rotate_symbol(Design& design, Entity& entity) {
    int old_width = entity.symbol_width;
    int old_height = entity.symbol_height;
    int half_difference = (old_width - old_height) / 2;
    std::vector<Component*> components = components_of(design, entity);
    std::vector<Point> old_offsets;
    for (auto& port : entity.ports)
        old_offsets.push_back(port->position);

    entity.symbol_width = old_height;
    entity.symbol_height = old_width;
    for (auto& port : entity.ports) {
        Point old_offset = port->position;
        TurnedPort turned =
            turned_port(port->side, old_offset, entity.symbol_width, entity.symbol_height);
        port->side = turned.side;
        port->position = turned.offset;
        turn_label(port->name_label, old_offset, port->position);
    }
    for (Component* component : components) {
        Point old_position = component->position;
        component->position = {old_position.x + half_difference, old_position.y - half_difference};
        for (std::size_t i = 0; i < component->port_instances.size() && i < old_offsets.size(); ++i) {
            Point old_origin = {old_position.x + old_offsets[i].x, old_position.y + old_offsets[i].y};
            Point new_origin = component_port_origin(*component, *entity.ports[i]);
            turn_label(component->port_instances[i].label, old_origin, new_origin);
        }
    }
}

int symbol_side_for_mode(int mode) { return mode == kModeIn ? kSideLeft : kSideRight; }

Point free_symbol_place(Entity& entity, int side, int step, bool* grew) {
    if (grew != nullptr) *grew = false;
    if (step <= 0) step = kPortSpacing;
    auto occupied = [&](int along) {
        for (auto& port : entity.ports) {
            if (port->side != side) continue;
            int other = horizontal_side(side) ? port->position.x : port->position.y;
            if (std::abs(other - along) < kPortSpacing) return true;
        }
        return false;
    };
    for (;;) {
        int length = horizontal_side(side) ? entity.symbol_width : entity.symbol_height;
        for (int along = step; along <= length - step; along += step)
            if (!occupied(along))
                return symbol_offset_on_side(side, {along, along}, entity.symbol_width,
                                             entity.symbol_height);
        // The side is full: the symbol grows by one step; ports on the far side follow.
        if (horizontal_side(side)) {
            entity.symbol_width += step;
            for (auto& port : entity.ports)
                if (port->side == kSideRight) port->position.x = entity.symbol_width;
        } else {
            entity.symbol_height += step;
            for (auto& port : entity.ports)
                if (port->side == kSideBottom) port->position.y = entity.symbol_height;
        }
        if (grew != nullptr) *grew = true;
    }
}

} // namespace zeph
