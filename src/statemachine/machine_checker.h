// What the steps of the state machine checks share: the machine with its scope, the name
// rules and language of the design, the ports the machine sees, and the report with the
// objects that receive the severity bits. The steps themselves, one per file.
#pragma once

#include "statemachine/machine_analysis.h"
#include "statemachine/machine_checks.h"

#include "design/architecture.h"
#include "design/entity.h"
#include "design/process.h"

#include <memory>
#include <string>
#include <vector>

namespace zeph {

class MachineChecker {
  public:
    MachineChecker(const MachineScope& scope, StateMachine& machine);

    // One finding against the entity, the architecture and the process of the machine.
    void say(int number, int i1, int i2, int i3, const std::string& s1 = {},
             const std::string& s2 = {}, const std::string& s3 = {}, int form = kAutoForm) const;

    const MachineScope& scope;
    StateMachine& machine;
    int rules;    // the design's language checking
    bool verilog; // the target language, which selects the label texts
    bool implicit;

    bool is_process() const { return scope.process != nullptr; }
    // The ports of the process, or of the entity.
    const std::vector<std::unique_ptr<Port>>& ports() const;
    // Process ports have no names of their own: the checks leave them unnamed (empty).
    std::string port_name(const Port& port) const;
    // The text of a label in the target language.
    const std::string& text_of(const Label& label) const;
};

// The machine of the scope (null when the record holds none) and the status bits it is
// verified in.
StateMachine* machine_of(const MachineScope& scope);
unsigned& status_of(const MachineScope& scope);

// The number of states on the sheet, REST included.
int drawn_states(const StateMachine& machine);
// A label's name for the messages.
std::string label_name(const Label& label);
// Where a transition's point lies on the sheet, "at (%d, %d)".
std::string sheet_position(Point point);

// The ports that carry a special function, by function.
std::vector<const Port*> ports_with_function(const MachineChecker& checker, int function);
// An explicit machine with a computed or user defined assignment puts its state register on
// a port.
bool exports_state_register(const StateMachine& machine);
// The one State Register port that the machine exports its state on, or null.
const Port* exported_state_port(const MachineChecker& checker);

// The steps of phase 1, in their order.
void check_state_names(MachineChecker& checker);
void check_reset_and_special_ports(MachineChecker& checker);
void check_machine_labels(MachineChecker& checker);
void check_transitions(MachineChecker& checker);
void check_independent_parts(MachineChecker& checker);

// Phase 3.
void check_duplicate_conditions(MachineChecker& checker);
// The path-tree analysis of an implicit machine with states.
void analyse_path_tree(MachineChecker& checker);

// The transition list in the order of the checks and of generation: the reset transition,
// the transitions without an origin state by priority, then those of each state by the
// state's number and by priority.
void sort_transitions(StateMachine& machine);

} // namespace zeph
