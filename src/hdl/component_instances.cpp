// Component declarations, component instances and module instances.
#include "hdl/component_instances.h"

#include "design/block_diagram.h"
#include "design/design.h"
#include "design/entity.h"
#include "foundation/strings.h"
#include "hdl/diagram_signals.h"
#include "hdl/hdl_context.h"
#include "hdl/value_tables.h"
#include "hdl/verilog_module.h"
#include "hdl/vhdl_entity.h"
#include "hdl/vhdl_interface.h"
#include "hdl/vhdl_keywords.h"

#include <string>
#include <vector>

namespace zeph {

namespace {
constexpr std::size_t kParameterMargin = 75;
constexpr std::size_t kContinuationIndent = 6;

// The generic values of a component that carry an actual, in the entity's generic order.
std::vector<std::size_t> generics_with_actuals(const Component& component) {
    std::vector<std::size_t> indexes;
    const Entity& entity = *component.entity;
    for (std::size_t i = 0; i < entity.generics.size() && i < component.generic_values.size(); ++i)
        if (!component.generic_values[i].actual_value.empty()) indexes.push_back(i);
    return indexes;
}

// "#(a, b)" after the module name, a value moved to a continuation line when it would pass
// the right margin.
std::string parameter_list(const Component& component, std::size_t column) {
    std::string text;
    bool first = true;
    for (std::size_t i : generics_with_actuals(component)) {
        const std::string& value = component.generic_values[i].actual_value;
        text += first ? "#(" : ", ";
        first = false;
        if (column + 2 + value.size() + 1 > kParameterMargin) {
            text += "\n      ";
            column = value.size() + kContinuationIndent;
        } else {
            column += 2 + value.size();
        }
        text += value;
    }
    return text + ")";
}
} // namespace

void write_component_declarations(std::ostream& out, const HdlContext& context,
                                  const BlockDiagram& diagram) {
    std::vector<const Entity*> declared;
    for (const auto& component : diagram.components) {
        const Entity* entity = component->entity;
        if (entity == nullptr) continue;
        bool seen = false;
        for (const Entity* earlier : declared)
            seen = seen || earlier == entity;
        if (seen) continue;
        declared.push_back(entity);
        out << format_text(" %s %s\n", context.keyword("COMPONENT"), entity->name.c_str());
        write_generics_and_ports(out, context, *entity, false);
        out << format_text(" %s %s %s;\n", context.keyword("END"), context.keyword("COMPONENT"),
                           context.design.vhdl93 ? entity->name.c_str() : "");
    }
}

void write_component_instance(std::ostream& out, const HdlContext& context,
                              const DiagramSignals& signals, const Component& component) {
    const Entity& entity = *component.entity;
    out << format_text("\n %s: %s", component.name.c_str(), entity.name.c_str());
    std::vector<std::size_t> generics = generics_with_actuals(component);
    if (!generics.empty()) {
        out << format_text("\n    %s %s(\n", context.keyword("GENERIC"), context.keyword("MAP"));
        for (std::size_t n = 0; n < generics.size(); ++n) {
            const GenericValue& value = component.generic_values[generics[n]];
            if (n > 0) out << ",\n";
            out << format_text("      %s => %s", entity.generics[generics[n]]->name.c_str(),
                               value.actual_value.c_str());
            const char* unit = time_unit_text(value.actual_unit);
            if (*unit != '\0') out << ' ' << unit;
        }
        out << " )";
    }
    if (!entity.ports.empty()) {
        out << format_text("\n    %s %s(\n", context.keyword("PORT"), context.keyword("MAP"));
        for (std::size_t i = 0; i < entity.ports.size(); ++i) {
            const Port& port = *entity.ports[i];
            if (i > 0) out << ",\n";
            out << format_text("      %s => %s", port.name.c_str(),
                               signals.actual(component, port).c_str());
        }
        out << " ) ";
    }
    out << ";\n";
}

void write_module_instance(std::ostream& out, const HdlContext& context,
                           const DiagramSignals& signals, const Component& component) {
    const Entity& entity = *component.entity;
    std::string name = component.bound_architecture != nullptr
                           ? module_name(context, entity, *component.bound_architecture)
                           : entity.name;
    out << "\n " << name;
    if (!generics_with_actuals(component).empty())
        out << ' ' << parameter_list(component, name.size() + 2);
    out << format_text("\n    %s(", component.name.c_str());
    for (std::size_t i = 0; i < entity.ports.size(); ++i) {
        const Port& port = *entity.ports[i];
        out << (i == 0 ? " \n" : ",\n");
        out << format_text("      .%s(%s)", port.name.c_str(),
                           signals.actual(component, port).c_str());
    }
    out << " ) ;\n";
}

} // namespace zeph
