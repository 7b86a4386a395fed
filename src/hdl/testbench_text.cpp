// The VHDL text of a testbench: constants for the generics of the entity under test ("E"),
// signals for its ports, its component declaration, the "eut" instance and the stimulus
// process. The constants carry the generics' names, so the instance needs no generic map.
#include "hdl/testbench_text.h"

#include "design/entity.h"
#include "foundation/strings.h"
#include "hdl/hdl_context.h"
#include "hdl/netlist_text.h"
#include "hdl/value_tables.h"
#include "hdl/vhdl_entity.h"
#include "hdl/vhdl_interface.h"
#include "hdl/vhdl_keywords.h"

#include <string>

namespace zeph {

namespace {
constexpr std::size_t kStimuliMargin = 75;
constexpr const char* kInstanceLabel = "eut";
constexpr const char* kStimulusLabel = "stimuli";

void write_constants(std::ostream& out, const HdlContext& context, const Entity& tested) {
    std::size_t width = longest_generic_name(tested);
    for (const auto& generic : tested.generics) {
        std::string line = "  ";
        line += context.keyword("CONSTANT");
        line += ' ';
        line += name_column(generic->name, width);
        line += ' ';
        line += generic_type_text(*generic);
        if (!generic->default_value.empty()) {
            line += " := " + generic->default_value;
            const char* unit = time_unit_text(generic->default_unit);
            if (*unit != '\0') line.append(" ").append(unit);
        }
        line += " ;";
        if (!generic->comment.empty())
            line.append(" ").append(comment_prefix(1)) += generic->comment;
        out << line << '\n';
    }
    if (!tested.generics.empty()) out << '\n';
}

void write_signals(std::ostream& out, const HdlContext& context, const Entity& tested) {
    std::size_t width = longest_port_name(tested);
    for (const auto& port : tested.ports) {
        out << "  " << context.keyword("SIGNAL") << ' ' << name_column(port->name, width)
            << vhdl_type_and_value(context, port->type_name, port->range, port->signal_kind,
                                   port->default_value)
            << " ;" << port_comments(*port, 1) << '\n';
    }
}

void write_component(std::ostream& out, const HdlContext& context, const Entity& tested) {
    out << format_text("\n %s %s\n", context.keyword("COMPONENT"), tested.name.c_str());
    write_generics_and_ports(out, context, tested, false);
    // The end line names no component, whatever the VHDL93 setting.
    out << format_text(" %s %s ;\n", context.keyword("END"), context.keyword("COMPONENT"));
}

void write_instance(std::ostream& out, const HdlContext& context, const Entity& tested) {
    out << format_text("\n %s: %s", kInstanceLabel, tested.name.c_str());
    out << format_text("\n    %s %s(\n", context.keyword("PORT"), context.keyword("MAP"));
    bool first = true;
    for (const auto& port : tested.ports) {
        if (!first) out << ",\n";
        first = false;
        out << format_text("      %s => %s", port->name.c_str(), port->name.c_str());
    }
    out << " ) ;\n";
}

bool drives_output(const Port& port) {
    return port.mode == kModeOut || port.mode == kModeBuffer;
}
} // namespace

void write_testbench_declarations(std::ostream& out, const HdlContext& context,
                                  const Entity& testbench) {
    if (testbench.tested_entity == nullptr || testbench.architectures.empty()) return;
    const Entity& tested = *testbench.tested_entity;
    const std::string& architecture = testbench.architectures.front()->name;
    write_separator(out, 1, true);
    out << format_text("%s%s '%s' of '%s'.\n", comment_prefix(1), "Architecture",
                       architecture.c_str(), testbench.name.c_str());
    write_separator(out, 1);
    if (!context.working_library.empty()) {
        const char* library = context.working_library.c_str();
        out << format_text("\n%s %s ;\n%s %s.%s ;\n", context.keyword("LIBRARY"), library,
                           context.keyword("USE"), library, context.keyword("ALL"));
    }
    out << '\n' << architecture_line(context, architecture, testbench.name) << "\n\n";
    write_constants(out, context, tested);
    write_signals(out, context, tested);
    write_component(out, context, tested);
    out << format_text("\n%s\n", context.keyword("BEGIN"));
    write_instance(out, context, tested);
}

void write_testbench_stimuli(std::ostream& out, const HdlContext& context,
                             const Entity& testbench) {
    if (testbench.tested_entity == nullptr) return;
    const Entity& tested = *testbench.tested_entity;
    std::string heading = format_text(" %s: %s", kStimulusLabel, context.keyword("PROCESS"));
    out << '\n' << heading;
    std::size_t column = heading.size();
    bool listed = false;
    for (const auto& port : tested.ports) {
        if (!drives_output(*port)) continue;
        out << (listed ? ", " : " (");
        listed = true;
        std::size_t length = port->name.size();
        if (column + 2 + length + 1 > kStimuliMargin) {
            out << "\n      ";
            column = length + 6;
        } else {
            column += 2 + length;
        }
        out << port->name;
    }
    if (listed) out << ")\n";
    out << format_text("  %s\n", context.keyword("BEGIN"));
    out << "--\n-- Insert stimuli here\n--\n";
    out << format_text("  %s %s %s ;\n", context.keyword("END"), context.keyword("PROCESS"),
                       kStimulusLabel);
}

} // namespace zeph
