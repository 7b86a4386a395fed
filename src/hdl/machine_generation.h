// What the text of one explicit state machine is written from: the machine with its scope,
// the output, the language and keywords, the signal names, the reset condition, the flags of
// the actions that exist, the generation mode, and the small helpers every piece shares. It
// lives for one call of the generator; nothing is kept between calls.
#pragma once

#include "design/architecture.h"
#include "design/entity.h"
#include "design/process.h"
#include "design/state_machine.h"
#include "hdl/hdl_context.h"

#include <ostream>
#include <string>
#include <vector>

namespace zeph {

// Flags of the actions a machine has.
inline constexpr unsigned kStateActionsExist = 1;
inline constexpr unsigned kTransitionActionsExist = 2;
inline constexpr unsigned kResetActionsExist = 4;

// How the processes are laid out:
//   1  one clocked process "state_decoding" (actions clocked or none on states)
//   2  "next_state_decoding" and "state_transition"
//   3  "state_decoding" and a combinational "state_actions"
//   4  "next_state_decoding", "state_transition" and "state_actions"
enum class MachineMode {
    SingleClocked = 1,
    Split = 2,
    ClockedWithActions = 3,
    SplitWithActions = 4
};

unsigned machine_action_flags(const StateMachine& machine);
MachineMode machine_mode(const StateMachine& machine, unsigned flags);
bool actions_clocked(int timing);

// The state signal and the next-state signal ("state", or "cur_state" and "next_state"),
// each with the identifier suffix and kept apart from the names of `ports`.
struct MachineSignals {
    std::string state;
    std::string next;
};
MachineSignals machine_signal_names(const StateMachine& machine, MachineMode mode,
                                    const std::vector<std::unique_ptr<Port>>& ports);

class MachineGeneration {
  public:
    MachineGeneration(std::ostream& out, const HdlContext& context, const Entity& entity,
                      const Architecture& architecture, const Process* process);

    std::ostream& out;
    const HdlContext& context;
    const StateMachine& machine;
    const Entity& entity;
    const Architecture& architecture; // the machine's, or the one holding its process
    const Process* process;           // null for an architecture-level machine
    MachineSignals signals;
    const Transition* reset = nullptr; // the reset transition, when it has a condition
    unsigned flags = 0;
    MachineMode mode = MachineMode::Split;
    int base = 2; // indentation of the processes

    bool verilog() const { return context.verilog(); }
    bool vhdl() const { return context.vhdl(); }
    // A VHDL keyword in the design's case, or the Verilog word.
    const char* word(const char* vhdl_upper, const char* verilog_word) const;
    const char* kw(const char* vhdl_upper) const { return context.keyword(vhdl_upper); }
    const char* prefix() const;
    const char* assign_op() const { return verilog() ? "=" : "<="; }
    // "IS" after sensitivity lists and BLOCK in VHDL 93 mode, the empty word otherwise.
    const char* is_word() const;

    const std::string& S() const { return signals.state; }
    const std::string& N() const { return signals.next; }
    bool has(unsigned flag) const { return (flags & flag) != 0; }
    bool one_hot() const { return machine.assignment == kAssignmentOneHot; }
    bool two_hot() const { return machine.assignment == kAssignmentTwoHot; }
    bool hot() const { return one_hot() || two_hot(); }
    bool split() const {
        return mode == MachineMode::Split || mode == MachineMode::SplitWithActions;
    }
    bool state_actions_combined() const { return machine.state_actions == kActionsCombinedProcess; }
    bool transition_actions_combined() const {
        return machine.transition_actions == kActionsCombinedProcess;
    }
    // Bit assignments to the state register of a clocked Verilog always block are
    // non-blocking, so that the tests of the other states still read the old value.
    bool nonblocking_bits() const { return verilog() && !split() && hot(); }

    std::string pad(int blanks) const { return std::string(blanks > 0 ? blanks : 0, ' '); }
    // The state's name followed by the identifier suffix.
    std::string suffixed(const State& state) const;
    std::string process_name(const char* base_name) const;
    const std::vector<std::unique_ptr<Port>>& ports() const;

    // The global transitions and the transitions that leave a state, by priority.
    std::vector<const Transition*> global_transitions() const;
    std::vector<const Transition*> outgoing(const State& state) const;
    // The state that the reset transition enters.
    const State* reset_state() const;
    std::vector<const Label*> default_actions(unsigned flag) const;
    bool state_has_actions(const State& state) const { return !state.action_usages.empty(); }
    const std::string& text_of(const Label& label) const;
};

// Writes the name and text of action labels at an indentation (item layout: a named label
// gets a comment line with its name first).
void write_action(MachineGeneration& g, const Label& label, int indent);
void write_actions(MachineGeneration& g, const std::vector<std::unique_ptr<LabelUsage>>& usages,
                   int indent);
// A condition, the opening parenthesis at `column`: "(text)" for one line without a name,
// otherwise over several lines ending in ")" under the opening parenthesis. Returns the text;
// the caller writes what follows on its last line.
std::string condition_text(const MachineGeneration& g, const Label* label, int column);

// The pieces of the text.
void write_options_comment(MachineGeneration& g);
void write_machine_declarations(MachineGeneration& g);
void write_machine_processes(MachineGeneration& g);
void write_next_state_body(MachineGeneration& g, int indent);
// The state actions decoded on a signal (the actions process, or clocked actions on N).
void write_state_action_decoding(MachineGeneration& g, const std::string& signal, int indent);
void write_actions_process(MachineGeneration& g);

// State tests (item form): "IF S = s1 THEN", "WHEN s1 =>", "if (S[s1]) begin  // State: s1".
void write_state_test(MachineGeneration& g, const std::string& signal, const State& state,
                      bool first, bool case_form, int indent);
// The line that closes the branch of a state in if form or case form.
void write_state_test_end(MachineGeneration& g, bool case_form, int indent);
// Whether the reset test with its actions stands in the chain of every state (state actions
// in the one process) instead of opening the next-state process.
bool chains_take_reset(const MachineGeneration& g);
// The three-line assertion of VHDL.
void write_assertion(MachineGeneration& g, const std::string& name, int indent);

} // namespace zeph
