// Purging unused entities and architectures.
//
// What counts as used depends on the first answer: Yes follows only the architectures the
// components are bound to from the top level down ("configuration"), No every architecture of
// every entity reached ("design").
#include "blockdiagram/purge.h"

#include "blockdiagram/hierarchy.h"
#include "blockdiagram/hierarchy_removal.h"
#include "design/block_diagram.h"
#include "design/design_constructors.h"
#include "foundation/kind_vocabulary.h"
#include "foundation/strings.h"

#include <set>
#include <vector>

namespace zeph {

namespace {
constexpr const char* kPurgeTitle = "Purge";

// The entities below one architecture: through the bound architectures only, or through
// every architecture of every entity met.
struct Reach {
    bool bound_only = false;
    std::set<const Entity*> entities;
    std::set<const Architecture*> visited;

    void architecture(const Architecture& from) {
        if (!visited.insert(&from).second || from.block_diagram == nullptr) return;
        for (const auto& component : from.block_diagram->components) {
            if (component->entity == nullptr) continue;
            entities.insert(component->entity);
            if (bound_only) {
                if (component->bound_architecture != nullptr)
                    architecture(*component->bound_architecture);
                continue;
            }
            for (const auto& each : component->entity->architectures)
                architecture(*each);
        }
    }
};

std::string markers(const Entity& entity) {
    std::string text;
    if (entity.is_library_module())
        text += format_text("[L:%s]", entity.library_module_name.c_str());
    if (entity.external) text += "[X]";
    return text;
}
} // namespace

Outcome purge(ui::Platform& platform, Design& design) {
    const int language = design.target_language;
    const std::string entities_word = kind_name(language, kKindEntity, 0, 2);
    const std::string architectures_word = kind_name(language, kKindArchitecture, 0, 2);
    ui::Answer scope_answer = platform.ask_yes_no_cancel(
        kPurgeTitle,
        format_text("Do you want to purge those %s that are instantiated in UNbound %s,\n but not "
                    "instantiated in bound %s, too?",
                    entities_word.c_str(), architectures_word.c_str(), architectures_word.c_str()));
    if (scope_answer == ui::Answer::Cancel) return Outcome::Cancelled;
    const bool bound_only = scope_answer == ui::Answer::Yes;
    const std::string scope =
        kind_name(language, bound_only ? kKindConfiguration : kKindDesign, 0, 1);

    Entity* top = design.root != nullptr ? design.root : find_entity(design, "Toplevel");
    Reach reach{bound_only, {}, {}};
    if (top != nullptr) {
        reach.entities.insert(top);
        if (!top->architectures.empty()) reach.architecture(*top->architectures.front());
    }
    const std::set<const Entity*>& reached = reach.entities;

    const std::string entity_word = kind_name(language, kKindEntity, kKindCapital, 1);
    std::vector<Entity*> doomed_entities;
    for (auto& entity : design.entities) {
        if (reached.contains(entity.get())) continue;
        ui::Answer answer = platform.ask_yes_no_cancel(
            kPurgeTitle,
            format_text("%s '%s'%s is not instantiated in this %s.\nRemove?", entity_word.c_str(),
                        entity->name.c_str(), markers(*entity).c_str(), scope.c_str()));
        if (answer == ui::Answer::Cancel) return Outcome::Cancelled;
        if (answer == ui::Answer::Yes) doomed_entities.push_back(entity.get());
    }

    std::set<const Entity*> leaving(doomed_entities.begin(), doomed_entities.end());
    const std::string architecture_word = kind_name(language, kKindArchitecture, kKindCapital, 1);
    const std::string entity_lower = kind_name(language, kKindEntity, 0, 1);
    std::vector<std::pair<Entity*, Architecture*>> doomed_architectures;
    for (auto& entity : design.entities) {
        if (entity.get() == top || entity->is_library_module() || leaving.contains(entity.get()))
            continue;
        for (auto& architecture : entity->architectures) {
            if (times_bound(design, *architecture) != 0) continue;
            ui::Answer answer = platform.ask_yes_no_cancel(
                kPurgeTitle,
                format_text("%s '%s' of %s '%s' is not bound in this %s.\nRemove?",
                            architecture_word.c_str(), architecture->name.c_str(),
                            entity_lower.c_str(), entity->name.c_str(), scope.c_str()));
            if (answer == ui::Answer::Cancel) return Outcome::Cancelled;
            if (answer == ui::Answer::Yes)
                doomed_architectures.emplace_back(entity.get(), architecture.get());
        }
    }

    if (doomed_entities.empty() && doomed_architectures.empty()) return Outcome::Cancelled;
    for (auto& [entity, architecture] : doomed_architectures)
        discard_architecture(platform, design, *entity, *architecture);
    for (Entity* entity : doomed_entities)
        discard_entity(platform, design, *entity);
    refresh_component_labels(design);
    return Outcome::Done;
}

} // namespace zeph
