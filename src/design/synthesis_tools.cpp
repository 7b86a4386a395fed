// The synthesis tool name list with its aliases.
#include "design/synthesis_tools.h"

#include <cstddef>

namespace zeph {

namespace {
const char* const kNames[kSynthesisToolCount] = {"Common",  "Galileo",    "Design/FPGACompiler",
                                                 "SilcSyn", "Synergy",    "VHDLDirect",
                                                 "ViewSynthesis", "Synplify"};

struct Alias {
    const char* name;
    int tool;
};
const Alias kAliases[] = {{"CORE", 1}, {"DesignCompiler", 2}, {"FPGACompiler", 2}};

bool equal_ignoring_case(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i] >= 'a' && a[i] <= 'z' ? static_cast<char>(a[i] - 32) : a[i];
        char y = b[i] >= 'a' && b[i] <= 'z' ? static_cast<char>(b[i] - 32) : b[i];
        if (x != y) return false;
    }
    return true;
}
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
