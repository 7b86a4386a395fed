// The one design of the open project.
#pragma once

#include "design/entity.h"

#include <memory>
#include <vector>

namespace zeph {

struct Design {
    std::vector<std::unique_ptr<Entity>> entities;
    int target_language = 1; // 1 VHDL, 2 Verilog
};

// The design the program works on; the object-kind vocabulary follows its target language.
Design* current_design();
void set_current_design(Design* design);

} // namespace zeph
