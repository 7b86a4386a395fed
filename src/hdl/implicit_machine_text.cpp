// The text of an implicit machine: one process without sensitivity list whose states are
// WAIT statements. With a reset transition the process first waits for the reset and then
// runs its states inside "resetloop", which every WAIT leaves again when the reset comes:
//
//    state_machine: PROCESS
//
//   BEGIN
//     WAIT UNTIL (rst='1') ;
//
//     resetloop : LOOP
//       IF (rst='1') THEN            only when the reset transition has actions
//         ...
//       END IF ;
//
//       (the states, from the reset state on)
//
//     END LOOP resetloop ;
//
//   END PROCESS state_machine ;
//
// Verilog has no such form: a comment says so.
#include "hdl/implicit_machine_text.h"

#include "design/block_diagram.h"
#include "foundation/strings.h"
#include "hdl/hdl_context.h"
#include "hdl/implicit_statements.h"
#include "hdl/machine_generation.h"
#include "hdl/netlist_text.h"
#include "statemachine/implicit_path_tree.h"

namespace zeph {

namespace {
// The architecture's own texts around BEGIN, as for explicit machines.
void write_architecture_texts(MachineGeneration& g) {
    write_text(g.out, g.architecture.vhdl_declarations_after, nullptr, 2);
    g.out << g.kw("BEGIN") << "\n";
    write_free_texts(g.out, g.architecture.sheet, g.context.language);
    write_text(g.out, g.architecture.vhdl_statements, nullptr, 2);
}

void write_reset_loop_start(MachineGeneration& g, const std::string& reset) {
    g.out << format_text("    %s %s (%s) ;\n", g.kw("WAIT"), g.kw("UNTIL"), reset.c_str());
    g.out << format_text("\n    resetloop : %s\n", g.kw("LOOP"));
    if (g.reset->action_usages.empty()) return;
    g.out << format_text("      %s (%s) %s\n", g.kw("IF"), reset.c_str(), g.kw("THEN"));
    write_actions(g, g.reset->action_usages, 8);
    g.out << format_text("      %s %s ;\n\n", g.kw("END"), g.kw("IF"));
}

void write_wait_process(MachineGeneration& g, const std::string& name) {
    write_text(g.out, g.machine.process_comment, g.prefix(), 0);
    g.out << format_text(" %s: %s\n", name.c_str(), g.kw("PROCESS"));
    write_text(g.out, g.machine.process_declarations, nullptr, 4);
    g.out << format_text("\n  %s\n", g.kw("BEGIN"));
    std::string reset = implicit_reset_text(g);
    if (g.reset != nullptr) write_reset_loop_start(g, reset);
    // Only a verified machine reaches generation; a tree that verification would refuse is
    // left out rather than written in part.
    PathTree tree = build_path_tree(g.machine);
    if (!tree.failed) write_implicit_statements(g, tree);
    if (g.reset != nullptr)
        g.out << format_text("\n    %s %s resetloop ;\n", g.kw("END"), g.kw("LOOP"));
    g.out << format_text("\n  %s %s %s ;\n", g.kw("END"), g.kw("PROCESS"), name.c_str());
}
} // namespace

void write_implicit_machine(std::ostream& out, const HdlContext& context, const Entity& entity,
                            const Architecture& architecture, const Process* process) {
    if (context.verilog()) {
        out << format_text("\n%s%s %ss not implemented in %s.\n", comment_prefix(2), "Implicit",
                           "State Diagram", "Verilog");
        return;
    }
    MachineGeneration g(out, context, entity, architecture, process);
    if (process == nullptr) {
        write_architecture_texts(g);
        write_wait_process(g, "state_machine");
        return;
    }
    write_free_texts(out, process->sheet, context.language);
    write_wait_process(g, process->name);
}

} // namespace zeph
