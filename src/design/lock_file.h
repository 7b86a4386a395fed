// The lock file of a design project: one line naming the program, the user, the computer and
// the time, present while a program has the project open.
#pragma once

#include "ui/platform.h"

#include <optional>
#include <string>
#include <string_view>

namespace zeph {

// "ZEPH/HDL lockfile by <login> on <host> at <date and time>".
std::string lock_line(std::string_view login, std::string_view host, std::string_view when);
// The line this program writes now.
std::string current_lock_line();

// The user's login name (getlogin_r, then $USER, then the password entry), or "unknown".
std::string login_name();
// The computer's name, or "unknown".
std::string host_name();

// The first line of a lock file's text, at most 256 characters, without its line end.
std::string first_lock_line(std::string_view text);

// Locks the project: an existing lock file is shown in the question "Project '%s' is
// locked..." and removed when the user answers Yes. Returns the lock file's path, or nullopt
// when the project stays locked or the file could not be written (the message is shown).
std::optional<std::string> lock_project(ui::Platform& platform, const std::string& project_path);

// Deletes the lock file this program wrote; a failure is shown in a message box. Clears the
// path in both cases.
bool unlock_project(ui::Platform& platform, std::string& lock_path);

} // namespace zeph
