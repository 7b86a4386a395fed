// Copying machines and selections.
#include "statemachine/machine_copy.h"

#include "statemachine/machine_labels.h"
#include "statemachine/machine_messages.h"
#include "statemachine/state_edits.h"
#include "statemachine/transition_edits.h"
#include "statemachine/transition_priorities.h"

#include <algorithm>
#include <map>

namespace zeph {

namespace {

using LabelMap = std::map<const Label*, Label*>;
using StateMap = std::map<const State*, State*>;

void copy_labels(const std::vector<std::unique_ptr<Label>>& from,
                 std::vector<std::unique_ptr<Label>>& to, LabelMap& map) {
    for (const auto& label : from) {
        to.push_back(std::make_unique<Label>(*label));
        map[label.get()] = to.back().get();
    }
}

Label* mapped(const LabelMap& map, const Label* label) {
    auto it = map.find(label);
    return it != map.end() ? it->second : nullptr;
}

State* mapped(const StateMap& map, const State* state) {
    auto it = map.find(state);
    return it != map.end() ? it->second : nullptr;
}

// A usage like the original, referring to `label`; its owner is set by the caller.
LabelUsage usage_like(const LabelUsage& original, Label* label) {
    LabelUsage usage = original;
    usage.label = label;
    usage.state = nullptr;
    usage.transition = nullptr;
    return usage;
}

std::unique_ptr<State> state_like(const State& original, const LabelMap& labels) {
    auto state = std::make_unique<State>();
    state->number = original.number;
    state->name = original.name;
    state->code = original.code;
    state->box = original.box;
    state->name_label = original.name_label;
    for (const auto& usage : original.action_usages) {
        auto copy = std::make_unique<LabelUsage>(usage_like(*usage, mapped(labels, usage->label)));
        copy->state = state.get();
        state->action_usages.push_back(std::move(copy));
    }
    return state;
}

// A transition like the original with its ends and labels mapped into the copy. Use counts
// are left to a recount.
std::unique_ptr<Transition> transition_like(const Transition& original, const StateMap& states,
                                            const LabelMap& labels) {
    auto t = std::make_unique<Transition>();
    t->reset = original.reset;
    t->shape = original.shape;
    t->points = original.points;
    t->from = mapped(states, original.from);
    t->to = mapped(states, original.to);
    t->priority = original.priority;
    t->priority_mark = original.priority_mark;
    t->geometry = original.geometry;
    t->condition = usage_like(original.condition, mapped(labels, original.condition.label));
    t->condition.transition = t.get();
    for (const auto& usage : original.action_usages) {
        auto copy = std::make_unique<LabelUsage>(usage_like(*usage, mapped(labels, usage->label)));
        copy->transition = t.get();
        t->action_usages.push_back(std::move(copy));
    }
    return t;
}

} // namespace

std::unique_ptr<StateMachine> copy_machine(const StateMachine& machine) {
    auto copy = std::make_unique<StateMachine>();
    StateMachine& m = *copy;
    m.code_width = machine.code_width;
    m.style = machine.style;
    m.assignment = machine.assignment;
    m.decoding = machine.decoding;
    m.transition_actions = machine.transition_actions;
    m.state_actions = machine.state_actions;
    m.clock_edge = machine.clock_edge;
    m.edge_functions = machine.edge_functions;
    m.block_separation = machine.block_separation;
    m.identifier_suffix = machine.identifier_suffix;
    m.clock_port = machine.clock_port;
    m.reset_port = machine.reset_port;
    m.state_port = machine.state_port;
    m.reset_level = machine.reset_level;
    m.state_vector_ranged = machine.state_vector_ranged;
    m.process_comment = machine.process_comment;
    m.process_declarations = machine.process_declarations;

    LabelMap labels;
    copy_labels(machine.action_labels, m.action_labels, labels);
    copy_labels(machine.condition_labels, m.condition_labels, labels);
    StateMap states;
    if (machine.rest) {
        m.rest = state_like(*machine.rest, labels);
        states[machine.rest.get()] = m.rest.get();
    }
    for (const auto& state : machine.states) {
        m.states.push_back(state_like(*state, labels));
        states[state.get()] = m.states.back().get();
    }
    for (const auto& transition : machine.transitions) {
        m.transitions.push_back(transition_like(*transition, states, labels));
        if (machine.reset_transition == transition.get())
            m.reset_transition = m.transitions.back().get();
    }
    recount_uses(m);
    return copy;
}

Outcome copy_selection(StateMachine& machine, const MachineContext& context,
                       const MachineSelection& selection, Point by) {
    bool rest = false, reset = false;
    std::vector<State*> copies;
    for (const State* state : selection.states) {
        if (state == machine.rest.get()) {
            rest = true;
            continue;
        }
        State* copy = nullptr;
        Outcome copied = copy_state(machine, context, *state, by, std::nullopt, &copy);
        if (copied != Outcome::Done) {
            // A cancelled name: the copies made so far go again.
            for (auto it = copies.rbegin(); it != copies.rend(); ++it)
                delete_state(machine, **it);
            return copied;
        }
        copies.push_back(copy);
    }
    bool done = !copies.empty();
    for (const Transition* transition : selection.transitions) {
        if (transition->reset) {
            reset = true;
            continue;
        }
        if (copy_transition(machine, context, *transition, by) == Outcome::Done) done = true;
    }
    if (rest) refuse_edit(context.platform, machine_text::kRestPresent);
    if (reset) refuse_edit(context.platform, machine_text::kCannotCopyReset);
    return done ? Outcome::Done : rest || reset ? Outcome::Refused : Outcome::Unchanged;
}

} // namespace zeph
