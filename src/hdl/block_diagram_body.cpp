// Block-diagram bodies in VHDL and Verilog: declarations, then the statements in the order
// free texts, the user's concurrent statements, assignments, instances, processes.
#include "hdl/block_diagram_body.h"

#include "design/block_diagram.h"
#include "design/entity.h"
#include "foundation/strings.h"
#include "hdl/component_instances.h"
#include "hdl/concurrent_assignments.h"
#include "hdl/configuration_text.h"
#include "hdl/diagram_signals.h"
#include "hdl/hdl_context.h"
#include "hdl/hdl_file_inclusion.h"
#include "hdl/internal_error.h"
#include "hdl/netlist_text.h"
#include "hdl/state_machine_text.h"
#include "hdl/vhdl_interface.h"
#include "hdl/vhdl_keywords.h"

#include <algorithm>

namespace zeph {

namespace {
void write_state_process_declarations(std::ostream& out, const HdlContext& context,
                                      const Architecture& architecture, bool vhdl) {
    const BlockDiagram& diagram = *architecture.block_diagram;
    bool shared = false;
    for (const auto& process : diagram.processes) {
        if (process->kind != kProcessStateDiagram) continue;
        if (vhdl && !shared) write_state_process_shared_declarations(out, context, architecture);
        shared = true;
        if (vhdl && process->state_machine && process->state_machine->block_separation) continue;
        write_state_process_declarations(out, context, *process);
    }
}

void write_signal_declarations(std::ostream& out, const HdlContext& context,
                               const DiagramSignals& signals) {
    std::vector<const Net*> local = signals.local_signals();
    std::size_t width = 0;
    for (const Net* net : local)
        width = std::max(width, net_display_name(*net).size());
    for (const Net* net : local)
        out << " " << context.keyword("SIGNAL") << " " << name_column(net_display_name(*net), width)
            << vhdl_type_and_value(context, net->type_name, net->range, net->signal_kind,
                                   net->default_value)
            << " ;\n";
}

void write_wire_declarations(std::ostream& out, const DiagramSignals& signals) {
    for (const Net* net : signals.local_signals()) {
        out << "  " << (net->register_flag ? verilog::kReg : verilog::kWire);
        if (net->bus) out << " [" << net->range.left << ":" << net->range.right << "]";
        out << " " << net_display_name(*net) << " ;\n";
    }
}

void write_statements(std::ostream& out, const HdlContext& context, const Entity& entity,
                      const Architecture& architecture, const DiagramSignals& signals) {
    const BlockDiagram& diagram = *architecture.block_diagram;
    if (write_concurrent_assignments(out, context, signals)) out << '\n';
    for (const auto& component : diagram.components) {
        if (component->entity == nullptr) continue;
        if (context.verilog())
            write_module_instance(out, context, signals, *component);
        else
            write_component_instance(out, context, signals, *component);
    }
    for (const auto& process : diagram.processes) {
        if (process->kind == kProcessHdlFile)
            write_hdl_file_text(out, context, entity, architecture, process.get());
        else if (process->kind == kProcessStateDiagram)
            write_state_process(out, context, *process);
        out << '\n';
    }
}

void write_vhdl_body(std::ostream& out, const HdlContext& context, const Entity& entity,
                     const Architecture& architecture) {
    const BlockDiagram& diagram = *architecture.block_diagram;
    DiagramSignals signals(context, diagram);
    write_state_process_declarations(out, context, architecture, true);
    write_component_declarations(out, context, diagram);
    if (context.parts & kPartConfigurationSpecifications)
        write_configuration_specifications(out, context, diagram);
    write_signal_declarations(out, context, signals);
    write_text(out, architecture.vhdl_declarations_after, nullptr, 2);
    out << '\n' << context.keyword("BEGIN") << '\n';
    write_free_texts(out, architecture.sheet, 1);
    write_text(out, architecture.vhdl_statements, nullptr, 2);
    write_statements(out, context, entity, architecture, signals);
}

void write_verilog_body(std::ostream& out, const HdlContext& context, const Entity& entity,
                        const Architecture& architecture) {
    DiagramSignals signals(context, *architecture.block_diagram);
    write_state_process_declarations(out, context, architecture, false);
    write_wire_declarations(out, signals);
    write_comment_text(out, architecture.verilog_declarations_after, 2);
    write_free_texts(out, architecture.sheet, 2);
    write_comment_text(out, architecture.verilog_statements, 2);
    write_statements(out, context, entity, architecture, signals);
}
} // namespace

void write_block_diagram_body(std::ostream& out, const HdlContext& context, const Entity& entity,
                              const Architecture& architecture) {
    if (architecture.block_diagram == nullptr) return;
    if (context.verilog())
        write_verilog_body(out, context, entity, architecture);
    else
        write_vhdl_body(out, context, entity, architecture);
}

} // namespace zeph
