// Where the HDL file of an HDL-file architecture or process lies: in the architecture's
// directory, work/<entity directory>/<architecture directory>, of the project. Also the
// skeleton-current bit of a language and the temporary file of a refresh.
#pragma once

#include <filesystem>
#include <string>

namespace zeph {

struct Architecture;
struct Entity;
struct HdlFile;
struct Process;
struct ProjectPlace;

inline constexpr const char* kRefreshFileName = "zeph.tmp";

// 1 for VHDL, 2 for Verilog.
unsigned skeleton_bit(int language);

// "Vhdl" or "Verilog", as messages name the file kinds.
const char* hdl_language_word(int language);

std::filesystem::path architecture_directory_path(const ProjectPlace& place, const Entity& entity,
                                                  const Architecture& architecture);

// The file name stored for the language, "" when none.
const std::string& hdl_file_name(const HdlFile& file, int language);

// The file in the architecture's directory (a stored name with directories is taken relative
// to it, "\" read as "/"; an absolute name stays). Empty when no file is named.
std::filesystem::path hdl_file_path(const ProjectPlace& place, const Entity& entity,
                                    const Architecture& architecture, const HdlFile& file,
                                    int language);

// The HDL file record of the process when given, else of the architecture; null when the
// owner has none.
HdlFile* hdl_file_of(Architecture& architecture, Process* process);
const HdlFile* hdl_file_of(const Architecture& architecture, const Process* process);

// "zeph.tmp" in the project directory.
std::filesystem::path refresh_file_path(const ProjectPlace& place);

} // namespace zeph
