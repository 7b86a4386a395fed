// Editing the states of a machine: adding a state or the REST state, the "Edit State" dialog,
// copying and deleting states. Every change of the set of states renumbers them 1..n and
// recomputes the codes that the assignment computes.
#pragma once

#include "design/edit_outcome.h"
#include "design/state_machine.h"
#include "statemachine/machine_context.h"

#include <optional>
#include <string>

namespace zeph {

inline constexpr const char* kRestName = "REST";

// "s" followed by the smallest number from 1 upward that no state carries.
std::string default_state_name(const StateMachine& machine);

// The state with that name (REST included), compared as identifiers.
State* find_state(StateMachine& machine, std::string_view name, int rules);

// A new state centred on `at`: "Enter state name:" offers the default name and is asked again
// after an illegal or used name (message 48 with "state"); an empty answer cancels. A name
// given by the caller is checked once instead. The new state is the last one, `added` points
// at it.
Outcome add_state(StateMachine& machine, const MachineContext& context, Point at,
                  const std::optional<std::string>& name = std::nullopt, State** added = nullptr);
// The REST state centred on `at`; a second one is refused with "REST state already present.".
Outcome add_rest_state(StateMachine& machine, const MachineContext& context, Point at);

struct StateFields {
    std::string name; // "&Name:"
    int number = 0;   // "N&umber:" (explicit machines)
    std::string code; // "C&ode:" (assignment User defined)
    bool operator==(const StateFields&) const = default;
};
enum class StateField { None, Name, Number, Code };

StateFields state_fields(const State& state);

// OK of "Edit State", in this order: a changed name is a legal identifier that no other state
// has (message 48 with "state"); in an explicit machine a changed number (1 to n; message 50
// otherwise) is swapped with the state that held it and the codes are recomputed (the REST
// state keeps 0, other machines keep their numbers); with assignment "User defined" a changed
// code must be a valid bit string for the default vector type (message 50) and is stored as
// typed, at most 80 characters.
DialogResult<StateField> edit_state(StateMachine& machine, const MachineContext& context,
                                    State& state, StateFields fields);

// A copy of the state, moved by `by`, with the state's actions: "Enter name for copy of state
// '%s':" offers the default name (or the name given is checked once). The REST state cannot
// be copied ("REST state already present.").
Outcome copy_state(StateMachine& machine, const MachineContext& context, const State& original,
                   Point by, const std::optional<std::string>& name = std::nullopt,
                   State** added = nullptr);

// Deletes the state with every transition that leaves or enters it; the states after it move
// down by one number.
void delete_state(StateMachine& machine, State& state);

// Numbers 1..n in table order.
void renumber_states(StateMachine& machine);

} // namespace zeph
