// The processes (Verilog: always blocks) that hold the state register and decode the next
// state. Mode 1 and 3 machines have one clocked "state_decoding"; mode 2 and 4 machines a
// combinational "next_state_decoding" and a clocked "state_transition":
//
//   state_transition: PROCESS (clk, rst) IS
//   BEGIN  -- State transition
//     IF (rst='1') THEN
//       cur_state <= s1 ;
//     ELSIF (clk'event AND (clk = '1')) THEN
//       cur_state <= next_state ;
//     END IF ; -- Reset & Clock
//   END PROCESS state_transition ;
#include "hdl/machine_generation.h"

#include "foundation/strings.h"
#include "hdl/netlist_text.h"

namespace zeph {

namespace {
constexpr int kSensitivityMargin = 76;

void write_header(MachineGeneration& g, const std::string& name) {
    if (g.verilog())
        g.out << "\n"
              << g.prefix() << name << "\n"
              << g.pad(g.base) << "always"
              << " @";
    else
        g.out << "\n" << g.pad(g.base) << name << ": " << g.kw("PROCESS");
}

void close_list(MachineGeneration& g) {
    if (g.verilog())
        g.out << ") \n";
    else
        g.out << ") " << g.is_word() << "\n";
}

void write_clocked_list(MachineGeneration& g) {
    const StateMachine& m = g.machine;
    g.out << " (";
    if (g.verilog()) g.out << (m.clock_edge == kClockFallingEdge ? "negedge " : "posedge ");
    g.out << m.clock_port;
    if (!m.reset_port.empty()) {
        if (g.verilog())
            g.out << format_text(" %s %s %s", "or", m.reset_level ? "negedge" : "posedge",
                                 m.reset_port.c_str());
        else
            g.out << ", " << m.reset_port;
    }
    close_list(g);
}

void write_combinational_list(MachineGeneration& g) {
    g.out << " (" << g.S();
    const char* separator = g.verilog() ? " or" : ",";
    int column = g.base + 2 + static_cast<int>(g.S().size());
    for (const auto& port : g.ports()) {
        if ((port->mode != kModeIn && port->mode != kModeInout) || port->name.empty()) continue;
        int length = static_cast<int>(port->name.size());
        column += length + (g.verilog() ? 4 : 2);
        if (column >= kSensitivityMargin) {
            g.out << separator << "\n" << g.pad(g.base + 2) << port->name;
            column = g.base + 2 + length;
        } else {
            g.out << separator << " " << port->name;
        }
    }
    close_list(g);
}

void write_process_declarations(MachineGeneration& g) {
    write_text(g.out, g.machine.process_declarations, nullptr, g.base + 2);
}

// The begin line, with the process declarations where the language has them; a comment
// "-- State transition" follows when `word` is given.
void write_begin(MachineGeneration& g, const std::string& name, bool declarations,
                 const char* word = nullptr, const char* second = "") {
    if (declarations && g.vhdl()) write_process_declarations(g);
    g.out << g.pad(g.base);
    if (g.verilog())
        g.out << format_text("%s : %s", "begin", name.c_str());
    else
        g.out << g.kw("BEGIN") << " ";
    if (word != nullptr) g.out << format_text(" %s%s ", g.prefix(), word) << second;
    g.out << "\n";
    if (declarations && g.verilog()) write_process_declarations(g);
}

void write_end(MachineGeneration& g, const std::string& name) {
    g.out << g.pad(g.base);
    if (g.verilog())
        g.out << format_text("%s %s of %s\n", "end", "//", name.c_str());
    else
        g.out << format_text("%s %s %s ;\n", g.kw("END"), g.kw("PROCESS"), name.c_str());
}

// The asynchronous reset: its test and the assignment of the reset state.
void write_reset_branch(MachineGeneration& g, int indent) {
    const StateMachine& m = g.machine;
    if (g.verilog()) {
        // An active-low reset is tested inverted, so that the branch runs while it is low.
        std::string test = (m.reset_level ? "!" : "") + m.reset_port;
        g.out << format_text("%s%s (%s)\n%s%s\n", g.pad(indent).c_str(), "if", test.c_str(),
                             g.pad(indent + 1).c_str(), "begin");
    } else {
        g.out << g.pad(indent) << g.kw("IF") << " "
              << condition_text(g, g.reset->condition.label, indent + 3) << " " << g.kw("THEN")
              << "\n";
    }
    const State& state = *g.reset_state();
    std::string name = g.suffixed(state);
    g.out << g.pad(indent + 2) << g.S() << " ";
    if (g.verilog() && g.hot())
        g.out << format_text("= %d'b%s ; %s%s\n", m.code_width, state.code.c_str(), g.prefix(),
                             state.name.c_str());
    else if (g.one_hot())
        g.out << format_text("<= (%s => '1', %s => '0') ;\n", name.c_str(), g.kw("OTHERS"));
    else if (g.two_hot())
        g.out << format_text("<= (%s_0 => '1', %s_1 => '1', %s => '0') ;\n", name.c_str(),
                             name.c_str(), g.kw("OTHERS"));
    else
        g.out << g.assign_op() << " " << name << " ;\n";
}

void write_reset_actions(MachineGeneration& g, int indent) {
    write_actions(g, g.reset->action_usages, indent);
}

void write_clock_test(MachineGeneration& g, int indent) {
    const StateMachine& m = g.machine;
    if (g.verilog()) {
        if (g.reset != nullptr)
            g.out << format_text("%s%s\n%s%s\n%s%s\n", g.pad(indent + 1).c_str(), "end",
                                 g.pad(indent).c_str(), "else", g.pad(indent + 1).c_str(), "begin");
        return;
    }
    const char* test = g.kw(g.reset != nullptr ? "ELSIF" : "IF");
    const char* clock = m.clock_port.c_str();
    if (m.edge_functions)
        g.out << format_text("%s%s (%s(%s)) %s\n", g.pad(indent).c_str(), test,
                             m.clock_edge == kClockFallingEdge ? "falling_edge" : "rising_edge",
                             clock, g.kw("THEN"));
    else
        g.out << format_text("%s%s (%s'event %s (%s = '%d')) %s\n", g.pad(indent).c_str(), test,
                             clock, g.kw("AND"), clock, m.clock_edge == kClockFallingEdge ? 0 : 1,
                             g.kw("THEN"));
}

void write_clock_end(MachineGeneration& g, int indent) {
    std::string comment = g.reset != nullptr
                              ? format_text(" %s%s & %s", g.prefix(), "Reset", "Clock")
                              : format_text(" %s%s", g.prefix(), "Clock");
    if (g.vhdl())
        g.out << format_text("%s%s %s ;%s\n", g.pad(indent).c_str(), g.kw("END"), g.kw("IF"),
                             comment.c_str());
    else if (g.reset != nullptr)
        g.out << format_text("%s%s%s\n", g.pad(indent + 1).c_str(), "end", comment.c_str());
}

void write_state_decoding(MachineGeneration& g) {
    std::string name = g.process_name("state_decoding");
    write_header(g, name);
    write_clocked_list(g);
    bool declarations = g.mode == MachineMode::SingleClocked || g.has(kTransitionActionsExist) ||
                        g.has(kResetActionsExist);
    write_begin(g, name, declarations);
    int i = g.base + 2;
    if (g.reset != nullptr) {
        write_reset_branch(g, i);
        write_reset_actions(g, i + 2);
    }
    write_clock_test(g, i);
    write_next_state_body(g, i + 2);
    write_clock_end(g, i);
    write_end(g, name);
}

void write_next_state_decoding(MachineGeneration& g) {
    std::string name = g.process_name("next_state_decoding");
    write_header(g, name);
    write_combinational_list(g);
    bool comb_reset = g.transition_actions_combined() && g.has(kResetActionsExist);
    bool comb_states = g.state_actions_combined() && g.has(kStateActionsExist);
    bool declarations = g.mode == MachineMode::Split
                            ? g.has(kTransitionActionsExist) || comb_reset || comb_states
                            : g.has(kTransitionActionsExist) || comb_reset;
    write_begin(g, name, declarations);
    int i = g.base + 2;
    // The reset actions open the process unless they join the chain of every state; with One
    // Hot or Two Hot and global transitions they join no chain, so they open it then too.
    bool reset_first = comb_reset && g.reset != nullptr && !chains_take_reset(g);
    if (!reset_first) {
        write_next_state_body(g, i);
        write_end(g, name);
        return;
    }
    if (g.verilog()) {
        g.out << g.pad(i) << "if " << condition_text(g, g.reset->condition.label, i + 3) << "\n"
              << g.pad(i + 1) << "begin\n";
        write_reset_actions(g, i + 2);
        g.out << format_text("%s%s\n%s%s\n%s%s\n", g.pad(i + 1).c_str(), "end", g.pad(i).c_str(),
                             "else", g.pad(i + 1).c_str(), "begin");
    } else {
        g.out << g.pad(i) << g.kw("IF") << " " << condition_text(g, g.reset->condition.label, i + 3)
              << " " << g.kw("THEN") << "\n";
        write_reset_actions(g, i + 2);
        g.out << g.pad(i) << g.kw("ELSE") << "\n";
    }
    write_next_state_body(g, i + 2);
    std::string comment = format_text(" %s%s", g.prefix(), "Reset");
    if (g.verilog())
        g.out << g.pad(i + 1) << "end" << comment << "\n";
    else
        g.out << format_text("%s%s %s ;%s\n", g.pad(i).c_str(), g.kw("END"), g.kw("IF"),
                             comment.c_str());
    write_end(g, name);
}

void write_state_transition(MachineGeneration& g) {
    std::string name = g.process_name("state_transition");
    write_header(g, name);
    write_clocked_list(g);
    bool clocked_states = actions_clocked(g.machine.state_actions) && g.has(kStateActionsExist);
    bool reset_actions =
        g.machine.transition_actions == kActionsCombinational && g.has(kResetActionsExist);
    write_begin(g, name, reset_actions || clocked_states, "State", "transition");
    int i = g.base + 2;
    if (g.reset != nullptr) {
        write_reset_branch(g, i);
        if (reset_actions) write_reset_actions(g, i + 2);
    }
    write_clock_test(g, i);
    g.out << format_text("%s%s %s %s ;\n", g.pad(i + 2).c_str(), g.S().c_str(), g.assign_op(),
                         g.N().c_str());
    if (clocked_states) write_state_action_decoding(g, g.N(), i + 2);
    write_clock_end(g, i);
    write_end(g, name);
}
} // namespace

void write_machine_processes(MachineGeneration& g) {
    if (g.split()) {
        write_next_state_decoding(g);
        write_state_transition(g);
    } else {
        write_state_decoding(g);
    }
}

void write_actions_process(MachineGeneration& g) {
    std::string name = g.process_name("state_actions");
    write_header(g, name);
    write_combinational_list(g);
    write_begin(g, name, true, "Combinational");
    write_state_action_decoding(g, g.S(), g.base + 2);
    write_end(g, name);
}

} // namespace zeph
