// Opening the project of the command line.
#include "shell/start_up.h"

#include "foundation/system_message.h"
#include "shell/command_line.h"
#include "shell/session.h"

#include <sys/stat.h>

namespace zeph {

namespace {
bool path_exists(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0;
}
} // namespace

bool open_project_argument(Session& session, const std::optional<std::string>& argument,
                           const std::string& cwd) {
    if (!argument) return false;
    ProjectArgument checked = check_project_argument(*argument);
    if (!checked.refusal.empty()) {
        session.platform().message_box(program_name(), checked.refusal);
        return false;
    }
    std::optional<std::string> path =
        place_project(session.platform(), checked.name, session.settings(), cwd, path_exists);
    return path && (path_exists(*path) || session.create_project(*path)) &&
           session.load_project(*path);
}

} // namespace zeph
