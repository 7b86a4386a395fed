// Writing entity blocks (generics, ports, architectures with their diagram sections,
// placements and content) and the component records.
#include "design/design_constructors.h"
#include "design/design_writer.h"
#include "design/name_limits.h"

#include <algorithm>

namespace zeph {

namespace {
const StateMachine& machine_or_empty(const std::unique_ptr<StateMachine>& machine) {
    static const StateMachine kEmpty;
    return machine != nullptr ? *machine : kEmpty;
}

const char* generic_type_word(int type) {
    return type >= 0 && type < kGenericTypeCount ? kGenericTypeWords[type] : kGenericTypeWords[0];
}
} // namespace

void DesignWriter::label(const LabelDisplay& label) {
    int lines = text_line_count(label.text);
    out_.format("%d %d %d %d %d %d %d ", label.anchor.x, label.anchor.y, -std::max(label.size, 1),
                label.alignment, label.colour, static_cast<int>(label.options), lines);
    if (lines > 0)
        out_.text_block(label.text);
    else
        out_.raw("\n");
}

void DesignWriter::entity_block(const Entity& entity) {
    out_.format("Entity: %s\n", word_text(entity.name));
    out_.format("%d %d %d %s %d %d 0 0\n", entity.symbol_height, entity.symbol_width,
                flag_word(entity.status), word_text(entity.directory),
                entity.architecture_directory_counter, entity.testbench != nullptr ? 1 : 0);
    out_.format("%d %zu %zu %zu %d %s %d 0 0\n", text_line_count(entity.comment),
                entity.architectures.size(), entity.generics.size(), entity.ports.size(),
                text_line_count(entity.declarations), word_text(entity.library_name),
                entity.external ? 1 : 0);
    std::vector<int> bound = entity.bound_packages.numbers();
    out_.format("%zu ", bound.size());
    for (int number : bound)
        out_.format("%d ", number);
    out_.raw("\n");
    out_.text_block(entity.comment);
    out_.text_block(entity.declarations);
    for (const auto& generic : entity.generics)
        generic_block(*generic);
    for (const auto& port : entity.ports)
        port_block(*port, true);
    for (const auto& architecture : entity.architectures)
        architecture_block(entity, *architecture);
    if (entity.testbench != nullptr) entity_block(*entity.testbench);
}

void DesignWriter::generic_block(const Generic& generic) {
    out_.format("%s %s -1 -1 %d %d 0 %d %d 0 0\n", word_text(generic.name),
                generic_type_word(generic.type), generic.position.x, generic.position.y,
                generic.reserved, generic.default_unit);
    out_.raw("0 @ @ 0 0 0 1 0\n");
    out_.counted(generic.comment, kMaxComment);
    out_.counted(generic.type == kGenericTypeUserDefined ? generic.user_type_name : "",
                 kMaxComment);
    out_.raw("0 0 0 0 0\n");
    out_.counted(generic.default_value, kMaxValue);
    out_.raw("\n");
}

void DesignWriter::port_block(const Port& port, bool with_name) {
    out_.raw("Port: ");
    out_.counted(with_name ? port.name : std::string(), kMaxHdlName);
    out_.raw(" ");
    out_.counted(port.type_name, kMaxHdlName);
    out_.raw("\n");
    const ConnectByName& tag = port.connect_by_name;
    out_.format("-1 -1 %d %d %d -1 %d %d %d %d\n", port.position.x, port.position.y, port.mode,
                tag.mode, port.side, port.signal_kind, tag.has_label ? 1 : 0);
    if (tag.has_label) label(tag.label);
    out_.format("%d %s %s 0 0 %d 1 %d\n", port.range.has_range ? 1 : 0, word_text(port.range.left),
                word_text(port.range.right), port.range.direction, port.special_function);
    out_.counted(port.comment, kMaxComment);
    out_.format("%d %d 0 0 0 0\n", port.sensitivity, port.register_flag ? 1 : 0);
    out_.counted(port.default_value, kMaxValue);
    out_.raw("\n");
    label(port.name_label);
}

void DesignWriter::sheet_lines(const Sheet& sheet) {
    out_.format("%d %d %d 0 0 0\n", sheet.display_grid ? 1 : 0, sheet.grid_step, sheet.size);
    out_.format("%d %d %d %d 0 0\n", sheet.views[0], sheet.views[1], sheet.views[2],
                sheet.views[3]);
}

void DesignWriter::architecture_block(const Entity& entity, const Architecture& architecture) {
    const Architecture& a = architecture;
    out_.format("Architecture: %s %d\n", word_text(a.name), a.kind);
    out_.format("%d %d 0 0 0\n", flag_word(a.status), flag_word(a.second_flags));
    sheet_lines(a.sheet);
    out_.format("%d %zu %d %d %d %d %s %d %d 0\n", text_line_count(a.comment), a.sheet.texts.size(),
                text_line_count(a.vhdl_declarations_before),
                text_line_count(a.verilog_declarations_before), text_line_count(a.vhdl_statements),
                text_line_count(a.verilog_statements), word_text(a.directory),
                text_line_count(a.vhdl_declarations_after),
                text_line_count(a.verilog_declarations_after));
    for (const std::string* text :
         {&a.comment, &a.vhdl_declarations_before, &a.verilog_declarations_before,
          &a.vhdl_declarations_after, &a.verilog_declarations_after, &a.vhdl_statements,
          &a.verilog_statements})
        out_.text_block(*text);
    for (const LabelDisplay& text : a.sheet.texts)
        label(text);
    placements(entity, a);
    switch (a.kind) {
    case kArchitectureBlockDiagram:
        block_diagram(a);
        break;
    case kArchitectureHdlFile:
        hdl_file_section(a.hdl_file.get());
        break;
    case kArchitectureStateDiagram:
        state_diagram(machine_or_empty(a.state_machine));
        break;
    default:
        break;
    }
}

void DesignWriter::placements(const Entity& entity, const Architecture& architecture) {
    for (std::size_t i = 0; i < entity.generics.size(); ++i) {
        GenericPlacement placement;
        if (i < architecture.generic_placements.size())
            placement = architecture.generic_placements[i];
        out_.format("%s %d %d 0 0 0 0 0 0\n", word_text(entity.generics[i]->name),
                    placement.position.x, placement.position.y);
        label(placement.label);
    }
    for (std::size_t i = 0; i < entity.ports.size(); ++i) {
        PortPlacement placement;
        if (i < architecture.port_placements.size()) placement = architecture.port_placements[i];
        const ConnectByName& tag = placement.connect_by_name;
        out_.format("%s %d %d %d %d 0 0 0 0\n", name_word(entity.ports[i]->name).c_str(),
                    placement.position.x, placement.position.y, tag.mode, tag.has_label ? 1 : 0);
        if (tag.has_label) label(tag.label);
        label(placement.name_label);
    }
}

void DesignWriter::block_diagram(const Architecture& architecture) {
    static const BlockDiagram kEmpty;
    const BlockDiagram& diagram =
        architecture.block_diagram != nullptr ? *architecture.block_diagram : kEmpty;
    out_.format("Schem: %zu %zu %zu 0 0 0\n", diagram.components.size(), diagram.nets.size(),
                diagram.processes.size());
    for (std::size_t i = 0; i < diagram.nets.size(); ++i)
        net_record(*diagram.nets[i], static_cast<int>(i));
    for (const auto& process : diagram.processes)
        process_record(architecture, *process);
}

void DesignWriter::net_record(const Net& net, int position) {
    out_.format("Net: %d ", position);
    out_.counted(net.name, kMaxHdlName);
    out_.raw(" ");
    out_.counted(net.type_name, kMaxHdlName);
    out_.raw("\n");
    out_.format(" -1 %zu %zu %zu %zu %d 0\n", net.horizontal.size(), net.vertical.size(),
                net.junctions.size(), net.bus_entries.size(), net.signal_kind);
    out_.format("%d %s %s %d 0 %d 0 0\n", net.bus ? 1 : 0, word_text(net.range.left),
                word_text(net.range.right), net.register_flag ? 1 : 0, net.range.direction);
    out_.counted(net.default_value, kMaxValue);
    label(net.label);
    for (const auto* segments : {&net.horizontal, &net.vertical})
        for (const Segment& s : *segments)
            out_.format("%d %d %d %d\n", s.x1, s.y1, s.x2, s.y2);
    for (const auto& entry : net.bus_entries) {
        out_.format("%d %s %s 0 0 0 0 0 0\n", entry->slice ? 1 : 0, word_text(entry->index),
                    word_text(entry->right));
        out_.format("%d %d %d %d 0\n", entry->bus_point.x, entry->bus_point.y, entry->stub_end.x,
                    entry->stub_end.y);
        label(entry->label);
    }
    for (const JunctionPoint& p : net.junctions)
        out_.format("%d %d\n", p.x, p.y);
}

void DesignWriter::process_record(const Architecture& architecture, const Process& process) {
    out_.format("Process: %s %s %d 0 0\n", word_text(architecture.name), word_text(process.name),
                process.kind);
    out_.format("%d %d %d %d 0 0\n", process.box.x1, process.box.y1, process.box.x2,
                process.box.y2);
    out_.format("%d %d %zu 0 0 0 0 0\n", flag_word(process.status), process.reserved,
                process.ports.size());
    out_.format("Diagram: %d 0 0 0 0\n",
                process.kind == kProcessStateDiagram ? kSheetStateDiagram : kSheetHdlFile);
    sheet_lines(process.sheet);
    out_.format("0 %zu 0 0 0 0 0 0 0 0\n", process.sheet.texts.size());
    for (const LabelDisplay& text : process.sheet.texts)
        label(text);
    label(process.name_label);
    for (const auto& port : process.ports)
        port_block(*port, false);
    if (process.kind == kProcessHdlFile)
        hdl_file_section(process.hdl_file.get());
    else if (process.kind == kProcessStateDiagram)
        state_diagram(machine_or_empty(process.state_machine));
}

void DesignWriter::hdl_file_section(const HdlFile* file) {
    static const HdlFile kNone;
    const HdlFile& f = file != nullptr ? *file : kNone;
    out_.format("Vfile: %d 0 0 0\n", f.reserved);
    out_.counted(f.vhdl_file, kMaxFileName);
    out_.raw("\n");
    out_.counted(f.verilog_file, kMaxFileName);
    out_.raw("\n");
}

void DesignWriter::component_records(const Entity& entity) {
    for (const auto& architecture : entity.architectures) {
        if (architecture->kind != kArchitectureBlockDiagram || !architecture->block_diagram)
            continue;
        for (const auto& component : architecture->block_diagram->components)
            component_record(*architecture, *component);
    }
    if (entity.testbench != nullptr) component_records(*entity.testbench);
}

void DesignWriter::component_record(const Architecture& architecture, const Component& component) {
    const Entity* entity = component.entity;
    const LibraryModuleRef& module = component.library_module;
    bool library = entity != nullptr ? entity->is_library_module() : !module.path.empty();
    std::string entity_name = entity != nullptr ? entity->name : module.entity_name;
    std::string bound = library ? module.architecture_name
                        : component.bound_architecture != nullptr
                            ? component.bound_architecture->name
                            : std::string("0");
    out_.format("Component: %s %s %s %d %d %d %d %s 0\n", word_text(architecture.name),
                word_text(component.name), word_text(entity_name), component.position.x,
                component.position.y, library ? 3 : 1, component.reserved, word_text(bound));
    label(component.name_label);
    // The reader makes one value per generic and one instance per port of the entity.
    std::size_t generics =
        entity != nullptr ? entity->generics.size() : component.generic_values.size();
    std::size_t ports = entity != nullptr ? entity->ports.size() : component.port_instances.size();
    if (library) {
        bool from_entity = module.path.empty() && entity != nullptr;
        out_.counted(from_entity ? entity->library_module_path : module.path, kMaxFileName);
        out_.format(" %zu %zu %s 0 0\n", generics, ports,
                    word_text(from_entity ? entity->library_name : module.library_name));
    }
    for (std::size_t i = 0; i < generics; ++i) {
        GenericValue value;
        if (i < component.generic_values.size()) value = component.generic_values[i];
        out_.counted(value.actual_value, kMaxValue);
        out_.format(" %d %d\n", value.reserved, value.actual_unit);
        label(value.label);
    }
    for (std::size_t i = 0; i < ports; ++i) {
        PortInstance instance;
        if (i < component.port_instances.size()) instance = component.port_instances[i];
        // The connect-by-name tag of the port on this instance, announced like the tag of a
        // port placement: its mode, and 1 when its label line comes before the port's label.
        const ConnectByName& tag = instance.connect_by_name;
        out_.format("%d %d %d 0 ", instance.display_option, tag.mode, tag.has_label ? 1 : 0);
        if (tag.has_label) label(tag.label);
        label(instance.label);
    }
}

} // namespace zeph
