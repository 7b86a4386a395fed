// Empty until the state-machine generator writes its text here.
#include "hdl/state_machine_text.h"

namespace zeph {

void write_state_machine_architecture(std::ostream&, const HdlContext&, const Entity&,
                                      const Architecture&) {}
void write_state_process_shared_declarations(std::ostream&, const HdlContext&,
                                             const Architecture&) {}
void write_state_process_declarations(std::ostream&, const HdlContext&, const Process&) {}
void write_state_process(std::ostream&, const HdlContext&, const Process&) {}

} // namespace zeph
