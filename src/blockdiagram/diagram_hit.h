// Finding the objects of a block diagram at a point or inside a rectangle, and the port
// origins that occupy a place.
#pragma once

#include "blockdiagram/diagram_object.h"
#include "design/architecture.h"
#include "design/geometry.h"

#include <optional>
#include <vector>

namespace zeph {

// Ports, generics and texts are found within this distance of their origin or anchor.
inline constexpr int kHitTolerance = 63;

// Where a port of the selection sits: the origin of a diagram port, component port or process
// port.
Point port_origin(const Architecture& architecture, const DiagramObject& port);

// The object at the point, in this order: a port (origin within 63 units), a bus entry, a wire
// segment (within 63 units), a process or component box (borders included), a diagram generic,
// a free text (anchor within 63 units).
std::optional<DiagramObject> object_at(Architecture& architecture, Point p);

// Every object inside the rectangle (boxes, segments and entries with both ends inside), in
// the order components, processes, diagram ports, generics, segments, bus entries, texts.
std::vector<DiagramObject> objects_in(Architecture& architecture, const Box& area);

// A port origin of any kind within 63 units of the point (the place is occupied).
bool port_origin_near(Architecture& architecture, Point p);

// The component or process whose box holds the point.
Component* component_at(Architecture& architecture, Point p);
Process* process_at(Architecture& architecture, Point p);

// The euclidean distance is at most `tolerance`.
bool within(Point a, Point b, int tolerance);

} // namespace zeph
