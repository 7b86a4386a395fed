// The start of a session from the command line: the project it names is opened, or created in
// the designs directory when it does not exist yet. Both front ends start the same way; when
// this gives no project they start a new untitled design.
#pragma once

#include <optional>
#include <string>

namespace zeph {

class Session;

// Opens or creates the project named by `argument`; false when there is none, or it was
// refused (the message is shown) or failed. `cwd` is the directory the program started in.
bool open_project_argument(Session& session, const std::optional<std::string>& argument,
                           const std::string& cwd);

} // namespace zeph
