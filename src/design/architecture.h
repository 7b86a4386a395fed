// An architecture (Verilog: module body) of an entity.
#pragma once

#include <string>

namespace zeph {

// Architecture kinds; the kind letter is the character at that position of "UBVST".
inline constexpr int kArchitectureUndefined = 0;
inline constexpr int kArchitectureBlockDiagram = 1;
inline constexpr int kArchitectureHdlFile = 2;
inline constexpr int kArchitectureStateDiagram = 3;
inline constexpr int kArchitectureTableDiagram = 4;

struct Architecture {
    std::string name; // up to 32 characters
    int kind = kArchitectureUndefined;
    unsigned status = 0;
};

} // namespace zeph
