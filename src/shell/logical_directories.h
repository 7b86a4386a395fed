// Logical directories and the resolution of configured paths. A path that begins with "$"
// names a logical directory: "$NAME" or "$NAME\rest". NAME is looked up in section
// "Directories" of the settings, then in the environment.
#pragma once

#include "shell/settings.h"
#include "ui/platform.h"

#include <optional>
#include <string>
#include <string_view>

namespace zeph {

// The path with "$NAME" replaced by its definition; other paths unchanged. nullopt when NAME
// has no definition; "No definition for logical directory '%s'." goes to the status line of
// `shown_on` when one is given.
std::optional<std::string> expand_logical_directory(std::string_view path, const Settings& settings,
                                                    ui::Platform* shown_on);

// Logical directory resolution, then a relative path is made full from `cwd` (a leading ".\"
// dropped) and one trailing separator is removed; separators become "/". A drive without a
// root, or a result of more than 256 characters, is refused with "Illegal directory '%s'."
// (in a message box of `shown_on` when one is given).
std::optional<std::string> resolve_path(std::string_view path, const Settings& settings,
                                        const std::string& cwd, ui::Platform* shown_on);
// The same from the current directory.
std::optional<std::string> resolve_path(std::string_view path, const Settings& settings,
                                        ui::Platform* shown_on);

// The current directory, or nullopt when it cannot be determined.
std::optional<std::string> current_directory();

inline constexpr std::size_t kMaxPathLength = 256;

} // namespace zeph
