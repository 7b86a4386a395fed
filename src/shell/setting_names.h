// The name lists of settings that are stored by name: sheet sizes, synthesis tools and the
// analysis tool. Sheet sizes and the analysis tool compare exactly, synthesis tools ignoring
// case; a name not in a list gives the list's default.
#pragma once

#include "design/sheet.h"
#include "design/synthesis_tools.h"

#include <string_view>

namespace zeph {

// "Size 5 Landscape" (1) to "Size 2 Portrait" (8); "" outside 1 to 8.
const char* sheet_size_name(int index);
// 1 to 8; 1 for a name not in the list.
int sheet_size_from_name(std::string_view name);

// Synthesis tools: the names of src/design/synthesis_tools.h; a name not in the list reads 0.
inline int synthesis_tool_setting(std::string_view name) {
    return synthesis_tool_from_name(name).value_or(0);
}

// The analysis tools by their names (src/hdl/analysis_tool.h): "-" (0, also for a name not in
// the list), "Modelsim" (1), "GHDL" (2), "Icarus" (3).
const char* analysis_tool_setting_name(int tool);
int analysis_tool_setting(std::string_view name);

} // namespace zeph
