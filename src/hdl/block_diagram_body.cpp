// Block-diagram bodies. Empty for now: the text follows once the connection analysis of
// verification (signal classes, bus-entry directions) is in place.
#include "hdl/block_diagram_body.h"

namespace zeph {

void write_block_diagram_body(std::ostream&, const HdlContext&, const Entity&,
                              const Architecture&) {}

} // namespace zeph
