// Implicit machines: Verilog has no form for them.
#include "hdl/implicit_machine_text.h"

#include "foundation/strings.h"
#include "hdl/hdl_context.h"
#include "hdl/netlist_text.h"

namespace zeph {

void write_implicit_machine(std::ostream& out, const HdlContext& context, const Entity&,
                            const Architecture&, const Process*) {
    if (context.verilog())
        out << format_text("\n%s%s %ss not implemented in %s.\n", comment_prefix(2), "Implicit",
                           "State Diagram", "Verilog");
}

} // namespace zeph
