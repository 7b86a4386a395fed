// Marking HDL files for a skeleton check: clearing their skeleton-current bits, so that the
// next opening or verification refreshes the lines the system writes into them.
#pragma once

namespace zeph {

struct Design;

// Every HDL file of the design: HDL-file architectures, HDL-file processes of block diagrams,
// and the same in testbench entities.
void mark_hdl_files_for_skeleton_check(Design& design);
// The HDL files of testbench architectures only (they carry the context clauses).
void mark_testbench_files_for_skeleton_check(Design& design);

} // namespace zeph
