// Visiting every block diagram of a design, testbench entities included.
#pragma once

#include "design/design.h"

#include <functional>

namespace zeph {

// Calls `visit` for every architecture that holds a block diagram, in entity order (each
// entity followed by its testbench), then architecture order.
void for_each_block_diagram(Design& design, const std::function<void(Architecture&)>& visit);

// Every entity of the design with its testbench entities, in that order.
void for_each_entity(Design& design, const std::function<void(Entity&)>& visit);

} // namespace zeph
