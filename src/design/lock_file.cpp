// Writing, reading and removing the lock file of a design project.
#include "design/lock_file.h"

#include "design/file_text.h"
#include "design/project_files.h"
#include "design/project_paths.h"
#include "foundation/clock.h"
#include "foundation/strings.h"
#include "foundation/system_message.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>
#include <utility>

namespace zeph {

namespace {
constexpr std::size_t kMaxLockPath = 512;
constexpr std::size_t kMaxLockLine = 256;
// A lock file created by another program between our look and our creation is shown again;
// after this many rounds the project counts as locked.
constexpr int kLockRounds = 3;

enum class Created { Yes, Exists, Failed };

// Creates the lock file only when none exists, so two programs cannot both lock a project.
Created create_lock_file(ui::Platform& platform, const std::string& path) {
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) {
        if (errno == EEXIST) return Created::Exists;
        system_message(platform, 4, 1, path.c_str());
        return Created::Failed;
    }
    std::string line = current_lock_line() + "\n";
    bool ok = write(fd, line.data(), line.size()) == static_cast<ssize_t>(line.size());
    if (close(fd) != 0) ok = false;
    if (!ok) {
        unlink(path.c_str());
        system_message(platform, 7, 0, path.c_str());
        return Created::Failed;
    }
    return Created::Yes;
}

// Asks whether the existing lock file may go; true when it was removed.
bool remove_foreign_lock(ui::Platform& platform, const std::string& project_path,
                         const std::string& lock_path) {
    std::string text;
    load_text_file(lock_path, text);
    std::string question =
        format_text("Project '%s' is locked.\nLockfile contents:\n\n \"%s\"\n\nDo you want to "
                    "remove the lockfile ?",
                    project_path.c_str(), first_lock_line(text).c_str());
    if (platform.ask_yes_no(program_name(), question) != ui::Answer::Yes) return false;
    if (unlink(lock_path.c_str()) == 0 || errno == ENOENT) return true;
    return delete_file(platform, lock_path);
}
} // namespace

std::string lock_line(std::string_view login, std::string_view host, std::string_view when) {
    return format_text("%s lockfile by %.*s on %.*s at %.*s", "ZEPH/HDL",
                       static_cast<int>(login.size()), login.data(), static_cast<int>(host.size()),
                       host.data(), static_cast<int>(when.size()), when.data());
}

std::string current_lock_line() {
    return lock_line(login_name(), host_name(), date_time_now());
}

std::string login_name() {
    char buffer[LOGIN_NAME_MAX + 1] = {};
    if (getlogin_r(buffer, sizeof buffer) == 0 && buffer[0] != '\0') return buffer;
    if (const char* user = std::getenv("USER"); user != nullptr && *user != '\0') return user;
    if (const passwd* entry = getpwuid(getuid()); entry != nullptr && entry->pw_name != nullptr)
        return entry->pw_name;
    return "unknown";
}

std::string host_name() {
    char buffer[HOST_NAME_MAX + 1] = {};
    if (gethostname(buffer, sizeof buffer - 1) == 0 && buffer[0] != '\0') return buffer;
    return "unknown";
}

std::string first_lock_line(std::string_view text) {
    std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return std::string(line.substr(0, kMaxLockLine));
}

std::optional<std::string> lock_project(ui::Platform& platform, const std::string& project_path) {
    std::string lock_path = join_path(project_path, kLockFileName);
    if (lock_path.size() > kMaxLockPath) {
        system_message(platform, 4, 1, "...\\lockfile");
        return std::nullopt;
    }
    for (int round = 0; round < kLockRounds; ++round) {
        if (path_exists(lock_path) && !remove_foreign_lock(platform, project_path, lock_path))
            return std::nullopt;
        switch (create_lock_file(platform, lock_path)) {
        case Created::Yes:
            return lock_path;
        case Created::Failed:
            return std::nullopt;
        case Created::Exists:
            break; // another program came first: show its line
        }
    }
    return std::nullopt;
}

bool unlock_project(ui::Platform& platform, std::string& lock_path) {
    if (lock_path.empty()) return true;
    std::string path = std::exchange(lock_path, std::string());
    if (unlink(path.c_str()) == 0 || errno == ENOENT) return true;
    return delete_file(platform, path);
}

} // namespace zeph
