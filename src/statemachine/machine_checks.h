// Verification of state machines, in the three phases that verification runs over every
// architecture and process: the structure of the machine (states, reset condition, special
// ports, assignment, labels, transitions, independent parts), the export of the state
// register, and the control structure (duplicate conditions; the path tree of an implicit
// machine). Besides the numbered messages the checks fill the fields that HDL generation
// reads: `clock_port`, `reset_port`, `reset_level`, `state_port` and `state_vector_ranged`.
// They never change the drawing; phase 1 only puts the transition list in its order.
#pragma once

#include "design/design.h"
#include "design/report.h"

namespace zeph {

// The machine under verification: a state-diagram architecture (process null) or a
// state-diagram process of a block diagram, with the design whose rules apply.
struct MachineScope {
    const Design& design;
    Report& report;
    Entity& entity;
    Architecture& architecture;
    Process* process = nullptr;
};

// Phase 1, structure; sets done bit 1.
void check_machine_structure(const MachineScope& scope);
// Phase 2, the State Register port and `state_vector_ranged`; sets done bit 2.
void check_machine_state_register(const MachineScope& scope);
// Phase 3, duplicate conditions and, for an implicit machine with states, the path tree; sets
// done bit 4. An implicit machine, whose HDL cannot be written yet, ends with error 60.
void check_machine_control(const MachineScope& scope);

// Phases 2 and 3 as verification runs them once the connections are known: phase 3 only when
// the architecture or process is still without error.
void check_machine_export_and_control(const MachineScope& scope);

// The state-diagram processes of a block diagram whose machines would generate the same
// identifiers (message 35).
void check_identifier_suffixes(const Design& design, Report& report, Entity& entity,
                               Architecture& architecture);

// Once the process ports carry the names of their signals: the clock and state register
// signals of the process's machine, and a reset port whose signal is not the one that the
// reset condition names (message 25).
void take_special_port_signals(const MachineScope& scope);

} // namespace zeph
