// An architecture (Verilog: module body) of an entity: its texts, its sheet, the placements of
// the entity's generics and ports on that sheet, and its content by kind.
#pragma once

#include "design/geometry.h"
#include "design/hdl_file.h"
#include "design/label_display.h"
#include "design/port.h"
#include "design/sheet.h"
#include "design/state_machine.h"

#include <memory>
#include <string>
#include <vector>

namespace zeph {

struct BlockDiagram;
struct Entity;

// Architecture kinds; the kind letter is the character at that position of "UBVST".
inline constexpr int kArchitectureUndefined = 0;
inline constexpr int kArchitectureBlockDiagram = 1;
inline constexpr int kArchitectureHdlFile = 2;
inline constexpr int kArchitectureStateDiagram = 3;
inline constexpr int kArchitectureTableDiagram = 4;
inline constexpr const char* kArchitectureLetters = "UBVST";

// Placement i belongs to generic i of the entity.
struct GenericPlacement {
    Point position;
    LabelDisplay label;
};

// Placement i belongs to port i of the entity.
struct PortPlacement {
    Point position;
    ConnectByName connect_by_name;
    LabelDisplay name_label;
};

struct Architecture {
    Architecture();
    ~Architecture();
    Architecture(const Architecture&) = delete;
    Architecture& operator=(const Architecture&) = delete;

    std::string name; // up to 32 characters
    int kind = kArchitectureUndefined;
    std::string directory; // up to 8 characters
    std::string comment;
    std::string vhdl_declarations_before;
    std::string vhdl_declarations_after;
    std::string verilog_declarations_before;
    std::string verilog_declarations_after;
    std::string vhdl_statements;
    std::string verilog_statements;
    unsigned status = 0;
    unsigned second_flags = 0; // 1 for architectures of external modules
    Sheet sheet;
    std::vector<GenericPlacement> generic_placements;
    std::vector<PortPlacement> port_placements;
    std::unique_ptr<BlockDiagram> block_diagram; // kind 1
    std::unique_ptr<HdlFile> hdl_file;           // kind 2
    std::unique_ptr<StateMachine> state_machine; // kind 3
    Entity* entity = nullptr;
};

} // namespace zeph
