// The design of the state machine benchmarks: M entities, each with one state-diagram
// architecture of 200 states and 1,000 transitions (five leaving every state: four under
// conditions, the last without one), a reset transition, Clock and Reset ports.
#pragma once

#include "design/design_constructors.h"
#include "statemachine/diagram_geometry.h"

#include <memory>
#include <string>
#include <vector>

namespace zeph::machine_bench {

inline constexpr int kStates = 200;
inline constexpr int kExits = 5; // per state: kStates * kExits = 1,000 transitions
inline constexpr int kConditions = kExits - 1;

inline Label& add_label(std::vector<std::unique_ptr<Label>>& list, const std::string& name,
                        const std::string& text) {
    list.push_back(std::make_unique<Label>());
    Label& label = *list.back();
    label.name = name;
    label.vhdl_text = text;
    label.verilog_text = text;
    label.number = static_cast<int>(list.size());
    return label;
}

inline Transition& add_transition(StateMachine& machine, State* from, State* to, Label* condition,
                                  int priority) {
    machine.transitions.push_back(std::make_unique<Transition>());
    Transition& t = *machine.transitions.back();
    t.shape = 1;
    t.from = from;
    t.to = to;
    t.priority = priority;
    // A reset transition starts on the free sheet.
    Point start = from != nullptr ? box_centre(from->box) : Point{64, 64};
    t.points = {start, box_centre(to->box)};
    use_label(t.condition, condition);
    return t;
}

inline void draw_machine(StateMachine& machine) {
    for (int i = 0; i < kStates; ++i) {
        machine.states.push_back(std::make_unique<State>());
        State& s = *machine.states.back();
        s.number = i + 1;
        s.name = "s" + std::to_string(i + 1);
        s.box = {768 * (i % 20), 768 * (i / 20), 768 * (i % 20) + 256, 768 * (i / 20) + 256};
    }
    Label& act = add_label(machine.action_labels, "act", "y <= '1';");
    State& first = *machine.states.front();
    first.action_usages.push_back(std::make_unique<LabelUsage>());
    first.action_usages.back()->state = &first;
    use_label(*first.action_usages.back(), &act);

    std::vector<Label*> conditions;
    for (int c = 0; c < kConditions; ++c)
        conditions.push_back(&add_label(machine.condition_labels, "c" + std::to_string(c),
                                        "x" + std::to_string(c) + " = '1'"));
    // Drawn in reverse, so that the first run puts the whole list in order.
    for (int i = kStates - 1; i >= 0; --i)
        for (int k = kExits - 1; k >= 0; --k) {
            State* to = machine.states[static_cast<std::size_t>((i + k + 1) % kStates)].get();
            add_transition(machine, machine.states[static_cast<std::size_t>(i)].get(), to,
                           k < kConditions ? conditions[static_cast<std::size_t>(k)] : nullptr, k);
        }
    Label& rst = add_label(machine.condition_labels, "rst", "rst = '1'");
    Transition& reset = add_transition(machine, nullptr, &first, &rst, kResetPriority);
    reset.reset = true;
    machine.reset_transition = &reset;
}

inline std::unique_ptr<Design> make_design(int machines) {
    auto design = std::make_unique<Design>();
    for (int m = 0; m < machines; ++m) {
        Entity& e = add_entity(*design, new_entity(*design, "fsm" + std::to_string(m)));
        for (auto [name, function] : {std::pair{"clk", kFunctionClock}, {"rst", kFunctionReset}}) {
            auto port = new_port();
            port->name = name;
            port->mode = kModeIn;
            port->special_function = function;
            e.ports.push_back(std::move(port));
        }
        Architecture& body =
            add_architecture(e, new_architecture(kArchitectureStateDiagram, "a", &e));
        body.port_placements.resize(e.ports.size());
        draw_machine(*body.state_machine);
    }
    return design;
}

} // namespace zeph::machine_bench
