// Fetching the interface of one entity from another project's saved design file, for a
// read-only library module.
#pragma once

#include "design/entity.h"
#include "ui/platform.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace zeph {

// Reads the entity `name` of a design file text in interface mode (no testbench, no HDL file
// names, no components). Returns 0, a failing line, a negative version code, or
// kReadEntityNotFound.
int read_library_entity_text(std::string_view text, std::string_view name,
                             std::unique_ptr<Entity>& entity);

struct LibraryHooks {
    // Resolves logical directory names of a project path; nullopt refuses it. Default:
    // the path unchanged.
    std::function<std::optional<std::string>(const std::string& path)> resolve_path;
};

// The entity `name` of the project at `project_path` (its design/design.vdf), with its
// library-module path and name set; asks for another project or name while they are not
// found; null when the user cancels or the file cannot be read (the message is shown). Kind
// words are those of the design's language.
std::unique_ptr<Entity> read_library_entity(ui::Platform& platform, int language,
                                            const std::string& project_path,
                                            const std::string& name,
                                            const LibraryHooks& hooks = {});

} // namespace zeph
