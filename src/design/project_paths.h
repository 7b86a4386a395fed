// The names and paths of design projects: the entries of a project directory, the check of a
// project path for loading, saving as and macros, the naming of untitled projects, the
// directories of entities and architectures, and the main window title.
#pragma once

#include "ui/platform.h"

#include "design/design.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace zeph {

// Entries of a project directory.
inline constexpr const char* kLockFileName = "lockfile";
inline constexpr const char* kWorkDirectory = "work";
inline constexpr const char* kDesignDirectory = "design";
inline constexpr const char* kDesignOldDirectory = "design.old";
inline constexpr const char* kDesignBakDirectory = "design.bak";
inline constexpr const char* kSaveBackupFile = "zeph.bak";
inline constexpr const char* kOutputDirectory = "output";
// Entries of "work" and "design".
inline constexpr const char* kDesignFileName = "design.vdf";
inline constexpr const char* kConfigurationFileName = "config.cfg";
inline constexpr const char* kAutobackupFileName = "design.bk!";
inline constexpr const char* kMacroFileName = "macro.vmf";

inline constexpr std::size_t kMaxProjectPath = 256;

// "dir/name" with one separator.
std::string join_path(std::string_view dir, std::string_view name);
// The directory part of a path ("/" for a path directly under the root; "." for a bare name).
std::string parent_directory(std::string_view path);
// The path made absolute from `cwd`, with "." and empty parts dropped and no trailing
// separator.
std::string absolute_path(std::string_view path, std::string_view cwd);

enum class PathPurpose { Load = 0, SaveAs = 1, Macro = 2 };

// Checks a project path for its purpose; a refusal is shown in a message box. Saving as also
// tries to create the deepest directories a project needs below the path, and removes them.
bool validate_project_path(ui::Platform& platform, const std::string& path, PathPurpose purpose);

// A project name ("untitled.vdp", "untitl12.vdp") of the untitled family: 8 characters before
// ".vdp", a start of "untitled" followed by digits.
bool is_untitled_name(std::string_view file_name);

// Where a new untitled project goes: the designs directory, unless it is empty, lies inside a
// project or is too long; then the current directory, moving up while it lies inside a
// project or is too long. nullopt when the current directory cannot be determined.
std::optional<std::string> untitled_base_directory(const std::string& designs_directory);
// The first free name of "untitled.vdp", "untitle0.vdp", ... "untitl10.vdp", ... in `base`.
std::string untitled_project_path(const std::string& base,
                                  const std::function<bool(const std::string&)>& exists);

// The relative directory of an entity ("work/<entity directory>") and of an architecture
// ("work/<entity directory>/<architecture directory>"); names are assigned when missing.
std::string entity_directory(Design& design, Entity& entity);
std::string architecture_directory(Design& design, Entity& entity, Architecture& architecture);

// "ZEPH/HDL - <path or [Untitled]>[ [Modified]]", the part after the dash cut to "..." and
// its last 45 characters when it has 46 or more.
std::string project_title(const std::string& path, bool untitled, bool modified);

} // namespace zeph
