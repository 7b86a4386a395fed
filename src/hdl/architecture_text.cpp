// Architectures and module bodies by kind.
#include "hdl/architecture_text.h"

#include "design/block_diagram.h"
#include "design/entity.h"
#include "hdl/block_diagram_body.h"
#include "hdl/component_library.h"
#include "hdl/hdl_context.h"
#include "hdl/hdl_file_inclusion.h"
#include "hdl/netlist_text.h"
#include "hdl/state_machine_text.h"
#include "hdl/vhdl_entity.h"

namespace zeph {

void write_architecture(std::ostream& out, const HdlContext& context, const Entity& entity,
                        const Architecture& architecture) {
    if (architecture.kind == kArchitectureHdlFile) {
        write_hdl_file_text(out, context, entity, architecture, nullptr);
        return;
    }
    const int language = context.language;
    write_comment_text(out, architecture.comment, language);
    if (context.vhdl()) {
        if (architecture.kind == kArchitectureBlockDiagram && architecture.block_diagram)
            write_component_libraries(out, context.keywords, *architecture.block_diagram);
        out << '\n' << architecture_line(context, architecture.name, entity.name) << '\n';
        write_text(out, architecture.vhdl_declarations_before, nullptr, 2);
    } else {
        write_comment_text(out, architecture.vhdl_declarations_before, language);
    }
    out << '\n';
    if (architecture.kind == kArchitectureBlockDiagram)
        write_block_diagram_body(out, context, entity, architecture);
    else if (architecture.kind == kArchitectureStateDiagram)
        write_state_machine_architecture(out, context, entity, architecture);
    if (context.vhdl()) out << end_architecture_line(context, architecture.name, entity.name);
}

} // namespace zeph
