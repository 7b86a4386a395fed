// The selection tool and the Move and Copy tools on state diagrams. A click selects the state,
// transition or free text under the mouse (Shift adds it or takes it out again), a press on
// empty space starts a rubber band; dragging a selected object moves the selection by whole
// grid steps (Control: copies it; a single state dragged with Control is copied as "copy
// state" does). A press on a transition's point or segment takes that point or segment along
// instead; released where it was pressed, it selects the transition.
#include "shell/mouse_selection_toggle.h"
#include "shell/mouse_tools.h"

#include "blockdiagram/diagram_hit.h"
#include "shell/machine_settings.h"
#include "shell/mouse_outline.h"
#include "shell/session.h"
#include "shell/state_diagram_edits.h"
#include "statemachine/diagram_geometry.h"
#include "statemachine/state_edits.h"
#include "statemachine/transition_edits.h"

#include <algorithm>
#include <cstdlib>

namespace zeph {

namespace {
// A transition's point or segment is taken this close to the mouse.
constexpr int kTransitionGrabTolerance = 32;
// A press and release this close together are a click.
constexpr int kMachineClickSlop = 16;

bool is_click(Point pressed, Point released) {
    return std::abs(static_cast<long long>(pressed.x) - released.x) <= kMachineClickSlop &&
           std::abs(static_cast<long long>(pressed.y) - released.y) <= kMachineClickSlop;
}
} // namespace

bool MouseTools::grab_transition(StateMachine& machine, Point p) {
    for (auto& t : machine.transitions)
        for (std::size_t i = 0; i < t->points.size(); ++i)
            if (within(t->points[i], p, kTransitionGrabTolerance)) {
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
            if (distance_to_segment(p, t->points[i], t->points[i + 1]) <=
                kTransitionGrabTolerance) {
                gesture_ = Gesture::MoveSegment;
                transition_ = t.get();
                point_index_ = i;
                anchor_ = cursor_ = on_grid(p);
                return true;
            }
    }
    return false;
}

bool MouseTools::machine_selection_press(StateMachine& machine, const SheetMouse& mouse) {
    std::optional<StateDiagramInEdit> diagram = current_state_diagram(session_);
    if (!diagram) return false;
    pressed_ = mouse.at;
    if (!mouse.shift && grab_transition(machine, mouse.at)) return true;
    StateDiagramObjects& selection = state_selection_of(session_, *diagram);
    std::optional<StateDiagramObject> object =
        state_diagram_object_at(machine, diagram->sheet, mouse.at);
    if (!object) {
        if (!mouse.shift) selection.clear();
        gesture_ = Gesture::RubberBand;
        anchor_ = cursor_ = mouse.at;
        return true;
    }
    if (mouse.shift) {
        toggle_selected(selection, *object);
        return true;
    }
    auto found = std::find(selection.begin(), selection.end(), *object);
    bool alone = found == selection.end() || selection.size() == 1;
    if (found == selection.end()) selection = {*object};
    anchor_ = cursor_ = on_grid(mouse.at);
    if (object->state != nullptr && mouse.control && alone) {
        gesture_ = Gesture::CopyState;
        state_ = object->state;
        return true;
    }
    gesture_ = Gesture::Move;
    copying_ = mouse.control;
    return true;
}

bool MouseTools::machine_destination_press(const SheetMouse& mouse) {
    std::optional<StateDiagramInEdit> diagram = current_state_diagram(session_);
    if (!diagram) return false;
    const StateDiagramObjects& selection = state_selection_of(session_, *diagram);
    if (selection.empty()) return false;
    gesture_ = Gesture::Destination;
    anchor_ = reference_point(diagram->sheet, selection.front());
    cursor_ = on_grid(mouse.at);
    return true;
}

bool MouseTools::machine_selection_release(StateMachine& machine, const SheetMouse& mouse) {
    Gesture gesture = gesture_;
    Transition* transition = transition_;
    State* state = state_;
    std::size_t index = point_index_;
    Point anchor = anchor_;
    bool copying = copying_ || tool_ == CommandId::SelectionCopy;
    bool click = is_click(pressed_, mouse.at);
    cancel();
    std::optional<StateDiagramInEdit> diagram = current_state_diagram(session_);
    if (!diagram) return false;
    StateDiagramSettings settings = state_diagram_settings(session_);
    MachineContext context{*session_.design(), session_.platform(), settings};
    Point to = on_grid(mouse.at);
    Point by{to.x - anchor.x, to.y - anchor.y};
    auto holds = [&](StateDiagramObject object) {
        return still_on_diagram(machine, diagram->sheet, object);
    };
    switch (gesture) {
    case Gesture::MovePoint:
    case Gesture::MoveSegment:
        if (!holds({nullptr, transition, {}})) return false;
        if (click) {
            state_selection_of(session_, *diagram) = {{nullptr, transition, {}}};
            return true;
        }
        if (gesture == Gesture::MoveSegment) {
            if (index + 1 >= transition->points.size()) return false;
            if (by == Point{}) return true;
            machine_edit(machine, "move segment", [&] {
                return move_transition_segment(machine, context, *transition, index, by);
            });
            return true;
        }
        if (index >= transition->points.size()) return false;
        if (Point destination = transition_point_at(machine, mouse.at);
            destination != transition->points[index])
            machine_edit(machine, "move point", [&] {
                return move_transition_point(machine, context, *transition, index, destination);
            });
        return true;
    case Gesture::CopyState:
        if (!holds({state, nullptr, {}})) return false;
        if (by == Point{}) return true;
        machine_edit(machine, "copy state",
                     [&] { return copy_state(machine, context, *state, by); });
        return true;
    case Gesture::RubberBand: {
        if (anchor == mouse.at) return true;
        StateDiagramObjects& selection = state_selection_of(session_, *diagram);
        for (const StateDiagramObject& object :
             state_diagram_objects_in(machine, diagram->sheet, anchor, mouse.at))
            if (std::find(selection.begin(), selection.end(), object) == selection.end())
                selection.push_back(object);
        return true;
    }
    case Gesture::Move:
    case Gesture::Destination:
        if (by == Point{}) return true;
        if (copying)
            copy_state_diagram_selection(session_, by);
        else
            move_state_diagram_selection(session_, by);
        return true;
    default:
        return false;
    }
}

// The selected objects moved by `by`: what a drag of the selection shows, and with no offset
// the marks of the selection itself.
std::vector<OverlayLine> MouseTools::state_selection_outline(Point by) const {
    std::vector<OverlayLine> lines;
    std::optional<StateDiagramInEdit> diagram = current_state_diagram(session_);
    if (!diagram) return lines;
    for (const StateDiagramObject& object : state_selection_of(session_, *diagram)) {
        if (object.state != nullptr) add_box_outline(lines, shifted(object.state->box, by));
        if (object.transition != nullptr) {
            const std::vector<Point>& points = object.transition->points;
            for (std::size_t i = 1; i < points.size(); ++i)
                lines.emplace_back(zeph::shifted(points[i - 1], by), zeph::shifted(points[i], by));
        }
        if (object.text)
            add_place_mark(lines, zeph::shifted(diagram->sheet.texts[*object.text].anchor, by));
    }
    return lines;
}

} // namespace zeph
