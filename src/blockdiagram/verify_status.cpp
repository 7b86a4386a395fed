// Status bit 64, "verified without error down the whole hierarchy", set after a whole-design
// run from the leaves of the hierarchy upwards.
#include "blockdiagram/design_walk.h"
#include "blockdiagram/verify_context.h"

#include "design/block_diagram.h"
#include "design/status_flags.h"

#include <unordered_set>

namespace zeph {

namespace {

// Entities are resolved on demand, so that the order of the entity list does not matter; an
// entity met again while it is being resolved (an instantiation cycle) counts as not verified.
class Marker {
  public:
    bool entity_done(Entity& entity);

  private:
    bool architecture_done(Architecture& architecture);
    bool component_done(Component& component);

    std::unordered_set<const Entity*> resolved_;
    std::unordered_set<const Entity*> active_;
};

bool Marker::component_done(Component& component) {
    if (!component.library_module.path.empty()) return true;
    Entity* entity = component.entity;
    if (entity == nullptr) return false;
    if (entity->is_library_module()) return true;
    if (!entity_done(*entity) || has_error(entity->status)) return false;
    if (entity->external) return true;
    Architecture* bound = component.bound_architecture;
    if (bound == nullptr && !entity->architectures.empty())
        bound = entity->architectures.front().get();
    return bound != nullptr && (bound->status & kStatusVerifiedDown) != 0;
}

bool Marker::architecture_done(Architecture& architecture) {
    if (has_error(architecture.status)) return false;
    if (architecture.kind == kArchitectureHdlFile || architecture.kind == kArchitectureStateDiagram)
        return true;
    if (architecture.kind != kArchitectureBlockDiagram || architecture.block_diagram == nullptr)
        return false;
    for (auto& process : architecture.block_diagram->processes)
        if (has_error(process->status)) return false;
    bool all = true;
    for (auto& component : architecture.block_diagram->components)
        all = component_done(*component) && all;
    return all;
}

bool Marker::entity_done(Entity& entity) {
    if (resolved_.contains(&entity)) return true;
    if (active_.contains(&entity)) return false;
    active_.insert(&entity);
    if (!entity.is_library_module()) {
        bool any = false;
        for (auto& architecture : entity.architectures) {
            if (entity.external) break;
            if (architecture_done(*architecture)) {
                architecture->status |= kStatusVerifiedDown;
                any = true;
            }
        }
        if (!has_error(entity.status) && (any || entity.external))
            entity.status |= kStatusVerifiedDown;
    }
    active_.erase(&entity);
    resolved_.insert(&entity);
    return true;
}

} // namespace

bool verified_root_candidate(const Design& design, const Entity& entity) {
    return !entity.is_library_module() && !entity.external && &entity != design.root &&
           (entity.status & kStatusVerifiedDown) != 0;
}

bool has_verified_root_candidate(const Design& design) {
    for (const auto& entity : design.entities)
        if (verified_root_candidate(design, *entity)) return true;
    return false;
}

void mark_verified_down(Design& design) {
    std::vector<Entity*> entities;
    for_each_entity(design, [&](Entity& e) { entities.push_back(&e); });
    Marker marker;
    for (auto it = entities.rbegin(); it != entities.rend(); ++it)
        marker.entity_done(**it);
}

} // namespace zeph
