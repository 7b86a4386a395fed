// The levels of a design and the parent of a level.
#include "blockdiagram/design_levels.h"

#include "design/architecture.h"
#include "design/block_diagram.h"
#include "design/design_constructors.h"
#include "design/entity.h"
#include "design/process.h"

#include <algorithm>

namespace zeph {

namespace {

char letter(const char* letters, int kind, int count) {
    return kind >= 0 && kind < count ? letters[kind] : letters[0];
}

bool has_own_diagrams(const Entity& entity) {
    return !entity.is_library_module() && !entity.external;
}
} // namespace

std::vector<Level> design_levels(Design& design) {
    // By name, as the design file lists them: entities added since loading stand at the end of
    // the design's list.
    std::vector<Entity*> entities;
    for (auto& entity : design.entities)
        if (has_own_diagrams(*entity)) entities.push_back(entity.get());
    std::stable_sort(entities.begin(), entities.end(),
                     [](const Entity* a, const Entity* b) { return a->name < b->name; });
    std::vector<Level> levels;
    for (Entity* entity : entities) {
        for (auto& architecture : entity->architectures) {
            levels.push_back({entity, architecture.get(), nullptr});
            if (architecture->block_diagram == nullptr) continue;
            for (auto& process : architecture->block_diagram->processes)
                if (process->kind == kProcessStateDiagram)
                    levels.push_back({entity, architecture.get(), process.get()});
        }
    }
    return levels;
}

std::string level_text(const Level& level) {
    std::string text = level.entity->name + " " + level.architecture->name + "(" +
                       letter(kArchitectureLetters, level.architecture->kind, 5) + ")";
    if (level.process != nullptr)
        text +=
            " " + level.process->name + "(" + letter(kProcessLetters, level.process->kind, 3) + ")";
    return text;
}

std::optional<Level> parent_level(Design& design, const Architecture& architecture) {
    for (auto& entity : design.entities) {
        if (!has_own_diagrams(*entity)) continue;
        for (auto& owner : entity->architectures) {
            if (owner->block_diagram == nullptr) continue;
            for (auto& component : owner->block_diagram->components)
                if (component->bound_architecture == &architecture)
                    return Level{entity.get(), owner.get(), nullptr};
        }
    }
    return std::nullopt;
}

std::optional<Level> top_level(Design& design) {
    Entity* top = design.root != nullptr ? design.root : find_entity(design, "Toplevel");
    if (top == nullptr || top->architectures.empty()) return std::nullopt;
    return Level{top, top->architectures.front().get(), nullptr};
}

} // namespace zeph
