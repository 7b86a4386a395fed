// The "State Machine Options" dialog.
#include "statemachine/machine_options.h"

#include "design/name_limits.h"
#include "foundation/message_table.h"
#include "foundation/strings.h"
#include "statemachine/machine_labels.h"
#include "statemachine/machine_messages.h"
#include "statemachine/state_codes.h"

#include <array>

namespace zeph {

namespace {

constexpr int kMaxOneHotStates = 80;
constexpr int kMaxTwoHotStates = 160;
constexpr std::array<int, 3> kListedTimings = {kActionsCombinational, kActionsCombinedProcess,
                                               kActionsClocked};

bool suffix_word(const std::string& suffix) {
    for (char c : suffix) {
        bool plain =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
        if (!plain) return false;
    }
    return true;
}

} // namespace

MachineOptionsFields machine_options_fields(const StateMachine& m) {
    return {m.clock_edge, m.edge_functions, m.transition_actions, m.state_actions,    m.style,
            m.assignment, m.decoding,       m.block_separation,   m.identifier_suffix};
}

MachineOptionsEnabling machine_options_enabling(const MachineOptionsFields& fields, bool verilog) {
    MachineOptionsEnabling e;
    bool implicit = fields.style == kStyleImplicit;
    e.style = !verilog;
    e.edge_functions = !verilog;
    e.assignment = !implicit;
    e.transition_actions = !implicit;
    e.state_actions = !implicit;
    e.block_separation = !verilog && !implicit;
    e.identifier_suffix = !implicit;
    e.decoding = !implicit && fields.assignment != kAssignmentOneHot &&
                 fields.assignment != kAssignmentTwoHot;
    return e;
}

const char* action_timing_label(int value, bool verilog) {
    switch (value) {
    case kActionsCombinational:
        return "Combinational";
    case kActionsClocked:
        return "Clocked";
    case kActionsCombinedProcess:
        return verilog ? "Comb.(in 1 Always Block)" : "Comb.(in 1 Process)";
    case kActionsClockedDelayed:
        return "Clocked(Delayed)";
    default:
        return "";
    }
}

std::vector<std::string> action_timing_choices(bool verilog) {
    std::vector<std::string> choices;
    for (int value : kListedTimings)
        choices.emplace_back(action_timing_label(value, verilog));
    return choices;
}

int action_timing_position(int value) {
    for (std::size_t i = 0; i < kListedTimings.size(); ++i)
        if (kListedTimings[i] == value) return static_cast<int>(i);
    return -1;
}

int action_timing_value(int position) {
    if (position < 0 || position >= static_cast<int>(kListedTimings.size()))
        return kActionsCombinational;
    return kListedTimings[static_cast<std::size_t>(position)];
}

DialogResult<MachineOptionsField> apply_machine_options(StateMachine& machine,
                                                        const MachineContext& context,
                                                        MachineOptionsFields fields) {
    using Result = DialogResult<MachineOptionsField>;
    ui::Platform& platform = context.platform;
    int states = static_cast<int>(machine.states.size());
    if ((fields.assignment == kAssignmentOneHot && states > kMaxOneHotStates) ||
        (fields.assignment == kAssignmentTwoHot && states > kMaxTwoHotStates)) {
        refuse_edit(platform,
                    format_text(machine_text::kTooManyStates, assignment_name(fields.assignment)));
        return Result{Outcome::Refused, MachineOptionsField::Assignment};
    }
    if (fields.transition_actions == kActionsClocked &&
        fields.state_actions == kActionsCombinedProcess) {
        refuse_edit(platform,
                    format_text(machine_text::kActionTimings, "Clocked", "actions", "transitions",
                                action_timing_label(kActionsCombinedProcess, context.verilog()),
                                "actions", "states"));
        return Result{Outcome::Refused, MachineOptionsField::Actions};
    }
    fields.identifier_suffix = bounded(fields.identifier_suffix, kMaxHdlName);
    if (!suffix_word(fields.identifier_suffix)) {
        refuse_value(platform, fields.identifier_suffix);
        return Result{Outcome::Refused, MachineOptionsField::IdentifierSuffix};
    }
    if (fields == machine_options_fields(machine)) return Result{Outcome::Unchanged};

    bool recode = fields.style != machine.style || fields.assignment != machine.assignment;
    // Leaving user defined codes: the width is always computed afresh.
    if (machine.assignment == kAssignmentUserDefined &&
        assignment_computes_codes(fields.assignment))
        machine.code_width = -1;
    machine.clock_edge = fields.clock_edge;
    machine.edge_functions = fields.edge_functions;
    machine.transition_actions = fields.transition_actions;
    machine.state_actions = fields.state_actions;
    machine.style = fields.style;
    machine.assignment = fields.assignment;
    machine.decoding = fields.decoding;
    machine.block_separation = fields.block_separation;
    machine.identifier_suffix = fields.identifier_suffix;
    if (recode) {
        recompute_codes(machine);
        refresh_machine_labels(machine, context.verilog());
    }
    return Result{Outcome::Done};
}

} // namespace zeph
