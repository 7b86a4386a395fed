// State assignment: the width of the state codes for an assignment and a number of states,
// the codes that Binary, Gray code, One Hot and Two Hot give, and their recomputation after
// every change of a machine's states. Codes are written leftmost bit first.
#pragma once

#include "design/design.h"
#include "design/state_machine.h"

#include <string>
#include <vector>

namespace zeph {

// Binary, Gray code, One Hot and Two Hot compute their codes; the others do not.
bool assignment_computes_codes(int assignment);

// Bits per code for n states (REST excluded): One Hot n; Two Hot the smallest w >= 1 with
// w(w-1)/2 >= n; every other assignment (the minimum for User defined) the smallest k >= 1
// with 2^k >= n.
int code_width_for(int assignment, int states);

// The codes of states 1..n, in number order, under a computing assignment and a width.
std::vector<std::string> computed_codes(int assignment, int states, int width);

// Gives every state its code when the assignment computes codes: the width is recomputed
// (and stored when it differs), then each state by its number receives its code. The REST
// state has no code of its own.
void assign_codes(StateMachine& machine);

// After states were added, deleted, copied or renumbered: the codes of an explicit machine
// whose assignment computes them.
void recompute_codes(StateMachine& machine);

// The same for every machine of the design (architectures and processes).
void recompute_design_state_codes(Design& design);

} // namespace zeph
