// The reset condition of the machine and the ports flagged "Clock", "Reset" and "State
// Register": how many carry each flag, whether the machine uses them, and the names that
// generation takes from them.
#include "statemachine/machine_checker.h"

#include "design/port.h"
#include "foundation/strings.h"
#include "statemachine/reset_condition.h"

namespace zeph {

namespace {

constexpr int kFunctions[] = {kFunctionClock, kFunctionReset, kFunctionStateRegister};

// A flagged port of an architecture machine may serve another state-diagram architecture of
// the entity.
bool entity_has_other_machine(const MachineChecker& checker) {
    for (const auto& architecture : checker.scope.entity.architectures)
        if (architecture.get() != &checker.scope.architecture &&
            architecture->kind == kArchitectureStateDiagram)
            return true;
    return false;
}

bool reset_condition_given(const StateMachine& machine) {
    return machine.reset_transition != nullptr &&
           machine.reset_transition->condition.label != nullptr;
}

bool machine_uses(const StateMachine& machine, int function) {
    switch (function) {
    case kFunctionClock:
        return true;
    case kFunctionReset:
        return reset_condition_given(machine);
    default:
        return exports_state_register(machine);
    }
}

void check_reset_condition(MachineChecker& checker) {
    StateMachine& machine = checker.machine;
    const Transition* reset = machine.reset_transition;
    if (reset == nullptr) return;
    const Label* condition = reset->condition.label;
    if (condition == nullptr) {
        checker.say(24, 0, 0, 0, "Reset", sheet_position(first_point(*reset)));
        return;
    }
    const std::string& text = checker.text_of(*condition);
    std::optional<ResetCondition> parsed =
        parse_reset_condition(text, checker.rules, checker.verilog);
    if (!parsed) {
        checker.say(24, 1, 0, 0, text);
        return;
    }
    machine.reset_port = parsed->signal;
    machine.reset_level = parsed->active_low;
}

// Process ports are named after their signals only by the connection analysis, which also
// compares the reset port's signal with the reset condition.
void check_flag(MachineChecker& checker, int function) {
    StateMachine& machine = checker.machine;
    std::vector<const Port*> flagged = ports_with_function(checker, function);
    int count = static_cast<int>(flagged.size());
    if (count >= 2) {
        checker.say(25, function, 0, count);
        return;
    }
    if (count == 0) {
        if (function == kFunctionClock) checker.say(25, function, 0, 0);
        if (function == kFunctionReset && !machine.reset_port.empty())
            checker.say(25, function, 0, 0, machine.reset_port);
        return;
    }
    const Port& port = *flagged.front();
    std::string name = checker.port_name(port);
    if (!machine_uses(machine, function)) {
        if (checker.is_process() || !entity_has_other_machine(checker))
            checker.say(25, function, 0, 1, name);
        return;
    }
    if (function == kFunctionClock) machine.clock_port = name;
    if (function == kFunctionStateRegister) machine.state_port = name;
    if (function == kFunctionReset && !checker.is_process() && !machine.reset_port.empty() &&
        to_lower_ascii(port.name) != to_lower_ascii(machine.reset_port))
        checker.say(25, function, 1, 1, port.name, machine.reset_port);
    if (function != kFunctionStateRegister && port.range.has_range)
        checker.say(25, function, -1, 1, name);
}

} // namespace

std::vector<const Port*> ports_with_function(const MachineChecker& checker, int function) {
    std::vector<const Port*> flagged;
    for (const auto& port : checker.ports())
        if (port->special_function == function) flagged.push_back(port.get());
    return flagged;
}

bool exports_state_register(const StateMachine& machine) {
    return machine.style == kStyleExplicit && machine.assignment >= kAssignmentBinary &&
           machine.assignment <= kAssignmentUserDefined;
}

const Port* exported_state_port(const MachineChecker& checker) {
    if (!exports_state_register(checker.machine)) return nullptr;
    std::vector<const Port*> flagged = ports_with_function(checker, kFunctionStateRegister);
    return flagged.size() == 1 ? flagged.front() : nullptr;
}

void check_reset_and_special_ports(MachineChecker& checker) {
    StateMachine& machine = checker.machine;
    machine.clock_port.clear();
    machine.reset_port.clear();
    machine.state_port.clear();
    machine.reset_level = false;
    if (checker.implicit && machine.states.size() >= 2 && machine.reset_transition == nullptr)
        checker.say(23, 0, 0, 0);
    check_reset_condition(checker);
    for (int function : kFunctions)
        check_flag(checker, function);
}

void take_special_port_signals(const MachineScope& scope) {
    if (scope.process == nullptr || scope.process->state_machine == nullptr) return;
    MachineChecker checker(scope, *scope.process->state_machine);
    StateMachine& machine = checker.machine;
    std::vector<const Port*> clock = ports_with_function(checker, kFunctionClock);
    if (clock.size() == 1) machine.clock_port = clock.front()->name;
    if (const Port* state = exported_state_port(checker)) machine.state_port = state->name;
    std::vector<const Port*> reset = ports_with_function(checker, kFunctionReset);
    if (reset.size() != 1 || machine.reset_port.empty()) return;
    const std::string& signal = reset.front()->name;
    // A port that no net reaches has no signal; verification reported it already.
    if (!signal.empty() && to_lower_ascii(signal) != to_lower_ascii(machine.reset_port))
        checker.say(25, kFunctionReset, 1, 1, signal, machine.reset_port);
}

} // namespace zeph
