// Whole-design verification of designs made of state machines: M entities, each with one
// state-diagram architecture of 200 states and 1,000 transitions (five leaving every state:
// four under conditions, the last without one), a reset transition, Clock and Reset ports.
// The machines are clean, so every check runs to its end (each ends with the one error that
// its HDL cannot be written yet). At M = 100 the design holds 20,000 states and 100,000
// transitions; M = 1000 shows that the cost grows with M alone.
#include "blockdiagram/verify_run.h"
#include "design/design_constructors.h"
#include "design/report.h"
#include "shell/machine_verify_hooks.h"
#include "statemachine/diagram_geometry.h"
#include "ui/scripted_platform.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace zeph {
namespace {

constexpr int kStates = 200;
constexpr int kExits = 5; // per state: kStates * kExits = 1,000 transitions
constexpr int kConditions = kExits - 1;

Label& add_label(std::vector<std::unique_ptr<Label>>& list, const std::string& name,
                 const std::string& text) {
    list.push_back(std::make_unique<Label>());
    Label& label = *list.back();
    label.name = name;
    label.vhdl_text = text;
    label.verilog_text = text;
    label.number = static_cast<int>(list.size());
    return label;
}

Transition& add_transition(StateMachine& machine, State* from, State* to, Label* condition,
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

void draw_machine(StateMachine& machine) {
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

std::unique_ptr<Design> make_design(int machines) {
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

void BM_VerifyMachines(benchmark::State& state) {
    ui::ScriptedPlatform platform;
    std::unique_ptr<Design> design = make_design(static_cast<int>(state.range(0)));
    VerifyOptions options;
    add_state_machine_checks(options.hooks, *design);
    Report report(platform);
    for (auto _ : state) {
        platform.clear_transcript();
        verify_design(*design, options, report);
        benchmark::DoNotOptimize(report.errors());
    }
    state.counters["states"] = static_cast<double>(state.range(0) * kStates);
    state.counters["transitions"] = static_cast<double>(state.range(0) * kStates * kExits);
    state.counters["errors"] = report.errors();
    state.counters["warnings"] = report.warnings();
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_VerifyMachines)
    ->Arg(100)
    ->Arg(300)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

} // namespace
} // namespace zeph
