// Creating, linking, finding and removing design records. Constructors return zeroed records
// with the documented initial values; the add functions append to the owner and set the back
// links; removal keeps the order of the remaining elements.
#pragma once

#include "design/block_diagram.h"
#include "design/design.h"
#include "design/design_defaults.h"

#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace zeph {

// A new entity; a non-empty name also gives it a directory name (raising the design's counter
// when the name is longer than 8 characters). Symbol 1024 high and 512 wide.
std::unique_ptr<Entity> new_entity(Design& design, std::string_view name);
// Directory names: the name itself when it has at most 8 characters, else the counter and the
// name cut to 8 (the counter is raised); lower case in both cases.
std::string new_entity_directory(Design& design, std::string_view name);
std::string new_architecture_directory(Entity& entity, std::string_view name);

// The configured default name of the kind (section "DefaultNames" of the settings, carried by
// the defaults), or the first free "a%d" among the owner's architectures.
std::string default_architecture_name(int kind, bool external, const Entity* owner,
                                      const DesignDefaults& defaults = documented_defaults());
// A new architecture of a kind with its sheet (size and grid of the defaults) and empty
// content; an empty name takes the default name. A state machine's style follows the design's
// synthesis tool.
std::unique_ptr<Architecture>
new_architecture(int kind, std::string_view name, const Entity* owner = nullptr,
                 const DesignDefaults& defaults = documented_defaults(), int synthesis_tool = 0);
// The same without a name (and without a search for a free one).
std::unique_ptr<Architecture>
new_unnamed_architecture(int kind, const DesignDefaults& defaults = documented_defaults(),
                         int synthesis_tool = 0);
Sheet new_sheet(int sheet_kind, const DesignDefaults& defaults = documented_defaults());
// Machine options at their defaults: implicit for the synthesis tool SilcSyn, else explicit.
std::unique_ptr<StateMachine> new_state_machine(int synthesis_tool);
std::unique_ptr<Generic> new_generic();
std::unique_ptr<Port> new_port();
std::unique_ptr<Process> new_process(std::string_view name, int kind,
                                     const DesignDefaults& defaults = documented_defaults(),
                                     int synthesis_tool = 0);
std::unique_ptr<Component> new_component();

Entity& add_entity(Design& design, std::unique_ptr<Entity> entity);
// Inserts where the name keeps the list sorted (after equal names), as loading leaves it, so
// that verification, generation and listings see entities in name order.
Entity& add_entity_in_order(Design& design, std::unique_ptr<Entity> entity);
// Also completes the architecture's generic and port placements to the entity's interface and
// gives it a directory name when it has none.
Architecture& add_architecture(Entity& entity, std::unique_ptr<Architecture> architecture);
// Links the component to its entity, bound architecture and owner, and creates its generic
// values and port instances parallel to the entity's generics and ports.
Component& add_component(BlockDiagram& diagram, Architecture& owner, Entity* entity,
                         Architecture* bound, std::unique_ptr<Component> component);
// The same with the entity's generics and ports given, as a reader that keeps them at hand
// passes them.
Component& add_component(BlockDiagram& diagram, Architecture& owner, Entity* entity,
                         Architecture* bound, std::unique_ptr<Component> component,
                         std::span<Generic* const> generics, std::span<Port* const> ports);
Process& add_process(BlockDiagram& diagram, Architecture& owner, std::unique_ptr<Process> process);
Port& add_process_port(Process& process, std::unique_ptr<Port> port);
void set_testbench(Entity& tested, std::unique_ptr<Entity> testbench);

// Exact comparison, first match wins.
Entity* find_entity(const Design& design, std::string_view name);
Architecture* find_architecture(const Entity& entity, std::string_view name);

std::unique_ptr<Entity> remove_entity(Design& design, Entity* entity);
std::unique_ptr<Architecture> remove_architecture(Entity& entity, Architecture* architecture);
std::unique_ptr<Component> remove_component(BlockDiagram& diagram, Component* component);
std::unique_ptr<Process> remove_process(BlockDiagram& diagram, Process* process);

// Sorts the entity list by name (byte order, stable).
void sort_entities(Design& design);

// Lines of a multi-line text: 0 when empty, else the line feeds plus one.
int text_line_count(std::string_view text);

} // namespace zeph
