// The outside programs that can analyse the files a generation run wrote, as the settings
// name them ("AnalysisTool" in section "Tools").
#pragma once

#include <string_view>

namespace zeph {

enum class AnalysisTool { None = 0, Modelsim = 1, Ghdl = 2, Icarus = 3 };

// "-", "Modelsim", "GHDL", "Icarus".
const char* analysis_tool_name(AnalysisTool tool);
// An unknown name is no tool.
AnalysisTool analysis_tool_from_name(std::string_view name);
AnalysisTool analysis_tool_from_setting(int stored);

} // namespace zeph
