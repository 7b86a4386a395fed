// Machines for the HDL tests, built with the editing operations and verified.
#include "machine_builder.h"

#include "design/design_constructors.h"
#include "design/report.h"
#include "statemachine/diagram_geometry.h"
#include "statemachine/machine_checks.h"
#include "statemachine/machine_labels.h"
#include "statemachine/state_edits.h"
#include "statemachine/transition_edits.h"

#include <gtest/gtest.h>

namespace machine_hdl_test {

MachineBuilder::MachineBuilder(const Design& design, StateMachine& m)
    : machine(m), context_{design, platform_, settings_} {}

State& MachineBuilder::state(const std::string& name) {
    int n = static_cast<int>(machine.states.size());
    Point at{768 + 768 * (n % 6), 768 + 768 * (n / 6)};
    State* added = nullptr;
    EXPECT_EQ(add_state(machine, context_, at, name, &added), Outcome::Done) << name;
    return *added;
}

State& MachineBuilder::rest() {
    EXPECT_EQ(add_rest_state(machine, context_, {5376, 6144}), Outcome::Done);
    return *machine.rest;
}

Transition& MachineBuilder::connect(State& from, State& to, Label* condition) {
    Transition* added = nullptr;
    EXPECT_EQ(
        add_curved_transition(machine, context_, box_centre(from.box), box_centre(to.box), &added),
        Outcome::Done);
    if (condition != nullptr) {
        EXPECT_EQ(
            edit_transition(machine, context_, *added, {condition, false, added->priority}).outcome,
            Outcome::Done);
    }
    return *added;
}

Transition& MachineBuilder::global(State& to, Label* condition) {
    Transition* added = nullptr;
    Point origin{128 + 96 * static_cast<int>(machine.transitions.size()), 128};
    EXPECT_EQ(add_transition(machine, context_, {origin, box_centre(to.box)}, &added),
              Outcome::Done);
    if (condition != nullptr) {
        EXPECT_EQ(
            edit_transition(machine, context_, *added, {condition, false, added->priority}).outcome,
            Outcome::Done);
    }
    return *added;
}

Transition& MachineBuilder::reset(State& to, Label& condition) {
    Transition& t = global(to, nullptr);
    EXPECT_EQ(edit_transition(machine, context_, t, {&condition, true, 0}).outcome, Outcome::Done);
    return t;
}

namespace {
Label& add_label(std::vector<std::unique_ptr<Label>>& list, const std::string& name,
                 const std::string& vhdl, const std::string& verilog, unsigned flags) {
    list.push_back(std::make_unique<Label>());
    Label& label = *list.back();
    label.name = name;
    label.vhdl_text = vhdl;
    label.verilog_text = verilog;
    label.flags = flags;
    label.number = static_cast<int>(list.size());
    return label;
}
} // namespace

Label& MachineBuilder::condition(const std::string& name, const std::string& vhdl,
                                 const std::string& verilog) {
    return add_label(machine.condition_labels, name, vhdl, verilog, 0);
}

Label& MachineBuilder::action(const std::string& name, const std::string& vhdl,
                              const std::string& verilog, unsigned flags) {
    return add_label(machine.action_labels, name, vhdl, verilog, flags);
}

void MachineBuilder::use(Label& label, State& state) {
    Point at = state_action_place(state.box, static_cast<int>(state.action_usages.size()));
    state.action_usages.push_back(new_usage(&label, at, styled_label(settings_.actions, at)));
    state.action_usages.back()->state = &state;
}

void MachineBuilder::use(Label& label, Transition& t) {
    Point at = transition_action_place(t.points, static_cast<int>(t.action_usages.size()));
    t.action_usages.push_back(new_usage(&label, at, styled_label(settings_.actions, at)));
    t.action_usages.back()->transition = &t;
}

void MachineBuilder::options(const MachineOptionsFields& fields) {
    if (fields == options()) return;
    DialogResult<MachineOptionsField> result = apply_machine_options(machine, context_, fields);
    std::string shown;
    for (const std::string& box : platform_.shown(ui::Shown::Box))
        shown += box + "\n";
    EXPECT_EQ(result.outcome, Outcome::Done) << shown;
}

Port& add_machine_port(Entity& entity, const std::string& name, int mode, int function, int width,
                       bool register_flag) {
    auto port = new_port();
    port->name = name;
    port->mode = mode;
    port->special_function = function;
    port->register_flag = register_flag;
    if (width > 0) {
        port->range.has_range = true;
        port->range.left = std::to_string(width - 1);
        port->range.right = "0";
    }
    entity.ports.push_back(std::move(port));
    for (auto& architecture : entity.architectures)
        architecture->port_placements.emplace_back();
    return *entity.ports.back();
}

Entity& add_machine_entity(Design& design, const std::string& name) {
    Entity& entity = add_entity(design, new_entity(design, name));
    add_architecture(entity, new_architecture(kArchitectureStateDiagram, "fsm", &entity));
    return entity;
}

StateMachine& machine_of(Entity& entity) {
    return *entity.architectures.front()->state_machine;
}

std::vector<std::string> verify_machine(Design& design, Entity& entity, Architecture& architecture,
                                        Process* process) {
    ui::ScriptedPlatform platform;
    Report report(platform);
    report.start(ReportScope::Design, design.target_language);
    MachineScope scope{design, report, entity, architecture, process};
    check_machine_structure(scope);
    if (process != nullptr) take_special_port_signals(scope);
    check_machine_export_and_control(scope);
    return platform.shown(ui::Shown::ReportLine);
}

std::vector<std::string> machine_errors(const std::vector<std::string>& lines) {
    std::vector<std::string> errors;
    for (const std::string& line : lines)
        if (line.rfind("Error", 0) == 0) errors.push_back(line);
    return errors;
}

} // namespace machine_hdl_test
