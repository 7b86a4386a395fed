// The text of an implicit state machine: one sequential process whose states are WAIT
// statements (VHDL only). Verification refuses implicit machines until their path tree is
// built, so only the Verilog notice is written here today.
#pragma once

#include <ostream>

namespace zeph {

struct Architecture;
struct Entity;
struct HdlContext;
struct Process;

void write_implicit_machine(std::ostream& out, const HdlContext& context, const Entity& entity,
                            const Architecture& architecture, const Process* process);

} // namespace zeph
