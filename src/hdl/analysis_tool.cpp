// Names of the analysis tools.
#include "hdl/analysis_tool.h"

#include <array>

namespace zeph {

namespace {
struct ToolName {
    AnalysisTool tool;
    const char* name;
};
constexpr std::array<ToolName, 4> kToolNames = {{{AnalysisTool::None, "-"},
                                                 {AnalysisTool::Modelsim, "Modelsim"},
                                                 {AnalysisTool::Ghdl, "GHDL"},
                                                 {AnalysisTool::Icarus, "Icarus"}}};
} // namespace

const char* analysis_tool_name(AnalysisTool tool) {
    for (const ToolName& entry : kToolNames)
        if (entry.tool == tool) return entry.name;
    return kToolNames.front().name;
}

AnalysisTool analysis_tool_from_name(std::string_view name) {
    for (const ToolName& entry : kToolNames)
        if (name == entry.name) return entry.tool;
    return AnalysisTool::None;
}

AnalysisTool analysis_tool_from_setting(int stored) {
    for (const ToolName& entry : kToolNames)
        if (static_cast<int>(entry.tool) == stored) return entry.tool;
    return AnalysisTool::None;
}

} // namespace zeph
