// A state diagram as lines of text, for the shell's "list-diagram": the machine options, the
// states with their numbers, codes, places and actions, the transitions by their position in
// the machine's list (the number that the transition commands take), and the labels.
#pragma once

#include "design/state_machine.h"

#include <string>
#include <vector>

namespace zeph {

std::vector<std::string> machine_listing(const StateMachine& machine, bool verilog);

// A label's text as one line: line breaks shown as "\n".
std::string one_line(const std::string& text);

} // namespace zeph
