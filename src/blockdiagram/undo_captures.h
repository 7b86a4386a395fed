// The snapshots an editing operation takes before it changes records, one function per kind
// of record. Each is taken at most once per step and record; the restorers put back exactly
// what was there, and the records keep their identity (see undo_step.h).
#pragma once

#include "blockdiagram/undo_step.h"
#include "design/block_diagram.h"
#include "design/design.h"

namespace zeph {

// The component list of a diagram and every field of its components.
void capture_components(UndoStep& step, BlockDiagram& diagram);
// A component the operation added to the diagram: undoing takes it out again. For operations
// that only add, so that the step does not copy the whole list.
void capture_added_component(UndoStep& step, BlockDiagram& diagram, Component& component);
// The process list of a diagram and every field of its processes except their content (the
// HDL file record or state machine), with their ports.
void capture_processes(UndoStep& step, BlockDiagram& diagram);
// The ports of one process.
void capture_process_ports(UndoStep& step, Process& process);
// Takes the content of a process (HDL file record or state machine) into the step, with its
// kind and own sheet; the process is left without content for the operation to fill. Only
// the first call per step and process takes anything (false for the others).
bool take_process_content(UndoStep& step, Process& process);
// The nets of a diagram (values: nets have no identity that outlives an edit).
void capture_nets(UndoStep& step, BlockDiagram& diagram);
// A sheet: grid, size and free texts.
void capture_sheet(UndoStep& step, Sheet& sheet);
// The generic and port placements of one architecture.
void capture_placements(UndoStep& step, Architecture& architecture);
// The connect-by-name tags of the component ports of a diagram.
void capture_component_tags(UndoStep& step, Architecture& architecture);
// An entity's interface: its ports, generics and symbol, the placements of every one of its
// architectures and every component of it in the design. Marks the step shared.
void capture_entity_interface(UndoStep& step, Design& design, Entity& entity);
// The entity list of the design. Marks the step shared.
void capture_entity_list(UndoStep& step, Design& design);
// An entity the operation added to the design (with its architectures): undoing takes it out
// again. Marks the step shared.
void capture_added_entity(UndoStep& step, Design& design, Entity& entity);

// After an undo: every component's port instances and generic values point at its entity's
// ports and generics again (they run parallel by index), back links are set, and the ports'
// attachment records of the last verification are dropped.
void relink_design(Design& design);

} // namespace zeph
