// Renaming an entity with everything that names it.
#include "blockdiagram/entity_rename.h"

#include "blockdiagram/hierarchy.h"
#include "design/design_constructors.h"
#include "design/name_limits.h"
#include "design/project_files.h"
#include "design/project_paths.h"
#include "foundation/strings.h"

namespace zeph {

namespace {
constexpr const char* kWork = "work";
} // namespace

void rename_entity(ui::Platform& platform, Design& design, Entity& entity,
                   const std::string& name) {
    const std::string old_name = entity.name;
    const std::string new_name = bounded(name, kMaxHdlName);
    for (auto& configuration : design.configurations)
        for (Binding& binding : configuration->bindings) {
            if (binding.entity == old_name) binding.entity = new_name;
            if (binding.bound_entity == old_name) binding.bound_entity = new_name;
        }
    entity.name = new_name;
    if (!entity.is_library_module() && !entity.directory.empty()) {
        std::string from = join_path(kWork, entity.directory);
        std::string directory = new_entity_directory(design, new_name);
        if (!path_exists(from) || rename_path(platform, from, join_path(kWork, directory)))
            entity.directory = directory;
    }
    refresh_component_labels(design);
}

} // namespace zeph
