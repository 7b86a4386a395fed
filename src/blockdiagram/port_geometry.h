// Where ports meet wires: the connection point and label point of diagram ports, component
// ports and process ports, and the list of every port placed on a block diagram.
#pragma once

#include "design/architecture.h"
#include "design/component.h"
#include "design/geometry.h"
#include "design/port.h"
#include "design/process.h"

#include <cstddef>
#include <string>
#include <vector>

namespace zeph {

inline constexpr int kSideNone = 0;
inline constexpr int kSideBottom = 1;
inline constexpr int kSideRight = 2;
inline constexpr int kSideTop = 3;
inline constexpr int kSideLeft = 4;

// A wire attaches this far out from a port's origin; the port's label sits further out.
inline constexpr int kConnectionDistance = 64;
inline constexpr int kPortLabelDistance = 208;

// The origin moved `distance` outwards by side: bottom (0, +d), right (+d, 0), top (0, -d),
// left (-d, 0); side 0 does not move it.
Point outward(Point origin, int side, int distance);
inline Point connection_point(Point origin, int side) {
    return outward(origin, side, kConnectionDistance);
}
inline Point port_label_point(Point origin, int side) {
    return outward(origin, side, kPortLabelDistance);
}

// The side of a diagram port on the sheet. Port placements carry no side of their own (the
// port's `side` is its side on the entity's symbol), so it follows from the mode: an "In"
// port feeds the diagram to its right, every other mode is reached from the left.
int diagram_port_side(const Port& port);

Point diagram_port_connection(const Port& port, const PortPlacement& placement);
// A component port's origin is the component's position plus the port's offset on the
// entity's symbol.
Point component_port_origin(const Component& component, const Port& port);
Point component_port_connection(const Component& component, const Port& port);
// A process port's position is its origin on the sheet.
Point process_port_connection(const Port& port);

enum class PortOwner { Diagram, Component, Process };

// One port as it sits on a block diagram. `index` is the port's position among the entity's
// ports (diagram and component ports) or among the process's ports.
struct PlacedPort {
    PortOwner owner = PortOwner::Diagram;
    Port* port = nullptr;
    std::size_t index = 0;
    PortPlacement* placement = nullptr; // diagram ports
    Component* component = nullptr;     // component ports
    Process* process = nullptr;         // process ports
    Point connection;

    bool same_port(const PlacedPort& other) const {
        return owner == other.owner && port == other.port && component == other.component &&
               process == other.process;
    }
};

// Every port of the diagram, in the order diagram ports, component ports (by component, then
// by entity port), process ports (by process, then by port).
std::vector<PlacedPort> placed_ports(Architecture& architecture);

// The object kind of the port ("diagram port", "component port", "process port").
int placed_port_kind(const PlacedPort& port);
// The port's own name; process ports have none and give "".
const std::string& placed_port_name(const PlacedPort& port);
// How messages name a port: the port's name, or the process's name for a process port.
std::string placed_port_title(const PlacedPort& port);

} // namespace zeph
