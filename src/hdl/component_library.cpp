// Libraries of the components of a block diagram.
#include "hdl/component_library.h"

#include "design/block_diagram.h"
#include "design/entity.h"
#include "foundation/strings.h"
#include "hdl/hdl_context.h"
#include "hdl/vhdl_keywords.h"

#include <vector>

namespace zeph {

bool names_own_library(const Entity& entity) {
    return (entity.is_library_module() || entity.external) && !entity.library_name.empty();
}

std::string binding_library(const HdlContext& context, const Entity& entity) {
    if (names_own_library(entity)) return entity.library_name;
    if (!context.working_library.empty()) return context.working_library;
    return "work";
}

void write_component_libraries(std::ostream& out, const KeywordTable& keywords,
                               const BlockDiagram& diagram) {
    std::vector<const Entity*> named;
    for (const auto& component : diagram.components)
        if (component->entity != nullptr && names_own_library(*component->entity))
            named.push_back(component->entity);
    if (named.empty()) return;
    std::vector<std::string> seen;
    for (const Entity* entity : named) {
        std::string lower = to_lower_ascii(entity->library_name);
        bool repeated = false;
        for (const std::string& earlier : seen)
            repeated = repeated || earlier == lower;
        if (repeated) continue;
        if (seen.empty())
            out << "\n" << keywords.keyword("LIBRARY") << " " << entity->library_name;
        else
            out << ", " << entity->library_name;
        seen.push_back(lower);
    }
    out << " ;\n";
    for (const Entity* entity : named)
        out << keywords.keyword("USE") << " " << entity->library_name << "." << entity->name
            << " ;\n";
}

} // namespace zeph
