// The mouse tools on state diagrams: states placed by a click, straight transitions drawn point
// by point (a click on a state, or a double-click, ends one), curved transitions from one
// state to another (two clicks, or a drag), actions through the action hook; the selection
// tool drags a transition's points and segments and, with Control, copies a state. Every edit
// is one step of the machine's undo history, as the shell's commands make it.
#include "shell/mouse_tools.h"

#include "blockdiagram/diagram_hit.h"
#include "shell/machine_settings.h"
#include "shell/mouse_outline.h"
#include "shell/session.h"
#include "statemachine/diagram_geometry.h"
#include "statemachine/machine_history.h"
#include "statemachine/state_edits.h"
#include "statemachine/transition_edits.h"

#include <algorithm>
#include <cmath>

namespace zeph {

namespace {
// A transition's point or segment is found this close to the mouse.
constexpr int kTransitionClickTolerance = 32;

bool machine_holds(const StateMachine& machine, const Transition* transition) {
    return std::any_of(machine.transitions.begin(), machine.transitions.end(),
                       [&](const auto& t) { return t.get() == transition; });
}

bool machine_holds(const StateMachine& machine, const State* state) {
    if (machine.rest.get() == state) return state != nullptr;
    return std::any_of(machine.states.begin(), machine.states.end(),
                       [&](const auto& s) { return s.get() == state; });
}

// A point of a transition: the centre of the state under the mouse (the operations put the
// end on its outline), else the grid point.
Point transition_click_point(const MouseTools& tools, StateMachine& machine, Point p) {
    if (State* state = state_at(machine, p)) return box_centre(state->box);
    return tools.on_grid(p);
}
} // namespace

bool MouseTools::machine_edit(StateMachine& machine, const char* description,
                              const std::function<Outcome()>& operation) {
    MachineEdit step(session_.machine_histories(), machine, description,
                     session_.diagram_settings().max_undos);
    Outcome outcome = step.finish(operation());
    if (outcome == Outcome::Done) session_.mark_modified();
    return outcome == Outcome::Done;
}

// What a drag on a state diagram shows: the transition with its point or segment where the
// mouse takes it, or the outline of the state's copy.
std::vector<OverlayLine> MouseTools::machine_overlay() const {
    std::vector<OverlayLine> lines;
    StateMachine* machine = current_machine();
    if (machine == nullptr) return lines;
    Point by{cursor_.x - anchor_.x, cursor_.y - anchor_.y};
    if (gesture_ == Gesture::CopyState) {
        if (machine_holds(*machine, state_)) add_box_outline(lines, shifted(state_->box, by));
        return lines;
    }
    if (!machine_holds(*machine, transition_)) return lines;
    std::vector<Point> points = transition_->points;
    std::size_t i = point_index_;
    if (gesture_ == Gesture::MovePoint && i < points.size()) {
        points[i] = cursor_;
    } else if (gesture_ == Gesture::MoveSegment && i + 1 < points.size()) {
        points[i] = zeph::shifted(points[i], by);
        points[i + 1] = zeph::shifted(points[i + 1], by);
    }
    for (std::size_t k = 1; k < points.size(); ++k)
        lines.emplace_back(points[k - 1], points[k]);
    return lines;
}

bool MouseTools::machine_press(StateMachine& machine, const SheetMouse& mouse) {
    if (gesture_ == Gesture::Transition) return transition_press(machine, mouse.at);
    if (gesture_ == Gesture::Curve && !points_.empty()) {
        Point end = transition_click_point(*this, machine, mouse.at);
        Point origin = points_.front();
        cancel();
        StateDiagramSettings settings = state_diagram_settings(session_);
        MachineContext context{*session_.design(), session_.platform(), settings};
        machine_edit(machine, "add transition",
                     [&] { return add_curved_transition(machine, context, origin, end); });
        return true;
    }
    if (!tool_) return machine_selection_press(machine, mouse);
    switch (*tool_) {
    case CommandId::AddState:
        gesture_ = Gesture::Place;
        anchor_ = cursor_ = on_grid(mouse.at);
        return true;
    case CommandId::AddTransition:
        if (variant_ == 1) {
            gesture_ = Gesture::Curve;
            anchor_ = cursor_ = transition_click_point(*this, machine, mouse.at);
            return true;
        }
        return transition_press(machine, mouse.at);
    case CommandId::AddAction:
        return add_action_ && add_action_(mouse.at);
    default:
        return false;
    }
}

bool MouseTools::machine_release(StateMachine& machine, const SheetMouse& mouse) {
    StateDiagramSettings settings = state_diagram_settings(session_);
    MachineContext context{*session_.design(), session_.platform(), settings};
    switch (gesture_) {
    case Gesture::Place: {
        cancel();
        Point at = on_grid(mouse.at);
        machine_edit(machine, "add state", [&] { return add_state(machine, context, at); });
        return true;
    }
    case Gesture::Transition:
        return true;
    case Gesture::Curve: {
        if (!points_.empty()) return true;
        Point end = transition_click_point(*this, machine, mouse.at);
        Point origin = anchor_;
        if (end == origin) {
            points_ = {origin}; // a click: the next click gives the end
            return true;
        }
        cancel();
        machine_edit(machine, "add transition",
                     [&] { return add_curved_transition(machine, context, origin, end); });
        return true;
    }
    default:
        return machine_selection_release(machine, mouse);
    }
}

bool MouseTools::machine_double_click(StateMachine& machine, const SheetMouse& mouse) {
    Point p = transition_click_point(*this, machine, mouse.at);
    if (points_.empty() || p != points_.back()) points_.push_back(p);
    return finish_transition(machine);
}

bool MouseTools::transition_press(StateMachine& machine, Point at) {
    Point p = transition_click_point(*this, machine, at);
    if (gesture_ != Gesture::Transition) {
        cancel();
        gesture_ = Gesture::Transition;
        points_ = {p};
        cursor_ = p;
        return true;
    }
    cursor_ = p;
    if (p == points_.back()) return true;
    points_.push_back(p);
    if (state_at(machine, at) != nullptr) return finish_transition(machine);
    return true;
}

bool MouseTools::finish_transition(StateMachine& machine) {
    std::vector<Point> points = std::move(points_);
    cancel();
    if (points.size() < 2) return true;
    StateDiagramSettings settings = state_diagram_settings(session_);
    MachineContext context{*session_.design(), session_.platform(), settings};
    machine_edit(machine, "add transition",
                 [&] { return add_transition(machine, context, points); });
    return true;
}

bool MouseTools::machine_selection_press(StateMachine& machine, const SheetMouse& mouse) {
    Point p = mouse.at;
    for (auto& t : machine.transitions)
        for (std::size_t i = 0; i < t->points.size(); ++i)
            if (within(t->points[i], p, kTransitionClickTolerance)) {
                gesture_ = Gesture::MovePoint;
                transition_ = t.get();
                point_index_ = i;
                anchor_ = t->points[i];
                cursor_ = on_grid(p);
                return true;
            }
    for (auto& t : machine.transitions) {
        if (t->shape != 0) continue;
        for (std::size_t i = 0; i + 1 < t->points.size(); ++i)
            if (static_cast<long long>(distance_to_segment(p, t->points[i], t->points[i + 1])) <=
                kTransitionClickTolerance) {
                gesture_ = Gesture::MoveSegment;
                transition_ = t.get();
                point_index_ = i;
                anchor_ = cursor_ = on_grid(p);
                return true;
            }
    }
    State* state = state_at(machine, p);
    if (state != nullptr && mouse.control) {
        gesture_ = Gesture::CopyState;
        state_ = state;
        anchor_ = cursor_ = on_grid(p);
        return true;
    }
    return false;
}

bool MouseTools::machine_selection_release(StateMachine& machine, const SheetMouse& mouse) {
    Gesture gesture = gesture_;
    Transition* transition = transition_;
    State* state = state_;
    std::size_t index = point_index_;
    Point anchor = anchor_;
    cancel();
    StateDiagramSettings settings = state_diagram_settings(session_);
    MachineContext context{*session_.design(), session_.platform(), settings};
    Point to = on_grid(mouse.at);
    Point by{to.x - anchor.x, to.y - anchor.y};
    switch (gesture) {
    case Gesture::MovePoint: {
        if (!machine_holds(machine, transition) || index >= transition->points.size()) return false;
        Point destination = transition_click_point(*this, machine, mouse.at);
        if (destination == transition->points[index]) return true;
        machine_edit(machine, "move point", [&] {
            return move_transition_point(machine, context, *transition, index, destination);
        });
        return true;
    }
    case Gesture::MoveSegment:
        if (!machine_holds(machine, transition) || index + 1 >= transition->points.size())
            return false;
        if (by == Point{}) return true;
        machine_edit(machine, "move segment", [&] {
            return move_transition_segment(machine, context, *transition, index, by);
        });
        return true;
    case Gesture::CopyState:
        if (!machine_holds(machine, state)) return false;
        if (by == Point{}) return true;
        machine_edit(machine, "copy state",
                     [&] { return copy_state(machine, context, *state, by); });
        return true;
    default:
        return false;
    }
}

} // namespace zeph
