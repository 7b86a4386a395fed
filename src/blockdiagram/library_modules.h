// Library modules: the entities of another design project, used read-only. Loading takes
// their interfaces (ports, generics, architectures) from the other project's saved design
// file; every load of a design that uses them fetches them again and reports the components
// whose stored binding no longer fits.
#pragma once

#include "blockdiagram/edit_outcome.h"
#include "design/design.h"
#include "design/library_entity.h"
#include "ui/platform.h"

#include <string>

namespace zeph {

// Adds every entity of the project at `project_path` (but its top level) as a library module
// ("[L:%s]"). The open project itself is refused with "Current project not allowed."; an
// entity of the same name as one of the design's own is refused with message 48. Done when
// one was added.
Outcome load_library_module(ui::Platform& platform, Design& design, const std::string& project_path,
                            const std::string& current_project, const LibraryHooks& hooks = {});

// Fetches every library module of the design again and fits its components to it: a lost
// architecture binds the first one ("Requested ... not found; binding ... instead."), changed
// numbers of generics or ports are reported ("Mismatch in number of ..."), and the components
// of an entity the library no longer gives are removed ("Loading ... aborted: ... deleted.").
// Report lines go to the report window.
void refresh_library_modules(ui::Platform& platform, Design& design,
                             const LibraryHooks& hooks = {});

} // namespace zeph
