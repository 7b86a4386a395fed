// Resolving the HDL file names of a design file against the project's directories.
#include "design/hdl_file_location.h"

#include "design/process.h"
#include "design/project_files.h"
#include "design/project_paths.h"
#include "foundation/file_names.h"
#include "foundation/kind_vocabulary.h"
#include "foundation/strings.h"

#include <sys/stat.h>

namespace zeph {

namespace {
std::string on_disk(std::string name) {
    for (char& c : name)
        if (c == '\\') c = '/';
    return name;
}

bool is_file(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// Creates the architecture directory and the entity directory above it when missing.
bool ensure_directory(ui::Platform& platform, const std::string& path) {
    if (is_directory(path)) return true;
    if (!is_directory(parent_directory(path)) &&
        !ensure_directory(platform, parent_directory(path)))
        return false;
    return create_directory(platform, path);
}
} // namespace

HdlFileName classify_hdl_file_name(const std::string& name) {
    if (name.empty()) return HdlFileName::Bare;
    if (name[0] == '$' || is_separator(name[0]) || (name.size() >= 2 && name[1] == ':'))
        return HdlFileName::Fixed;
    for (char c : name)
        if (is_separator(c)) return HdlFileName::Relative;
    return HdlFileName::Bare;
}

std::string locate_hdl_file(ui::Platform& platform, int vocabulary, const std::string& project,
                            const Entity& entity, const Architecture& architecture,
                            const Process* process, const std::string& name, int language) {
    if (name.empty() || classify_hdl_file_name(name) == HdlFileName::Fixed) return name;
    std::string relative_directory =
        join_path(join_path(kWorkDirectory, entity.directory), architecture.directory);
    std::string directory = join_path(project, relative_directory);
    std::string disk_name = on_disk(name);
    if (is_file(join_path(directory, disk_name))) return name;

    std::string found = join_path(parent_directory(project), disk_name);
    if (!is_file(found)) return {};
    std::string bare = file_part(name);
    std::string target = join_path(directory, bare);
    if (path_exists(target)) {
        bool is_process = process != nullptr;
        show_file_error(
            platform,
            format_text(
                "Cannot copy %s file '%s' of %s '%s' to\n'%s' because of conflicting file names.",
                language == 2 ? "Verilog" : "Vhdl", name.c_str(),
                kind_name(vocabulary, is_process ? kKindProcess : kKindArchitecture, 0, 1).c_str(),
                is_process ? process->name.c_str() : architecture.name.c_str(),
                relative_directory.c_str()));
        return name;
    }
    if (!ensure_directory(platform, directory) || !copy_file(platform, found, target)) return name;
    return bare;
}

} // namespace zeph
