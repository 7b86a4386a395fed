// Level navigation of the main window (the "trap" tool and the Level menu): down into a
// component or a process, up to the parent, to the top, and a jump to any level. Going down
// into an HDL file opens it in the external editor with its skeleton made current; a diagram
// becomes the current diagram.
#pragma once

#include "blockdiagram/design_levels.h"
#include "design/component.h"
#include "design/geometry.h"
#include "design/process.h"

namespace zeph {

class Session;

// Makes the level's diagram the current diagram: a block diagram is opened in the diagram
// editor; another kind leaves the editor without a diagram.
void make_current(Session& session, const Level& level);

// The level of the current diagram; nullopt without a design or a current diagram.
std::optional<Level> current_level(Session& session);

// "&Down" at a point of the current block diagram: into the component or process there. A
// component of a read-only library module is refused with "Read-only component instantiates
// library module.", one of an external entity with "Component instantiates external module.";
// nothing there is "No component found.". False when refused.
bool level_down(Session& session, Point at);
// The levels of a library module or an external entity are refused as Level > Down refuses
// them (the message shown); false for other entities.
bool level_refused(Session& session, const Entity& entity);
// Down into a component (refused for library modules and external entities as above) or into
// a process of the block diagram `here`.
bool level_down_into(Session& session, Component& component);
bool level_down_into(Session& session, const Level& here, Process& process);
// The "trap" tool: a click on a component or process goes down, a click elsewhere goes up.
bool trap_click(Session& session, Point at);
// One level up: from a process to its architecture, from an architecture to the first one that
// instantiates it. At the top, "%s '%s' is not instantiated in this %s: no parent level
// known." (false).
bool level_up(Session& session);
// "&Top": the diagram of the top-level entity.
bool level_top(Session& session);

// Opens the HDL file of an HDL-file architecture or process in the external editor, its
// skeleton made current first (the language of the design).
bool open_hdl_file(Session& session, Entity& entity, Architecture& architecture, Process* process);

} // namespace zeph
