// State diagrams: states as ellipses in their boxes (circles for square boxes) with a double
// outline for REST and their names in the outline's colour, transitions as polylines ending in
// a filled arrowhead, the origin of the reset transition as a dot and that of a global transition
// as a ring, the priorities where a range holds more than one transition, and the labels of
// states and usages.
#include "drawing/diagram_painter.h"
#include "drawing/label_layout.h"
#include "statemachine/diagram_geometry.h"
#include "statemachine/transition_priorities.h"

#include <cmath>
#include <string>
#include <vector>

namespace zeph {

namespace {

constexpr int kThickBorder = 16;
constexpr int kRestGap = 24;      // between the two outlines of REST
constexpr int kOriginRadius = 32; // the dot or ring at a reset or global origin
constexpr int kEllipseSteps = 72; // sides of the polygon that stands for a non-circular state

// The outline of an ellipse in a box, shrunk by `inset` on every side.
std::vector<Point> ellipse_points(const Box& box, int inset) {
    double cx = (static_cast<double>(box.x1) + box.x2) / 2;
    double cy = (static_cast<double>(box.y1) + box.y2) / 2;
    double rx = std::abs(static_cast<double>(box.x2) - box.x1) / 2 - inset;
    double ry = std::abs(static_cast<double>(box.y2) - box.y1) / 2 - inset;
    std::vector<Point> points;
    for (int i = 0; i < kEllipseSteps; ++i) {
        double a = 2 * M_PI * i / kEllipseSteps;
        points.push_back({static_cast<int>(std::lround(cx + rx * std::cos(a))),
                          static_cast<int>(std::lround(cy + ry * std::sin(a)))});
    }
    return points;
}

} // namespace

int DiagramPainter::machine_label_colour(const LabelDisplay& label, LabelKind kind,
                                         int object_colour) const {
    return options_.settings.object_colour_for(kind) ? object_colour : text_colour(label.colour);
}

void DiagramPainter::draw_state(const State& state, bool rest) {
    const StateDiagramColours& c = options_.state_colours;
    Pen pen{c.states, options_.state_settings.thick_state_border ? kThickBorder : kOutlineWidth};
    const Box& box = state.box;
    long long width = std::llabs(static_cast<long long>(box.x2) - box.x1);
    long long height = std::llabs(static_cast<long long>(box.y2) - box.y1);
    auto outline = [&](int inset, std::optional<int> fill) {
        if (width == height) {
            long long radius = width / 2 - inset;
            canvas_.circle(box_centre(box), static_cast<int>(std::max(0LL, radius)), pen, fill);
        } else {
            std::vector<Point> points = ellipse_points(box, inset);
            canvas_.polyline(points, pen, true, fill);
        }
    };
    outline(0, c.state_background);
    if (rest) outline(kRestGap, std::nullopt);
}

void DiagramPainter::draw_transition(const Transition& transition) {
    if (transition.points.empty()) return;
    Pen pen{options_.state_colours.transitions, kWireWidth};
    canvas_.polyline(transition.points, pen, false, std::nullopt);
    const StateDiagramSettings& s = options_.state_settings;
    Arrowhead arrow = arrowhead(transition.points, s.arrow_length, s.arrow_position);
    std::vector<Point> head = {arrow.left, arrow.tip, arrow.right};
    canvas_.polyline(head, pen, true, pen.colour);
    if (transition.reset)
        canvas_.circle(transition.points.front(), kOriginRadius, pen, pen.colour);
    else if (is_global(transition))
        canvas_.circle(transition.points.front(), kOriginRadius, pen,
                       colour(DiagramColour::Background));
}

void DiagramPainter::draw_machine_labels(const StateMachine& machine) {
    const StateDiagramColours& c = options_.state_colours;
    auto state_labels = [&](const State& state) {
        // The name sits on the state's filling, so it takes the outline's colour as a
        // component's entity name takes its box's.
        draw_label(state.name_label, LabelKind::State, c.states);
        for (const auto& usage : state.action_usages)
            draw_label(usage->display, LabelKind::Action,
                       machine_label_colour(usage->display, LabelKind::Action, c.actions));
    };
    if (machine.rest) state_labels(*machine.rest);
    for (const auto& state : machine.states)
        state_labels(*state);
    for (const auto& transition : machine.transitions) {
        const Transition& t = *transition;
        if (t.condition.label != nullptr)
            draw_label(
                t.condition.display, LabelKind::Condition,
                machine_label_colour(t.condition.display, LabelKind::Condition, c.transitions));
        for (const auto& usage : t.action_usages)
            draw_label(usage->display, LabelKind::Action,
                       machine_label_colour(usage->display, LabelKind::Action, c.actions));
        if (t.reset || priority_range(machine, t).count < 2) continue;
        LabelDisplay priority;
        priority.anchor = t.priority_mark;
        priority.alignment = kAlignCentred;
        priority.size = options_.state_settings.priorities.size;
        priority.text = std::to_string(t.priority);
        draw_label(priority, LabelKind::Priority,
                   options_.settings.object_colour_for(LabelKind::Priority)
                       ? c.transitions
                       : colour(DiagramColour::Foreground));
    }
}

void DiagramPainter::draw_state_machine(const StateMachine& machine) {
    canvas_.begin_layer("states");
    if (machine.rest) draw_state(*machine.rest, true);
    for (const auto& state : machine.states)
        draw_state(*state, false);
    canvas_.end_layer();
    canvas_.begin_layer("transitions");
    for (const auto& transition : machine.transitions)
        draw_transition(*transition);
    canvas_.end_layer();
    canvas_.begin_layer("labels");
    draw_machine_labels(machine);
    canvas_.end_layer();
}

} // namespace zeph
