// Skeleton bodies of new HDL files.
#include "hdl/skeleton_body.h"

#include "design/entity.h"
#include "design/process.h"
#include "foundation/strings.h"
#include "hdl/hdl_context.h"
#include "hdl/meta_comment.h"
#include "hdl/process_heading.h"
#include "hdl/testbench_text.h"
#include "hdl/vhdl_entity.h"
#include "hdl/vhdl_keywords.h"

namespace zeph {

void write_skeleton_body(std::ostream& out, const HdlContext& context, const Entity& entity,
                         const Architecture& architecture, const Process* process) {
    if (process != nullptr) {
        out << '\n';
        write_process_heading(out, context, *process);
        if (context.vhdl())
            out << format_text("  %s\n\n  ", context.keyword("BEGIN"));
        else
            out << '\n';
        write_process_end(out, context, *process);
        return;
    }
    if (context.verilog()) return; // a module body is the user's text alone
    if (is_vhdl_testbench(context, entity)) {
        write_testbench_stimuli(out, context, entity);
        const Architecture& first = *entity.architectures.front();
        out << '\n' << end_architecture_line(context, first.name, entity.name);
        return;
    }
    out << '\n' << architecture_line(context, architecture.name, entity.name);
    out << format_text("\n%s\n\n", context.keyword("BEGIN"));
    out << end_architecture_line(context, architecture.name, entity.name);
}

} // namespace zeph
