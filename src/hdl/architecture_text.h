// The text of one architecture (Verilog: the body of one module), by the architecture's kind:
// a block diagram, the included HDL file, the state machine's text, or an empty table diagram.
#pragma once

#include <ostream>

namespace zeph {

struct Architecture;
struct Entity;
struct HdlContext;

// Kinds 1, 3 and 4 get the frame below around their body; kind 2 is the HDL file's own text.
//
//   -- architecture comment
//   LIBRARY / USE of library components          (VHDL block diagrams)
//
//   ARCHITECTURE a OF e IS                       (VHDL)
//
//     declarations before signals                (Verilog: as comment lines)
//
//   body
//   END ARCHITECTURE a ; -- of e                 (VHDL)
void write_architecture(std::ostream& out, const HdlContext& context, const Entity& entity,
                        const Architecture& architecture);

} // namespace zeph
