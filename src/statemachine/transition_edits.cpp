// Adding, reshaping, deleting and editing transitions.
#include "statemachine/transition_edits.h"

#include "foundation/kind_vocabulary.h"
#include "foundation/system_message.h"
#include "statemachine/diagram_geometry.h"
#include "statemachine/machine_labels.h"
#include "statemachine/machine_messages.h"
#include "statemachine/reset_condition.h"
#include "statemachine/transition_priorities.h"

#include <algorithm>

namespace zeph {

namespace {

constexpr int kShapePoints = 0;
constexpr int kShapeCurve = 1;

// The states that new points of a transition connect.
struct Landing {
    State* from = nullptr;
    State* to = nullptr;
};

bool on_rest(const StateMachine& machine, Point p) {
    return machine.rest && place_against(*machine.rest, p) != StatePlace::Outside;
}

// Where the reset transition's origin lands: refused on a state's outline, and placed with a
// warning inside a state.
Outcome check_reset_origin(StateMachine& machine, const MachineContext& context, Point origin,
                           bool moved) {
    bool inside = false;
    auto on_outline = [&](const State& state) {
        StatePlace place = place_against(state, origin);
        inside = inside || place == StatePlace::Inside;
        return place == StatePlace::Border;
    };
    bool border = machine.rest && on_outline(*machine.rest);
    for (const auto& state : machine.states)
        border = on_outline(*state) || border;
    if (border) return refuse_edit(context.platform, machine_text::kResetOriginOnState);
    if (inside && moved)
        context.platform.message_box(program_name(), machine_text::kResetOriginInside);
    return Outcome::Done;
}

// Checks the new points of a transition; on success `landing` holds the states they connect.
Outcome check_points(StateMachine& machine, const MachineContext& context,
                     const Transition& transition, const std::vector<Point>& points,
                     Landing& landing) {
    // The points of a curve other than its end follow from the curve, not from the user.
    std::size_t first_checked = transition.shape == kShapeCurve ? points.size() - 1 : 1;
    for (std::size_t i = first_checked; i < points.size(); ++i)
        if (on_rest(machine, points[i]))
            return refuse_edit(context.platform, machine_text::kTransitionToRest);
    landing.to = state_at(machine, points.back());
    if (transition.reset) {
        bool moved = transition.points.empty() || transition.points.front() != points.front();
        return check_reset_origin(machine, context, points.front(), moved);
    }
    landing.from = state_at(machine, points.front());
    return Outcome::Done;
}

// Gives the checked points to a transition of the machine: ends on a state go onto its
// outline (a curve is laid anew), and a change of origin moves it to another priority range.
void commit_points(StateMachine& machine, const MachineContext& context, Transition& transition,
                   std::vector<Point> points, const Landing& landing) {
    if (landing.from != transition.from) {
        leave_priorities(machine, transition);
        transition.from = landing.from;
        join_priorities(machine, transition);
    }
    transition.to = landing.to;
    std::size_t last = points.size() - 1;
    if (transition.shape == kShapeCurve) {
        if (landing.from != nullptr && landing.from == landing.to)
            points = connecting_curve(*landing.from, *landing.to);
        else
            points = reshaped_curve(points, landing.from, landing.to, points[last / 2]);
    } else {
        if (landing.from != nullptr) points.front() = border_point(landing.from->box, points[1]);
        if (landing.to != nullptr) points.back() = border_point(landing.to->box, points[last - 1]);
    }
    transition.points = std::move(points);
    refresh_arrow(transition, context.settings);
}

Outcome place_points(StateMachine& machine, const MachineContext& context, Transition& transition,
                     std::vector<Point> points) {
    // A transition read from a file may have fewer points than any drawn one.
    if (points.size() < 2) return Outcome::Unchanged;
    Landing landing;
    if (Outcome checked = check_points(machine, context, transition, points, landing);
        checked != Outcome::Done)
        return checked;
    commit_points(machine, context, transition, std::move(points), landing);
    return Outcome::Done;
}

// A new transition over the points joins the machine as the last of its priority range.
Outcome add_shaped(StateMachine& machine, const MachineContext& context, int shape,
                   std::vector<Point> points, Transition** added) {
    if (points.size() < 2) return Outcome::Unchanged;
    auto transition = std::make_unique<Transition>();
    transition->shape = shape;
    Landing landing;
    if (Outcome checked = check_points(machine, context, *transition, points, landing);
        checked != Outcome::Done)
        return checked;
    Transition& t = *transition;
    t.condition.transition = &t;
    t.from = landing.from;
    machine.transitions.push_back(std::move(transition));
    join_priorities(machine, t);
    commit_points(machine, context, t, std::move(points), landing);
    t.condition.display = styled_label(context.settings.conditions, condition_place(t.points));
    t.condition.position = t.condition.display.anchor;
    t.priority_mark = priority_place(t.points);
    if (added != nullptr) *added = &t;
    return Outcome::Done;
}

// The range of a transition once it is not the reset transition: the reset transition that
// stops being one becomes the last global transition.
PriorityRange new_priority_range(const StateMachine& machine, const Transition& transition) {
    if (transition.reset) return {0, global_count(machine) + 1};
    return priority_range(machine, transition);
}

} // namespace

void refresh_arrow(Transition& transition, const StateDiagramSettings& settings) {
    transition.geometry =
        arrow_geometry(arrowhead(transition.points, settings.arrow_length, settings.arrow_position),
                       settings.arrow_length);
}

Outcome add_transition(StateMachine& machine, const MachineContext& context,
                       std::vector<Point> points, Transition** added) {
    return add_shaped(machine, context, kShapePoints, std::move(points), added);
}

Outcome add_curved_transition(StateMachine& machine, const MachineContext& context, Point origin,
                              Point end, Transition** added) {
    State* from = state_at(machine, origin);
    State* to = state_at(machine, end);
    std::vector<Point> points;
    if (from != nullptr && to != nullptr) {
        points = connecting_curve(*from, *to);
    } else {
        // A bow to the left of the straight line, a fifth of its length deep.
        double x = (static_cast<double>(origin.x) + end.x) / 2 +
                   (static_cast<double>(end.y) - origin.y) / 5;
        double y = (static_cast<double>(origin.y) + end.y) / 2 -
                   (static_cast<double>(end.x) - origin.x) / 5;
        Point middle{static_cast<int>(std::clamp(x, -2147483648.0, 2147483647.0)),
                     static_cast<int>(std::clamp(y, -2147483648.0, 2147483647.0))};
        points = curve_through(origin, middle, end);
    }
    // The ends decide the connection, whatever the curve's rounding did to them.
    points.front() = origin;
    points.back() = end;
    return add_shaped(machine, context, kShapeCurve, std::move(points), added);
}

Outcome copy_transition(StateMachine& machine, const MachineContext& context,
                        const Transition& original, Point by, Transition** added) {
    if (original.reset) return refuse_edit(context.platform, machine_text::kCannotCopyReset);
    std::vector<Point> points;
    for (Point p : original.points)
        points.push_back(shifted(p, by));
    Transition* copy = nullptr;
    Outcome outcome = add_shaped(machine, context, original.shape, std::move(points), &copy);
    if (outcome != Outcome::Done) return outcome;
    auto usage_like = [&](const LabelUsage& usage, LabelUsage& into) {
        use_label(into, usage.label);
        into.order = usage.order;
        into.position = shifted(usage.position, by);
        into.display = usage.display;
        into.display.anchor = shifted(usage.display.anchor, by);
        into.transition = copy;
    };
    usage_like(original.condition, copy->condition);
    for (const auto& usage : original.action_usages) {
        copy->action_usages.push_back(std::make_unique<LabelUsage>());
        usage_like(*usage, *copy->action_usages.back());
    }
    copy->priority_mark = shifted(original.priority_mark, by);
    if (added != nullptr) *added = copy;
    return Outcome::Done;
}

Outcome move_transition_point(StateMachine& machine, const MachineContext& context,
                              Transition& transition, std::size_t index, Point to) {
    std::vector<Point> points = transition.points;
    if (index >= points.size()) return Outcome::Unchanged;
    bool end_point = index == 0 || index + 1 == points.size();
    if (!end_point && transition.shape != kShapeCurve)
        return refuse_point_edit(context.platform, context.design.target_language, "move",
                                 kKindPoint);
    if (!end_point) {
        if (on_rest(machine, to))
            return refuse_edit(context.platform, machine_text::kTransitionToRest);
        points = reshaped_curve(points, transition.from, transition.to, to);
    } else {
        points[index] = to;
    }
    return place_points(machine, context, transition, std::move(points));
}

Outcome move_transition_segment(StateMachine& machine, const MachineContext& context,
                                Transition& transition, std::size_t index, Point by) {
    if (index + 1 >= transition.points.size()) return Outcome::Unchanged;
    if (transition.shape == kShapeCurve)
        return refuse_point_edit(context.platform, context.design.target_language, "move",
                                 kKindSegment);
    std::vector<Point> points = transition.points;
    for (std::size_t i : {index, index + 1})
        points[i] = shifted(points[i], by);
    return place_points(machine, context, transition, std::move(points));
}

Outcome delete_transition_point(StateMachine& machine, const MachineContext& context,
                                Transition& transition, std::size_t index) {
    std::vector<Point> points = transition.points;
    if (index >= points.size()) return Outcome::Unchanged;
    if (transition.shape == kShapeCurve || index == 0 || index + 1 == points.size())
        return refuse_point_edit(context.platform, context.design.target_language, "delete",
                                 kKindPoint);
    points.erase(points.begin() + static_cast<std::ptrdiff_t>(index));
    return place_points(machine, context, transition, std::move(points));
}

Outcome delete_transition_segment(StateMachine& machine, const MachineContext& context,
                                  Transition& transition, std::size_t index) {
    std::vector<Point> points = transition.points;
    if (index + 1 >= points.size()) return Outcome::Unchanged;
    if (transition.shape == kShapeCurve || points.size() < 3)
        return refuse_point_edit(context.platform, context.design.target_language, "delete",
                                 kKindSegment);
    auto at = [&](std::size_t i) { return points.begin() + static_cast<std::ptrdiff_t>(i); };
    if (index == 0) {
        points.erase(at(1));
    } else if (index + 2 == points.size()) {
        points.erase(at(index));
    } else {
        auto half = [](int a, int b) {
            return static_cast<int>((static_cast<long long>(a) + b) / 2);
        };
        Point middle{half(points[index].x, points[index + 1].x),
                     half(points[index].y, points[index + 1].y)};
        points[index] = middle;
        points.erase(at(index + 1));
    }
    return place_points(machine, context, transition, std::move(points));
}

void remove_transition(StateMachine& machine, Transition& transition) {
    leave_priorities(machine, transition);
    if (machine.reset_transition == &transition) machine.reset_transition = nullptr;
    use_label(transition.condition, nullptr);
    for (auto& usage : transition.action_usages)
        use_label(*usage, nullptr);
    auto& list = machine.transitions;
    list.erase(std::find_if(list.begin(), list.end(), [&](const std::unique_ptr<Transition>& t) {
        return t.get() == &transition;
    }));
}

TransitionFields transition_fields(const Transition& transition) {
    return {transition.condition.label, transition.reset, transition.priority};
}

DialogResult<TransitionField> check_transition(const StateMachine& machine,
                                               const MachineContext& context,
                                               const Transition& transition, bool asynchronous,
                                               const std::string* condition_text, int priority,
                                               std::string* reset_text) {
    using Result = DialogResult<TransitionField>;
    ui::Platform& platform = context.platform;
    if (asynchronous) {
        if (machine.reset_transition != nullptr && machine.reset_transition != &transition) {
            refuse_edit(platform, machine_text::kResetDefined);
            return Result{Outcome::Refused, TransitionField::Asynchronous};
        }
        if (transition.from != nullptr) {
            refuse_edit(platform, machine_text::kResetOriginOnState);
            return Result{Outcome::Refused, TransitionField::Asynchronous};
        }
        std::optional<ResetCondition> reset;
        if (condition_text != nullptr)
            reset = parse_reset_condition(*condition_text, context.rules(), context.verilog());
        if (!reset) {
            refuse_edit(platform, machine_text::kIllegalReset);
            return Result{Outcome::Refused, TransitionField::Condition};
        }
        if (reset_text != nullptr) *reset_text = reset->text;
        return Result{Outcome::Done, TransitionField::None};
    }
    if (priority != transition.priority &&
        !new_priority_range(machine, transition).contains(priority)) {
        refuse_value(platform, std::to_string(priority));
        return Result{Outcome::Refused, TransitionField::Priority};
    }
    return Result{Outcome::Done, TransitionField::None};
}

DialogResult<TransitionField> edit_transition(StateMachine& machine, const MachineContext& context,
                                              Transition& transition, TransitionFields fields) {
    using Result = DialogResult<TransitionField>;
    bool verilog = context.verilog();
    std::string reset_text;
    Result checked = check_transition(
        machine, context, transition, fields.asynchronous,
        fields.condition != nullptr ? &label_text(*fields.condition, verilog) : nullptr,
        fields.priority, &reset_text);
    if (checked.outcome != Outcome::Done) return checked;
    bool rewrite = false;
    if (fields.asynchronous) {
        fields.priority = kResetPriority;
        rewrite = reset_text != label_text(*fields.condition, verilog);
    } else if (transition.reset && fields.priority == transition.priority) {
        // Leaving the reset transition without a new number: the last global transition.
        fields.priority = global_count(machine);
    }
    if (fields == transition_fields(transition) && !rewrite)
        return Result{Outcome::Unchanged, TransitionField::None};

    use_label(transition.condition, fields.condition);
    transition.condition.transition = &transition;
    if (rewrite) label_text(*fields.condition, verilog) = reset_text;
    if (fields.asynchronous && !transition.reset) {
        leave_priorities(machine, transition);
        transition.reset = true;
        transition.priority = kResetPriority;
        machine.reset_transition = &transition;
    } else if (!fields.asynchronous && transition.reset) {
        transition.reset = false;
        machine.reset_transition = nullptr;
        join_priorities(machine, transition);
    }
    if (!transition.reset) move_priority(machine, transition, fields.priority);
    refresh_machine_labels(machine, verilog);
    return Result{Outcome::Done, TransitionField::None};
}

} // namespace zeph
