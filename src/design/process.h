// A process of a block diagram: an HDL-file or state-diagram body with its own ports.
#pragma once

#include <string>

namespace zeph {

struct Process {
    std::string name; // up to 32 characters
    int kind = 0;     // 1 HDL file, 2 state diagram
    unsigned status = 0;
};

} // namespace zeph
