// "Import VHDL File": reads a VHDL source file, logs what it parses and finds wrong in the
// report window ("VHDL Import"), and takes its entities over into the design.
#pragma once

#include "blockdiagram/diagram_settings.h"
#include "design/design.h"
#include "design/design_defaults.h"

#include <cstddef>
#include <filesystem>
#include <string>

namespace ui {
class Platform;
}

namespace zeph::vhdl {

struct ImportSettings {
    std::string vhdl_extension = "vhd"; // of the HDL files written for the architectures
    int debug_level = 0;
    std::size_t stack_limit = 10000;
    // New architectures and the port labels of the symbols take the session's defaults.
    DesignDefaults record_defaults;
    DiagramSettings diagram_settings;
};

struct ImportOutcome {
    bool read = false;  // the file could be opened and read
    int taken_over = 0; // entities added to the design
    int errors = 0;
    int warnings = 0;
};

// The whole import of one file into the design of the project directory. The design's
// VHDL93 setting selects the language; the design is changed only after the parse.
ImportOutcome import_vhdl_file(const std::string& path, Design& design,
                               const std::filesystem::path& project_directory,
                               ui::Platform& platform, const ImportSettings& settings);

// The debug level of the environment variable ZEPH_IMPORT_DEBUG (0 when unset or no number).
int import_debug_level_from_environment();

} // namespace zeph::vhdl
