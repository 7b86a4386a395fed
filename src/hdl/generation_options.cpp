// Generation options and output file extensions.
#include "hdl/generation_options.h"

#include "foundation/strings.h"
#include "hdl/hdl_context.h"

#include <algorithm>
#include <array>

namespace zeph {

namespace {
constexpr unsigned kMaxParts = 84;
} // namespace

const std::string& GenerationOptions::extension(UnitFile kind) const {
    switch (kind) {
    case UnitFile::Entity:
        return entity_ext;
    case UnitFile::Architecture:
        return architecture_ext;
    case UnitFile::Configuration:
        return configuration_ext;
    case UnitFile::Verilog:
        return verilog_ext;
    case UnitFile::Vhdl:
        break;
    }
    return vhdl_ext;
}

void normalise_generation_options(GenerationOptions& options, int language) {
    options.parts = std::min(options.parts, kMaxParts);
    if (options.parts & kPartConfigurationDeclarations)
        options.parts &= ~kPartConfigurationSpecifications;
    options.organization = std::clamp(options.organization, kAllInOneFile, kFilePerUnit);
    if (language == 2 && options.organization == kFilePerUnit)
        options.organization = kFilePerEntity;
    std::array<std::string*, 5> extensions = {&options.vhdl_ext, &options.entity_ext,
                                              &options.architecture_ext, &options.configuration_ext,
                                              &options.verilog_ext};
    bool clash = false;
    for (std::size_t i = 0; i < extensions.size(); ++i)
        for (std::size_t j = i + 1; j < extensions.size(); ++j)
            clash = clash || to_lower_ascii(*extensions[i]) == to_lower_ascii(*extensions[j]);
    if (!clash) return;
    GenerationOptions defaults;
    options.vhdl_ext = defaults.vhdl_ext;
    options.entity_ext = defaults.entity_ext;
    options.architecture_ext = defaults.architecture_ext;
    options.configuration_ext = defaults.configuration_ext;
    options.verilog_ext = defaults.verilog_ext;
}

std::filesystem::path with_extension(const std::filesystem::path& file, std::string_view ext) {
    if (ext.find('.') != std::string_view::npos) {
        // A name that carries the extension already (the proposal of the save dialog) keeps it.
        if (file.filename().string().ends_with(ext)) return file;
        std::filesystem::path appended = file;
        appended += std::string(ext);
        return appended;
    }
    std::filesystem::path replaced = file;
    replaced.replace_extension(std::string(ext));
    return replaced;
}

} // namespace zeph
