// Configuration specifications and declarations.
#include "hdl/configuration_text.h"

#include "design/block_diagram.h"
#include "design/design.h"
#include "design/status_flags.h"
#include "foundation/strings.h"
#include "hdl/component_library.h"
#include "hdl/hdl_context.h"
#include "hdl/netlist_text.h"
#include "hdl/vhdl_entity.h"
#include "hdl/vhdl_keywords.h"

#include <algorithm>
#include <vector>

namespace zeph {

namespace {
const char* bound_name(const Component& component) {
    return component.bound_architecture != nullptr ? component.bound_architecture->name.c_str()
                                                   : "";
}

// "USE ENTITY lib.e(a) ;" at an indent.
std::string use_entity_line(const HdlContext& context, int indent, const Component& component) {
    std::string library = binding_library(context, *component.entity);
    return format_text("%*s%s %s %s.%s(%s) ;\n", indent, "", context.keyword("USE"),
                       context.keyword("ENTITY"), library.c_str(), component.entity->name.c_str(),
                       bound_name(component));
}

std::string component_for_line(const HdlContext& context, int indent, const Component& component) {
    return format_text("%*s%s %s : %s\n", indent, "", context.keyword("FOR"),
                       component.name.c_str(), component.entity->name.c_str());
}

bool has_components(const Architecture* architecture) {
    return architecture != nullptr && architecture->kind == kArchitectureBlockDiagram &&
           architecture->block_diagram != nullptr &&
           !architecture->block_diagram->components.empty();
}

// `open` holds the architectures being configured, so that a recursive instantiation (which
// verification refuses) cannot nest without end.
void write_block_configuration(std::ostream& out, const HdlContext& context,
                               const Architecture& architecture, int indent,
                               std::vector<const Architecture*>& open) {
    out << format_text("%*s%s %s\n", indent, "", context.keyword("FOR"), architecture.name.c_str());
    open.push_back(&architecture);
    if (architecture.kind == kArchitectureBlockDiagram && architecture.block_diagram) {
        for (const auto& component : architecture.block_diagram->components) {
            if (component->entity == nullptr) continue;
            out << component_for_line(context, indent + 2, *component);
            out << use_entity_line(context, indent + 4, *component);
            const Architecture* bound = component->bound_architecture;
            bool nested = has_components(bound) && !component->entity->external &&
                          std::find(open.begin(), open.end(), bound) == open.end();
            if (nested) write_block_configuration(out, context, *bound, indent + 4, open);
            out << format_text("%*s%s %s ;\n", indent + 2, "", context.keyword("END"),
                               context.keyword("FOR"));
        }
    }
    open.pop_back();
    out << format_text("%*s%s %s ;\n", indent, "", context.keyword("END"), context.keyword("FOR"));
}

bool verified_down(unsigned status) {
    return (status & kStatusVerifiedDown) != 0;
}

// The component of the top-level diagram that the active named configuration is about, when
// the configuration applies to this root.
const Component* configured_root_component(const Design& design, const Entity& root) {
    if (design.current_configuration == nullptr || design.root == nullptr) return nullptr;
    if (design.root->architectures.empty()) return nullptr;
    const Architecture& top = *design.root->architectures.front();
    if (!verified_down(design.root->status) || !verified_down(top.status)) return nullptr;
    if (!top.block_diagram || top.block_diagram->components.empty()) return nullptr;
    const Component& first = *top.block_diagram->components.front();
    if (first.entity != &root || first.bound_architecture == nullptr) return nullptr;
    return &first;
}
} // namespace

void write_configuration_specifications(std::ostream& out, const HdlContext& context,
                                        const BlockDiagram& diagram) {
    for (const auto& component : diagram.components) {
        if (component->entity == nullptr) continue;
        out << component_for_line(context, 1, *component);
        out << use_entity_line(context, 3, *component);
    }
}

std::string configuration_name(const Entity& entity, const Architecture& architecture,
                               const Configuration* configuration) {
    if (configuration != nullptr) return configuration->name;
    return entity.name + "_" + architecture.name;
}

void write_configuration(std::ostream& out, const HdlContext& context, const Entity& entity,
                         const Architecture& architecture, const Configuration* configuration) {
    const char* p = comment_prefix(1);
    write_separator(out, 1, true);
    out << format_text("%s%s declaration for %s '%s' of '%s'.\n", p, "Configuration",
                       "architecture", architecture.name.c_str(), entity.name.c_str());
    if (configuration != nullptr && !configuration->description.empty())
        out << p << configuration->description << '\n';
    write_separator(out, 1);
    std::string name = configuration_name(entity, architecture, configuration);
    out << format_text("\n%s %s %s %s %s\n", context.keyword("CONFIGURATION"), name.c_str(),
                       context.keyword("OF"), entity.name.c_str(), context.keyword("IS"));
    std::vector<const Architecture*> open;
    write_block_configuration(out, context, architecture, 2, open);
    out << format_text("%s %s %s;\n", context.keyword("END"),
                       vhdl93_keyword(context, "CONFIGURATION"), name.c_str());
}

std::string write_root_configurations(std::ostream& out, const HdlContext& context,
                                      const Entity& root) {
    if (const Component* component = configured_root_component(context.design, root)) {
        const Configuration* named = context.design.current_configuration;
        write_configuration(out, context, root, *component->bound_architecture, named);
        return named->name;
    }
    std::string last;
    bool all = (context.parts & kPartAllArchitectures) != 0;
    for (const auto& architecture : root.architectures) {
        if (!verified_down(architecture->status)) continue;
        if (!all && !context.is_bound(*architecture)) continue;
        write_configuration(out, context, root, *architecture, nullptr);
        last = configuration_name(root, *architecture, nullptr);
    }
    return last;
}

} // namespace zeph
