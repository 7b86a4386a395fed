// The mouse tools on state diagrams: states and free texts placed by a click, straight
// transitions drawn point by point (a click on a state, or a double-click, ends one), curved
// transitions from one state to another (two clicks, or a drag), actions through the action
// hook. Every edit is one step of the machine's undo history, as the shell's commands make it.
#include "shell/mouse_tools.h"

#include "blockdiagram/diagram_hit.h"
#include "shell/machine_settings.h"
#include "shell/mouse_outline.h"
#include "shell/session.h"
#include "shell/state_diagram_edits.h"
#include "statemachine/diagram_geometry.h"
#include "statemachine/machine_history.h"
#include "statemachine/state_edits.h"
#include "statemachine/transition_edits.h"

#include <algorithm>
#include <cmath>

namespace zeph {

namespace {
bool machine_holds(const StateMachine& machine, const Transition* transition) {
    return std::any_of(machine.transitions.begin(), machine.transitions.end(),
                       [&](const auto& t) { return t.get() == transition; });
}

bool machine_holds(const StateMachine& machine, const State* state) {
    if (machine.rest.get() == state) return state != nullptr;
    return std::any_of(machine.states.begin(), machine.states.end(),
                       [&](const auto& s) { return s.get() == state; });
}

} // namespace

// A point of a transition: the centre of the state under the mouse (the operations put the
// end on its outline), else the grid point.
Point MouseTools::transition_point_at(StateMachine& machine, Point p) const {
    if (State* state = state_at(machine, p)) return box_centre(state->box);
    return on_grid(p);
}

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
        Point end = transition_point_at(machine, mouse.at);
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
            anchor_ = cursor_ = transition_point_at(machine, mouse.at);
            return true;
        }
        return transition_press(machine, mouse.at);
    case CommandId::AddAction:
        return take_action(machine, mouse.at);
    case CommandId::AddText:
        gesture_ = Gesture::Place;
        anchor_ = cursor_ = on_grid(mouse.at);
        return true;
    case CommandId::SelectionMove:
    case CommandId::SelectionCopy:
        return machine_destination_press(mouse);
    default:
        return false;
    }
}

// "Add Usage of Action" for the state or transition under the mouse; elsewhere nothing.
bool MouseTools::take_action(StateMachine& machine, Point at) {
    LabelDialogTarget target;
    target.state = state_at(machine, at);
    if (target.state == nullptr) target.transition = transition_near(machine, at);
    if (target.state == nullptr && target.transition == nullptr) return false;
    if (!add_action_) return false;
    add_action_(machine, target);
    return true;
}

bool MouseTools::machine_release(StateMachine& machine, const SheetMouse& mouse) {
    StateDiagramSettings settings = state_diagram_settings(session_);
    MachineContext context{*session_.design(), session_.platform(), settings};
    switch (gesture_) {
    case Gesture::Place: {
        cancel();
        Point at = on_grid(mouse.at);
        if (tool_ == CommandId::AddText)
            add_state_diagram_text(session_, at);
        else
            machine_edit(machine, "add state", [&] { return add_state(machine, context, at); });
        return true;
    }
    case Gesture::Transition:
        return true;
    case Gesture::Curve: {
        if (!points_.empty()) return true;
        Point end = transition_point_at(machine, mouse.at);
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
    Point p = transition_point_at(machine, mouse.at);
    if (points_.empty() || p != points_.back()) points_.push_back(p);
    return finish_transition(machine);
}

bool MouseTools::transition_press(StateMachine& machine, Point at) {
    Point p = transition_point_at(machine, at);
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

} // namespace zeph
