// The statements of an implicit machine's process: its path tree written out, each state a
// WAIT statement, its transitions WHILE loops, IF/ELSIF/ELSE groups and plain steps.
#pragma once

#include "hdl/machine_generation.h"

namespace zeph {

struct PathTree;

// Writes the tree from its root at indentation 6; with a reset each WAIT also ends on the
// reset condition and is followed by the NEXT statement that restarts "resetloop".
void write_implicit_statements(MachineGeneration& g, const PathTree& tree);

// The reset condition as the WAIT and NEXT statements quote it: the condition's first line.
std::string implicit_reset_text(const MachineGeneration& g);

} // namespace zeph
