// The editing operations on the current selection (delete, copy, move, resize, rotate) and
// on the whole diagram (clear). Each is one undoable edit. Copy and move take the point where
// the reference point of the first selected object goes (a component's or process's top-left
// corner, a port's origin, a generic's or text's place, a bus entry's bus point).
#pragma once

#include "blockdiagram/diagram_editor.h"

namespace zeph {

// Asks "Delete selected object?" (one) or "Delete all selected objects?" (more); on Yes
// deletes each. Deleting a diagram or component port deletes the port of the entity
// everywhere, a diagram generic the entity's generic; deleting a wire segment may split its
// net (further selected segments of a split net are left).
Outcome delete_selection(DiagramEditor& editor);

// Copies of the selected objects, moved as the first one goes to `to`. A component copy asks
// "Enter name for copy of component '%s':"; a port copy follows the rules of adding a port
// (and a process port must land on a process); segments are not copied.
Outcome copy_selection(DiagramEditor& editor, Point to);

// Moves the selected objects as the first one goes to `to`. Component and process ports
// slide along their box (a component port moves on the entity's symbol, so on every
// component of the entity); wires do not follow and are not moved.
Outcome move_selection(DiagramEditor& editor, Point to);

// The bottom-right corner of the one selected component or process goes to `corner`.
// "Select one component or process for resizing." otherwise; "Illegal position." when the
// box would be smaller than one grid step or than its ports need.
Outcome resize_selection(DiagramEditor& editor, Point corner);

// Turns the symbol of every selected component's entity a quarter turn counter-clockwise.
Outcome rotate_selection(DiagramEditor& editor);

// Asks "Architecture not empty, are you sure?" when the diagram holds components, processes,
// wires or free texts; on Yes removes them all (diagram ports and generics belong to the
// entity and stay).
Outcome clear_diagram(DiagramEditor& editor);

// The point that copy and move take as the object's place.
Point reference_point(DiagramEditor& editor, const DiagramObject& object);

} // namespace zeph
