// Walking the hierarchy: instances, binding counts, recursion and architecture names.
#include "blockdiagram/hierarchy.h"

#include "blockdiagram/design_walk.h"
#include "blockdiagram/diagram_labels.h"
#include "foundation/strings.h"

#include <set>

namespace zeph {

namespace {
constexpr const char* kArchitectureKindWords[] = {"Undefined", "Block Diagram", "HDL File",
                                                  "State Diagram", "Table"};

bool reaches_from(const Entity& from, const Entity& target, std::set<const Entity*>& seen) {
    if (&from == &target) return true;
    if (!seen.insert(&from).second) return false;
    for (const auto& architecture : from.architectures) {
        if (architecture->block_diagram == nullptr) continue;
        for (const auto& component : architecture->block_diagram->components)
            if (component->entity != nullptr && reaches_from(*component->entity, target, seen))
                return true;
    }
    return false;
}
} // namespace

char architecture_letter(int kind) {
    return kind >= 0 && kind < 5 ? kArchitectureLetters[kind] : 'U';
}

std::string architecture_tag(const Architecture& architecture) {
    return format_text("%s(%c)", architecture.name.c_str(), architecture_letter(architecture.kind));
}

std::string architecture_kind_text(int kind) {
    return kind >= 0 && kind < 5 ? kArchitectureKindWords[kind] : kArchitectureKindWords[0];
}

void for_each_component(Design& design, const std::function<void(Component&)>& visit) {
    for_each_block_diagram(design, [&](Architecture& architecture) {
        for (auto& component : architecture.block_diagram->components)
            visit(*component);
    });
}

std::vector<Component*> instances_of(Design& design, const Entity& entity) {
    std::vector<Component*> found;
    for_each_component(design, [&](Component& component) {
        if (component.entity == &entity) found.push_back(&component);
    });
    return found;
}

int times_bound(Design& design, const Architecture& architecture) {
    int count = 0;
    for_each_component(design, [&](Component& component) {
        if (component.bound_architecture == &architecture) ++count;
    });
    return count;
}

bool reaches(const Entity& from, const Entity& target) {
    std::set<const Entity*> seen;
    return reaches_from(from, target, seen);
}

void bind_component(Component& component, Architecture* architecture) {
    component.bound_architecture = architecture;
    // A library module's binding is stored by name: the file keeps what the user chose.
    if (component.entity != nullptr && component.entity->is_library_module())
        component.library_module.architecture_name =
            architecture != nullptr ? architecture->name : std::string();
    refresh_label(component.name_label,
                  component_label_text(component, component.name_label.options));
}

void refresh_component_labels(Design& design) {
    for_each_component(design, [](Component& component) {
        refresh_label(component.name_label,
                      component_label_text(component, component.name_label.options));
    });
}

} // namespace zeph
