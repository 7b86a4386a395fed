// Accessors of the settings for the layers that take their defaults from them.
#include "shell/settings.h"

#include "design/architecture.h"
#include "foundation/ini_document.h"
#include "foundation/strings.h"

namespace zeph {

const std::string& Settings::default_architecture_name(int architecture_kind, bool external) const {
    static const std::string none;
    if (external) return default_names.external_archs;
    switch (architecture_kind) {
    case kArchitectureBlockDiagram:
        return default_names.block_diagram_archs;
    case kArchitectureHdlFile:
        return default_names.vhdl_file_archs;
    case kArchitectureStateDiagram:
        return default_names.state_diagram_archs;
    default:
        return none;
    }
}

const std::string& Settings::extension(FileKind kind) const {
    switch (kind) {
    case FileKind::Vhdl:
        return environment.vhdl_ext;
    case FileKind::Entity:
        return environment.entity_ext;
    case FileKind::Architecture:
        return environment.architecture_ext;
    case FileKind::Configuration:
        return environment.configuration_ext;
    case FileKind::Verilog:
        break;
    }
    return environment.verilog_ext;
}

const std::string* Settings::directory(std::string_view name) const {
    for (const auto& [key, path] : directories)
        if (equal_ignoring_case(key, name)) return &path;
    return nullptr;
}

} // namespace zeph
