// Moving and deleting a selection of a state diagram.
#include "statemachine/state_selection_edits.h"

#include "statemachine/diagram_geometry.h"
#include "statemachine/state_edits.h"
#include "statemachine/transition_edits.h"

#include <algorithm>
#include <set>

namespace zeph {

namespace {

constexpr int kCurveShape = 1;

void shift_usage(LabelUsage& usage, Point by) {
    usage.position = shifted(usage.position, by);
    shift(usage.display, by);
}

void shift_state(State& state, Point by) {
    state.box = shifted(state.box, by);
    shift(state.name_label, by);
    for (auto& usage : state.action_usages)
        shift_usage(*usage, by);
}

void shift_transition(Transition& transition, Point by) {
    for (Point& p : transition.points)
        p = shifted(p, by);
    transition.priority_mark = shifted(transition.priority_mark, by);
    shift_usage(transition.condition, by);
    for (auto& usage : transition.action_usages)
        shift_usage(*usage, by);
}

// One end of a transition follows its moved state; a curve is drawn again through its middle.
Outcome follow_end(StateMachine& machine, const MachineContext& context, Transition& transition,
                   bool origin, Point by) {
    std::size_t last = transition.points.size() - 1;
    Point middle = transition.points[last / 2];
    std::size_t index = origin ? 0 : last;
    Outcome moved = move_transition_point(machine, context, transition, index,
                                          shifted(transition.points[index], by));
    if (moved == Outcome::Refused || transition.shape != kCurveShape) return moved;
    if (transition.points.size() < 3) return moved;
    return move_transition_point(machine, context, transition, transition.points.size() / 2,
                                 middle);
}

// The ends of a transition moved without its states: they connect where they now lie.
Outcome land_ends(StateMachine& machine, const MachineContext& context, Transition& transition) {
    for (std::size_t index : {std::size_t{0}, transition.points.size() - 1}) {
        Outcome landed =
            move_transition_point(machine, context, transition, index, transition.points[index]);
        if (landed == Outcome::Refused) return landed;
    }
    return Outcome::Done;
}

} // namespace

Outcome move_state_selection(StateMachine& machine, const MachineContext& context, Sheet& sheet,
                             const StateDiagramObjects& selection, Point by) {
    if (by == Point{} || selection.empty()) return Outcome::Unchanged;
    std::set<const State*> moved_states;
    std::set<const Transition*> selected_transitions;
    for (const StateDiagramObject& object : selection) {
        if (object.state != nullptr) moved_states.insert(object.state);
        if (object.transition != nullptr) selected_transitions.insert(object.transition);
        if (object.text && *object.text < sheet.texts.size()) shift(sheet.texts[*object.text], by);
    }
    for (const State* state : moved_states)
        shift_state(*const_cast<State*>(state), by);

    // Transitions are taken from a list made first: reconnecting does not reorder the
    // machine's list, but it must not matter here if it did.
    std::vector<Transition*> transitions;
    for (const auto& t : machine.transitions)
        transitions.push_back(t.get());
    for (Transition* t : transitions) {
        if (t->points.size() < 2) continue;
        bool from_moved = moved_states.count(t->from) != 0;
        bool to_moved = moved_states.count(t->to) != 0;
        if (selected_transitions.count(t) != 0) {
            shift_transition(*t, by);
            refresh_arrow(*t, context.settings);
            if (!(from_moved && to_moved) && land_ends(machine, context, *t) == Outcome::Refused)
                return Outcome::Refused;
            continue;
        }
        if (from_moved && to_moved) {
            shift_transition(*t, by);
            refresh_arrow(*t, context.settings);
            continue;
        }
        if (from_moved && follow_end(machine, context, *t, true, by) == Outcome::Refused)
            return Outcome::Refused;
        if (to_moved && follow_end(machine, context, *t, false, by) == Outcome::Refused)
            return Outcome::Refused;
    }
    return Outcome::Done;
}

void delete_state_selection(StateMachine& machine, Sheet& sheet,
                            const StateDiagramObjects& selection) {
    std::vector<Transition*> transitions;
    std::vector<State*> states;
    std::vector<std::size_t> texts;
    for (const StateDiagramObject& object : selection) {
        if (object.transition != nullptr) transitions.push_back(object.transition);
        if (object.state != nullptr) states.push_back(object.state);
        if (object.text) texts.push_back(*object.text);
    }
    for (Transition* transition : transitions)
        remove_transition(machine, *transition);
    for (State* state : states)
        delete_state(machine, *state);
    std::sort(texts.begin(), texts.end(), std::greater<>());
    texts.erase(std::unique(texts.begin(), texts.end()), texts.end());
    for (std::size_t index : texts)
        if (index < sheet.texts.size())
            sheet.texts.erase(sheet.texts.begin() + static_cast<std::ptrdiff_t>(index));
}

} // namespace zeph
