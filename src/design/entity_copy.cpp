// Copying an entity by writing its records and reading them back: the file format is the one
// description of everything an entity holds, so a copy made this way misses nothing.
#include "design/entity_copy.h"

#include "design/block_diagram.h"
#include "design/design_constructors.h"
#include "design/design_reader.h"
#include "design/design_text_reader.h"
#include "design/design_writer.h"
#include "design/name_limits.h"
#include "foundation/strings.h"

namespace zeph {

namespace {
constexpr int kCurrentVersionIndex = 9;

// Library modules met while reading were made afresh in the scratch design; the copy uses the
// design's own records of them.
bool adopt_library_modules(Design& design, Design& scratch, Entity& copy) {
    for (auto& architecture : copy.architectures) {
        if (architecture->block_diagram == nullptr) continue;
        for (auto& component : architecture->block_diagram->components) {
            Entity* entity = component->entity;
            if (entity == nullptr || !entity->is_library_module()) continue;
            Entity* own = nullptr;
            for (auto& candidate : design.entities)
                if (candidate->name == entity->name &&
                    candidate->library_module_path == entity->library_module_path)
                    own = candidate.get();
            if (own == nullptr) return false;
            Architecture* bound =
                find_architecture(*own, component->library_module.architecture_name);
            component->entity = own;
            component->bound_architecture =
                bound != nullptr
                    ? bound
                    : (own->architectures.empty() ? nullptr : own->architectures.front().get());
            for (std::size_t i = 0; i < component->port_instances.size(); ++i)
                component->port_instances[i].port =
                    i < own->ports.size() ? own->ports[i].get() : nullptr;
            for (std::size_t i = 0; i < component->generic_values.size(); ++i)
                component->generic_values[i].generic =
                    i < own->generics.size() ? own->generics[i].get() : nullptr;
        }
    }
    (void)scratch;
    return true;
}
} // namespace

std::unique_ptr<Entity> copy_entity(Design& design, const Entity& entity, std::string_view name) {
    DesignTextWriter out;
    DesignWriter writer(out);
    writer.entity_block(entity);
    writer.component_records(entity);
    std::string text = out.take();

    Design scratch;
    scratch.entity_directory_counter = design.entity_directory_counter;
    std::unique_ptr<Entity> copy;
    try {
        DesignTextReader in(text);
        ReadHooks hooks;
        DesignReader reader(in, kCurrentVersionIndex, ReadMode::Macro, hooks, scratch);
        reader.set_outer_design(&design);
        Entity& read = add_entity(scratch, reader.entity_block(nullptr, 0));
        reader.component_section();
        copy = remove_entity(scratch, &read);
    } catch (const ReadFailure&) {
        return nullptr;
    }
    if (copy == nullptr || !adopt_library_modules(design, scratch, *copy)) return nullptr;
    copy->testbench.reset();
    copy->tested_entity = nullptr;
    copy->name = bounded(name, kMaxHdlName);
    copy->directory = new_entity_directory(design, copy->name);
    return copy;
}

} // namespace zeph
