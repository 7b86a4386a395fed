// A small hand-built design that touches every record kind, used by the golden-file tests.
#pragma once

#include "design/design.h"

namespace zeph::testing {

// Toplevel (block diagram with a component, a bus with an entry, a tag, an HDL process and a
// library-module instance), counter (HDL file, generics, ports, testbench) and ctrl (state
// diagram with REST, a reset transition and two unnamed actions).
void build_sample_design(Design& design);

} // namespace zeph::testing
