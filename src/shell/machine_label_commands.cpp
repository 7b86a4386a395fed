// The label commands of the state-diagram shell: the action and condition lists, usages of
// actions on states and transitions, the transition dialog and the machine options. Each runs
// the dialog's logic step by step as the dialog would be used, then its OK.
#include "shell/machine_command_args.h"

#include "foundation/message_table.h"
#include "foundation/strings.h"
#include "shell/session.h"
#include "statemachine/label_list_dialog.h"
#include "statemachine/machine_options.h"

#include <optional>
#include <string>
#include <vector>

namespace zeph::machine_commands {

namespace {

using diagram_commands::Args;
using diagram_commands::Fields;

const Args kLabelKindWords = {"action", "condition"};
const Args kLabelFields = {"name", "vhdl", "verilog", "states", "transitions"};
const Args kStyleWords = {"implicit", "explicit"};
const Args kAssignmentWords = {"none", "enumerate", "binary", "gray", "one-hot", "two-hot", "user"};
const Args kDecodingWords = {"case", "if-else"};
const Args kEdgeWords = {"rising", "falling"};
// The positions of the action timing lists.
const Args kTimingWords = {"combinational", "combined", "clocked"};

bool refused(Outcome outcome) {
    return outcome == Outcome::Refused;
}

std::optional<LabelDialogPurpose> list_purpose(Invocation& inv) {
    std::optional<int> kind = diagram_commands::choice(inv, inv.args[0], kLabelKindWords, 0);
    if (!kind) return std::nullopt;
    return *kind == 0 ? LabelDialogPurpose::ActionLabels : LabelDialogPurpose::ConditionLabels;
}

bool select_named(Invocation& inv, LabelListDialog& dialog, const std::string& name) {
    std::optional<std::size_t> found = dialog.find(name);
    if (!found) {
        inv.shell.error("no label '" + name + "'");
        return false;
    }
    return !refused(dialog.select(found));
}

// The texts and defaults of the selected entry, in the dialog's order: the VHDL text, the
// Verilog text, then " Default on: ".
bool fill_entry(Invocation& inv, LabelListDialog& dialog, const Fields& f) {
    for (auto [field, verilog] : {std::pair{"vhdl", false}, std::pair{"verilog", true}}) {
        auto it = f.find(field);
        if (it == f.end()) continue;
        dialog.view(verilog);
        if (refused(dialog.set_text(multi_line(it->second)))) return false;
    }
    if (!f.contains("states") && !f.contains("transitions")) return true;
    const LabelEntry& entry = dialog.entries()[*dialog.selected()];
    bool on_states = (entry.flags & kDefaultOnStates) != 0;
    bool on_transitions = (entry.flags & kDefaultOnTransitions) != 0;
    if (!diagram_commands::take(f, "states", on_states, diagram_commands::flag_value(inv)) ||
        !diagram_commands::take(f, "transitions", on_transitions,
                                diagram_commands::flag_value(inv)))
        return false;
    return !refused(dialog.set_defaults(on_states, on_transitions));
}

bool confirm(Invocation& inv, CurrentMachine& m, LabelListDialog& dialog, const char* what) {
    return edit(inv, m, what, [&] { return dialog.confirm().outcome; });
}

bool new_label_command(Invocation& inv, CurrentMachine& m) {
    std::optional<LabelDialogPurpose> purpose = list_purpose(inv);
    std::optional<Fields> f = diagram_commands::fields(inv, 2, kLabelFields);
    if (!purpose || !f) return false;
    if (f->contains("name")) {
        inv.shell.error("new-label takes the name as its second word");
        return false;
    }
    LabelListDialog dialog(m.machine, m.context, *purpose);
    Outcome added = dialog.press_new(inv.args[1]);
    if (added != Outcome::Done) return !refused(added);
    return fill_entry(inv, dialog, *f) && confirm(inv, m, dialog, "new label");
}

bool edit_label_command(Invocation& inv, CurrentMachine& m) {
    std::optional<LabelDialogPurpose> purpose = list_purpose(inv);
    std::optional<Fields> f = diagram_commands::fields(inv, 2, kLabelFields);
    if (!purpose || !f) return false;
    LabelListDialog dialog(m.machine, m.context, *purpose);
    if (!select_named(inv, dialog, inv.args[1])) return false;
    if (auto name = f->find("name"); name != f->end() && refused(dialog.press_edit(name->second)))
        return false;
    return fill_entry(inv, dialog, *f) && confirm(inv, m, dialog, "edit label");
}

bool delete_label_command(Invocation& inv, CurrentMachine& m) {
    std::optional<LabelDialogPurpose> purpose = list_purpose(inv);
    if (!purpose) return false;
    LabelListDialog dialog(m.machine, m.context, *purpose);
    if (!select_named(inv, dialog, inv.args[1])) return false;
    Outcome deleted = dialog.press_delete();
    if (deleted != Outcome::Done) return !refused(deleted);
    return confirm(inv, m, dialog, "delete label");
}

// "state STATE" or "transition N" from args[0]; `next` is the word after it.
std::optional<LabelDialogTarget> usage_owner(Invocation& inv, CurrentMachine& m) {
    std::optional<int> kind =
        diagram_commands::choice(inv, inv.args[0], {"state", "transition"}, 0);
    if (!kind) return std::nullopt;
    LabelDialogTarget target;
    if (*kind == 0)
        target.state = state_named(inv, m, inv.args[1]);
    else
        target.transition = transition_numbered(inv, m, inv.args[1]);
    if (target.state == nullptr && target.transition == nullptr) return std::nullopt;
    return target;
}

bool add_action_command(Invocation& inv, CurrentMachine& m) {
    std::optional<LabelDialogTarget> target = usage_owner(inv, m);
    if (!target) return false;
    LabelListDialog dialog(m.machine, m.context, LabelDialogPurpose::AddUsage, *target);
    return select_named(inv, dialog, inv.args[2]) && confirm(inv, m, dialog, "add action");
}

bool change_action_command(Invocation& inv, CurrentMachine& m) {
    std::optional<LabelDialogTarget> target = usage_owner(inv, m);
    if (!target) return false;
    auto& usages =
        target->state != nullptr ? target->state->action_usages : target->transition->action_usages;
    for (auto& usage : usages)
        if (usage->label != nullptr && usage->label->name == inv.args[2])
            target->usage = usage.get();
    if (target->usage == nullptr) {
        inv.shell.error("no action '" + inv.args[2] + "' there");
        return false;
    }
    LabelListDialog dialog(m.machine, m.context, LabelDialogPurpose::EditUsage, *target);
    return select_named(inv, dialog, inv.args[3]) && confirm(inv, m, dialog, "edit action");
}

bool edit_transition_command(Invocation& inv, CurrentMachine& m) {
    Transition* transition = transition_numbered(inv, m, inv.args[0]);
    std::optional<Fields> f =
        diagram_commands::fields(inv, 1, {"condition", "asynchronous", "priority"});
    if (transition == nullptr || !f) return false;
    LabelListDialog dialog(m.machine, m.context, LabelDialogPurpose::EditTransition,
                           {nullptr, transition, nullptr});
    if (auto condition = f->find("condition"); condition != f->end()) {
        if (condition->second.empty())
            dialog.select(std::nullopt);
        else if (!select_named(inv, dialog, condition->second))
            return false;
    }
    if (!diagram_commands::take(*f, "asynchronous", dialog.asynchronous,
                                diagram_commands::flag_value(inv)) ||
        !diagram_commands::take(*f, "priority", dialog.priority,
                                diagram_commands::number_value(inv)))
        return false;
    return confirm(inv, m, dialog, "edit transition");
}

// ---- machine options -----------------------------------------------------------------------

void show_options(Invocation& inv, const MachineOptionsFields& o, bool verilog) {
    auto print = [&](const char* field, const std::string& value) {
        inv.shell.print("options", std::string(field) + "=" + value);
    };
    print("style", kStyleWords[static_cast<std::size_t>(o.style)]);
    print("assignment", assignment_name(o.assignment));
    print("decoding", kDecodingWords[static_cast<std::size_t>(o.decoding)]);
    print("clock-edge", kEdgeWords[static_cast<std::size_t>(o.clock_edge)]);
    print("edge-functions", o.edge_functions ? "yes" : "no");
    print("transition-actions", action_timing_label(o.transition_actions, verilog));
    print("state-actions", action_timing_label(o.state_actions, verilog));
    print("block", o.block_separation ? "yes" : "no");
    print("suffix", o.identifier_suffix);
}

auto timing_value(Invocation& inv) {
    return [&inv](const std::string& w) -> std::optional<int> {
        std::optional<int> position = diagram_commands::choice(inv, w, kTimingWords, 0);
        if (!position) return std::nullopt;
        return action_timing_value(*position);
    };
}

// The fields given that the dialog shows disabled for the values it holds.
std::string disabled_field(const Fields& f, const MachineOptionsFields& o, bool verilog) {
    MachineOptionsEnabling e = machine_options_enabling(o, verilog);
    const std::pair<const char*, bool> fields[] = {{"style", e.style},
                                                   {"edge-functions", e.edge_functions},
                                                   {"assignment", e.assignment},
                                                   {"transition-actions", e.transition_actions},
                                                   {"state-actions", e.state_actions},
                                                   {"decoding", e.decoding},
                                                   {"block", e.block_separation},
                                                   {"suffix", e.identifier_suffix}};
    for (auto [name, enabled] : fields)
        if (!enabled && f.contains(name)) return name;
    return {};
}

bool machine_options_command(Invocation& inv, CurrentMachine& m) {
    const Args known = {"style",         "assignment",     "decoding",
                        "clock-edge",    "edge-functions", "transition-actions",
                        "state-actions", "block",          "suffix"};
    std::optional<Fields> f = diagram_commands::fields(inv, 0, known);
    if (!f) return false;
    MachineOptionsFields o = machine_options_fields(m.machine);
    bool verilog = m.context.verilog();
    if (f->empty()) {
        show_options(inv, o, verilog);
        return true;
    }
    using namespace diagram_commands;
    if (!take(*f, "style", o.style, chooser(inv, kStyleWords, kStyleImplicit)) ||
        !take(*f, "assignment", o.assignment, chooser(inv, kAssignmentWords, kAssignmentNone)) ||
        !take(*f, "decoding", o.decoding, chooser(inv, kDecodingWords, kDecodingCase)) ||
        !take(*f, "clock-edge", o.clock_edge, chooser(inv, kEdgeWords, kClockRisingEdge)) ||
        !take(*f, "edge-functions", o.edge_functions, flag_value(inv)) ||
        !take(*f, "transition-actions", o.transition_actions, timing_value(inv)) ||
        !take(*f, "state-actions", o.state_actions, timing_value(inv)) ||
        !take(*f, "block", o.block_separation, flag_value(inv)) ||
        !take(*f, "suffix", o.identifier_suffix, text_value()))
        return false;
    if (std::string field = disabled_field(*f, o, verilog); !field.empty()) {
        inv.shell.error("'" + field + "' is disabled in the dialog for these options");
        return false;
    }
    return edit(inv, m, "machine options",
                [&] { return apply_machine_options(m.machine, m.context, o).outcome; });
}

} // namespace

std::vector<Entry> label_commands() {
    return {
        {"new-label",
         "action|condition NAME [vhdl=TEXT] [verilog=TEXT] [states=yes|no] "
         "[transitions=yes|no]",
         "New action or condition label with its texts (and an action's defaults)", 2, 6,
         new_label_command},
        {"edit-label",
         "action|condition NAME [name=NEW] [vhdl=TEXT] [verilog=TEXT] "
         "[states=yes|no] [transitions=yes|no]",
         "Edit an action or condition label", 2, 7, edit_label_command},
        {"delete-label", "action|condition NAME", "Delete a label (asks when it is used)", 2, 2,
         delete_label_command},
        {"add-action", "state STATE|transition N LABEL",
         "Add Usage of Action on a state or a transition", 3, 3, add_action_command},
        {"change-action", "state STATE|transition N LABEL NEW",
         "Edit Usage of Action: another action instead of LABEL", 4, 4, change_action_command},
        {"edit-transition", "N [condition=LABEL] [asynchronous=yes|no] [priority=P]",
         "Edit Transition (asynchronous=yes: the reset transition)", 1, 4, edit_transition_command},
        {"machine-options", "[FIELD=VALUE...]", "State Machine Options (without fields: show them)",
         0, 9, machine_options_command},
    };
}

} // namespace zeph::machine_commands
