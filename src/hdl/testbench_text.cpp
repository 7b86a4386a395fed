// Empty until the testbench generator writes its text here.
#include "hdl/testbench_text.h"

namespace zeph {

void write_testbench_declarations(std::ostream&, const HdlContext&, const Entity&) {}
void write_testbench_stimuli(std::ostream&, const HdlContext&, const Entity&) {}

} // namespace zeph
