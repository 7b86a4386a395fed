// Removal of entities and architectures with their directories.
#include "blockdiagram/hierarchy_removal.h"

#include "blockdiagram/design_walk.h"
#include "blockdiagram/hierarchy.h"
#include "design/block_diagram.h"
#include "design/design_constructors.h"
#include "design/project_files.h"
#include "design/project_paths.h"

namespace zeph {

namespace {
void remove_directory(ui::Platform& platform, const std::string& directory) {
    if (path_exists(directory)) delete_tree(platform, directory);
}

bool inside(const Architecture* architecture, const Entity& entity) {
    return architecture != nullptr && architecture->entity == &entity;
}

// The current diagram moves to the top level when it is about to go.
void leave_current(Design& design, const Entity* entity, const Architecture* architecture) {
    bool gone = (entity != nullptr && design.current_entity == entity) ||
                (architecture != nullptr && design.current_architecture == architecture);
    if (!gone) return;
    design.current_process = nullptr;
    design.current_entity = nullptr;
    design.current_architecture = nullptr;
    Entity* top = design.root != nullptr ? design.root : find_entity(design, "Toplevel");
    if (top == nullptr || top == entity || top->architectures.empty()) return;
    for (auto& candidate : top->architectures)
        if (candidate.get() != architecture) {
            design.current_entity = top;
            design.current_architecture = candidate.get();
            return;
        }
}
} // namespace

void discard_architecture(ui::Platform& platform, Design& design, Entity& entity,
                          Architecture& architecture) {
    for_each_component(design, [&](Component& component) {
        if (component.bound_architecture == &architecture) bind_component(component, nullptr);
    });
    leave_current(design, nullptr, &architecture);
    if (!entity.is_library_module() && !architecture.directory.empty())
        remove_directory(platform, architecture_directory(design, entity, architecture));
    remove_architecture(entity, &architecture);
}

void discard_entity(ui::Platform& platform, Design& design, Entity& entity) {
    for_each_block_diagram(design, [&](Architecture& owner) {
        if (owner.entity == &entity) return;
        auto& components = owner.block_diagram->components;
        std::erase_if(components, [&](const auto& c) {
            return c->entity == &entity || inside(c->bound_architecture, entity);
        });
    });
    leave_current(design, &entity, nullptr);
    if (!entity.is_library_module() && !entity.directory.empty())
        remove_directory(platform, entity_directory(design, entity));
    remove_entity(design, &entity);
}

} // namespace zeph
