// VHDL entity declarations and architecture heading lines.
#include "hdl/vhdl_entity.h"

#include "design/design.h"
#include "foundation/strings.h"
#include "hdl/context_clauses.h"
#include "hdl/hdl_context.h"
#include "hdl/netlist_text.h"
#include "hdl/vhdl_interface.h"
#include "hdl/vhdl_keywords.h"

namespace zeph {

namespace {
// SilcSyn reads the clock and reset of a state machine from attributes on the entity's ports;
// the first state-diagram architecture decides.
void write_silcsyn_attributes(std::ostream& out, const HdlContext& context, const Entity& entity) {
    if (context.design.synthesis_tool != kSynthesisSilcSyn) return;
    for (const auto& architecture : entity.architectures) {
        if (architecture->kind != kArchitectureStateDiagram) continue;
        const StateMachine* machine = architecture->state_machine.get();
        if (machine == nullptr) return;
        if (machine->clock_port.empty() && machine->reset_port.empty()) return;
        out << '\n';
        const char* line = "  %s %s %s %s : %s %s %s ;\n";
        if (!machine->clock_port.empty())
            out << format_text(line, context.keyword("ATTRIBUTE"), "CLOCK_SOURCE",
                               context.keyword("OF"), machine->clock_port.c_str(),
                               context.keyword("SIGNAL"), context.keyword("IS"), "True");
        if (!machine->reset_port.empty())
            out << format_text(line, context.keyword("ATTRIBUTE"), "RESET_SOURCE",
                               context.keyword("OF"), machine->reset_port.c_str(),
                               context.keyword("SIGNAL"), context.keyword("IS"), "True");
        return;
    }
}
} // namespace

const char* vhdl93_keyword(const HdlContext& context, const char* upper_word) {
    return context.design.vhdl93 ? context.keyword(upper_word) : "";
}

void write_entity_declaration(std::ostream& out, const HdlContext& context, const Entity& entity) {
    const char* name = entity.name.c_str();
    write_separator(out, 1, true);
    out << format_text("%s%s declaration of '%s'.\n", comment_prefix(1), "Entity", name);
    write_separator(out, 1);
    write_comment_text(out, entity.comment, 1);
    write_context_clauses(out, context.keywords, context.design.library_entries, entity);
    out << format_text("\n%s %s %s\n", context.keyword("ENTITY"), name, context.keyword("IS"));
    write_generics_and_ports(out, context, entity, false);
    write_silcsyn_attributes(out, context, entity);
    write_text(out, entity.declarations, nullptr, 2);
    out << format_text("%s %s %s ;\n\n", context.keyword("END"), vhdl93_keyword(context, "ENTITY"),
                       name);
}

void write_architecture_heading(std::ostream& out, const HdlContext& context, const Entity& entity,
                                const Architecture& architecture, bool first_of_entity) {
    write_separator(out, context.language, !first_of_entity);
    out << format_text(" %s%s '%s' of '%s'\n", comment_prefix(context.language), "Architecture",
                       architecture.name.c_str(), entity.name.c_str());
    write_separator(out, context.language);
}

std::string architecture_line(const HdlContext& context, std::string_view architecture,
                              std::string_view entity) {
    std::string a(architecture), e(entity);
    return format_text("%s %s %s %s %s\n", context.keyword("ARCHITECTURE"), a.c_str(),
                       context.keyword("OF"), e.c_str(), context.keyword("IS"));
}

std::string end_architecture_line(const HdlContext& context, std::string_view architecture,
                                  std::string_view entity) {
    std::string a(architecture), e(entity);
    return format_text("%s %s %s ; %sof %s\n", context.keyword("END"),
                       vhdl93_keyword(context, "ARCHITECTURE"), a.c_str(), comment_prefix(1),
                       e.c_str());
}

} // namespace zeph
