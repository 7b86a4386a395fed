// Starting the external editor in the foreground.
#include "design/external_editor.h"

#include "foundation/strings.h"
#include "ui/platform.h"

#include <cerrno>
#include <spawn.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace zeph {

bool launch_editor(ui::Platform& platform, const std::string& editor, const std::string& file) {
    std::vector<char*> argv{const_cast<char*>(editor.c_str()), const_cast<char*>(file.c_str()),
                            nullptr};
    pid_t pid = 0;
    int error = editor.empty()
                    ? ENOENT
                    : posix_spawnp(&pid, editor.c_str(), nullptr, nullptr, argv.data(), environ);
    if (error != 0) {
        platform.status(format_text("Unable to execute editor (Shell error %d).", error), true);
        return false;
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return true;
}

} // namespace zeph
