// Adding objects to the current block diagram: a component of a new entity, a process of
// either kind, a diagram generic, a port of each mode, a free placed text. Each is one
// undoable edit; a given name (or text) replaces the prompt.
#pragma once

#include "blockdiagram/diagram_editor.h"

#include <optional>
#include <string>

namespace zeph {

// The variants of the "Add Component of New Entity" tool.
enum class NewEntityKind { BlockDiagram, HdlFile, StateDiagram, External };

inline constexpr int kDefaultProcessWidth = 512;
inline constexpr int kDefaultProcessHeight = 512;

// Asks "Enter %s identifier:" (the component word) for the component's name; the new entity
// is named `entity_name`, or the first free "n%d", and gets one architecture of the kind
// (an external entity an HDL-file one). The box's top-left corner is at `at`.
Outcome add_component_of_new_entity(DiagramEditor& editor, Point at, NewEntityKind kind,
                                    const std::optional<std::string>& name = std::nullopt,
                                    const std::optional<std::string>& entity_name = std::nullopt);

// A process box with its top-left corner at `at`, kind 1 (HDL file) or 2 (state diagram),
// named `name` or the first free "pr%d".
Outcome add_process(DiagramEditor& editor, Point at, int kind,
                    const std::optional<std::string>& name = std::nullopt);

// A new generic of the entity, listed at `at` on this diagram.
Outcome add_generic(DiagramEditor& editor, Point at,
                    const std::optional<std::string>& name = std::nullopt);

// A port of the mode at `at`: inside a component's box it becomes a port of the component's
// entity on the nearest border; inside a process box a process port on the nearest border;
// elsewhere a diagram port (a new port of the current entity, placed on the entity's symbol at
// a free place of its side). Refused with "Position already occupied." within 63 units of
// another port and with "Read-only component instantiates library module.".
Outcome add_port(DiagramEditor& editor, Point at, int mode,
                 const std::optional<std::string>& name = std::nullopt);

// Places a port like `model` within an edit, by the rules of add_port; with
// `onto_process_only` (a process port being copied) anywhere but on a process is "Illegal
// position.". Used by add_port and by copying ports.
Outcome place_port(Edit& edit, const Port& model, Point at, const std::optional<std::string>& name,
                   bool onto_process_only);

// "Enter text:" (up to 256 characters); the text is placed at `at` with the default size and
// colour.
Outcome add_free_text(DiagramEditor& editor, Point at,
                      const std::optional<std::string>& text = std::nullopt);

} // namespace zeph
