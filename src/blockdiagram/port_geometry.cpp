// Connection points and label points of ports, and the ports placed on a block diagram.
#include "blockdiagram/port_geometry.h"

#include "blockdiagram/segment_axis.h"
#include "design/block_diagram.h"
#include "design/entity.h"
#include "foundation/kind_vocabulary.h"

#include <algorithm>

namespace zeph {

Point outward(Point origin, int side, int distance) {
    switch (side) {
    case kSideBottom: return axis::offset(origin, 0, distance);
    case kSideRight: return axis::offset(origin, distance, 0);
    case kSideTop: return axis::offset(origin, 0, -static_cast<long long>(distance));
    case kSideLeft: return axis::offset(origin, -static_cast<long long>(distance), 0);
    default: return origin;
    }
}

int diagram_port_side(const Port& port) { return port.mode == kModeIn ? kSideRight : kSideLeft; }

Point diagram_port_connection(const Port& port, const PortPlacement& placement) {
    return connection_point(placement.position, diagram_port_side(port));
}

Point component_port_origin(const Component& component, const Port& port) {
    return axis::offset(component.position, port.position.x, port.position.y);
}

Point component_port_connection(const Component& component, const Port& port) {
    return connection_point(component_port_origin(component, port), port.side);
}

Point process_port_connection(const Port& port) { return connection_point(port.position, port.side); }

namespace {

void add_diagram_ports(Architecture& architecture, std::vector<PlacedPort>& ports) {
    Entity* entity = architecture.entity;
    if (entity == nullptr) return;
    std::size_t count = std::min(entity->ports.size(), architecture.port_placements.size());
    for (std::size_t i = 0; i < count; ++i) {
        PlacedPort placed;
        placed.owner = PortOwner::Diagram;
        placed.port = entity->ports[i].get();
        placed.index = i;
        placed.placement = &architecture.port_placements[i];
        placed.connection = diagram_port_connection(*placed.port, *placed.placement);
        ports.push_back(placed);
    }
}

void add_component_ports(Component& component, std::vector<PlacedPort>& ports) {
    if (component.entity == nullptr) return;
    const auto& entity_ports = component.entity->ports;
    for (std::size_t i = 0; i < entity_ports.size(); ++i) {
        PlacedPort placed;
        placed.owner = PortOwner::Component;
        placed.port = entity_ports[i].get();
        placed.index = i;
        placed.component = &component;
        placed.connection = component_port_connection(component, *placed.port);
        ports.push_back(placed);
    }
}

void add_process_ports(Process& process, std::vector<PlacedPort>& ports) {
    for (std::size_t i = 0; i < process.ports.size(); ++i) {
        PlacedPort placed;
        placed.owner = PortOwner::Process;
        placed.port = process.ports[i].get();
        placed.index = i;
        placed.process = &process;
        placed.connection = process_port_connection(*placed.port);
        ports.push_back(placed);
    }
}

} // namespace

std::vector<PlacedPort> placed_ports(Architecture& architecture) {
    std::vector<PlacedPort> ports;
    add_diagram_ports(architecture, ports);
    if (BlockDiagram* diagram = architecture.block_diagram.get()) {
        for (auto& component : diagram->components)
            add_component_ports(*component, ports);
        for (auto& process : diagram->processes)
            add_process_ports(*process, ports);
    }
    return ports;
}

int placed_port_kind(const PlacedPort& port) {
    switch (port.owner) {
    case PortOwner::Diagram: return kKindDiagramPort;
    case PortOwner::Component: return kKindComponentPort;
    default: return kKindProcessPort;
    }
}

const std::string& placed_port_name(const PlacedPort& port) { return port.port->name; }

std::string placed_port_title(const PlacedPort& port) {
    if (port.owner == PortOwner::Process && port.process != nullptr) return port.process->name;
    return port.port->name;
}

} // namespace zeph
