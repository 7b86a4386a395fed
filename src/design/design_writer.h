// The writer of the design records shared by the design file and the macro file.
#pragma once

#include "design/block_diagram.h"
#include "design/design.h"
#include "design/design_text_writer.h"

#include <unordered_map>

namespace zeph {

// The platform family written into time stamp lines: a full 32-bit platform.
inline constexpr const char* kPlatformTagWritten = "NT";

// "%s %3d\n" with the version text and the revision: the first line of every file.
void write_version_line(DesignTextWriter& out);
// The time stamp line "%s (%s)\n" with the platform tag.
std::string platform_tag_line(const char* tag);

using LabelPositions = std::unordered_map<const Label*, int>;

class DesignWriter {
  public:
    explicit DesignWriter(DesignTextWriter& out) : out_(out) {}

    // C: the entity block, its testbench's block included.
    void entity_block(const Entity& entity);
    // H: the component records of the entity's block diagrams, then its testbench's.
    void component_records(const Entity& entity);
    void label(const LabelDisplay& label);

  private:
    void generic_block(const Generic& generic);
    void port_block(const Port& port, bool with_name);
    void architecture_block(const Entity& entity, const Architecture& architecture);
    void sheet_lines(const Sheet& sheet);
    void placements(const Entity& entity, const Architecture& architecture);
    void block_diagram(const Architecture& architecture);
    void net_record(const Net& net, int position);
    void process_record(const Architecture& architecture, const Process& process);
    void hdl_file_section(const HdlFile* file);
    void state_diagram(const StateMachine& machine);
    void label_records(const std::vector<std::unique_ptr<Label>>& labels);
    void label_usage(const LabelUsage& usage, const LabelPositions& positions);
    void component_record(const Architecture& architecture, const Component& component);

    DesignTextWriter& out_;
};

} // namespace zeph
