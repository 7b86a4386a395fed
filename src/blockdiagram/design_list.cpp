// Lines of the design list.
#include "blockdiagram/design_list.h"

#include "blockdiagram/design_walk.h"
#include "blockdiagram/hierarchy.h"
#include "design/block_diagram.h"
#include "foundation/kind_vocabulary.h"
#include "foundation/strings.h"

namespace zeph {

namespace {
constexpr const char* kVhdl = "Vhdl";
constexpr const char* kVerilog = "Verilog";

// "[L:%s]" for a library module, "[X]" for an external entity.
std::string entity_markers(const Entity& entity) {
    std::string markers;
    if (entity.is_library_module())
        markers += format_text("[L:%s]", entity.library_module_name.c_str());
    if (entity.external) markers += "[X]";
    return markers;
}

std::string file_names(const HdlFile* file) {
    std::string vhdl = file != nullptr ? file->vhdl_file : "";
    std::string verilog = file != nullptr ? file->verilog_file : "";
    if (!vhdl.empty() && !verilog.empty())
        return format_text("%s file '%s', %s file '%s'", kVhdl, vhdl.c_str(), kVerilog,
                           verilog.c_str());
    if (!vhdl.empty())
        return format_text("%s file '%s', no %s file", kVhdl, vhdl.c_str(), kVerilog);
    if (!verilog.empty())
        return format_text("no %s file, %s file '%s'", kVhdl, kVerilog, verilog.c_str());
    return format_text("no %s file, no %s file", kVhdl, kVerilog);
}

std::string state_count(int language, const StateMachine* machine) {
    int states = machine != nullptr ? static_cast<int>(machine->states.size()) : 0;
    return format_text("%d %s", states, kind_name(language, kKindState, 0, states).c_str());
}

std::string process_contents(int language, const Process& process) {
    if (process.kind == kProcessStateDiagram)
        return state_count(language, process.state_machine.get());
    return file_names(process.hdl_file.get());
}

void block_diagram_lines(int language, const BlockDiagram& diagram,
                         std::vector<std::string>& lines) {
    int components = static_cast<int>(diagram.components.size());
    int processes = static_cast<int>(diagram.processes.size());
    lines.push_back(format_text("    %d %s and %d %s:", components,
                                kind_name(language, kKindComponent, 0, components).c_str(),
                                processes,
                                kind_name(language, kKindProcess, 0, processes).c_str()));
    const std::string component_word = kind_name(language, kKindComponent, 0, 1);
    for (const auto& component : diagram.components) {
        const Entity* entity = component->entity;
        const Architecture* bound = component->bound_architecture;
        std::string letter =
            bound != nullptr ? format_text("(%c)", architecture_letter(bound->kind)) : "";
        lines.push_back(format_text("      %s '%s:%s%s:%s%s'", component_word.c_str(),
                                    component->name.c_str(),
                                    entity != nullptr ? entity->name.c_str() : "",
                                    entity != nullptr ? entity_markers(*entity).c_str() : "",
                                    bound != nullptr ? bound->name.c_str() : "", letter.c_str()));
    }
    const std::string process_word = kind_name(language, kKindProcess, 0, 1);
    for (const auto& process : diagram.processes)
        lines.push_back(format_text("      %s %s '%s': ",
                                    architecture_kind_text(process->kind == kProcessStateDiagram
                                                               ? kArchitectureStateDiagram
                                                               : kArchitectureHdlFile)
                                        .c_str(),
                                    process_word.c_str(), process->name.c_str()) +
                        process_contents(language, *process));
}

void entity_lines(Design& design, Entity& entity, std::vector<std::string>& lines) {
    const int language = design.target_language;
    std::string heading =
        format_text("%s '%s'", kind_name(language, kKindEntity, kKindCapital, 1).c_str(),
                    entity.name.c_str()) +
        entity_markers(entity);
    if (!entity.library_name.empty())
        heading += format_text(" (library '%s')", entity.library_name.c_str());
    lines.push_back(heading + ":");
    const std::string architecture_word = kind_name(language, kKindArchitecture, 0, 1);
    for (const auto& architecture : entity.architectures) {
        int bound = times_bound(design, *architecture);
        if (entity.external) {
            lines.push_back(format_text("  %s '%s' (#times bound: %d)", architecture_word.c_str(),
                                        architecture->name.c_str(), bound));
            continue;
        }
        lines.push_back(format_text("  %s %s '%s' (#times bound: %d)",
                                    architecture_kind_text(architecture->kind).c_str(),
                                    architecture_word.c_str(), architecture->name.c_str(), bound));
        if (entity.is_library_module()) continue;
        switch (architecture->kind) {
        case kArchitectureBlockDiagram:
            if (architecture->block_diagram != nullptr)
                block_diagram_lines(language, *architecture->block_diagram, lines);
            break;
        case kArchitectureHdlFile:
            lines.push_back("    " + file_names(architecture->hdl_file.get()));
            break;
        case kArchitectureStateDiagram:
            lines.push_back("    " + state_count(language, architecture->state_machine.get()));
            break;
        default:
            break;
        }
    }
}
} // namespace

std::vector<std::string> design_list(Design& design) {
    std::vector<std::string> lines;
    for_each_entity(design, [&](Entity& entity) { entity_lines(design, entity, lines); });
    return lines;
}

} // namespace zeph
