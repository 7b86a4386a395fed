// The text of an implicit state machine: one sequential process whose states are WAIT
// statements (VHDL); Verilog gets a comment that the form does not exist there.
#pragma once

#include <ostream>

namespace zeph {

struct Architecture;
struct Entity;
struct HdlContext;
struct Process;

// The whole text of the machine: for an architecture-level machine (null process) its texts,
// BEGIN and the process "state_machine"; for a process of a block diagram the process named
// after it.
void write_implicit_machine(std::ostream& out, const HdlContext& context, const Entity& entity,
                            const Architecture& architecture, const Process* process);

} // namespace zeph
