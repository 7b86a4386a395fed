// The concurrent assignments of a block diagram, which join diagram ports and bus slices to
// the signals verification classified:
//
//   class 27  wire between diagram ports and one bus entry   port <- read slice, slice <- In port
//   class 15  local signal                                    net <- In/Inout port,
//                                                             Out/Inout/Buffer port <- net,
//                                                             net <- read slice, slice <- net
//   class 11  wire between two bus entries A and B           B's slice <- A's, A's <- B's
//
// VHDL "\n target <= source ;", Verilog "\n assign target = source ;".
#pragma once

#include <ostream>

namespace zeph {

class DiagramSignals;
struct HdlContext;

// Returns whether anything was written; the caller ends the block with "\n" then.
bool write_concurrent_assignments(std::ostream& out, const HdlContext& context,
                                  const DiagramSignals& signals);

} // namespace zeph
