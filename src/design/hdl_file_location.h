// Where the HDL file named by a design file lives: in the architecture's directory of the
// project, or found beside the project and copied in.
#pragma once

#include "ui/platform.h"

#include "design/design.h"

#include <string>

namespace zeph {

struct Process;

// How a stored HDL file name is to be taken.
enum class HdlFileName {
    Bare,     // "name.vhd"
    Relative, // "sub/name.vhd" or "sub\name.vhd"
    Fixed,    // "$LIB\name.vhd", "C:\dir\name.vhd", "/dir/name.vhd", "\dir\name.vhd"
};
HdlFileName classify_hdl_file_name(const std::string& name);

// Resolves a file name of an architecture (or of a process of it); language 1 VHDL, 2
// Verilog. `project` is the project directory. A name found in the architecture directory
// stays; one found in the project's parent directory is copied into the architecture
// directory (created when needed) and becomes the bare name; a fixed name stays as it is; a
// name found nowhere gives "" (dropped). A copy that would replace another file of that name
// is refused with "Cannot copy %s file '%s' of %s '%s' to\n'%s' because of conflicting file
// names." (kind words in the `vocabulary` language) and the name stays unchanged.
std::string locate_hdl_file(ui::Platform& platform, int vocabulary, const std::string& project,
                            const Entity& entity, const Architecture& architecture,
                            const Process* process, const std::string& name, int language);

} // namespace zeph
