// The text of an HDL-file architecture or process in the netlist: the user's part of its file
// (everything after the meta comment, the whole file without one), with carriage returns
// dropped. The system lines are taken as the last refresh left them.
#pragma once

#include "ui/platform.h"

#include <filesystem>
#include <ostream>

namespace zeph {

struct Architecture;
struct Entity;
struct HdlContext;
struct Process;

// The meta comment is the one of the language (1 VHDL, 2 Verilog). False when the file cannot
// be read or its meta comment has no end (both shown; nothing is written).
bool include_hdl_file(ui::Platform& platform, std::ostream& out, const std::filesystem::path& path,
                      int language);

// The included text, or a comment block when no file is named for the language ("No Vhdl
// file specified for architecture 'a'.") or the named file does not exist ("Vhdl file for
// Architecture 'a' not found in file system.").
void write_hdl_file_text(std::ostream& out, const HdlContext& context, const Entity& entity,
                         const Architecture& architecture, const Process* process);

} // namespace zeph
