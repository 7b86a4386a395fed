// Binding and deleting architectures from the hierarchy display.
#include "blockdiagram/hierarchy_display.h"

#include "blockdiagram/diagram_messages.h"
#include "blockdiagram/hierarchy.h"
#include "blockdiagram/hierarchy_removal.h"
#include "design/block_diagram.h"
#include "foundation/kind_vocabulary.h"
#include "foundation/strings.h"

namespace zeph {

bool architecture_holds_anything(const Architecture& architecture) {
    if (!architecture.vhdl_statements.empty() || !architecture.verilog_statements.empty() ||
        !architecture.vhdl_declarations_before.empty() ||
        !architecture.vhdl_declarations_after.empty() ||
        !architecture.verilog_declarations_before.empty() ||
        !architecture.verilog_declarations_after.empty() || !architecture.sheet.texts.empty())
        return true;
    if (const BlockDiagram* diagram = architecture.block_diagram.get())
        return !diagram->components.empty() || !diagram->nets.empty() ||
               !diagram->processes.empty();
    if (const HdlFile* file = architecture.hdl_file.get())
        return !file->vhdl_file.empty() || !file->verilog_file.empty();
    if (const StateMachine* machine = architecture.state_machine.get())
        return !machine->states.empty() || !machine->transitions.empty();
    return false;
}

Outcome bind_architecture(Design& design, Component& component, Architecture& architecture) {
    (void)design;
    if (component.entity == nullptr || architecture.entity != component.entity)
        return Outcome::Refused;
    if (component.bound_architecture == &architecture) return Outcome::Cancelled;
    bind_component(component, &architecture);
    return Outcome::Done;
}

Outcome delete_architecture(ui::Platform& platform, Design& design, Entity& entity,
                            Architecture& architecture) {
    if (entity.is_library_module()) return refuse(platform, kReadOnlyComponent);
    if (entity.architectures.size() < 2 || architecture.entity != &entity) return Outcome::Refused;
    if (architecture_holds_anything(architecture)) {
        const int language = design.target_language;
        std::string what =
            format_text("%s '%s'(%c) of %s '%s'",
                        kind_name(language, kKindArchitecture, kKindCapital, 1).c_str(),
                        architecture.name.c_str(), architecture_letter(architecture.kind),
                        kind_name(language, kKindEntity, 0, 1).c_str(), entity.name.c_str());
        if (platform.ask_yes_no("Delete Architecture",
                                format_text("%s not empty, are you sure?", what.c_str())) !=
            ui::Answer::Yes)
            return Outcome::Cancelled;
    }
    discard_architecture(platform, design, entity, architecture);
    return Outcome::Done;
}

} // namespace zeph
