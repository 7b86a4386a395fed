// Builds random, internally consistent designs for round-trip tests, fuzz seeds and the
// benchmark: every field holds a value that the design file keeps unchanged.
#pragma once

#include "design/design.h"

#include <cstdint>

namespace zeph::testing {

struct GeneratorOptions {
    int entities = 12;
    int components = 40; // spread over the block diagrams
    int segments = 200;  // wire segments, spread over the block diagrams
    bool state_machines = true;
    bool library_modules = true;
    bool testbenches = true;
};

void generate_design(Design& design, std::uint32_t seed, const GeneratorOptions& options = {});

} // namespace zeph::testing
