// An entity (Verilog: module) with its architectures.
#pragma once

#include "design/architecture.h"

#include <memory>
#include <string>
#include <vector>

namespace zeph {

struct Entity {
    std::string name; // up to 32 characters
    unsigned status = 0;
    std::vector<std::unique_ptr<Architecture>> architectures;
};

} // namespace zeph
