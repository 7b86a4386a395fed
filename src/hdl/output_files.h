// Where a generation run writes: the output directory rules and the names of the files under
// the three file organizations. Under "all in one file" the chosen file receives everything;
// otherwise the first file written takes the chosen file's name and every later one is named
// after its entity, each with the extension of its unit kind.
#pragma once

#include "hdl/generation_options.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zeph {

inline constexpr std::size_t kMaxOutputDirectoryLength = 206;

// The directory "Outputs" names (already resolved), unless it lies inside a macro project
// (".vmp") or inside a design project (".vdp") other than the open one; else the project's
// "output" directory, created when missing. nullopt when that cannot be created.
std::optional<std::filesystem::path>
default_output_directory(const std::filesystem::path& project_directory,
                         const std::optional<std::filesystem::path>& outputs);

// The directory of the chosen file: at most 206 characters and existing or creatable.
bool usable_output_directory(const std::filesystem::path& directory);

class OutputFileNames {
  public:
    OutputFileNames(std::filesystem::path chosen, const GenerationOptions& options);

    // The file for a unit kind of an entity; the first call names the chosen file.
    std::filesystem::path next(std::string_view entity_name, UnitFile kind);
    // Names every file after its entity: the chosen file is one that a later entity of the run
    // writes under its own name (the user chose the root's file).
    void name_all_by_entity() { first_ = false; }
    // Whether the chosen file is the file of `entity_name` for a unit kind of `kinds`.
    bool chosen_is_file_of(std::string_view entity_name, const std::vector<UnitFile>& kinds) const;
    // Whether `next` gave this file before: a chosen name that equals a later entity's would
    // otherwise overwrite what the run wrote first.
    bool given_before(const std::filesystem::path& file) const;
    void remember(const std::filesystem::path& file);

  private:
    std::filesystem::path chosen_;
    const GenerationOptions& options_;
    bool first_ = true;
    std::vector<std::filesystem::path> given_;
};

} // namespace zeph
