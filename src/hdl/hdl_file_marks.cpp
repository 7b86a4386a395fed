// Walks the design's HDL file records and clears their skeleton-current bits.
#include "hdl/hdl_file_marks.h"

#include "design/block_diagram.h"
#include "design/design.h"

namespace zeph {

namespace {
void clear(HdlFile* file) {
    if (file != nullptr) file->skeleton_current = 0;
}

void mark_architecture(Architecture& architecture) {
    clear(architecture.hdl_file.get());
    if (architecture.block_diagram == nullptr) return;
    for (const auto& process : architecture.block_diagram->processes)
        clear(process->hdl_file.get());
}

// The entity, then its testbench, the testbench's testbench, ...
void mark_entity(Entity& entity, bool testbench, bool only_testbenches) {
    if (testbench || !only_testbenches)
        for (const auto& architecture : entity.architectures)
            mark_architecture(*architecture);
    if (entity.testbench != nullptr) mark_entity(*entity.testbench, true, only_testbenches);
}
} // namespace

void mark_after_interface_change(Entity& entity) {
    for (const auto& architecture : entity.architectures)
        mark_architecture(*architecture);
    if (entity.testbench != nullptr) mark_after_interface_change(*entity.testbench);
}

void mark_after_architecture_rename(Architecture& architecture) {
    mark_architecture(architecture);
}

void mark_after_process_change(Process& process) {
    clear(process.hdl_file.get());
}

void mark_hdl_files_for_skeleton_check(Design& design) {
    for (const auto& entity : design.entities)
        mark_entity(*entity, false, false);
}

void mark_testbench_files_for_skeleton_check(Design& design) {
    for (const auto& entity : design.entities)
        mark_entity(*entity, false, true);
}

} // namespace zeph
