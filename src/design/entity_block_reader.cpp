// Reading entity blocks: the entity lines, generics, ports, architectures with their diagram
// sections and placements, and the testbench that may follow.
#include "design/design_constructors.h"
#include "design/design_reader.h"
#include "design/design_text_writer.h"
#include "design/name_limits.h"

namespace zeph {

namespace {
// Testbenches nest inside the block of the entity they test; deeper nesting is corrupt.
constexpr int kMaxTestbenchDepth = 16;

bool is_fresh_directory(const std::string& word) {
    return word.empty() || word == "0";
}
} // namespace

void DesignReader::assign_entity_directory(Entity& entity, const std::string& word) {
    if (!is_fresh_directory(word))
        entity.directory = word;
    else if (mode_ != ReadMode::Library && !entity.name.empty())
        entity.directory = new_entity_directory(target_, entity.name);
}

// Lines 2 to 5 of an entity block.
void DesignReader::entity_lines(Entity& entity, int& architectures, int& generics, int& ports,
                                bool& testbench_follows) {
    entity.symbol_height = coordinate();
    entity.symbol_width = coordinate();
    entity.status = static_cast<unsigned>(in_.integer());
    std::string directory = in_.word(kMaxDirectoryName);
    testbench_follows = false;
    if (index_ >= 9) {
        entity.architecture_directory_counter = in_.integer();
        testbench_follows = in_.integer() != 0;
    }
    in_.end_line();
    assign_entity_directory(entity, directory);

    int comment_lines = in_.count();
    architectures = in_.count();
    generics = in_.count();
    ports = in_.count();
    int declaration_lines = in_.count();
    if (index_ >= 9) {
        std::string library = in_.word(kMaxHdlName);
        entity.library_name = library == "0" ? std::string() : library;
        entity.external = in_.integer() != 0;
    }
    in_.end_line();

    if (index_ >= 9) {
        int bound = in_.count();
        for (int i = 0; i < bound; ++i)
            entity.bound_packages.append(in_.integer());
        in_.end_line();
    }
    entity.comment = in_.text_block(comment_lines);
    entity.declarations = in_.text_block(declaration_lines);
}

std::unique_ptr<Entity> DesignReader::entity_block(const std::string* named, int depth) {
    if (depth > kMaxTestbenchDepth) in_.fail();
    auto entity = std::make_unique<Entity>();
    if (named != nullptr) {
        entity->name = *named;
    } else {
        in_.expect("Entity:");
        entity->name = in_.word(kMaxHdlName);
        in_.end_line();
    }
    int architectures = 0, generics = 0, ports = 0;
    bool testbench_follows = false;
    entity_lines(*entity, architectures, generics, ports, testbench_follows);

    // Old files hold the architectures before the interface, and the labels of diagram
    // generics and ports in the interface blocks.
    bool old_layout = index_ < 7;
    if (old_layout)
        for (int i = 0; i < architectures; ++i)
            add_architecture(*entity, architecture_block(*entity));
    std::vector<LabelDisplay> generic_labels;
    for (int i = 0; i < generics; ++i) {
        entity->generics.push_back(new_generic());
        generic_block(*entity->generics.back(), generic_labels);
    }
    for (int i = 0; i < ports; ++i) {
        entity->ports.push_back(new_port());
        port_block(*entity->ports.back());
    }
    if (old_layout)
        build_old_placements(*entity, generic_labels);
    else
        for (int i = 0; i < architectures; ++i)
            add_architecture(*entity, architecture_block(*entity));

    if (testbench_follows && mode_ != ReadMode::Library)
        set_testbench(*entity, entity_block(nullptr, depth + 1));
    return entity;
}

void DesignReader::generic_block(Generic& generic, std::vector<LabelDisplay>& old_labels) {
    generic.name = in_.word(kMaxHdlName);
    std::string type = in_.raw_word();
    generic.type = -1;
    for (int t = 0; t < kGenericTypeCount; ++t)
        if (type == kGenericTypeWords[t]) generic.type = t;
    if (generic.type < 0) in_.fail();
    in_.integer();
    in_.integer();
    generic.position = point();
    in_.integer();
    generic.reserved = in_.integer();
    generic.default_unit = in_.integer();
    in_.end_line();

    in_.integer();
    in_.raw_word();
    in_.raw_word();
    in_.integer();
    in_.integer();
    in_.integer();
    bool texts_follow = in_.integer() != 0;
    in_.end_line();
    if (texts_follow) {
        generic.comment = in_.counted(kMaxComment);
        std::string user_type = in_.counted(kMaxComment);
        if (generic.type == kGenericTypeUserDefined) generic.user_type_name = user_type;
        in_.end_line();
    }
    generic.default_value = in_.counted(kMaxValue);
    in_.end_line();
    if (index_ < 7) old_labels.push_back(label(LabelKind::Generic));
}

void DesignReader::port_block(Port& port) {
    in_.expect("Port:");
    port.name = in_.counted(kMaxHdlName);
    port.type_name = in_.counted(kMaxHdlName);
    in_.end_line();
    if (index_ < 4 && port.type_name == "Bit") port.type_name.clear();

    in_.integer();
    in_.integer();
    port.position = point();
    port.mode = in_.integer();
    in_.integer();
    port.connect_by_name.mode = in_.integer();
    port.side = in_.integer();
    port.signal_kind = in_.integer();
    port.connect_by_name.has_label = in_.integer() != 0;
    in_.end_line();
    if (port.connect_by_name.has_label) port.connect_by_name.label = label(LabelKind::ConnectLabel);

    port.range.has_range = in_.integer() != 0;
    port.range.left = in_.word(kMaxHdlName);
    port.range.right = in_.word(kMaxHdlName);
    in_.integer();
    in_.integer();
    port.range.direction = in_.integer();
    bool texts_follow = in_.integer() != 0;
    port.special_function = in_.integer();
    in_.end_line();
    if (index_ < 5) port.range.direction = old_direction(port.range);
    if (texts_follow) {
        port.comment = in_.counted(kMaxComment);
        port.sensitivity = in_.integer();
        port.register_flag = in_.integer() != 0;
        in_.end_line();
    }
    port.default_value = in_.counted(kMaxValue);
    in_.end_line();
    port.name_label = label(LabelKind::Port);
}

std::unique_ptr<Architecture> DesignReader::architecture_block(Entity& entity) {
    in_.expect("Architecture:");
    std::string name = in_.word(kMaxHdlName);
    int kind = in_.integer();
    if (kind < kArchitectureBlockDiagram || kind > kArchitectureStateDiagram) in_.fail();
    in_.end_line();
    auto architecture = new_unnamed_architecture(kind, record_defaults(), target_.synthesis_tool);
    architecture->name = name;
    architecture->entity = &entity;
    architecture->status = static_cast<unsigned>(in_.integer());
    architecture->second_flags = static_cast<unsigned>(in_.integer());
    in_.end_line();
    if (entity.external || mode_ == ReadMode::Library) architecture->second_flags = 1;

    architecture_diagram(*architecture, entity);
    if (index_ >= 7) placements(*architecture, entity);
    switch (kind) {
    case kArchitectureBlockDiagram:
        block_diagram(*architecture);
        break;
    case kArchitectureHdlFile:
        hdl_file_section(*architecture->hdl_file, entity, architecture.get(), nullptr);
        break;
    default:
        state_diagram(*architecture->state_machine);
        break;
    }
    return architecture;
}

// Lines 2 and 3 of a diagram section: grid, size and the view numbers.
void DesignReader::sheet_lines(Sheet& sheet) {
    sheet.display_grid = in_.integer() != 0;
    in_.integer(); // the grid spacing is the program's
    int size = in_.integer();
    if (size != 0) sheet.size = size;
    in_.end_line();
    for (int i = 0; i < 4; ++i)
        in_.integer();
    in_.end_line();
}

void DesignReader::architecture_diagram(Architecture& architecture, Entity& entity) {
    sheet_lines(architecture.sheet);
    int comment = in_.count();
    int texts = in_.count();
    int vhdl_before = in_.count();
    int verilog_before = 0, verilog_statements = 0, vhdl_after = 0, verilog_after = 0;
    if (index_ >= 9) verilog_before = in_.count();
    int vhdl_statements = in_.count();
    if (index_ >= 9) verilog_statements = in_.count();
    std::string directory = in_.word(kMaxDirectoryName);
    if (index_ >= 9) {
        vhdl_after = in_.count();
        verilog_after = in_.count();
    } else if (!in_.integer_on_line(vhdl_after)) {
        vhdl_after = 0;
    }
    if (vhdl_after < 0) in_.fail();
    in_.end_line();
    if (!is_fresh_directory(directory))
        architecture.directory = directory;
    else if (mode_ != ReadMode::Library)
        architecture.directory = new_architecture_directory(entity, architecture.name);

    architecture.comment = in_.text_block(comment);
    architecture.vhdl_declarations_before = in_.text_block(vhdl_before);
    architecture.verilog_declarations_before = in_.text_block(verilog_before);
    architecture.vhdl_declarations_after = in_.text_block(vhdl_after);
    architecture.verilog_declarations_after = in_.text_block(verilog_after);
    architecture.vhdl_statements = in_.text_block(vhdl_statements);
    architecture.verilog_statements = in_.text_block(verilog_statements);
    for (int i = 0; i < texts; ++i)
        architecture.sheet.texts.push_back(label(LabelKind::FreePlacedText));
}

void DesignReader::process_diagram(Process& process) {
    in_.expect("Diagram:");
    in_.integer(); // the kind follows from the process
    in_.end_line();
    sheet_lines(process.sheet);
    in_.integer();
    int texts = in_.count();
    in_.end_line();
    for (int i = 0; i < texts; ++i)
        process.sheet.texts.push_back(label(LabelKind::FreePlacedText));
}

void DesignReader::placements(Architecture& architecture, const Entity& entity) {
    architecture.generic_placements.resize(entity.generics.size());
    for (std::size_t i = 0; i < entity.generics.size(); ++i) {
        GenericPlacement& placement = architecture.generic_placements[i];
        if (in_.word(kMaxHdlName) != entity.generics[i]->name) in_.fail();
        placement.position = point();
        in_.end_line();
        placement.label = label(LabelKind::Generic);
    }
    architecture.port_placements.resize(entity.ports.size());
    for (std::size_t i = 0; i < entity.ports.size(); ++i) {
        PortPlacement& placement = architecture.port_placements[i];
        if (name_word(in_.word(kMaxHdlName)) != name_word(entity.ports[i]->name)) in_.fail();
        placement.position = point();
        placement.connect_by_name.mode = in_.integer();
        placement.connect_by_name.has_label = in_.integer() != 0;
        in_.end_line();
        if (placement.connect_by_name.has_label)
            placement.connect_by_name.label = label(LabelKind::ConnectLabel);
        placement.name_label = label(LabelKind::Port);
    }
}

// Old files have one placement per interface element, held by the element itself.
void DesignReader::build_old_placements(Entity& entity,
                                        const std::vector<LabelDisplay>& generic_labels) {
    for (auto& architecture : entity.architectures) {
        architecture->generic_placements.resize(entity.generics.size());
        for (std::size_t i = 0; i < entity.generics.size(); ++i) {
            architecture->generic_placements[i].position = entity.generics[i]->position;
            architecture->generic_placements[i].label = generic_labels[i];
        }
        architecture->port_placements.resize(entity.ports.size());
        for (std::size_t i = 0; i < entity.ports.size(); ++i) {
            const Port& port = *entity.ports[i];
            PortPlacement& placement = architecture->port_placements[i];
            placement.position = port.position;
            placement.connect_by_name = port.connect_by_name;
            placement.name_label = port.name_label;
        }
    }
}

} // namespace zeph
