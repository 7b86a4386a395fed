// The logic of the "State Machine Options" dialog: the fields it starts with, which of them
// are enabled, the action timing lists, and OK with its two refusals.
#pragma once

#include "design/edit_outcome.h"
#include "design/state_machine.h"
#include "statemachine/machine_context.h"

#include <string>
#include <vector>

namespace zeph {

struct MachineOptionsFields {
    // "&Behaviour"
    int clock_edge = kClockRisingEdge;              // "Rising edge" / "Falling edge"
    bool edge_functions = false;                    // "Use ieee std_logic_1164 edge functions"
    int transition_actions = kActionsCombinational; // "&On transitions:" (stored value)
    int state_actions = kActionsCombinational;      // "O&n states:" (stored value)
    // "&Style"
    int style = kStyleExplicit;            // "&Style:"
    int assignment = kAssignmentEnumerate; // "S&tate assignment:"
    int decoding = kDecodingCase;          // "&Decoding:"
    bool block_separation = false;         // "&Use VHDL block for identifier separation"
    std::string identifier_suffix;         // "&Identifier suffix:"
    bool operator==(const MachineOptionsFields&) const = default;
};

enum class MachineOptionsField { None, Assignment, Actions, IdentifierSuffix };

MachineOptionsFields machine_options_fields(const StateMachine& machine);

// Which fields the dialog shows enabled for the values it holds now.
struct MachineOptionsEnabling {
    bool style = true; // shown for VHDL designs only
    bool edge_functions = true;
    bool assignment = true;
    bool transition_actions = true;
    bool state_actions = true;
    bool decoding = true;
    bool block_separation = true;
    bool identifier_suffix = true;
};
MachineOptionsEnabling machine_options_enabling(const MachineOptionsFields& fields, bool verilog);

// The action timing lists offer "Combinational", "Comb.(in 1 Process)" (Verilog "Comb.(in 1
// Always Block)") and "Clocked" at positions 0, 1 and 2, stored as 0, 2 and 1; the stored
// "Clocked(Delayed)" is at no position (-1).
std::vector<std::string> action_timing_choices(bool verilog);
int action_timing_position(int value);
int action_timing_value(int position);
const char* action_timing_label(int value, bool verilog);

// OK, in this order: "Too many states for '%s' encoding." for One Hot with more than 80
// states or Two Hot with more than 160; "Clocked actions on transitions and Comb.(in 1
// Process) actions on states not allowed."; the identifier suffix must be letters, digits and
// '_' (message 50) so that it stays one word of the design file. Nothing happens when nothing
// changed; otherwise the values are stored and, when the style or the assignment changed, the
// codes are assigned anew.
DialogResult<MachineOptionsField> apply_machine_options(StateMachine& machine,
                                                        const MachineContext& context,
                                                        MachineOptionsFields fields);

} // namespace zeph
