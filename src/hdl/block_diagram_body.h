// The body of a block-diagram architecture: component declarations, configuration
// specifications, signal and wire declarations, concurrent assignments, instances and
// processes. It reads the connection analysis that verification leaves on the nets.
#pragma once

#include <ostream>

namespace zeph {

struct Architecture;
struct Entity;
struct HdlContext;

void write_block_diagram_body(std::ostream& out, const HdlContext& context, const Entity& entity,
                              const Architecture& architecture);

} // namespace zeph
