// Finding the objects of a state diagram and keeping its selection.
#include "statemachine/state_selection.h"

#include "statemachine/diagram_geometry.h"

#include <algorithm>

namespace zeph {

namespace {

bool near(Point a, Point b, int tolerance) {
    double dx = static_cast<double>(a.x) - b.x;
    double dy = static_cast<double>(a.y) - b.y;
    return dx * dx + dy * dy <= static_cast<double>(tolerance) * tolerance;
}

bool inside(const Box& area, Point p) {
    return p.x >= area.x1 && p.x <= area.x2 && p.y >= area.y1 && p.y <= area.y2;
}

bool holds_state(const StateMachine& machine, const State* state) {
    if (state == nullptr) return false;
    if (machine.rest.get() == state) return true;
    return std::any_of(machine.states.begin(), machine.states.end(),
                       [&](const auto& s) { return s.get() == state; });
}

bool holds_transition(const StateMachine& machine, const Transition* transition) {
    return std::any_of(machine.transitions.begin(), machine.transitions.end(),
                       [&](const auto& t) { return t.get() == transition; });
}

} // namespace

Transition* transition_near(StateMachine& machine, Point p) {
    for (const auto& transition : machine.transitions) {
        const std::vector<Point>& points = transition->points;
        for (std::size_t i = 0; i + 1 < points.size(); ++i)
            if (distance_to_segment(p, points[i], points[i + 1]) <= kStateDiagramHitTolerance)
                return transition.get();
    }
    return nullptr;
}

std::optional<StateDiagramObject> state_diagram_object_at(StateMachine& machine, const Sheet& sheet,
                                                          Point p) {
    if (State* state = state_at(machine, p)) return StateDiagramObject{state, nullptr, {}};
    if (Transition* transition = transition_near(machine, p))
        return StateDiagramObject{nullptr, transition, {}};
    for (std::size_t i = 0; i < sheet.texts.size(); ++i)
        if (near(sheet.texts[i].anchor, p, kStateDiagramTextTolerance))
            return StateDiagramObject{nullptr, nullptr, i};
    return std::nullopt;
}

StateDiagramObjects state_diagram_objects_in(StateMachine& machine, const Sheet& sheet,
                                             Point corner, Point other_corner) {
    Box area{std::min(corner.x, other_corner.x), std::min(corner.y, other_corner.y),
             std::max(corner.x, other_corner.x), std::max(corner.y, other_corner.y)};
    StateDiagramObjects found;
    auto take_state = [&](State* state) {
        if (state != nullptr && inside(area, {state->box.x1, state->box.y1}) &&
            inside(area, {state->box.x2, state->box.y2}))
            found.push_back({state, nullptr, {}});
    };
    take_state(machine.rest.get());
    for (const auto& state : machine.states)
        take_state(state.get());
    for (const auto& transition : machine.transitions) {
        const std::vector<Point>& points = transition->points;
        if (!points.empty() &&
            std::all_of(points.begin(), points.end(), [&](Point p) { return inside(area, p); }))
            found.push_back({nullptr, transition.get(), {}});
    }
    for (std::size_t i = 0; i < sheet.texts.size(); ++i)
        if (inside(area, sheet.texts[i].anchor)) found.push_back({nullptr, nullptr, i});
    return found;
}

bool still_on_diagram(const StateMachine& machine, const Sheet& sheet,
                      const StateDiagramObject& object) {
    if (object.state != nullptr) return holds_state(machine, object.state);
    if (object.transition != nullptr) return holds_transition(machine, object.transition);
    return object.text && *object.text < sheet.texts.size();
}

MachineSelection machine_part(const StateDiagramObjects& objects) {
    MachineSelection part;
    for (const StateDiagramObject& object : objects) {
        if (object.state != nullptr) part.states.push_back(object.state);
        if (object.transition != nullptr) part.transitions.push_back(object.transition);
    }
    return part;
}

Point reference_point(const Sheet& sheet, const StateDiagramObject& object) {
    if (object.state != nullptr) return box_centre(object.state->box);
    if (object.transition != nullptr) return first_point(*object.transition);
    if (object.text && *object.text < sheet.texts.size()) return sheet.texts[*object.text].anchor;
    return {};
}

StateDiagramObjects& StateDiagramSelection::of(const StateMachine& machine, const Sheet& sheet) {
    if (machine_ != &machine) {
        objects_.clear();
        machine_ = &machine;
    }
    std::erase_if(objects_, [&](const StateDiagramObject& object) {
        return !still_on_diagram(machine, sheet, object);
    });
    return objects_;
}

bool StateDiagramSelection::empty_for(const StateMachine& machine, const Sheet& sheet) const {
    if (machine_ != &machine) return true;
    return std::none_of(objects_.begin(), objects_.end(), [&](const StateDiagramObject& object) {
        return still_on_diagram(machine, sheet, object);
    });
}

} // namespace zeph
