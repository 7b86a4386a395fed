// Saving and loading macros.
#include "blockdiagram/macros.h"

#include "blockdiagram/diagram_messages.h"
#include "blockdiagram/instantiate.h"
#include "blockdiagram/library_modules.h"
#include "design/block_diagram.h"
#include "design/design_constructors.h"
#include "design/design_file.h"
#include "design/macro_file.h"
#include "design/name_limits.h"
#include "design/project_files.h"
#include "design/project_paths.h"
#include "foundation/file_names.h"
#include "foundation/strings.h"

#include <set>

namespace zeph {

namespace {
constexpr const char* kWork = kWorkDirectory;

void collect(const Entity& entity, std::set<const Entity*>& seen,
             std::vector<const Entity*>& order) {
    if (entity.is_library_module() || !seen.insert(&entity).second) return;
    order.push_back(&entity);
    for (const auto& architecture : entity.architectures) {
        if (architecture->block_diagram == nullptr) continue;
        for (const auto& component : architecture->block_diagram->components)
            if (component->entity != nullptr) collect(*component->entity, seen, order);
    }
}

bool copy_directories(ui::Platform& platform, const std::vector<const Entity*>& entities,
                      const std::string& from, const std::string& to) {
    for (const Entity* entity : entities) {
        if (entity->directory.empty()) continue;
        std::string source = join_path(from, entity->directory);
        if (!path_exists(source)) continue;
        std::string target = join_path(to, entity->directory);
        platform.status(format_text("Copying '%s' to '%s'...", source.c_str(), target.c_str()),
                        false);
        if (!copy_tree(platform, source, target)) return false;
    }
    return true;
}

std::string macro_file_of(const std::string& path) {
    std::string stripped = strip_separator(path);
    return is_directory(stripped) ? join_path(stripped, kMacroFileName) : stripped;
}

// Takes back what a failed load added.
void undo_macro_load(ui::Platform& platform, Design& design, const std::vector<Entity*>& entities,
                     const std::vector<std::string>& copied, int counter) {
    for (const std::string& directory : copied)
        if (path_exists(directory)) delete_tree(platform, directory);
    for (Entity* entity : entities)
        remove_entity(design, entity);
    design.entity_directory_counter = counter;
}
} // namespace

std::vector<const Entity*> macro_subtree(const Entity& root) {
    std::set<const Entity*> seen;
    std::vector<const Entity*> order;
    collect(root, seen, order);
    return order;
}

Outcome save_macro(ui::Platform& platform, Design& design, const Component& component,
                   const std::string& path, const std::optional<std::string>& information) {
    if (component.entity == nullptr) return Outcome::Cancelled;
    if (component.entity->is_library_module()) return refuse(platform, kReadOnlyComponent);
    std::string project = strip_separator(path);
    if (!validate_project_path(platform, project, PathPurpose::Macro)) return Outcome::Refused;
    std::optional<std::string> info = information;
    if (!info)
        info = platform.prompt_text(format_text("Enter %s:", "macro project info"), "",
                                    kMaxMacroInformation);
    if (!info) return Outcome::Cancelled;
    std::vector<const Entity*> entities = macro_subtree(*component.entity);
    std::string file = join_path(project, kMacroFileName);
    platform.status(format_text("Saving '%s'...", file.c_str()), false);
    if (!create_directory(platform, project)) return Outcome::Refused;
    int code = write_macro_file(file, *info, *component.entity, entities);
    if (code != 0) show_write_failure(platform, code, file);
    if (code != 0 || !copy_directories(platform, entities, kWork, project)) {
        delete_tree(platform, project);
        return Outcome::Refused;
    }
    platform.status("", false);
    (void)design;
    return Outcome::Done;
}

Outcome load_macro(DiagramEditor& editor, const std::string& path, Point at,
                   const std::optional<std::string>& name, const LibraryHooks& hooks) {
    ui::Platform& platform = editor.platform();
    Design& design = editor.design();
    const std::string file = macro_file_of(path);
    const std::string project = parent_directory(file);
    const int counter = design.entity_directory_counter;
    MacroLoad load;
    int code = read_macro_file(platform, file, design, load);
    if (code != 0) {
        show_read_failure(platform, code, file);
        undo_macro_load(platform, design, load.entities, {}, counter);
        return Outcome::Refused;
    }
    std::vector<std::string> copied;
    for (Entity* entity : load.entities) {
        platform.status(format_text("Loading '%s'...", entity->name.c_str()), false);
        std::string stored = entity->directory;
        entity->directory = new_entity_directory(design, entity->name);
        std::string source = join_path(project, stored);
        if (stored.empty() || !path_exists(source)) continue;
        std::string target = join_path(kWork, entity->directory);
        platform.status(format_text("Copying '%s' to '%s'...", source.c_str(), target.c_str()),
                        false);
        copied.push_back(target);
        if (!copy_tree(platform, source, target)) {
            undo_macro_load(platform, design, load.entities, copied, counter);
            return Outcome::Refused;
        }
    }
    refresh_library_modules(platform, design, hooks);
    Entity* root = find_entity(design, load.header.root_name);
    Architecture* bound = root != nullptr && !root->architectures.empty()
                              ? root->architectures.front().get()
                              : nullptr;
    editor.hierarchy_changed();
    Outcome placed = instantiate(editor, at, root, bound, name);
    if (placed != Outcome::Done) {
        undo_macro_load(platform, design, load.entities, copied, counter);
        editor.hierarchy_changed();
        return placed;
    }
    platform.status("", false);
    return Outcome::Done;
}

} // namespace zeph
