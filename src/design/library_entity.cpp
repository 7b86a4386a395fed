// Fetching one entity's interface from the saved design file of another project.
#include "design/library_entity.h"

#include "design/design_file.h"
#include "design/design_reader.h"
#include "design/file_text.h"
#include "design/name_limits.h"
#include "foundation/file_names.h"
#include "foundation/kind_vocabulary.h"
#include "foundation/strings.h"
#include "foundation/system_message.h"
#include "ui/platform.h"

#include <filesystem>

namespace zeph {

namespace {
constexpr std::size_t kMaxLibraryPath = 512;

std::string_view trimmed_right(std::string_view text) {
    std::size_t end = text.find_last_not_of(" \t");
    return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

bool names_project(const std::string& path) {
    std::string lower = to_lower_ascii(strip_separator(path));
    if (lower.size() < 4 || lower.compare(lower.size() - 4, 4, ".vdp") != 0) return false;
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

std::optional<std::string> resolved(const LibraryHooks& hooks, const std::string& path) {
    if (hooks.resolve_path) return hooks.resolve_path(path);
    return path;
}

// The project path, asked for again while it names no project; nullopt when cancelled.
std::optional<std::string> project_of(ui::Platform& platform, const LibraryHooks& hooks,
                                      std::string path) {
    std::optional<std::string> project = resolved(hooks, path);
    while (!project || !names_project(*project)) {
        std::optional<std::string> answer = platform.prompt_text(
            format_text("Enter %s:", "library specification"), path, kMaxLibraryPath);
        if (!answer) return std::nullopt;
        path = *answer;
        project = resolved(hooks, path);
    }
    return strip_separator(*project);
}
} // namespace

int read_library_entity_text(std::string_view text, std::string_view name,
                             std::unique_ptr<Entity>& entity) {
    entity.reset();
    DesignTextReader in(text);
    if (in.at_end()) return kReadNotDesignFile;
    int index = 0;
    int version = check_file_version(in.rest_of_line(), FilePurpose::Library, &index);
    if (version != 0) return version;
    ReadHooks hooks;
    Design scratch;
    std::string wanted = "Entity: " + std::string(name);
    try {
        in.line_string(kMaxTextLine);
        DesignReader reader(in, index, ReadMode::Library, hooks, scratch);
        reader.design_header();
        while (!in.at_end()) {
            if (trimmed_right(in.rest_of_line()) != wanted) continue;
            std::string entity_name(name);
            entity = reader.entity_block(&entity_name, 0);
            return 0;
        }
    } catch (const ReadFailure& failure) {
        entity.reset();
        return failure.line;
    }
    return kReadEntityNotFound;
}

std::unique_ptr<Entity> read_library_entity(ui::Platform& platform, int language,
                                            const std::string& project_path,
                                            const std::string& name, const LibraryHooks& hooks) {
    std::string wanted = name;
    const std::string word = kind_name(language, kKindEntity, 0, 1);
    platform.status(format_text("Loading '%s' for library %s '%s'...", project_path.c_str(),
                                word.c_str(), wanted.c_str()),
                    false);
    std::optional<std::string> project = project_of(platform, hooks, project_path);
    if (!project) return nullptr;
    std::string file = *project + "/design/design.vdf";
    std::string text;
    if (!load_text_file(file, text)) {
        system_message(platform, 4, 0, file.c_str());
        return nullptr;
    }
    while (true) {
        std::unique_ptr<Entity> entity;
        int code = read_library_entity_text(text, wanted, entity);
        if (code == 0) {
            entity->library_module_path = *project;
            entity->library_module_name = file_stem(*project).value_or("");
            return entity;
        }
        if (code != kReadEntityNotFound) {
            show_read_failure(platform, code, file);
            return nullptr;
        }
        platform.status(format_text("No %s found.", word.c_str()), true);
        std::optional<std::string> answer =
            platform.prompt_text(format_text("Enter %s name:", word.c_str()), wanted, kMaxHdlName);
        if (!answer) return nullptr;
        wanted = *answer;
    }
}

} // namespace zeph
