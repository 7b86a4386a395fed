// Random sequences of state and transition edits keep the machine's invariants: each
// priority range is consecutive from 0 with the global transitions first, use counts equal
// the usages, codes are what a fresh assignment gives, and every reference points into the
// machine. A drawn machine survives saving and reading byte for byte, and so does its copy.
#include "machine_test_support.h"

#include "statemachine/label_list_dialog.h"
#include "statemachine/machine_copy.h"
#include "statemachine/machine_options.h"
#include "statemachine/state_codes.h"
#include "statemachine/transition_priorities.h"

#include <algorithm>
#include <map>
#include <random>
#include <set>

namespace zeph::machine_testing {
namespace {

// Every label's use count against the usages that refer to it.
void expect_counts(const StateMachine& m) {
    std::map<const Label*, int> uses;
    auto count = [&](const LabelUsage& usage) {
        if (usage.label != nullptr) ++uses[usage.label];
    };
    auto states = [&](const State& state) {
        for (const auto& usage : state.action_usages) {
            count(*usage);
            EXPECT_EQ(usage->state, &state);
        }
    };
    if (m.rest) states(*m.rest);
    for (const auto& state : m.states)
        states(*state);
    for (const auto& t : m.transitions) {
        count(t->condition);
        for (const auto& usage : t->action_usages) {
            count(*usage);
            EXPECT_EQ(usage->transition, t.get());
        }
    }
    for (const auto* labels : {&m.action_labels, &m.condition_labels})
        for (const auto& label : *labels)
            EXPECT_EQ(label->use_count, uses[label.get()]) << label->name;
}

void expect_ranges(const StateMachine& m) {
    std::vector<int> globals;
    std::map<const State*, std::vector<int>> by_state;
    int resets = 0;
    for (const auto& t : m.transitions) {
        if (t->reset) {
            ++resets;
            EXPECT_EQ(t->priority, kResetPriority);
            EXPECT_EQ(m.reset_transition, t.get());
            EXPECT_EQ(t->from, nullptr);
        } else if (t->from == nullptr) {
            globals.push_back(t->priority);
        } else {
            by_state[t->from].push_back(t->priority);
        }
    }
    if (resets == 0) {
        EXPECT_EQ(m.reset_transition, nullptr);
    }
    EXPECT_LE(resets, 1);
    auto consecutive = [](std::vector<int> p, int first) {
        std::sort(p.begin(), p.end());
        for (std::size_t i = 0; i < p.size(); ++i)
            if (p[i] != first + static_cast<int>(i)) return false;
        return true;
    };
    EXPECT_TRUE(consecutive(globals, 0));
    for (auto& [state, priorities] : by_state)
        EXPECT_TRUE(consecutive(priorities, static_cast<int>(globals.size()))) << state->name;
}

void expect_references(const StateMachine& m) {
    std::set<const State*> states;
    if (m.rest) states.insert(m.rest.get());
    for (std::size_t i = 0; i < m.states.size(); ++i) {
        states.insert(m.states[i].get());
        EXPECT_EQ(m.states[i]->number, static_cast<int>(i) + 1);
    }
    std::set<const Label*> labels;
    for (const auto* list : {&m.action_labels, &m.condition_labels})
        for (const auto& label : *list)
            labels.insert(label.get());
    for (const auto& t : m.transitions) {
        EXPECT_TRUE(t->from == nullptr || states.contains(t->from));
        EXPECT_TRUE(t->to == nullptr || states.contains(t->to));
        EXPECT_TRUE(t->to == nullptr || t->to != m.rest.get());
        EXPECT_TRUE(t->condition.label == nullptr || labels.contains(t->condition.label));
    }
}

void expect_codes(const StateMachine& m) {
    if (m.style != kStyleExplicit || !assignment_computes_codes(m.assignment)) return;
    int n = static_cast<int>(m.states.size());
    int width = code_width_for(m.assignment, n);
    EXPECT_EQ(m.code_width, width);
    std::vector<std::string> codes = computed_codes(m.assignment, n, width);
    for (int i = 0; i < n; ++i)
        EXPECT_EQ(m.states[static_cast<std::size_t>(i)]->code, codes[static_cast<std::size_t>(i)]);
}

// Takes every proposal and answers Yes.
class AgreeingPlatform : public ui::ScriptedPlatform {
  public:
    ui::Answer ask_yes_no(const std::string&, const std::string&) override {
        return ui::Answer::Yes;
    }
    std::optional<std::string> prompt_text(const std::string&, const std::string& proposal,
                                           std::size_t) override {
        return proposal;
    }
};

class MachinePropertyTest : public MachineTest {
  protected:
    Point random_point() { return {pick(0, 7) * 640 + 512, pick(0, 5) * 640 + 512}; }
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
    template <class T> T* any(std::vector<std::unique_ptr<T>>& list) {
        return list.empty()
                   ? nullptr
                   : list[static_cast<std::size_t>(pick(0, static_cast<int>(list.size()) - 1))]
                         .get();
    }
    State* any_state() {
        if (machine().rest && pick(0, 5) == 0) return machine().rest.get();
        return any(machine().states);
    }
    Point centre(State* s) { return s != nullptr ? box_centre(s->box) : random_point(); }

