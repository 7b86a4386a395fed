// Adding, editing, copying and deleting states.
#include "statemachine/state_edits.h"

#include "design/name_limits.h"
#include "foundation/kind_vocabulary.h"
#include "foundation/strings.h"
#include "hdl/identifier_rules.h"
#include "statemachine/assignment_check.h"
#include "statemachine/diagram_geometry.h"
#include "statemachine/machine_labels.h"
#include "statemachine/machine_messages.h"
#include "statemachine/state_codes.h"
#include "statemachine/transition_edits.h"

#include <algorithm>
#include <set>

namespace zeph {

namespace {

bool name_used(const StateMachine& machine, const std::string& name, int rules,
               const State* except) {
    auto same = [&](const std::unique_ptr<State>& state) {
        return state && state.get() != except && names_equal(state->name, name, rules);
    };
    return same(machine.rest) || std::any_of(machine.states.begin(), machine.states.end(), same);
}

// Shows why the name cannot be taken; true when it can.
bool name_acceptable(StateMachine& machine, const MachineContext& context, const std::string& name,
                     const State* except) {
    if (int code = check_identifier(name, kHdlNameLimit, context.rules()); code != 0) {
        refuse_identifier(context.platform, code, name);
        return false;
    }
    if (name_used(machine, name, context.rules(), except)) {
        refuse_duplicate(context.platform, kKindState);
        return false;
    }
    return true;
}

// The name a new state takes: asked until it passes or the user cancels.
std::optional<std::string> ask_state_name(StateMachine& machine, const MachineContext& context,
                                          const std::string& prompt,
                                          const std::optional<std::string>& given) {
    if (given) {
        if (!name_acceptable(machine, context, *given, nullptr)) return std::nullopt;
        return given;
    }
    std::string proposal = default_state_name(machine);
    for (;;) {
        std::optional<std::string> answer =
            context.platform.prompt_text(prompt, proposal, kMaxHdlName);
        if (!answer || answer->empty()) return std::nullopt;
        std::string name = bounded(*answer, kMaxHdlName);
        if (name_acceptable(machine, context, name, nullptr)) return name;
    }
}

std::unique_ptr<State> new_state(const MachineContext& context, const std::string& name,
                                 Point centre) {
    auto state = std::make_unique<State>();
    state->name = name;
    state->box = state_box_at(centre);
    state->name_label = styled_label(context.settings.state_names, centre, kAlignCentred);
    refresh_state_label(*state);
    return state;
}

void after_state_change(StateMachine& machine) {
    renumber_states(machine);
    recompute_codes(machine);
    for (auto& state : machine.states)
        refresh_state_label(*state);
}

} // namespace

std::string default_state_name(const StateMachine& machine) {
    std::set<std::string> names;
    if (machine.rest) names.insert(to_lower_ascii(machine.rest->name));
    for (const auto& state : machine.states)
        names.insert(to_lower_ascii(state->name));
    for (int n = 1;; ++n) {
        std::string name = "s" + std::to_string(n);
        if (!names.contains(name)) return name;
    }
}

State* find_state(StateMachine& machine, std::string_view name, int rules) {
    if (machine.rest && names_equal(machine.rest->name, name, rules)) return machine.rest.get();
    for (auto& state : machine.states)
        if (names_equal(state->name, name, rules)) return state.get();
    return nullptr;
}

void renumber_states(StateMachine& machine) {
    if (machine.rest) machine.rest->number = 0;
    for (std::size_t i = 0; i < machine.states.size(); ++i)
        machine.states[i]->number = static_cast<int>(i) + 1;
}

Outcome add_state(StateMachine& machine, const MachineContext& context, Point at,
                  const std::optional<std::string>& name, State** added) {
    std::string prompt =
        format_text(machine_text::kStatePrompt,
                    kind_name(context.design.target_language, kKindState, 0, 1).c_str());
    std::optional<std::string> taken = ask_state_name(machine, context, prompt, name);
    if (!taken) return name ? Outcome::Refused : Outcome::Cancelled;
    machine.states.push_back(new_state(context, *taken, at));
    if (added != nullptr) *added = machine.states.back().get();
    after_state_change(machine);
    return Outcome::Done;
}

Outcome add_rest_state(StateMachine& machine, const MachineContext& context, Point at) {
    if (machine.rest_present()) return refuse_edit(context.platform, machine_text::kRestPresent);
    machine.rest = new_state(context, kRestName, at);
    machine.rest->number = 0;
    return Outcome::Done;
}

StateFields state_fields(const State& state) {
    return {state.name, state.number, state.code};
}

DialogResult<StateField> edit_state(StateMachine& machine, const MachineContext& context,
                                    State& state, StateFields fields) {
    auto refused = [](StateField field) {
        return DialogResult<StateField>{Outcome::Refused, field};
    };
    fields.name = bounded(fields.name, kMaxHdlName);
    fields.code = bounded(fields.code, kMaxStateCode);
    bool is_rest = &state == machine.rest.get();
    // Numbers are the machine's to give in implicit machines and for REST; codes are the
    // user's only with "User defined".
    if (machine.style != kStyleExplicit || is_rest) fields.number = state.number;
    if (machine.assignment != kAssignmentUserDefined) fields.code = state.code;

    if (fields.name != state.name && !name_acceptable(machine, context, fields.name, &state))
        return refused(StateField::Name);
    int count = static_cast<int>(machine.states.size());
    if (fields.number != state.number && (fields.number < 1 || fields.number > count)) {
        refuse_value(context.platform, std::to_string(fields.number));
        return refused(StateField::Number);
    }
    bool strict = assignment_rules(context.rules(), context.design.vhdl_vector_type).strict_codes;
    if (fields.code != state.code && state_code_is_illegal(fields.code, strict, context.rules())) {
        refuse_value(context.platform, fields.code);
        return refused(StateField::Code);
    }
    if (fields == state_fields(state)) return {Outcome::Unchanged, StateField::None};

    state.name = fields.name;
    state.code = fields.code;
    if (fields.number != state.number) {
        // By place in the table: numbers read from a file need not be 1..n yet.
        auto& states = machine.states;
        auto here =
            std::find_if(states.begin(), states.end(),
                         [&](const std::unique_ptr<State>& s) { return s.get() == &state; });
        std::iter_swap(here, states.begin() + (fields.number - 1));
        after_state_change(machine);
    }
    refresh_state_label(state);
    return {Outcome::Done, StateField::None};
}

Outcome copy_state(StateMachine& machine, const MachineContext& context, const State& original,
                   Point by, const std::optional<std::string>& name, State** added) {
    if (&original == machine.rest.get())
        return refuse_edit(context.platform, machine_text::kRestPresent);
    std::string prompt = format_text(
        machine_text::kCopyPrompt,
        kind_name(context.design.target_language, kKindState, 0, 1).c_str(), original.name.c_str());
    std::optional<std::string> taken = ask_state_name(machine, context, prompt, name);
    if (!taken) return name ? Outcome::Refused : Outcome::Cancelled;
    auto copy = std::make_unique<State>();
    copy->name = *taken;
    copy->code = original.code;
    copy->box = shifted(original.box, by);
    copy->name_label = original.name_label;
    copy->name_label.anchor = shifted(original.name_label.anchor, by);
    for (const auto& usage : original.action_usages) {
        auto copied = new_usage(usage->label, shifted(usage->position, by), usage->display);
        copied->order = usage->order;
        copied->display.anchor = shifted(usage->display.anchor, by);
        copied->state = copy.get();
        copy->action_usages.push_back(std::move(copied));
    }
    machine.states.push_back(std::move(copy));
    if (added != nullptr) *added = machine.states.back().get();
    after_state_change(machine);
    return Outcome::Done;
}

void delete_state(StateMachine& machine, State& state) {
    std::vector<Transition*> attached;
    for (auto& transition : machine.transitions)
        if (transition->from == &state || transition->to == &state)
            attached.push_back(transition.get());
    for (Transition* transition : attached)
        remove_transition(machine, *transition);
    for (auto& usage : state.action_usages)
        use_label(*usage, nullptr);
    if (&state == machine.rest.get()) {
        machine.rest.reset();
        return;
    }
    auto& states = machine.states;
    states.erase(std::find_if(states.begin(), states.end(),
                              [&](const std::unique_ptr<State>& s) { return s.get() == &state; }));
    after_state_change(machine);
}

} // namespace zeph
