// The name lists of settings that are stored by name: sheet sizes, synthesis tools and the
// analysis tool. Names compare exactly; a name not in a list gives the list's default.
#pragma once

#include <string_view>

namespace zeph {

inline constexpr int kSheetSizeCount = 8;
// "Size 5 Landscape" (1) to "Size 2 Portrait" (8); "" outside 1 to 8.
const char* sheet_size_name(int index);
// 1 to 8; 1 for a name not in the list.
int sheet_size_from_name(std::string_view name);

inline constexpr int kSynthesisToolCount = 8;
// "Common" (0) to "Synplify" (7); "" outside 0 to 7.
const char* synthesis_tool_name(int tool);
// 0 to 7 with the aliases "CORE" (1), "DesignCompiler" and "FPGACompiler" (2); 0 for any
// other name.
int synthesis_tool_from_name(std::string_view name);

// "Modelsim" (1); any other name is 0, written back as "None".
const char* analysis_tool_name(int tool);
int analysis_tool_from_name(std::string_view name);

} // namespace zeph
