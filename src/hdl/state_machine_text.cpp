// The frames of state-machine text in the netlist: a state-diagram architecture writes its
// declarations, its own texts and BEGIN, then the processes; a state-diagram process writes
// its declarations where the block diagram declares its objects, and its processes in the
// order of the diagram's processes, inside a VHDL block when the machine asks for one.
// Implicit machines are written by their own generator.
#include "hdl/state_machine_text.h"

#include "design/block_diagram.h"
#include "foundation/kind_vocabulary.h"
#include "foundation/strings.h"
#include "hdl/implicit_machine_text.h"
#include "hdl/machine_generation.h"
#include "hdl/machine_words.h"
#include "hdl/netlist_text.h"

namespace zeph {

namespace {
bool implicit(const StateMachine& machine) {
    return machine.style == kStyleImplicit;
}

bool in_block(const MachineGeneration& g) {
    return g.vhdl() && g.process != nullptr && g.machine.block_separation;
}

void write_declarations(MachineGeneration& g) {
    write_options_comment(g);
    write_machine_declarations(g);
}

void write_statements(MachineGeneration& g) {
    if (!g.machine.states.empty()) {
        write_machine_processes(g);
        if (g.mode == MachineMode::ClockedWithActions || g.mode == MachineMode::SplitWithActions)
            write_actions_process(g);
    }
    const std::string& port = g.machine.state_port;
    if (port.empty()) return;
    if (g.verilog())
        g.out << format_text("\n%s%s %s %s %s ;\n", g.pad(g.base).c_str(), "assign", port.c_str(),
                             "=", g.S().c_str());
    else
        g.out << format_text("\n%s%s %s %s ;\n", g.pad(g.base).c_str(), port.c_str(),
                             "<=", g.S().c_str());
}

bool has_owner(const Process& process) {
    return process.state_machine && process.entity != nullptr && process.architecture != nullptr;
}
} // namespace

void write_state_machine_architecture(std::ostream& out, const HdlContext& context,
                                      const Entity& entity, const Architecture& architecture) {
    if (!architecture.state_machine) return;
    if (implicit(*architecture.state_machine)) {
        write_implicit_machine(out, context, entity, architecture, nullptr);
        return;
    }
    MachineGeneration g(out, context, entity, architecture, nullptr);
    write_synthesis_attribute_declaration(out, context);
    write_declarations(g);
    bool verilog = context.verilog();
    write_text(out,
               verilog ? architecture.verilog_declarations_after
                       : architecture.vhdl_declarations_after,
               nullptr, 2);
    if (!verilog) out << context.keyword("BEGIN") << "\n";
    write_free_texts(out, architecture.sheet, context.language);
    write_text(out, verilog ? architecture.verilog_statements : architecture.vhdl_statements,
               nullptr, 2);
    write_statements(g);
}

void write_state_process_shared_declarations(std::ostream& out, const HdlContext& context,
                                             const Architecture&) {
    write_synthesis_attribute_declaration(out, context);
}

void write_state_process_declarations(std::ostream& out, const HdlContext& context,
                                      const Process& process) {
    if (!has_owner(process) || implicit(*process.state_machine)) return;
    MachineGeneration g(out, context, *process.entity, *process.architecture, &process);
    write_declarations(g);
}

void write_state_process(std::ostream& out, const HdlContext& context, const Process& process) {
    if (!has_owner(process)) return;
    if (implicit(*process.state_machine)) {
        write_implicit_machine(out, context, *process.entity, *process.architecture, &process);
        return;
    }
    MachineGeneration g(out, context, *process.entity, *process.architecture, &process);
    const char* prefix = g.prefix();
    out << "\n";
    if (!in_block(g))
        out << format_text("  %s State machine of %s: %s\n\n", prefix,
                           context.kind_word(kKindProcess).c_str(), process.name.c_str());
    write_text(out, g.machine.process_comment, prefix, 0);
    if (in_block(g)) {
        out << format_text(" %s: %s %s\n\n", process.name.c_str(), context.keyword("BLOCK"),
                           g.is_word());
        write_declarations(g);
        out << format_text("  %s\n", context.keyword("BEGIN"));
        write_free_texts(out, process.sheet, context.language);
        g.base = 4;
    }
    write_statements(g);
    if (in_block(g))
        out << format_text("\n  %s %s %s ;\n", context.keyword("END"), context.keyword("BLOCK"),
                           process.name.c_str());
}

} // namespace zeph
