// Where the testbench generator's text enters the HDL file of a testbench: the declarations
// inside its meta comment (architecture head, constants, signals, component, instance of the
// entity under test) and the stimulus part that opens the user's text of a new file. Until
// the testbench generator fills them in they write nothing.
#pragma once

#include <ostream>

namespace zeph {

struct Entity;
struct HdlContext;

void write_testbench_declarations(std::ostream& out, const HdlContext& context,
                                  const Entity& testbench);
void write_testbench_stimuli(std::ostream& out, const HdlContext& context, const Entity& testbench);

} // namespace zeph
