// The "Design List" report: every entity with its architectures, how often each is bound, and
// what each holds (components and processes, HDL file names, the number of states).
#pragma once

#include "design/design.h"

#include <string>
#include <vector>

namespace zeph {

inline constexpr const char* kDesignListTitle = "Design List";

std::vector<std::string> design_list(Design& design);

} // namespace zeph
