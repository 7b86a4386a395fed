// "Edit State" and "State Machine Options": the core's fields, enabling and OK.
#include "dialogs/machine_dialogs.h"

#include "dialogs/dialog_fields.h"
#include "dialogs/form_dialog.h"

#include "shell/machine_settings.h"
#include "shell/session.h"
#include "statemachine/machine_history.h"
#include "statemachine/machine_options.h"
#include "statemachine/state_edits.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>

namespace zeph {

namespace {

constexpr int kSuffixLimit = 32;

const Choices kAssignmentChoices = {"None",    "Enumerate", "Binary",      "Gray",
                                    "One Hot", "Two Hot",   "User defined"};

} // namespace

Outcome machine_edit(Session& session, StateMachine& machine, const char* description,
                     const std::function<Outcome(const MachineContext&)>& operation) {
    StateDiagramSettings settings = state_diagram_settings(session);
    MachineContext context{*session.design(), session.platform(), settings};
    MachineEdit step(session.machine_histories(), machine, description,
                     session.diagram_settings().max_undos);
    Outcome outcome = step.finish(operation(context));
    if (outcome == Outcome::Done) session.mark_modified();
    return outcome;
}

DialogOutcome run_state_dialog(QWidget* parent, Session& session, StateMachine& machine,
                               State& state) {
    StateFields f = state_fields(state);
    FormDialog dialog(parent, "Edit State");
    dialog.add_line("&Name:", f.name, kNameLimit, static_cast<int>(StateField::Name));
    QSpinBox* number =
        dialog.add_number("N&umber:", f.number, 0, 1000000, static_cast<int>(StateField::Number));
    QLineEdit* code =
        dialog.add_line("C&ode:", f.code, kCodeLimit, static_cast<int>(StateField::Code));
    number->setEnabled(machine.style == kStyleExplicit && &state != machine.rest.get());
    code->setEnabled(machine.assignment == kAssignmentUserDefined);
    dialog.set_check([&]() -> std::optional<int> {
        DialogResult<StateField> result;
        machine_edit(session, machine, "edit state", [&](const MachineContext& context) {
            result = edit_state(machine, context, state, f);
            return result.outcome;
        });
        return refused_field(result, refused(result.outcome));
    });
    return dialog.run();
}

DialogOutcome run_machine_options_dialog(QWidget* parent, Session& session, StateMachine& machine) {
    const bool verilog = session.design()->target_language == kLanguageVerilog;
    MachineOptionsFields f = machine_options_fields(machine);
    int transition_position = action_timing_position(f.transition_actions);
    int state_position = action_timing_position(f.state_actions);
    FormDialog dialog(parent, "State Machine Options");
    dialog.add_heading("&Behaviour");
    QComboBox* edge =
        dialog.add_choice("Clock", f.clock_edge, {"Rising edge", "Falling edge"}, kClockRisingEdge);
    QCheckBox* edge_functions =
        dialog.add_check("Use ieee std_logic_1164 edge functions", f.edge_functions);
    dialog.add_heading(" Actions: ");
    Choices timings = action_timing_choices(verilog);
    QComboBox* on_transitions =
        dialog.add_choice("&On transitions:", transition_position, timings, 0,
                          static_cast<int>(MachineOptionsField::Actions));
    QComboBox* on_states = dialog.add_choice("O&n states:", state_position, timings);
    dialog.add_heading("&Style");
    dialog.add_heading(" State machine:");
    QComboBox* style = nullptr;
    if (!verilog) style = dialog.add_choice("&Style:", f.style, {"Implicit", "Explicit"});
    QComboBox* assignment =
        dialog.add_choice("S&tate assignment:", f.assignment, kAssignmentChoices, 0,
                          static_cast<int>(MachineOptionsField::Assignment));
    QComboBox* decoding =
        dialog.add_choice("&Decoding:", f.decoding, {"Case construct", "If-else construct"});
    QCheckBox* block =
        dialog.add_check("&Use VHDL block for identifier separation", f.block_separation);
    QLineEdit* suffix = dialog.add_line("&Identifier suffix:", f.identifier_suffix, kSuffixLimit,
                                        static_cast<int>(MachineOptionsField::IdentifierSuffix));
    // The enabling follows the values shown, as the core computes it.
    auto refresh = [=, &f] {
        MachineOptionsFields shown = f;
        shown.style = style != nullptr ? style->currentIndex() : f.style;
        shown.assignment = assignment->currentIndex();
        shown.clock_edge = edge->currentIndex() + kClockRisingEdge;
        shown.transition_actions = action_timing_value(on_transitions->currentIndex());
        shown.state_actions = action_timing_value(on_states->currentIndex());
        MachineOptionsEnabling on = machine_options_enabling(shown, verilog);
        if (style != nullptr) style->setEnabled(on.style);
        edge_functions->setEnabled(on.edge_functions);
        assignment->setEnabled(on.assignment);
        on_transitions->setEnabled(on.transition_actions);
        on_states->setEnabled(on.state_actions);
        decoding->setEnabled(on.decoding);
        block->setEnabled(on.block_separation);
        suffix->setEnabled(on.identifier_suffix);
    };
    for (QComboBox* combo : {edge, on_transitions, on_states, assignment})
        QObject::connect(combo, &QComboBox::currentIndexChanged, &dialog, refresh);
    if (style != nullptr)
        QObject::connect(style, &QComboBox::currentIndexChanged, &dialog, refresh);
    refresh();
    dialog.set_check([&]() -> std::optional<int> {
        f.transition_actions = transition_position >= 0 ? action_timing_value(transition_position)
                                                        : f.transition_actions;
        f.state_actions =
            state_position >= 0 ? action_timing_value(state_position) : f.state_actions;
        DialogResult<MachineOptionsField> result;
        machine_edit(session, machine, "machine options", [&](const MachineContext& context) {
            result = apply_machine_options(machine, context, f);
            return result.outcome;
        });
        return refused_field(result, refused(result.outcome));
    });
    return dialog.run();
}

} // namespace zeph
