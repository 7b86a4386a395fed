// The decoding of the next state: the default assignment, the global transitions around the
// decoding, then per state its test and its transitions as an if/elsif chain, and the codes
// that no state has (the REST state, or an others branch).
//
//   next_state <= cur_state ;
//   CASE cur_state IS
//     WHEN s1 =>
//       IF (go = '1') THEN
//         next_state <= s2 ;
//       END IF ;
//     ...
//     WHEN OTHERS => NULL ;
//       ASSERT False ...
//   END CASE ;
#include "hdl/machine_generation.h"

#include "foundation/strings.h"

namespace zeph {

namespace {
// One link of a chain: the reset test with the reset actions, or a transition.
struct ChainLink {
    const Transition* transition;
    bool reset;
};

const Label* condition_of(const ChainLink& link) {
    return link.transition->condition.label;
}

const char* op(const MachineGeneration& g) {
    return g.nonblocking_bits() ? "<=" : g.assign_op();
}

void write_next_state(MachineGeneration& g, const State& target, int indent) {
    std::string t = g.suffixed(target);
    const char* n = g.N().c_str();
    g.out << g.pad(indent) << n;
    if (g.one_hot() && g.verilog())
        g.out << format_text("[%s] %s 1'b1 ;\n", t.c_str(), op(g));
    else if (g.one_hot())
        g.out << format_text("(%s) <= '1' ;\n", t.c_str());
    else if (g.two_hot() && g.verilog())
        g.out << format_text("[%s_0] %s 1'b1 ; %s[%s_1] %s 1'b1 ;\n", t.c_str(), op(g), n,
                             t.c_str(), op(g));
    else if (g.two_hot())
        g.out << format_text("(%s_0) <= '1' ; %s(%s_1) <= '1' ;\n", t.c_str(), n, t.c_str());
    else
        g.out << format_text(" %s %s ;\n", g.assign_op(), t.c_str());
}

void write_null(MachineGeneration& g, int indent) {
    if (g.vhdl()) g.out << g.pad(indent) << g.kw("NULL") << " ;\n";
}

void write_link_body(MachineGeneration& g, const ChainLink& link, int indent) {
    if (link.reset) {
        write_actions(g, link.transition->action_usages, indent);
        if (link.transition->action_usages.empty()) write_null(g, indent);
        return;
    }
    write_next_state(g, *link.transition->to, indent);
    write_actions(g, link.transition->action_usages, indent);
    if (actions_clocked(g.machine.transition_actions) && actions_clocked(g.machine.state_actions))
        write_actions(g, link.transition->to->action_usages, indent);
}

void write_branch_change(MachineGeneration& g, int indent) {
    g.out << format_text("%s%s\n%s%s\n%s%s\n", g.pad(indent + 1).c_str(), "end",
                         g.pad(indent).c_str(), "else", g.pad(indent + 1).c_str(), "begin");
}

void write_else(MachineGeneration& g, int indent) {
    if (g.verilog())
        write_branch_change(g, indent);
    else
        g.out << g.pad(indent) << g.kw("ELSE") << "\n";
}

void write_end_if(MachineGeneration& g, int indent, const std::string& comment = {}) {
    if (g.verilog())
        g.out << g.pad(indent + 1) << "end" << comment << "\n";
    else
        g.out << format_text("%s%s %s ;%s\n", g.pad(indent).c_str(), g.kw("END"), g.kw("IF"),
                             comment.c_str());
}

// The links as IF / ELSIF / ELSE; an unconditional first link stands alone. Returns whether
// an IF was opened (and is still open) and whether the last link had a condition.
struct ChainEnd {
    bool opened = false;
    bool last_conditional = false;
};

ChainEnd write_links(MachineGeneration& g, const std::vector<ChainLink>& links, int indent) {
    ChainEnd end;
    for (const ChainLink& link : links) {
        const Label* condition = condition_of(link);
        if (condition == nullptr) {
            if (end.opened) {
                write_else(g, indent);
                write_link_body(g, link, indent + 2);
            } else {
                write_link_body(g, link, indent);
            }
            end.last_conditional = false;
            break; // links after an unconditional one are never taken
        }
        if (!end.opened) {
            const char* test = g.word("IF", "if");
            g.out << g.pad(indent) << test << " " << condition_text(g, condition, indent + 3);
        } else if (g.verilog()) {
            g.out << g.pad(indent + 1) << "end\n"
                  << g.pad(indent) << "else if " << condition_text(g, condition, indent + 8);
        } else {
            g.out << g.pad(indent) << g.kw("ELSIF") << " "
                  << condition_text(g, condition, indent + 6);
        }
        if (g.verilog())
            g.out << "\n" << g.pad(indent + 1) << "begin\n";
        else
            g.out << " " << g.kw("THEN") << "\n";
        write_link_body(g, link, indent + 2);
        end.opened = true;
        end.last_conditional = true;
    }
    return end;
}

std::vector<ChainLink> links_of(const std::vector<const Transition*>& transitions) {
    std::vector<ChainLink> links;
    for (const Transition* t : transitions)
        links.push_back({t, false});
    return links;
}

// The reset test joins the chains when the reset actions are combinational in the one
// process of the state actions.
bool reset_in_chains(const MachineGeneration& g) {
    return g.reset != nullptr && g.has(kResetActionsExist) && g.transition_actions_combined();
}

// State actions combinational in the next-state process, written first in each state, with
// the global transitions joined to the state's chain.
bool joined_chains(const MachineGeneration& g) {
    return g.state_actions_combined() && g.has(kStateActionsExist) && !g.hot();
}

// With state actions in the one process, each state's own actions come first and the global
// transitions join its chain, unless One Hot or Two Hot test the states one by one around
// global transitions.
bool states_lead_chains(const MachineGeneration& g) {
    return g.state_actions_combined() && (g.global_transitions().empty() || !g.hot());
}

void write_state_transitions(MachineGeneration& g, const State& state, int indent) {
    std::vector<const Transition*> globals = g.global_transitions();
    if (states_lead_chains(g)) write_actions(g, state.action_usages, indent);
    std::vector<ChainLink> links;
    if (states_lead_chains(g) && g.has(kStateActionsExist)) {
        if (reset_in_chains(g)) links.push_back({g.reset, true});
        for (const Transition* t : globals)
            links.push_back({t, false});
    }
    for (const ChainLink& link : links_of(g.outgoing(state)))
        links.push_back(link);
    if (links.empty()) {
        if (g.hot())
            write_next_state(g, state, indent);
        else if (g.verilog() && globals.empty())
            g.out << format_text("%s%s%s\n", g.pad(indent).c_str(), g.prefix(),
                                 "No exit from this state");
        else if (g.vhdl() && globals.empty())
            g.out << format_text("%s%s ; %s%s\n", g.pad(indent).c_str(), g.kw("NULL"), g.prefix(),
                                 "No exit from this state");
        else
            write_null(g, indent);
        return;
    }
    ChainEnd end = write_links(g, links, indent);
    if (end.last_conditional && g.hot()) {
        write_else(g, indent);
        write_next_state(g, state, indent + 2);
    }
    if (end.opened) write_end_if(g, indent);
}

bool case_form(const MachineGeneration& g) {
    return !g.hot() && g.machine.decoding == kDecodingCase;
}

void write_case_open(MachineGeneration& g, const std::string& signal, int indent) {
    if (g.verilog())
        g.out << format_text("%s%s (%s)\n", g.pad(indent).c_str(), "case", signal.c_str());
    else
        g.out << format_text("%s%s %s %s\n", g.pad(indent).c_str(), g.kw("CASE"), signal.c_str(),
                             g.kw("IS"));
}

void write_decoding_close(MachineGeneration& g, bool in_case, int indent) {
    if (in_case) {
        if (g.verilog())
            g.out << g.pad(indent) << "endcase\n";
        else
            g.out << format_text("%s%s %s ;\n", g.pad(indent).c_str(), g.kw("END"), g.kw("CASE"));
    } else if (!g.hot() && g.vhdl()) {
        g.out << format_text("%s%s %s ;\n", g.pad(indent).c_str(), g.kw("END"), g.kw("IF"));
    }
}

// The branch of the codes that no state has: "ELSE", "WHEN OTHERS =>" or "default:", with the
// comment that names the REST state when there is one.
void write_others_open(MachineGeneration& g, bool in_case, const State* rest, int indent) {
    std::string comment =
        rest != nullptr ? format_text("  %s%s state", g.prefix(), rest->name.c_str()) : "";
    if (g.verilog()) {
        g.out << g.pad(indent) << (in_case ? "default:" : "else") << comment << "\n"
              << g.pad(indent + 1) << "begin\n";
    } else if (in_case) {
        g.out << g.pad(indent) << g.kw("WHEN") << " " << g.kw("OTHERS") << " =>" << comment << "\n";
    } else {
        g.out << g.pad(indent) << g.kw("ELSE") << comment << "\n";
    }
}

void write_remaining_codes(MachineGeneration& g, bool in_case, int indent) {
    const StateMachine& m = g.machine;
    std::vector<const Transition*> globals = g.global_transitions();
    if (m.rest) {
        write_others_open(g, in_case, m.rest.get(), indent);
        write_state_transitions(g, *m.rest, indent + 2);
        write_assertion(g, m.rest->name, indent + 2);
        if (g.verilog()) g.out << g.pad(indent + 1) << "end\n";
        return;
    }
    if (joined_chains(g) && (reset_in_chains(g) || !globals.empty())) {
        write_others_open(g, in_case, nullptr, indent);
        std::vector<ChainLink> links;
        if (reset_in_chains(g)) links.push_back({g.reset, true});
        for (const ChainLink& link : links_of(globals))
            links.push_back(link);
        ChainEnd end = write_links(g, links, indent + 2);
        if (end.opened) write_else(g, indent + 2);
        int at = end.opened ? indent + 4 : indent + 2;
        if (g.verilog())
            g.out << format_text("%s%s%s\n", g.pad(at).c_str(), g.prefix(),
                                 "No REST state defined");
        else
            g.out << format_text("%s%s ; %s%s\n", g.pad(at).c_str(), g.kw("NULL"), g.prefix(),
                                 "No REST state defined");
        if (end.opened) write_end_if(g, indent + 2);
        write_assertion(g, "REST", indent + 2);
        if (g.verilog()) g.out << g.pad(indent + 1) << "end\n";
        return;
    }
    if (!in_case || m.assignment == kAssignmentEnumerate) return;
    if (g.verilog()) {
        g.out << format_text("%s%s:\n%s%s\n%s%s\n", g.pad(indent).c_str(), "default",
                             g.pad(indent + 1).c_str(), "begin", g.pad(indent + 1).c_str(), "end");
        return;
    }
    g.out << format_text("%s%s %s => %s ;\n", g.pad(indent).c_str(), g.kw("WHEN"), g.kw("OTHERS"),
                         g.kw("NULL"));
    write_assertion(g, "OTHERS", indent + 2);
}

void write_state_decoding_of_states(MachineGeneration& g, int indent) {
    const StateMachine& m = g.machine;
    if (m.states.size() == 1 && !m.rest) {
        write_state_transitions(g, *m.states.front(), indent);
        return;
    }
    bool in_case = case_form(g);
    int inner = indent;
    if (in_case) {
        write_case_open(g, g.S(), indent);
        inner = indent + 2;
    }
    bool first = true;
    for (const auto& state : m.states) {
        write_state_test(g, g.S(), *state, first, in_case, inner);
        write_state_transitions(g, *state, inner + 2);
        write_state_test_end(g, in_case, inner);
        first = false;
    }
    write_remaining_codes(g, in_case, inner);
    write_decoding_close(g, in_case, indent);
}
} // namespace

bool chains_take_reset(const MachineGeneration& g) {
    return reset_in_chains(g) && states_lead_chains(g) && g.has(kStateActionsExist);
}

void write_state_test(MachineGeneration& g, const std::string& signal, const State& state,
                      bool first, bool in_case, int indent) {
    std::string name = g.suffixed(state);
    const char* s = signal.c_str();
    g.out << g.pad(indent);
    if (in_case) {
        if (g.verilog())
            g.out << format_text("%s:\n%s%s\n", name.c_str(), g.pad(indent + 1).c_str(), "begin");
        else
            g.out << format_text("%s %s =>\n", g.kw("WHEN"), name.c_str());
        return;
    }
    if (!g.hot()) {
        if (g.verilog())
            g.out << (first ? "if" : "else if")
                  << format_text(" (%s == %s) %s\n", s, name.c_str(), "begin");
        else
            g.out << g.kw(first ? "IF" : "ELSIF")
                  << format_text(" %s = %s %s\n", s, name.c_str(), g.kw("THEN"));
        return;
    }
    if (g.one_hot() && g.verilog())
        g.out << format_text("%s (%s[%s])", "if", s, name.c_str());
    else if (g.one_hot())
        g.out << format_text("%s %s(%s) = '1'", g.kw("IF"), s, name.c_str());
    else if (g.verilog())
        g.out << format_text("%s (%s[%s_0] %s", "if", s, name.c_str(), "&&")
              << format_text(" %s[%s_1])", s, name.c_str());
    else
        g.out << format_text("%s %s(%s_0) = '1'", g.kw("IF"), s, name.c_str())
              << format_text(" %s %s(%s_1) = '1'", g.kw("AND"), s, name.c_str());
    g.out << format_text(" %s  %s%s: %s\n", g.word("THEN", "begin"), g.prefix(), "State",
                         state.name.c_str());
}

void write_state_test_end(MachineGeneration& g, bool in_case, int indent) {
    if (g.verilog())
        g.out << g.pad(indent + 1) << "end\n";
    else if (!in_case && g.hot())
        g.out << format_text("%s%s %s ;\n", g.pad(indent).c_str(), g.kw("END"), g.kw("IF"));
}

void write_assertion(MachineGeneration& g, const std::string& name, int indent) {
    if (g.verilog()) return;
    g.out << format_text("%s%s %s\n", g.pad(indent).c_str(), g.kw("ASSERT"), "False");
    g.out << format_text("%s%s \"%s state executed\"\n", g.pad(indent + 2).c_str(), g.kw("REPORT"),
                         name.c_str());
    g.out << format_text("%s%s Warning ;\n", g.pad(indent + 2).c_str(), g.kw("SEVERITY"));
}

void write_next_state_body(MachineGeneration& g, int indent) {
    const StateMachine& m = g.machine;
    std::vector<const Transition*> globals = g.global_transitions();
    if (g.hot()) {
        if (g.verilog())
            g.out << format_text("%s%s %s 0 ;\n", g.pad(indent).c_str(), g.N().c_str(), op(g));
        else
            g.out << format_text("%s%s <= (%s => '0') ;\n", g.pad(indent).c_str(), g.N().c_str(),
                                 g.kw("OTHERS"));
    } else if (g.split()) {
        g.out << format_text("%s%s %s %s ;\n", g.pad(indent).c_str(), g.N().c_str(), g.assign_op(),
                             g.S().c_str());
    }
    if (g.mode == MachineMode::SingleClocked || g.state_actions_combined())
        for (const Label* label : g.default_actions(kDefaultOnStates))
            write_action(g, *label, indent);
    if (!globals.empty() && g.state_actions_combined() && g.has(kStateActionsExist) && g.hot()) {
        for (const auto& state : m.states) {
            if (!g.state_has_actions(*state)) continue;
            write_state_test(g, g.S(), *state, true, false, indent);
            write_actions(g, state->action_usages, indent + 2);
            write_state_test_end(g, false, indent);
        }
    }
    for (const Label* label : g.default_actions(kDefaultOnTransitions))
        write_action(g, *label, indent);
    bool around = !globals.empty() && !joined_chains(g);
    int inner = indent;
    if (around) {
        write_links(g, links_of(globals), indent);
        write_else(g, indent);
        inner = indent + 2;
    }
    write_state_decoding_of_states(g, inner);
    if (around) {
        const char* noun = globals.size() == 1 ? "transition" : "transitions";
        write_end_if(g, indent, format_text(" %sGlobal %s", g.prefix(), noun));
    }
}

// The state actions: those default on states, then per state that has actions its test and
// its actions; a state without actions is left out unless the REST state needs the others
// branch to itself.
void write_state_action_decoding(MachineGeneration& g, const std::string& signal, int indent) {
    const StateMachine& m = g.machine;
    for (const Label* label : g.default_actions(kDefaultOnStates))
        write_action(g, *label, indent);
    if (m.states.size() == 1 && !m.rest) {
        write_actions(g, m.states.front()->action_usages, indent);
        return;
    }
    bool rest_actions = m.rest && !m.rest->action_usages.empty();
    std::vector<const State*> listed;
    for (const auto& state : m.states)
        if (rest_actions || g.state_has_actions(*state)) listed.push_back(state.get());
    if (listed.empty()) return;
    bool in_case = case_form(g);
    int inner = indent;
    if (in_case) {
        write_case_open(g, signal, indent);
        inner = indent + 2;
    }
    bool first = true;
    for (const State* state : listed) {
        write_state_test(g, signal, *state, first, in_case, inner);
        write_actions(g, state->action_usages, inner + 2);
        if (state->action_usages.empty()) write_null(g, inner + 2);
        write_state_test_end(g, in_case, inner);
        first = false;
    }
    if (m.rest) {
        write_others_open(g, in_case, m.rest.get(), inner);
        write_actions(g, m.rest->action_usages, inner + 2);
        if (m.rest->action_usages.empty()) write_null(g, inner + 2);
        if (g.verilog()) g.out << g.pad(inner + 1) << "end\n";
    } else if (in_case &&
               (m.assignment != kAssignmentEnumerate || listed.size() < m.states.size())) {
        if (g.verilog())
            g.out << format_text("%s%s:\n%s%s\n%s%s\n", g.pad(inner).c_str(), "default",
                                 g.pad(inner + 1).c_str(), "begin", g.pad(inner + 1).c_str(),
                                 "end");
        else
            g.out << format_text("%s%s %s => %s ;\n", g.pad(inner).c_str(), g.kw("WHEN"),
                                 g.kw("OTHERS"), g.kw("NULL"));
    }
    write_decoding_close(g, in_case, indent);
}

} // namespace zeph
