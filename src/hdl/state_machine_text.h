// Where the text of state diagrams enters the netlist: the body of a state-diagram
// architecture, and the declarations and process text of a state-diagram process. The
// state-machine generator fills these in; until then they write nothing.
#pragma once

#include <ostream>

namespace zeph {

struct Architecture;
struct Entity;
struct HdlContext;
struct Process;

void write_state_machine_architecture(std::ostream& out, const HdlContext& context,
                                      const Entity& entity, const Architecture& architecture);
// Declarations shared by all state-diagram processes of a block diagram (written once).
void write_state_process_shared_declarations(std::ostream& out, const HdlContext& context,
                                             const Architecture& architecture);
void write_state_process_declarations(std::ostream& out, const HdlContext& context,
                                      const Process& process);
void write_state_process(std::ostream& out, const HdlContext& context, const Process& process);

} // namespace zeph
