// Paths of HDL files and their skeleton-current bits.
#include "hdl/hdl_file_place.h"

#include "design/architecture.h"
#include "design/entity.h"
#include "design/process.h"
#include "hdl/hdl_context.h"

#include <algorithm>

namespace zeph {

unsigned skeleton_bit(int language) {
    return language == 2 ? 2u : 1u;
}

const char* hdl_language_word(int language) {
    return language == 2 ? "Verilog" : "Vhdl";
}

std::filesystem::path architecture_directory_path(const ProjectPlace& place, const Entity& entity,
                                                  const Architecture& architecture) {
    return place.project_directory / "work" / entity.directory / architecture.directory;
}

const std::string& hdl_file_name(const HdlFile& file, int language) {
    return language == 2 ? file.verilog_file : file.vhdl_file;
}

std::filesystem::path hdl_file_path(const ProjectPlace& place, const Entity& entity,
                                    const Architecture& architecture, const HdlFile& file,
                                    int language) {
    std::string name = hdl_file_name(file, language);
    if (name.empty()) return {};
    std::replace(name.begin(), name.end(), '\\', '/');
    std::filesystem::path stored(name);
    if (stored.is_absolute()) return stored;
    return architecture_directory_path(place, entity, architecture) / stored;
}

HdlFile* hdl_file_of(Architecture& architecture, Process* process) {
    return process != nullptr ? process->hdl_file.get() : architecture.hdl_file.get();
}

const HdlFile* hdl_file_of(const Architecture& architecture, const Process* process) {
    return process != nullptr ? process->hdl_file.get() : architecture.hdl_file.get();
}

std::filesystem::path refresh_file_path(const ProjectPlace& place) {
    return place.project_directory / kRefreshFileName;
}

} // namespace zeph
