// The symbol of an entity, shared by all its components: the component boxes it gives, where
// its ports sit, the quarter turn that rotates it, and the first free place for a new port.
#pragma once

#include "design/component.h"
#include "design/design.h"
#include "design/geometry.h"

#include <optional>
#include <vector>

namespace zeph {

// Box corners of a component: its position and the position plus the symbol's size.
Box component_box(const Component& component);
Box box_with_margin(const Box& box, int margin);
bool box_contains(const Box& box, Point p); // borders included
Box normalised_box(Point a, Point b);

// The border of a box nearest to a point (taken into the box first), and the point moved onto
// that border.
struct BorderPlace {
    int side = 0;
    Point origin;
};
BorderPlace nearest_border(const Box& box, Point p);

// A port's offset on a symbol of the given size for an origin on the given side: bottom
// (x, height), right (width, y), top (x, 0), left (0, y).
Point symbol_offset_on_side(int side, Point offset, int width, int height);

// The quarter turn counter-clockwise (as seen on the screen) of a port offset: the new side
// and offset, from the old offset and side and the new symbol size.
struct TurnedPort {
    int side = 0;
    Point offset;
};
TurnedPort turned_port(int side, Point offset, int new_width, int new_height);
// The same quarter turn of a vector (a label's offset from its port).
Point turned_vector(Point v);

// Every component of the entity anywhere in the design, in entity, architecture and
// component order.
std::vector<Component*> components_of(Design& design, const Entity& entity);

// Turns the entity's symbol a quarter turn counter-clockwise: width and height exchange,
// every component keeps its centre, every port moves to its next side, and the port labels of
// every component turn with their ports.
void rotate_symbol(Design& design, Entity& entity);

// A free place on the symbol side for a new port: the first grid point from the top (left
// and right sides) not within 63 units of another port of that side; the symbol grows by one
// step when the side is full. Returns the offset; `grew` says whether the height changed.
Point free_symbol_place(Entity& entity, int side, int step, bool* grew = nullptr);

// The symbol side a new port of a mode takes when it is placed on the diagram: inputs on
// the left, everything else on the right.
int symbol_side_for_mode(int mode);

} // namespace zeph
