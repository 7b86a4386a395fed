// A datapath built in code as a whole-design verification leaves it: buses with index and
// slice entries, a wire between two entries, a wire from an entry to a port, local signals,
// an Inout port, a connect-by-name signal, two components of one entity, an HDL-file leaf and
// an HDL-file process. y = x, z = x(0), p = NOT x(1), w = NOT x(3 downto 0).
#pragma once

#include "diagram_builder.h"

#include <memory>
#include <vector>

namespace hdl_text_test {

struct Datapath {
    Entity* toplevel = nullptr;
    Entity* buf4 = nullptr;
    Entity* inv4 = nullptr;
    Entity* datapath = nullptr;
    Architecture* wiring = nullptr;    // buf4
    Architecture* rtl = nullptr;       // inv4, an HDL file
    Architecture* structure = nullptr; // datapath
    Process* ctrl = nullptr;
    std::vector<std::unique_ptr<Net>> named_signals;
    std::unordered_map<const BlockDiagram*, std::vector<const Net*>> signals;
};

// Builds the design into `design` (which must be empty) and marks everything verified.
void build_datapath(Design& design, Datapath& d);

// Writes the user files of the HDL-file leaf and process for the design's language and
// refreshes them once, so that their system lines are the generator's.
::testing::AssertionResult write_datapath_files(const HdlContext& context, Datapath& d);

} // namespace hdl_text_test
