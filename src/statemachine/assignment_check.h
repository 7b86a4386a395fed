// The check of a machine's state assignment that verification runs: REST states that the
// style or the assignment does not allow (27, 109), a missing assignment and too many states
// (28), and user defined codes (28): missing, too short, of unequal length, with illegal
// characters, or in conflict with another state's code.
#pragma once

#include "design/report.h"
#include "design/state_machine.h"

#include <string_view>

namespace zeph {

struct AssignmentRules {
    int rules = 1;            // the design's language checking (1 VHDL, 2 Verilog, 3 both)
    bool strict_codes = true; // the default vector type is Bit_Vector: no 'X' or '-' in VHDL
};

// The rules of a design: strict codes when its vector type is empty or "Bit_Vector".
AssignmentRules assignment_rules(int language_checking, std::string_view vector_type);

// Two codes of equal length conflict unless some position holds '0' in one and '1' in the
// other; 'X' and '-' match anything.
bool codes_conflict(std::string_view a, std::string_view b);

// Reports every finding against the objects given. For user defined codes `code_width`
// becomes the longest code length; nothing else of the machine changes.
void check_state_assignment(StateMachine& machine, const AssignmentRules& rules, Report& report,
                            Entity* entity, Architecture* architecture, Process* process);

} // namespace zeph
