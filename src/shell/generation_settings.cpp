// The generation options of the settings.
#include "shell/generation_settings.h"

#include "shell/settings.h"

namespace zeph {

GenerationOptions generation_options(const Settings& settings) {
    GenerationOptions options;
    const Settings::Environment& e = settings.environment;
    options.parts = static_cast<unsigned>(e.generate_parts);
    options.organization = e.split_files;
    options.overwrite = e.overwrite_out_files;
    options.vhdl_ext = e.vhdl_ext;
    options.entity_ext = e.entity_ext;
    options.architecture_ext = e.architecture_ext;
    options.configuration_ext = e.configuration_ext;
    options.verilog_ext = e.verilog_ext;
    options.analysis_tool = settings.tools.analysis_tool;
    options.working_library = settings.tools.working_library;
    options.analysis_options = settings.tools.modelsim;
    options.analysis_exec_path = settings.tools.modelsim_exec_path;
    return options;
}

} // namespace zeph
