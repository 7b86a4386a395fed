// The synthesis tool name list with its aliases.
#include "design/synthesis_tools.h"

#include "foundation/strings.h"

#include <cstddef>

namespace zeph {

namespace {
const char* const kNames[kSynthesisToolCount] = {"Common",        "Galileo", "Design/FPGACompiler",
                                                 "SilcSyn",       "Synergy", "VHDLDirect",
                                                 "ViewSynthesis", "Synplify"};

struct Alias {
    const char* name;
    int tool;
};
const Alias kAliases[] = {{"CORE", 1}, {"DesignCompiler", 2}, {"FPGACompiler", 2}};

} // namespace

const char* synthesis_tool_name(int tool) {
    return tool >= 0 && tool < kSynthesisToolCount ? kNames[tool] : "";
}

std::optional<int> synthesis_tool_from_name(std::string_view name) {
    for (int i = 0; i < kSynthesisToolCount; ++i)
        if (equal_ignoring_case(name, kNames[i])) return i;
    for (const Alias& a : kAliases)
        if (equal_ignoring_case(name, a.name)) return a.tool;
    return std::nullopt;
}

} // namespace zeph
