// Visiting the entities and block diagrams of a design.
#include "blockdiagram/design_walk.h"

#include "design/block_diagram.h"

namespace zeph {

namespace {
void visit_entity(Entity& entity, const std::function<void(Entity&)>& visit) {
    visit(entity);
    if (entity.testbench != nullptr) visit_entity(*entity.testbench, visit);
}
} // namespace

void for_each_entity(Design& design, const std::function<void(Entity&)>& visit) {
    for (auto& entity : design.entities)
        visit_entity(*entity, visit);
}

void for_each_block_diagram(Design& design, const std::function<void(Architecture&)>& visit) {
    for_each_entity(design, [&](Entity& entity) {
        for (auto& architecture : entity.architectures)
            if (architecture->block_diagram != nullptr) visit(*architecture);
    });
}

} // namespace zeph
