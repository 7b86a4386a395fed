// Finding the object at a point of the current diagram and opening its dialog. Each dialog
// starts from the core's fields of the object and runs the core's OK, exactly as the shell's
// dialog commands do.
#include "dialogs/object_dialogs.h"

#include "dialogs/block_dialogs.h"
#include "dialogs/instance_dialog.h"
#include "dialogs/labels_dialog.h"
#include "dialogs/machine_dialogs.h"

#include "blockdiagram/diagram_hit.h"
#include "shell/machine_command_args.h"
#include "shell/session.h"
#include "shell/state_diagram_edits.h"
#include "statemachine/diagram_geometry.h"

#include <cmath>

namespace zeph {

namespace {

// A transition is hit within this distance of one of its segments.
constexpr double kTransitionTolerance = 63.0;

Transition* transition_at(StateMachine& machine, Point p) {
    for (const auto& transition : machine.transitions) {
        const auto& points = transition->points;
        for (std::size_t i = 1; i < points.size(); ++i)
            if (distance_to_segment(p, points[i - 1], points[i]) <= kTransitionTolerance)
                return transition.get();
    }
    return nullptr;
}

// An action shown on a state or a transition whose label anchor is near the point.
LabelDialogTarget action_usage_at(StateMachine& machine, Point p) {
    auto near = [p](const LabelUsage& usage) {
        return within(usage.display.anchor, p, kHitTolerance);
    };
    for (const auto& state : machine.states)
        for (const auto& usage : state->action_usages)
            if (near(*usage)) return {state.get(), nullptr, usage.get()};
    if (machine.rest)
        for (const auto& usage : machine.rest->action_usages)
            if (near(*usage)) return {machine.rest.get(), nullptr, usage.get()};
    for (const auto& transition : machine.transitions)
        for (const auto& usage : transition->action_usages)
            if (near(*usage)) return {nullptr, transition.get(), usage.get()};
    return {};
}

DialogOutcome edit_machine_object_at(QWidget* parent, Session& session, StateMachine& machine,
                                     Point at) {
    if (LabelDialogTarget usage = action_usage_at(machine, at); usage.usage != nullptr)
        return run_labels_dialog(parent, session, machine, LabelDialogPurpose::EditUsage, usage);
    if (State* state = state_at(machine, at))
        return run_state_dialog(parent, session, machine, *state);
    if (Transition* transition = transition_at(machine, at))
        return run_labels_dialog(parent, session, machine, LabelDialogPurpose::EditTransition,
                                 {nullptr, transition, nullptr});
    std::optional<StateDiagramInEdit> diagram = current_state_diagram(session);
    if (!diagram) return DialogOutcome::NoDialog;
    std::optional<StateDiagramObject> object = state_diagram_object_at(machine, diagram->sheet, at);
    if (!object || !object->text) return DialogOutcome::NoDialog;
    const std::size_t index = *object->text;
    return run_text_dialog(parent, diagram->sheet.texts[index], [&](const TextFields& f) {
        return edit_state_diagram_text(session, index, f);
    });
}

} // namespace

DialogOutcome edit_object_at(QWidget* parent, Session& session, Point sheet_point) {
    Design* design = session.design();
    if (design == nullptr) return DialogOutcome::NoDialog;
    if (StateMachine* machine = machine_commands::current_machine(session))
        return edit_machine_object_at(parent, session, *machine, sheet_point);
    DiagramEditor& editor = session.editor();
    if (!editor.is_open() || &editor.design() != design) return DialogOutcome::NoDialog;
    std::optional<DiagramObject> object = object_at(editor.architecture(), sheet_point);
    if (!object) return DialogOutcome::NoDialog;
    if (object->type == DiagramObjectType::Component)
        return run_instance_dialog(parent, session, *object->component);
    return run_block_object_dialog(parent, editor, *object);
}

} // namespace zeph
