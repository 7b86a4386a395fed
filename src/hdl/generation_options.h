// The options of a generation run as the settings keep them ("GenerateParts", "SplitFiles",
// "OverwriteOutFiles", the five extensions, the analysis tool and the working library), and
// the file names they give.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace zeph {

// "SplitFiles".
inline constexpr int kAllInOneFile = 0;
inline constexpr int kFilePerEntity = 1;
inline constexpr int kFilePerUnit = 2;

// The kinds of units a file holds.
enum class UnitFile { Vhdl, Entity, Architecture, Configuration, Verilog };

struct GenerationOptions {
    unsigned parts = 52;
    int organization = kAllInOneFile;
    bool overwrite = false;
    std::string vhdl_ext = "vhd";
    std::string entity_ext = "ent";
    std::string architecture_ext = "arc";
    std::string configuration_ext = "cf";
    std::string verilog_ext = "v";
    int analysis_tool = 1;          // AnalysisTool: 0 none, 1 "Modelsim", 2 GHDL, 3 Icarus
    std::string working_library;    // empty: "work"
    std::string analysis_options;   // of the analysis tool
    std::string analysis_exec_path; // "ModelsimExecPath": a program in the V-System's directory

    const std::string& extension(UnitFile kind) const;
};

// Parts clamped to 0..84 without 64 beside 32; the organization clamped to 0..2 and, for
// Verilog (language 2), 2 turned into 1; the extensions reset to their defaults when two of
// them are equal ignoring case.
void normalise_generation_options(GenerationOptions& options, int language);

// An extension with a "." is appended to the name unchanged (unless the name ends with it
// already); otherwise it replaces the name's extension.
std::filesystem::path with_extension(const std::filesystem::path& file, std::string_view ext);

} // namespace zeph
