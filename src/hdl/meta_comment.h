// The meta comment at the top of an HDL file: the system's comment block between the begin
// and end markers, with the title, the time of the skeleton and a copy of the interface the
// user's text has to match.
#pragma once

#include <ostream>

namespace zeph {

struct Architecture;
struct Entity;
struct HdlContext;
struct Process;

// For a process when given, else for the architecture. Process ports are copied as the
// verification left them (with the names, types and ranges of the nets they sit on) (a testbench's
// architecture in VHDL carries the testbench's file header, context clauses, entity and
// declarations instead).
void write_meta_comment(std::ostream& out, const HdlContext& context, const Entity& entity,
                        const Architecture& architecture, const Process* process);

// A testbench entity written in VHDL: its HDL file has the testbench layout.
bool is_vhdl_testbench(const HdlContext& context, const Entity& entity);

} // namespace zeph
