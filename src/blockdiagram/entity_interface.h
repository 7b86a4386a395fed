// Changes of an entity's interface that reach every place the entity appears: a port or
// generic added to or deleted from the entity is added to or deleted from the placements of
// every architecture of the entity and from every component of it in the design. The caller
// captures the entity's interface for undo first (capture_entity_interface).
#pragma once

#include "blockdiagram/diagram_labels.h"
#include "blockdiagram/undo_step.h"
#include "design/component.h"
#include "design/design.h"

#include <cstddef>
#include <memory>

namespace zeph {

// Appends the port. Its placement in `placed_in` is at `position` (the diagram where it was
// added); every other architecture of the entity places it at a free place of its sheet's
// edge. Every component of the entity gets a port instance with its label.
// New labels take the style's defaults.
Port& add_entity_port(const DiagramLabelStyle& style, Design& design, Entity& entity,
                      std::unique_ptr<Port> port, const Architecture* placed_in, Point position);
// Deletes port `index` of the entity everywhere; the other ports keep their order. The port
// record is handed to the step.
void delete_entity_port(Design& design, Entity& entity, std::size_t index, UndoStep& step);

Generic& add_entity_generic(const DiagramLabelStyle& style, Design& design, Entity& entity,
                            std::unique_ptr<Generic> generic, const Architecture* placed_in,
                            Point position);
void delete_entity_generic(Design& design, Entity& entity, std::size_t index, UndoStep& step);

// Rebuilds the labels of port `index` wherever the entity appears (after the port changed).
void refresh_entity_port_labels(Design& design, Entity& entity, std::size_t index);
// Moves the port labels of a component to their ports (after the component or its symbol
// changed).
void place_component_port_labels(Component& component);

// The port and generic labels of a newly placed component, at their places on its box.
void label_component_interface(const DiagramLabelStyle& style, Component& component);
// The placements of a fresh architecture: every port and generic of the entity at a free
// place of its sheet, with its name label.
void place_interface(const DiagramLabelStyle& style, const Entity& entity,
                     Architecture& architecture);

// A free place on the architecture's sheet for a new diagram port of the mode: inputs along
// the left edge, other modes along the right edge, from the top, not within 63 units of
// another diagram port.
Point free_diagram_port_position(const Architecture& architecture, int mode);
// A free place for a new diagram generic: a column at the top left.
Point free_diagram_generic_position(const Architecture& architecture);

} // namespace zeph
