// The testbench generator's text inside the HDL file of a testbench: the declarations within
// its meta comment (architecture head, constants, signals, component, instance of the entity
// under test) and the stimulus process that opens the user's part of a new file.
#pragma once

#include <ostream>

namespace zeph {

struct Entity;
struct HdlContext;

// The head of the testbench's architecture up to the "eut" instance of the tested entity.
void write_testbench_declarations(std::ostream& out, const HdlContext& context,
                                  const Entity& testbench);
// The stimulus process, sensitive to the tested entity's outputs, with room for the stimuli.
void write_testbench_stimuli(std::ostream& out, const HdlContext& context, const Entity& testbench);

} // namespace zeph
