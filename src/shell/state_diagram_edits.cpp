// The main window's operations on the state diagram being edited.
#include "shell/state_diagram_edits.h"

#include "blockdiagram/diagram_labels.h"
#include "blockdiagram/diagram_messages.h"
#include "blockdiagram/undo_history.h"
#include "design/architecture.h"
#include "design/name_limits.h"
#include "design/process.h"
#include "foundation/kind_vocabulary.h"
#include "foundation/strings.h"
#include "shell/machine_settings.h"
#include "shell/session.h"
#include "statemachine/machine_history.h"
#include "statemachine/state_edits.h"
#include "statemachine/state_selection_edits.h"

namespace zeph {

namespace {

// The nearest multiple of the step, halves rounded away from zero.
int nearest_multiple(int value, int step) {
    long long half = step / 2;
    long long v = value;
    long long q = v >= 0 ? (v + half) / step : -((-v + half) / step);
    return static_cast<int>(q * step);
}

// The machine and sheet of the current level when it is a state diagram (the design's
// current level points at them, so a const design still reaches them).
struct FoundDiagram {
    Sheet* sheet = nullptr;
    StateMachine* machine = nullptr;
};

std::optional<FoundDiagram> state_diagram_of(const Design* design) {
    if (design == nullptr || design->current_architecture == nullptr) return std::nullopt;
    if (Process* process = design->current_process) {
        if (process->state_machine == nullptr) return std::nullopt;
        return FoundDiagram{&process->sheet, process->state_machine.get()};
    }
    Architecture* architecture = design->current_architecture;
    if (architecture->state_machine == nullptr) return std::nullopt;
    return FoundDiagram{&architecture->sheet, architecture->state_machine.get()};
}

MachineContext context_of(Session& session, const StateDiagramSettings& settings) {
    return {*session.design(), session.platform(), settings};
}
} // namespace

std::optional<StateDiagramInEdit> current_state_diagram(Session& session) {
    auto found = state_diagram_of(session.design());
    if (!found) return std::nullopt;
    return StateDiagramInEdit{*found->machine, *found->sheet};
}

bool state_diagram_has_selection(const Session& session) {
    auto found = state_diagram_of(session.design());
    return found && !session.state_selection().empty_for(*found->machine, *found->sheet);
}

bool state_diagram_can_undo(const Session& session) {
    auto found = state_diagram_of(session.design());
    return found && session.machine_histories().depth(*found->machine) != 0;
}

StateDiagramObjects& state_selection_of(Session& session, const StateDiagramInEdit& diagram) {
    return session.state_selection().of(diagram.machine, diagram.sheet);
}

Outcome state_diagram_edit(Session& session, const StateDiagramInEdit& diagram,
                           const char* description, const std::function<Outcome()>& operation) {
    MachineEdit step(session.machine_histories(), diagram.machine, description,
                     session.diagram_settings().max_undos, &diagram.sheet);
    Outcome outcome = step.finish(operation());
    if (outcome == Outcome::Done) session.mark_modified();
    return outcome;
}

Outcome delete_state_diagram_selection(Session& session) {
    std::optional<StateDiagramInEdit> diagram = current_state_diagram(session);
    if (!diagram) return Outcome::Unchanged;
    StateDiagramObjects selected = state_selection_of(session, *diagram);
    if (selected.empty()) return Outcome::Unchanged;
    Outcome outcome = state_diagram_edit(session, *diagram, "delete", [&] {
        delete_state_selection(diagram->machine, diagram->sheet, selected);
        return Outcome::Done;
    });
    session.state_selection().clear();
    return outcome;
}

Outcome move_state_diagram_selection(Session& session, Point by) {
    std::optional<StateDiagramInEdit> diagram = current_state_diagram(session);
    if (!diagram) return Outcome::Unchanged;
    StateDiagramObjects selected = state_selection_of(session, *diagram);
    if (selected.empty() || by == Point{}) return Outcome::Unchanged;
    StateDiagramSettings settings = state_diagram_settings(session);
    MachineContext context = context_of(session, settings);
    return state_diagram_edit(session, *diagram, "move", [&] {
        return move_state_selection(diagram->machine, context, diagram->sheet, selected, by);
    });
}

Outcome copy_state_diagram_selection(Session& session, Point by) {
    std::optional<StateDiagramInEdit> diagram = current_state_diagram(session);
    if (!diagram) return Outcome::Unchanged;
    StateDiagramObjects selected = state_selection_of(session, *diagram);
    if (selected.empty() || by == Point{}) return Outcome::Unchanged;
    StateDiagramSettings settings = state_diagram_settings(session);
    MachineContext context = context_of(session, settings);
    MachineSelection part = machine_part(selected);
    return state_diagram_edit(session, *diagram, "copy", [&] {
        Outcome copied = Outcome::Done;
        if (!part.states.empty() || !part.transitions.empty())
            copied = copy_selection(diagram->machine, context, part, by);
        if (copied == Outcome::Cancelled || copied == Outcome::Refused) return copied;
        std::vector<LabelDisplay>& texts = diagram->sheet.texts;
        std::size_t count = texts.size();
        for (const StateDiagramObject& object : selected)
            if (object.text && *object.text < count) {
                LabelDisplay copy = texts[*object.text];
                shift(copy, by);
                texts.push_back(std::move(copy));
            }
        return Outcome::Done;
    });
}

Outcome add_rest_by_pick(Session& session) {
    std::optional<StateDiagramInEdit> diagram = current_state_diagram(session);
    if (!diagram) return Outcome::Unchanged;
    std::optional<ui::Point> picked = session.platform().pick_point("Select a position.");
    if (!picked) return Outcome::Cancelled;
    Point at = state_diagram_grid_point(diagram->sheet, {picked->x, picked->y});
    StateDiagramSettings settings = state_diagram_settings(session);
    MachineContext context = context_of(session, settings);
    return state_diagram_edit(session, *diagram, "add REST state",
                              [&] { return add_rest_state(diagram->machine, context, at); });
}

Outcome add_state_diagram_text(Session& session, Point at, const std::optional<std::string>& text) {
    std::optional<StateDiagramInEdit> diagram = current_state_diagram(session);
    if (!diagram) return Outcome::Unchanged;
    std::optional<std::string> typed = text;
    if (!typed)
        typed = session.platform().prompt_text(
            format_text("Enter %s:", kind_name(session.language(), kKindText, 0, 1).c_str()), "",
            kMaxTextLine);
    if (!typed || typed->empty()) return Outcome::Cancelled;
    const DiagramSettings& colours = session.diagram_settings();
    if (colours.colour(DiagramColour::FreePlacedTexts) == colours.colour(DiagramColour::Background))
        return refuse(session.platform(), "Specified color equals background.");
    DiagramLabelStyle style{session.design_defaults(), session.diagram_settings()};
    return state_diagram_edit(session, *diagram, "add text", [&] {
        diagram->sheet.texts.push_back(
            make_label(style, LabelKind::FreePlacedText, at, bounded(*typed, kMaxTextLine)));
        return Outcome::Done;
    });
}

Outcome edit_state_diagram_text(Session& session, std::size_t index, TextFields fields) {
    std::optional<StateDiagramInEdit> diagram = current_state_diagram(session);
    if (!diagram || index >= diagram->sheet.texts.size()) return Outcome::Unchanged;
    Outcome checked = check_text_fields(fields, diagram->sheet.texts[index],
                                        session.diagram_settings(), session.platform());
    if (checked != Outcome::Done) return checked;
    // A deleted text moves the texts after it: selected indexes would name others.
    if (fields.text.empty()) session.state_selection().clear();
    return state_diagram_edit(session, *diagram, "edit text", [&] {
        apply_text_fields(diagram->sheet.texts, index, fields);
        return Outcome::Done;
    });
}

Outcome undo_state_diagram(Session& session) {
    std::optional<StateDiagramInEdit> diagram = current_state_diagram(session);
    if (!diagram) return Outcome::Unchanged;
    session.state_selection().clear();
    if (!session.machine_histories().undo(diagram->machine, &diagram->sheet))
        return refuse(session.platform(), kNoUndo);
    session.mark_modified();
    return Outcome::Done;
}

Point state_diagram_grid_point(const Sheet& sheet, Point p) {
    int step = sheet.grid_step > 0 ? sheet.grid_step : kDefaultGridStep;
    return {nearest_multiple(p.x, step), nearest_multiple(p.y, step)};
}

} // namespace zeph
