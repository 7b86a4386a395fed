// Shared fixture of the state diagram tests: a design whose top level has one state-diagram
// architecture, a scripted platform, the default drawing settings and a fixed clock, and
// helpers that add states and transitions with given names.
#pragma once

#include "design/design.h"
#include "design/design_constructors.h"
#include "design/design_file.h"
#include "design/entity.h"
#include "foundation/clock.h"
#include "statemachine/diagram_geometry.h"
#include "statemachine/machine_context.h"
#include "statemachine/machine_labels.h"
#include "statemachine/state_edits.h"
#include "statemachine/transition_edits.h"
#include "ui/scripted_platform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zeph::machine_testing {

class MachineTest : public ::testing::Test {
  protected:
    MachineTest() {
        set_fixed_clock(0);
        Entity& top = add_entity(design, new_entity(design, "Toplevel"));
        design.root = &top;
        architecture =
            &add_architecture(top, new_architecture(kArchitectureStateDiagram, "fsm", &top));
    }
    ~MachineTest() override { set_fixed_clock(std::nullopt); }

    StateMachine& machine() { return *architecture->state_machine; }
    std::string design_text() const { return design_file_text(design); }

    // A state of that name centred on the point.
    State& add(const std::string& name, Point at) {
        State* added = nullptr;
        EXPECT_EQ(add_state(machine(), context, at, name, &added), Outcome::Done) << name;
        return *added;
    }
    // A curve from one state to another (or a loop).
    Transition& connect(State& from, State& to) {
        Transition* added = nullptr;
        EXPECT_EQ(add_curved_transition(machine(), context, box_centre(from.box),
                                        box_centre(to.box), &added),
                  Outcome::Done);
        return *added;
    }
    // A global transition from a free point to the state.
    Transition& global_to(State& to, Point origin) {
        Transition* added = nullptr;
        EXPECT_EQ(add_transition(machine(), context, {origin, box_centre(to.box)}, &added),
                  Outcome::Done);
        return *added;
    }
    Label& condition(const std::string& name, const std::string& vhdl,
                     const std::string& verilog = "") {
        machine().condition_labels.push_back(std::make_unique<Label>());
        Label& label = *machine().condition_labels.back();
        label.name = name;
        label.vhdl_text = vhdl;
        label.verilog_text = verilog;
        label.number = static_cast<int>(machine().condition_labels.size());
        return label;
    }
    Label& action(const std::string& name, const std::string& vhdl, unsigned flags = 0) {
        machine().action_labels.push_back(std::make_unique<Label>());
        Label& label = *machine().action_labels.back();
        label.name = name;
        label.vhdl_text = vhdl;
        label.flags = flags;
        label.number = static_cast<int>(machine().action_labels.size());
        return label;
    }
    // An action of the state, placed below it.
    LabelUsage& add_usage(Label& label, State& state) {
        Point at = state_action_place(state.box, static_cast<int>(state.action_usages.size()));
        state.action_usages.push_back(new_usage(&label, at, styled_label(settings.actions, at)));
        state.action_usages.back()->state = &state;
        refresh_machine_labels(machine(), false);
        return *state.action_usages.back();
    }
    LabelUsage& add_usage(Label& label, Transition& transition) {
        Point at = transition_action_place(transition.points,
                                           static_cast<int>(transition.action_usages.size()));
        transition.action_usages.push_back(
            new_usage(&label, at, styled_label(settings.actions, at)));
        transition.action_usages.back()->transition = &transition;
        refresh_machine_labels(machine(), false);
        return *transition.action_usages.back();
    }
    std::vector<std::string> names() {
        std::vector<std::string> result;
        for (const auto& state : machine().states)
            result.push_back(std::to_string(state->number) + ":" + state->name);
        return result;
    }
    std::vector<std::string> shown(ui::Shown kind) const { return platform.shown(kind); }
    std::string last_box() const {
        std::vector<std::string> boxes = platform.shown(ui::Shown::Box);
        return boxes.empty() ? std::string() : boxes.back().substr(boxes.back().find('|') + 1);
    }

    ui::ScriptedPlatform platform;
    Design design;
    Architecture* architecture = nullptr;
    StateDiagramSettings settings;
    MachineContext context{design, platform, settings};
};

} // namespace zeph::machine_testing
