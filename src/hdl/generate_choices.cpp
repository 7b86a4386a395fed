// Root and working-library choices of the generate dialog.
#include "hdl/generate_choices.h"

#include "design/block_diagram.h"
#include "design/design.h"
#include "design/status_flags.h"
#include "foundation/system_message.h"
#include "hdl/identifier_rules.h"

namespace zeph {

namespace {
bool verified_down(unsigned status) {
    return (status & kStatusVerifiedDown) != 0;
}
} // namespace

bool eligible_root(const Design& design, const Entity& entity) {
    return !entity.is_library_module() && !entity.external && &entity != design.root &&
           verified_down(entity.status);
}

std::vector<const Entity*> eligible_roots(const Design& design) {
    std::vector<const Entity*> roots;
    for (const auto& entity : design.entities)
        if (eligible_root(design, *entity)) roots.push_back(entity.get());
    return roots;
}

const Entity* proposed_root(const Design& design, const Entity* remembered) {
    for (const auto& entity : design.entities)
        if (entity.get() == remembered) return remembered;
    const Entity* top = design.root;
    if (top == nullptr || top->architectures.empty() || !verified_down(top->status)) return nullptr;
    const Architecture& architecture = *top->architectures.front();
    if (!verified_down(architecture.status) || !architecture.block_diagram ||
        architecture.block_diagram->components.empty())
        return nullptr;
    const Component& first = *architecture.block_diagram->components.front();
    if (first.entity == nullptr || first.bound_architecture == nullptr) return nullptr;
    if (!verified_down(first.entity->status) || !verified_down(first.bound_architecture->status))
        return nullptr;
    return first.entity;
}

bool check_working_library(ui::Platform& platform, const std::string& name, int rules) {
    if (name.empty()) return true;
    int code = check_identifier(name, kHdlNameLimit, rules);
    if (code == 0) return true;
    system_message(platform, code, 0, name.c_str());
    return false;
}

} // namespace zeph
