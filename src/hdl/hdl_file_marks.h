// Marking HDL files for a skeleton check: clearing their skeleton-current bits, so that the
// next opening or verification refreshes the lines the system writes into them.
#pragma once

namespace zeph {

struct Architecture;
struct Design;
struct Entity;
struct Process;

// Every HDL file of the design: HDL-file architectures, HDL-file processes of block diagrams,
// and the same in testbench entities.
void mark_hdl_files_for_skeleton_check(Design& design);
// The HDL files of testbench architectures only (they carry the context clauses).
void mark_testbench_files_for_skeleton_check(Design& design);

// The edits whose results the system lines of HDL files show:
// generics or ports of an entity changed: its HDL files and its testbench's copy them;
void mark_after_interface_change(Entity& entity);
// an architecture got a new name: its start and end lines and its processes' titles name it;
void mark_after_architecture_rename(Architecture& architecture);
// a process got a new name, new ports, new port settings or new signals on its ports.
void mark_after_process_change(Process& process);

} // namespace zeph
