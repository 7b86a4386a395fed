// The "Labels List" report: the action or the condition labels of a machine with their
// usage and their text in the design's language, as a table.
//
//   Action Labels of Entity 'ctrl' of Architecture 'fsm':
//
//   Label Name | Usage      | Vhdl text:
//   --------------------------------------------------------------------------------
//
//   --------------------------------------------------------------------------------
//   pulse      |          1 | p <= '1' ;
//   --------------------------------------------------------------------------------
#pragma once

#include "design/design.h"
#include "ui/platform.h"

#include <string>
#include <vector>

namespace zeph {

// A machine with the objects that name it: an architecture's, or a process's (process not
// null).
struct LabelledMachine {
    const Entity& entity;
    const Architecture& architecture;
    const Process* process;
    const StateMachine& machine;
};

std::vector<std::string> labels_list_lines(const LabelledMachine& owner, bool actions,
                                           bool verilog);

// Every state machine of the design, architectures and processes, in the design's order.
std::vector<LabelledMachine> design_machines(const Design& design);

// Clears the report window, titles it "Labels List" and shows the lines.
void show_labels_list(ui::Platform& platform, const std::vector<std::string>& lines);

} // namespace zeph
