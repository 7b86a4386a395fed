// Output directories and file names of generation runs.
#include "hdl/output_files.h"

#include "foundation/strings.h"

#include <system_error>

namespace zeph {

namespace {
// The ".vdp" or ".vmp" directory a path lies in, compared ignoring case; empty for none.
std::filesystem::path project_containing(const std::filesystem::path& path, std::string_view ext) {
    std::filesystem::path prefix;
    std::filesystem::path found;
    for (const auto& part : path) {
        prefix /= part;
        std::string lower = to_lower_ascii(part.string());
        if (lower.size() > ext.size() &&
            lower.compare(lower.size() - ext.size(), ext.size(), ext) == 0)
            found = prefix;
    }
    return found;
}

bool same_directory(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code ignored;
    return std::filesystem::weakly_canonical(a, ignored) ==
           std::filesystem::weakly_canonical(b, ignored);
}

bool ensure_directory(const std::filesystem::path& directory) {
    std::error_code error;
    if (std::filesystem::is_directory(directory, error)) return true;
    std::filesystem::create_directories(directory, error);
    return !error && std::filesystem::is_directory(directory, error);
}
} // namespace

std::optional<std::filesystem::path>
default_output_directory(const std::filesystem::path& project_directory,
                         const std::optional<std::filesystem::path>& outputs) {
    if (outputs && !outputs->empty()) {
        bool in_macro = !project_containing(*outputs, ".vmp").empty();
        std::filesystem::path design = project_containing(*outputs, ".vdp");
        bool in_other = !design.empty() && !same_directory(design, project_directory);
        if (!in_macro && !in_other) return *outputs;
    }
    std::filesystem::path own = project_directory / "output";
    if (!ensure_directory(own)) return std::nullopt;
    return own;
}

bool usable_output_directory(const std::filesystem::path& directory) {
    if (directory.string().size() > kMaxOutputDirectoryLength) return false;
    return ensure_directory(directory.empty() ? std::filesystem::path(".") : directory);
}

OutputFileNames::OutputFileNames(std::filesystem::path chosen, const GenerationOptions& options)
    : chosen_(std::move(chosen)), options_(options) {}

std::filesystem::path OutputFileNames::next(std::string_view entity_name, UnitFile kind) {
    const std::string& ext = options_.extension(kind);
    std::filesystem::path file =
        first_ ? with_extension(chosen_, ext)
               : with_extension(chosen_.parent_path() / std::string(entity_name), ext);
    first_ = false;
    return file;
}

bool OutputFileNames::chosen_is_file_of(std::string_view entity_name,
                                        const std::vector<UnitFile>& kinds) const {
    for (UnitFile kind : kinds) {
        const std::string& ext = options_.extension(kind);
        if (with_extension(chosen_, ext) ==
            with_extension(chosen_.parent_path() / std::string(entity_name), ext))
            return true;
    }
    return false;
}

bool OutputFileNames::given_before(const std::filesystem::path& file) const {
    for (const auto& earlier : given_)
        if (earlier == file) return true;
    return false;
}

void OutputFileNames::remember(const std::filesystem::path& file) {
    given_.push_back(file);
}

} // namespace zeph
