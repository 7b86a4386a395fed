// Building the generation list and checking its bindings.
#include "hdl/generation_list.h"

#include "design/block_diagram.h"
#include "design/design.h"
#include "design/status_flags.h"
#include "foundation/kind_vocabulary.h"
#include "foundation/strings.h"
#include "foundation/system_message.h"
#include "hdl/hdl_context.h"

#include <algorithm>

namespace zeph {

namespace {
class ListBuilder {
  public:
    explicit ListBuilder(GenerationList& list) : list_(list) {}

    // `open` holds the architectures being descended, so that a recursive instantiation
    // (which verification refuses) cannot recurse without end.
    void descend(const Entity& entity, const Architecture& architecture, bool all) {
        if (architecture.kind != kArchitectureBlockDiagram || !architecture.block_diagram) return;
        if (std::find(open_.begin(), open_.end(), &architecture) != open_.end()) return;
        open_.push_back(&architecture);
        const auto& components = architecture.block_diagram->components;
        int level = list_.levels[&entity];
        bool bound = list_.bound_counts[&architecture] != 0;
        for (const auto& component : components) {
            const Entity* child = component->entity;
            if (child == nullptr) continue;
            if (!child->is_library_module())
                list_.levels[child] = std::max(level + 1, list_.levels[child]);
            if (bound && component->bound_architecture != nullptr)
                ++list_.bound_counts[component->bound_architecture];
        }
        for (const auto& component : components) {
            const Entity* child = component->entity;
            if (child == nullptr || child->is_library_module() || child->external) continue;
            if (all) {
                for (const auto& each : child->architectures)
                    descend(*child, *each, true);
            } else if (component->bound_architecture != nullptr) {
                descend(*child, *component->bound_architecture, false);
            }
        }
        open_.pop_back();
    }

  private:
    GenerationList& list_;
    std::vector<const Architecture*> open_;
};
} // namespace

GenerationList build_generation_list(const Design& design, const Entity& root,
                                     const Architecture* start) {
    GenerationList list;
    for (const auto& entity : design.entities) {
        list.levels[entity.get()] = 0;
        for (const auto& architecture : entity->architectures)
            list.bound_counts[architecture.get()] = 0;
    }
    list.levels[&root] = 1;
    ListBuilder builder(list);
    if (start != nullptr) {
        list.bound_counts[start] = 1;
        builder.descend(root, *start, false);
    } else {
        for (const auto& architecture : root.architectures)
            list.bound_counts[architecture.get()] = 1;
        for (const auto& architecture : root.architectures)
            builder.descend(root, *architecture, true);
    }
    int deepest = 0;
    for (const auto& [entity, level] : list.levels)
        deepest = std::max(deepest, level);
    for (int level = 1; level <= deepest; ++level)
        for (const auto& entity : design.entities)
            if (list.levels[entity.get()] == level) list.entities.push_back(entity.get());
    list.reached = list.entities.size();
    for (const auto& entity : design.entities)
        if (list.levels[entity.get()] == 0) list.entities.push_back(entity.get());
    return list;
}

int bound_clean_architectures(const HdlContext& context, const Entity& entity) {
    int count = 0;
    for (const auto& architecture : entity.architectures)
        if (context.is_bound(*architecture) && (architecture->status & kStatusError) == 0) ++count;
    return count;
}

const Entity* ambiguous_binding(const HdlContext& context, const GenerationList& list) {
    unsigned parts = context.parts;
    if ((parts & (kPartBoundArchitectures | kPartAllArchitectures)) == 0) return nullptr;
    if (parts & kPartConfigurationDeclarations) return nullptr;
    if (list.reached == 0) return nullptr;
    bool root_only =
        (parts & kPartRootAndSubtree) == 0 || (parts & kPartConfigurationSpecifications) != 0;
    std::size_t last = root_only ? 0 : list.reached - 1;
    for (std::size_t i = last + 1; i-- > 0;)
        if (bound_clean_architectures(context, *list.entities[i]) >= 2) return list.entities[i];
    return nullptr;
}

bool check_bindings(const HdlContext& context, const GenerationList& list) {
    if (!context.vhdl() || ambiguous_binding(context, list) == nullptr) return true;
    std::string question = format_text("%s needed to resolve bindings. Continue ?",
                                       context.kind_word(kKindConfiguration, kKindCapital).c_str());
    return context.platform.ask_yes_no(program_name(), question) == ui::Answer::Yes;
}

} // namespace zeph
