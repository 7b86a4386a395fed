// The machines whose generated HDL the simulation tests run: a traffic light, a "101"
// sequence detector with a self-loop and a global transition, a machine with a REST state, one
// with an active-low asynchronous reset that has actions, and a ring of 22 states. Each is an
// entity with the ports clk (Clock), rst (Reset), its inputs, the state output o (a code per
// state, written by state actions), the pulse p (transition actions, 0 by a label that is
// default on transitions) and, with reset actions, r. Every state that may stay has an
// unconditional self-loop last, so that clocked state actions see a transition every cycle.
#pragma once

#include "machine_builder.h"

#include <string>
#include <vector>

namespace machine_hdl_test {

struct SampleMachine {
    Entity* entity = nullptr;
    std::string name;
    std::vector<std::string> inputs;
    int width = 0; // of o
    bool reset_output = false;
    bool active_low = false;
    bool rest = false;
};

SampleMachine build_traffic_light(Design& design);
SampleMachine build_sequence_detector(Design& design);
SampleMachine build_rest_machine(Design& design);
SampleMachine build_reset_actions_machine(Design& design);
SampleMachine build_ring(Design& design, int states = 22);

// The same kinds of machine drawn so that they can also be implicit: every state that may
// stay has a conditional self-loop first (the reset state may stay by an unconditional one,
// last), and the pulse is 0 by an action of its own on every other transition, since an
// implicit machine has no default actions. Among them a machine with an IF/ELSIF/ELSE group
// that meets again, two loops on one state and a loop through a state.
SampleMachine build_implicit_traffic_light(Design& design);
SampleMachine build_implicit_runner(Design& design);
SampleMachine build_implicit_ring(Design& design, int states = 22);
SampleMachine build_implicit_mixer(Design& design);

// User defined codes for the states of a machine (distinct, not the Binary ones).
void give_user_codes(StateMachine& machine);

// One generated variant of a machine: its options and clock edge.
struct MachineVariant {
    int assignment = kAssignmentEnumerate;
    int decoding = kDecodingCase;
    int transition_actions = kActionsCombinational;
    int state_actions = kActionsCombinational;
    int clock_edge = kClockRisingEdge;
    // An implicit variant takes only its clock edge; its transition actions count as
    // clocked for the testbench, which is how a WAIT-statement process makes them.
    int style = kStyleExplicit;
    std::string label() const;
};

// Every assignment, both decodings (one for One Hot and Two Hot, which have none), every pair
// of action timings the options dialog accepts, and both clock edges.
std::vector<MachineVariant> all_variants();

// Sets the options of the variant (and user defined codes) and verifies; false when
// verification refuses the machine, with the errors.
bool prepare_variant(Design& design, SampleMachine& sample, const MachineVariant& variant,
                     std::vector<std::string>* errors = nullptr);

} // namespace machine_hdl_test
