// Phase 2: the port that an explicit machine exports its state register on must be as wide
// as the state codes; a 1-bit code may go to a scalar port, and then the state vector has no
// range in the generated text.
#include "statemachine/machine_checker.h"

#include "design/generic.h"
#include "design/status_flags.h"
#include "hdl/identifier_rules.h"
#include "statemachine/state_codes.h"

#include <cstdlib>
#include <optional>

namespace zeph {

namespace {

// A range bound: an integer, or a generic of the entity whose default value is one.
std::optional<long long> bound_value(const MachineChecker& checker, const std::string& text) {
    std::string value = text;
    int number = 0;
    if (normalise_integer(value, &number)) return number;
    for (const auto& generic : checker.scope.entity.generics)
        if (names_equal(generic->name, text, checker.rules)) {
            value = generic->default_value;
            if (normalise_integer(value, &number)) return number;
            return std::nullopt;
        }
    return std::nullopt;
}

// The width of a ranged port; nothing when a bound is not known (the value checks said why).
std::optional<long long> port_width(const MachineChecker& checker, const Port& port) {
    std::optional<long long> left = bound_value(checker, port.range.left);
    std::optional<long long> right = bound_value(checker, port.range.right);
    if (!left || !right) return std::nullopt;
    return std::llabs(*left - *right) + 1;
}

int state_code_width(const StateMachine& machine) {
    if (machine.code_width > 0) return machine.code_width;
    return code_width_for(machine.assignment, static_cast<int>(machine.states.size()));
}

void check_register_port(MachineChecker& checker, const Port& port) {
    StateMachine& machine = checker.machine;
    int width = state_code_width(machine);
    bool hot = machine.assignment == kAssignmentOneHot || machine.assignment == kAssignmentTwoHot;
    if (!port.range.has_range) {
        if (width == 1 && !hot)
            machine.state_vector_ranged = false;
        else
            checker.say(25, kFunctionStateRegister, width, 1, checker.port_name(port));
        return;
    }
    std::optional<long long> port_bits = port_width(checker, port);
    if (port_bits && *port_bits != width)
        checker.say(25, kFunctionStateRegister, width, 1, checker.port_name(port));
}

} // namespace

void check_machine_state_register(const MachineScope& scope) {
    if (StateMachine* machine = machine_of(scope)) {
        MachineChecker checker(scope, *machine);
        machine->state_vector_ranged = true;
        if (const Port* port = exported_state_port(checker)) check_register_port(checker, *port);
    }
    status_of(scope) |= kStatusPhase2;
}

} // namespace zeph