    void random_edit() {
        StateMachine& m = machine();
        switch (pick(0, 13)) {
        case 0:
        case 1:
            add_state(m, agreeing_context, random_point());
            break;
        case 2:
            add_rest_state(m, agreeing_context, random_point());
            break;
        case 3:
            if (State* s = any_state()) delete_state(m, *s);
            break;
        case 4:
            if (State* s = any_state()) copy_state(m, agreeing_context, *s, {64, 640});
            break;
        case 5:
        case 6:
            add_curved_transition(m, agreeing_context, centre(any_state()), centre(any_state()));
            break;
        case 7:
            add_transition(m, agreeing_context,
                           {centre(any_state()), random_point(), centre(any_state())});
            break;
        case 8:
            if (Transition* t = any(m.transitions)) remove_transition(m, *t);
            break;
        case 9:
            if (Transition* t = any(m.transitions)) {
                TransitionFields fields = transition_fields(*t);
                PriorityRange range = priority_range(m, *t);
                fields.priority = range.first + pick(0, std::max(0, range.count - 1));
                fields.condition = pick(0, 1) != 0 ? any(m.condition_labels) : nullptr;
                fields.asynchronous = pick(0, 4) == 0;
                edit_transition(m, agreeing_context, *t, fields);
            }
            break;
        case 10:
            if (Transition* t = any(m.transitions))
                move_transition_point(m, agreeing_context, *t,
                                      pick(0, 1) != 0 ? 0 : t->points.size() - 1,
                                      centre(any_state()));
            break;
        case 11:
            if (State* s = any_state()) {
                StateFields fields = state_fields(*s);
                fields.number = pick(1, std::max(1, static_cast<int>(m.states.size())));
                edit_state(m, agreeing_context, *s, fields);
            }
            break;
        case 12: {
            MachineOptionsFields fields = machine_options_fields(m);
            fields.assignment = pick(1, 5);
            apply_machine_options(m, agreeing_context, fields);
            break;
        }
        case 13: {
            State* owner = any_state();
            if (owner == nullptr) break;
            LabelListDialog dialog(m, agreeing_context, LabelDialogPurpose::AddUsage, {owner});
            std::size_t entry = static_cast<std::size_t>(pick(0, 1));
            if (dialog.select(entry) == Outcome::Done && pick(0, 2) == 0) dialog.press_delete();
            dialog.confirm();
            break;
        }
        }
    }

    AgreeingPlatform agreeing;
    MachineContext agreeing_context{design, agreeing, settings};
    std::mt19937 random{20240611};
};

TEST_F(MachinePropertyTest, RandomEditsKeepTheInvariants) {
    condition("go", "go = '1'");
    condition("rst", "reset = '1'");
    action("up", "count <= count + 1;");
    action("clr", "count <= 0;", kDefaultOnStates);
    // What the run went through, so that a change of the edits cannot make it trivial.
    std::size_t most_transitions = 0, most_states = 0;
    bool reset = false, global = false, rest = false, used = false;
    for (int run = 0; run < 400; ++run) {
        random_edit();
        SCOPED_TRACE("edit " + std::to_string(run));
        const StateMachine& m = machine();
        most_transitions = std::max(most_transitions, m.transitions.size());
        most_states = std::max(most_states, m.states.size());
        reset = reset || m.reset_transition != nullptr;
        rest = rest || m.rest_present();
        for (const auto& t : m.transitions)
            global = global || is_global(*t);
        for (const auto& label : m.action_labels)
            used = used || label->use_count > 0;
        expect_ranges(machine());
        expect_counts(machine());
        expect_codes(machine());
        expect_references(machine());
        if (HasFailure()) return;
    }
    EXPECT_GE(most_transitions, 8u);
    EXPECT_GE(most_states, 5u);
    EXPECT_TRUE(reset && global && rest && used);
}

} // namespace
} // namespace zeph::machine_testing
