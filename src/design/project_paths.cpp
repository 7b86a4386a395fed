// Project paths: their check, untitled names, entity and architecture directories, the title.
#include "design/project_paths.h"

#include "design/design_constructors.h"
#include "design/project_files.h"
#include "foundation/file_names.h"
#include "foundation/strings.h"
#include "foundation/system_message.h"

#include <cctype>
#include <climits>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace zeph {

namespace {
constexpr std::string_view kUntitled = "untitled";
constexpr std::string_view kProjectExtension = ".vdp";
// Room a saved project needs below its path (the trial directories).
constexpr const char* kTrialDirectories = "/tmptmp.tmp/entitynm/archname";
constexpr std::size_t kTrialRoom = 29;
constexpr std::size_t kTitleRoom = 45;

bool contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

bool refuse(ui::Platform& platform, const std::string& text) {
    platform.message_box(program_name(), text);
    return false;
}

bool extension_allowed(const std::string& lower, PathPurpose purpose) {
    bool ends_vdp = lower.ends_with(".vdp");
    switch (purpose) {
    case PathPurpose::SaveAs:
        return ends_vdp && !contains(lower, ".vmp") && !contains(lower, ".vdf");
    case PathPurpose::Load:
        return !contains(lower, ".vmp") && ((ends_vdp && !contains(lower, ".vdf")) ||
                                            (!contains(lower, ".vdp") && lower.ends_with(".vdf")));
    case PathPurpose::Macro:
        return lower.ends_with(".vmp") && !contains(lower, ".vdp");
    }
    return false;
}

// Creates the trial directories below `path` and removes again what it created.
bool trial_directories_fit(const std::string& path) {
    std::string trial = path + kTrialDirectories;
    std::vector<std::string> created;
    bool ok = true;
    for (std::size_t pos = 1; ok && pos <= trial.size(); ++pos) {
        if (pos < trial.size() && trial[pos] != '/') continue;
        std::string part = trial.substr(0, pos);
        if (is_directory(part)) continue;
        if (mkdir(part.c_str(), 0777) == 0)
            created.push_back(part);
        else
            ok = false;
    }
    for (auto it = created.rbegin(); it != created.rend(); ++it)
        rmdir(it->c_str());
    return ok;
}

bool inside_project(const std::string& dir) {
    std::string lower = to_lower_ascii(dir);
    return contains(lower, ".vdp") || contains(lower, ".vmp");
}
} // namespace

std::string join_path(std::string_view dir, std::string_view name) {
    std::string out(dir);
    if (!out.empty() && out.back() != '/') out += '/';
    out.append(name);
    return out;
}

std::string parent_directory(std::string_view path) {
    while (path.size() > 1 && path.back() == '/')
        path.remove_suffix(1);
    std::size_t slash = path.rfind('/');
    if (slash == std::string_view::npos) return ".";
    if (slash == 0) return "/";
    return std::string(path.substr(0, slash));
}

std::string absolute_path(std::string_view path, std::string_view cwd) {
    std::string whole =
        !path.empty() && path.front() == '/' ? std::string(path) : join_path(cwd, path);
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= whole.size()) {
        std::size_t end = whole.find('/', start);
        if (end == std::string::npos) end = whole.size();
        std::string part = whole.substr(start, end - start);
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = end + 1;
    }
    std::string out;
    for (const std::string& part : parts)
        out += "/" + part;
    return out.empty() ? "/" : out;
}

bool is_untitled_name(std::string_view file_name) {
    std::string lower = to_lower_ascii(file_name);
    if (lower.size() != kUntitled.size() + kProjectExtension.size() ||
        !lower.ends_with(kProjectExtension))
        return false;
    std::size_t digits = kUntitled.size();
    while (digits > 0 && std::isdigit(static_cast<unsigned char>(lower[digits - 1])))
        --digits;
    return digits > 0 && lower.compare(0, digits, kUntitled.substr(0, digits)) == 0;
}

bool validate_project_path(ui::Platform& platform, const std::string& path, PathPurpose purpose) {
    std::string illegal = format_text("Illegal directory '%s'.", path.c_str());
    if (path.size() > kMaxProjectPath) return refuse(platform, illegal);
    std::string lower = to_lower_ascii(path);
    if (!extension_allowed(lower, purpose)) return refuse(platform, illegal);
    if (lower.ends_with(kProjectExtension) && is_untitled_name(file_part(lower)))
        return refuse(platform, "'untitled' directory not allowed.");
    if (purpose != PathPurpose::SaveAs) return true;
    if (path.size() + kTrialRoom >= kMaxProjectPath)
        return refuse(platform,
                      format_text("Illegal directory '%s'\n(path too long).", path.c_str()));
    if (!trial_directories_fit(path))
        return refuse(
            platform,
            format_text(
                "Illegal directory '%s'\n(path too long to save project on FAT file system).",
                path.c_str()));
    return true;
}

std::optional<std::string> untitled_base_directory(const std::string& designs_directory) {
    const std::string& designs = designs_directory;
    if (!designs.empty() && !inside_project(designs) && designs.size() + 13 < 257 &&
        is_directory(designs))
        return designs;
    char buffer[PATH_MAX];
    if (getcwd(buffer, sizeof buffer) == nullptr) return std::nullopt;
    std::string dir = buffer;
    while (dir != "/" && (inside_project(dir) || dir.size() + 14 > kMaxProjectPath))
        dir = parent_directory(dir);
    return dir;
}

std::string untitled_project_path(const std::string& base,
                                  const std::function<bool(const std::string&)>& exists) {
    std::string name(kUntitled);
    for (int n = 0; exists(join_path(base, name + ".vdp")); ++n) {
        std::string digits = std::to_string(n);
        if (digits.size() >= kUntitled.size()) break;
        name = std::string(kUntitled.substr(0, kUntitled.size() - digits.size())) + digits;
    }
    return join_path(base, name + ".vdp");
}

std::string entity_directory(Design& design, Entity& entity) {
    if (entity.directory.empty()) entity.directory = new_entity_directory(design, entity.name);
    return join_path(kWorkDirectory, entity.directory);
}

std::string architecture_directory(Design& design, Entity& entity, Architecture& architecture) {
    if (architecture.directory.empty())
        architecture.directory = new_architecture_directory(entity, architecture.name);
    return join_path(entity_directory(design, entity), architecture.directory);
}

std::string project_title(const std::string& path, bool untitled, bool modified) {
    std::string text = untitled ? "[Untitled]" : path;
    if (modified) text += " [Modified]";
    if (text.size() > kTitleRoom) text = "..." + text.substr(text.size() - kTitleRoom);
    return "ZEPH/HDL - " + text;
}

} // namespace zeph
