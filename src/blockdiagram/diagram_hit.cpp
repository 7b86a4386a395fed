// Hit testing on block diagrams.
#include "blockdiagram/diagram_hit.h"

#include "blockdiagram/bus_entries.h"
#include "blockdiagram/net_lookup.h"
#include "blockdiagram/port_geometry.h"
#include "blockdiagram/symbol_geometry.h"
#include "design/block_diagram.h"
#include "design/entity.h"

namespace zeph {

namespace {
using Type = DiagramObjectType;

DiagramObject make(Type type, std::size_t index = 0) {
    DiagramObject object;
    object.type = type;
    object.index = index;
    return object;
}

// Every port of the diagram with its origin, in the order diagram, component, process ports.
std::vector<std::pair<DiagramObject, Point>> port_origins(Architecture& architecture) {
    std::vector<std::pair<DiagramObject, Point>> ports;
    const Entity* entity = architecture.entity;
    std::size_t diagram_ports = entity != nullptr ? entity->ports.size() : 0;
    for (std::size_t i = 0; i < diagram_ports && i < architecture.port_placements.size(); ++i)
        ports.push_back({make(Type::DiagramPort, i), architecture.port_placements[i].position});
    BlockDiagram& diagram = *architecture.block_diagram;
    for (auto& component : diagram.components) {
        if (component->entity == nullptr) continue;
        for (std::size_t i = 0; i < component->entity->ports.size(); ++i) {
            DiagramObject port = make(Type::ComponentPort, i);
            port.component = component.get();
            ports.push_back({port, component_port_origin(*component, *component->entity->ports[i])});
        }
    }
    for (auto& process : diagram.processes)
        for (std::size_t i = 0; i < process->ports.size(); ++i) {
            DiagramObject port = make(Type::ProcessPort, i);
            port.process = process.get();
            ports.push_back({port, process->ports[i]->position});
        }
    return ports;
}

bool segment_inside(const Segment& s, const Box& area) {
    return box_contains(area, {s.x1, s.y1}) && box_contains(area, {s.x2, s.y2});
}
} // namespace

bool within(Point a, Point b, int tolerance) {
    long long dx = a.x - b.x;
    long long dy = a.y - b.y;
    return dx * dx + dy * dy <= static_cast<long long>(tolerance) * tolerance;
}

Point port_origin(const Architecture& architecture, const DiagramObject& port) {
    switch (port.type) {
    case Type::DiagramPort:
        return port.index < architecture.port_placements.size()
                   ? architecture.port_placements[port.index].position
                   : Point{};
    case Type::ComponentPort:
        return component_port_origin(*port.component, *port.component->entity->ports[port.index]);
    case Type::ProcessPort: return port.process->ports[port.index]->position;
    default: return {};
    }
}

Component* component_at(Architecture& architecture, Point p) {
    for (auto& component : architecture.block_diagram->components)
        if (box_contains(component_box(*component), p)) return component.get();
    return nullptr;
}

Process* process_at(Architecture& architecture, Point p) {
    for (auto& process : architecture.block_diagram->processes)
        if (box_contains(process->box, p)) return process.get();
    return nullptr;
}

bool port_origin_near(Architecture& architecture, Point p) {
    for (const auto& [port, origin] : port_origins(architecture))
        if (within(origin, p, kHitTolerance)) return true;
    return false;
}

std::optional<DiagramObject> object_at(Architecture& architecture, Point p) {
    for (const auto& [port, origin] : port_origins(architecture))
        if (within(origin, p, kHitTolerance)) return port;
    BlockDiagram& diagram = *architecture.block_diagram;
    if (std::optional<BusEntryRef> entry = find_bus_entry(diagram, p, kHitTolerance)) {
        DiagramObject object = make(Type::BusEntry, entry->net_index);
        object.entry = entry->entry_index;
        return object;
    }
    if (std::optional<SegmentHit> hit = find_segment(diagram, p, kHitTolerance, false)) {
        DiagramObject object = make(Type::Segment, hit->net_index);
        object.segment = hit->segment;
        return object;
    }
    if (Process* process = process_at(architecture, p)) {
        DiagramObject object = make(Type::Process);
        object.process = process;
        return object;
    }
    if (Component* component = component_at(architecture, p)) {
        DiagramObject object = make(Type::Component);
        object.component = component;
        return object;
    }
    for (std::size_t i = 0; i < architecture.generic_placements.size(); ++i)
        if (within(architecture.generic_placements[i].position, p, kHitTolerance))
            return make(Type::DiagramGeneric, i);
    for (std::size_t i = 0; i < architecture.sheet.texts.size(); ++i)
        if (within(architecture.sheet.texts[i].anchor, p, kHitTolerance))
            return make(Type::FreeText, i);
    return std::nullopt;
}

std::vector<DiagramObject> objects_in(Architecture& architecture, const Box& area) {
    std::vector<DiagramObject> found;
    BlockDiagram& diagram = *architecture.block_diagram;
    auto box_inside = [&](const Box& b) {
        return box_contains(area, {b.x1, b.y1}) && box_contains(area, {b.x2, b.y2});
    };
    for (auto& component : diagram.components)
        if (box_inside(component_box(*component))) {
            DiagramObject object = make(Type::Component);
            object.component = component.get();
            found.push_back(object);
        }
    for (auto& process : diagram.processes)
        if (box_inside(process->box)) {
            DiagramObject object = make(Type::Process);
            object.process = process.get();
            found.push_back(object);
        }
    std::size_t ports = architecture.entity != nullptr ? architecture.entity->ports.size() : 0;
    for (std::size_t i = 0; i < ports && i < architecture.port_placements.size(); ++i)
        if (box_contains(area, architecture.port_placements[i].position))
            found.push_back(make(Type::DiagramPort, i));
    for (std::size_t i = 0; i < architecture.generic_placements.size(); ++i)
        if (box_contains(area, architecture.generic_placements[i].position))
            found.push_back(make(Type::DiagramGeneric, i));
    for (std::size_t n = 0; n < diagram.nets.size(); ++n) {
        const Net& net = *diagram.nets[n];
        for (Orientation orientation : {Orientation::Horizontal, Orientation::Vertical}) {
            const auto& segments =
                orientation == Orientation::Horizontal ? net.horizontal : net.vertical;
            for (std::size_t i = 0; i < segments.size(); ++i)
                if (segment_inside(segments[i], area)) {
                    DiagramObject object = make(Type::Segment, n);
                    object.segment = {orientation, i};
                    found.push_back(object);
                }
        }
    }
    for (std::size_t n = 0; n < diagram.nets.size(); ++n)
        for (std::size_t e = 0; e < diagram.nets[n]->bus_entries.size(); ++e) {
            const BusEntry& entry = *diagram.nets[n]->bus_entries[e];
            if (box_contains(area, entry.bus_point) && box_contains(area, entry.stub_end)) {
                DiagramObject object = make(Type::BusEntry, n);
                object.entry = e;
                found.push_back(object);
            }
        }
    for (std::size_t i = 0; i < architecture.sheet.texts.size(); ++i)
        if (box_contains(area, architecture.sheet.texts[i].anchor))
            found.push_back(make(Type::FreeText, i));
    return found;
}

} // namespace zeph
