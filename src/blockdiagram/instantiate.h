// Placing a component of an entity that exists already, bound to a chosen architecture (the
// "Instantiate" dialog, and "Library '%s'" for the entities of a library project).
#pragma once

#include "blockdiagram/diagram_editor.h"

#include <optional>
#include <string>

namespace zeph {

// Without an entity or an architecture: "No %s specified."; an entity that would make the
// hierarchy recursive: "Recursion not allowed.". The name is asked with "Enter %s identifier:"
// (the first free default name proposed, message 48 for a used one and asked again) unless
// given. The box's top-left corner is at `at`. One undoable edit.
Outcome instantiate(DiagramEditor& editor, Point at, Entity* entity, Architecture* architecture,
                    const std::optional<std::string>& name = std::nullopt);

} // namespace zeph
