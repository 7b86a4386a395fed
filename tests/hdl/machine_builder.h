// Builds state machines for the HDL tests with the model's editing operations: an entity with
// its ports (Clock, Reset and State Register flags), a state-diagram architecture or a
// state-diagram process, states on a grid, transitions, labels and their usages, the options
// through the options dialog's logic, and the checks of verification that fill the fields
// the generator reads.
#pragma once

#include "design/block_diagram.h"
#include "design/design.h"
#include "statemachine/machine_context.h"
#include "statemachine/machine_options.h"
#include "ui/scripted_platform.h"

#include <string>
#include <vector>

namespace machine_hdl_test {

using namespace zeph;

class MachineBuilder {
  public:
    MachineBuilder(const Design& design, StateMachine& machine);

    State& state(const std::string& name);
    State& rest();
    // A curve from one state to another (a loop when they are one).
    Transition& connect(State& from, State& to, Label* condition = nullptr);
    // A transition from a free point: a global transition.
    Transition& global(State& to, Label* condition);
    Transition& reset(State& to, Label& condition);
    Label& condition(const std::string& name, const std::string& vhdl, const std::string& verilog);
    Label& action(const std::string& name, const std::string& vhdl, const std::string& verilog,
                  unsigned flags = 0);
    void use(Label& label, State& state);
    void use(Label& label, Transition& transition);
    // Applies the options as the dialog's OK does (the codes are assigned anew).
    void options(const MachineOptionsFields& fields);
    MachineOptionsFields options() const { return machine_options_fields(machine); }

    StateMachine& machine;

  private:
    ui::ScriptedPlatform platform_;
    StateDiagramSettings settings_;
    MachineContext context_;
};

// A port of the entity; width 0 is a scalar, otherwise (width-1 DOWNTO 0).
Port& add_machine_port(Entity& entity, const std::string& name, int mode,
                       int function = kFunctionNone, int width = 0, bool register_flag = false);

// An entity with a state-diagram architecture "fsm".
Entity& add_machine_entity(Design& design, const std::string& name);
StateMachine& machine_of(Entity& entity);

// Runs the three phases of the state machine checks on the machine of the architecture (or
// of the process, whose ports already carry their signal names); returns the report lines.
std::vector<std::string> verify_machine(Design& design, Entity& entity, Architecture& architecture,
                                        Process* process = nullptr);
// Only the lines of errors.
std::vector<std::string> machine_errors(const std::vector<std::string>& lines);

} // namespace machine_hdl_test
