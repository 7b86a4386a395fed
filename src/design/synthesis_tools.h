// Names of the synthesis tools, as the settings file, the design file and the design setup
// store them.
#pragma once

#include <optional>
#include <string_view>

namespace zeph {

inline constexpr int kSynthesisToolCount = 8;
inline constexpr int kSynthesisSilcSyn = 3;

// "Common" (0) to "Synplify" (7); "" outside 0 to 7.
const char* synthesis_tool_name(int tool);

// The tool of a name, compared ignoring case, with the aliases "CORE" (1), "DesignCompiler"
// and "FPGACompiler" (2); nothing for any other name.
std::optional<int> synthesis_tool_from_name(std::string_view name);

} // namespace zeph
