// Macros: a design subtree saved from a component into its own project directory (".vmp",
// holding "macro.vmf" and the entities' directories) and loaded into another design as a new
// component of the subtree's root entity.
#pragma once

#include "blockdiagram/diagram_editor.h"
#include "blockdiagram/edit_outcome.h"
#include "design/library_entity.h"
#include "design/project_paths.h"

#include <optional>
#include <string>
#include <vector>

namespace zeph {

// The component's entity and every entity below it that the design holds (library modules
// stay references), root first.
std::vector<const Entity*> macro_subtree(const Entity& root);

// Saves the subtree below the component into the macro project at `path` (validated for a
// macro), after "Enter %s:" asked for the "macro project info" unless `information` is given. A
// component of a library module is refused with "Read-only component instantiates library
// module."; a failure removes the macro directory again.
Outcome save_macro(ui::Platform& platform, Design& design, const Component& component,
                   const std::string& path,
                   const std::optional<std::string>& information = std::nullopt);

// Loads the macro of the project (or the macro file) at `path` into the editor's design:
// its entities (each shown with "Loading '%s'..."), their directories copied into the working
// copy under new names, library modules refreshed, then a component of the root entity placed
// at `at` and named as a new component. A read error is message 4, 102 or 103; whatever failed
// to load is removed again (entities, copied directories, the directory counter).
Outcome load_macro(DiagramEditor& editor, const std::string& path, Point at,
                   const std::optional<std::string>& name = std::nullopt,
                   const LibraryHooks& hooks = {});

} // namespace zeph
