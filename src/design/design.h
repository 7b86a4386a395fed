// The one design of the open project: its entities, library entries, configurations and
// design settings. The design owns every record reachable from it.
#pragma once

#include "design/configuration.h"
#include "design/entity.h"
#include "design/package_spec.h"
#include "design/synthesis_tools.h"

#include <memory>
#include <string>
#include <vector>

namespace zeph {

struct Process;

struct Design {
    Design() = default;
    Design(const Design&) = delete;
    Design& operator=(const Design&) = delete;
    Design(Design&&) = default;
    Design& operator=(Design&&) = default;

    // Sorted by name after loading; entities added since stand at the end (the design file is
    // written sorted by name).
    std::vector<std::unique_ptr<Entity>> entities;
    Entity* root = nullptr; // the entity "Toplevel"
    // The diagram being edited.
    Entity* current_entity = nullptr;
    Architecture* current_architecture = nullptr;
    Process* current_process = nullptr;
    int entity_directory_counter = 0;
    PackageList library_entries;
    std::vector<std::unique_ptr<Configuration>> configurations;
    Configuration* current_configuration = nullptr;
    std::string designer;           // up to 50
    std::string company;            // up to 50
    std::string design_information; // up to 50
    int target_language = 1;        // 1 VHDL, 2 Verilog
    int language_checking = 1;      // 1 VHDL rules, 2 Verilog rules, 3 both
    std::string vhdl_signal_type;   // up to 32
    std::string vhdl_vector_type;   // up to 32
    bool inline_synthesis_attributes = false;
    bool vhdl93 = false;
    int keyword_case = 0; // 0 lower, 1 upper, 2 capitalised
    int synthesis_tool = 0;
    std::string vhdl_header_file;    // up to 256
    std::string verilog_header_file; // up to 256
};

} // namespace zeph
