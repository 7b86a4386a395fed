// The listing of a state diagram.
#include "statemachine/machine_listing.h"

#include "foundation/message_table.h"
#include "foundation/strings.h"
#include "statemachine/machine_labels.h"
#include "statemachine/machine_options.h"

namespace zeph {

namespace {

std::string label_name(const Label* label) {
    if (label == nullptr) return "-";
    return label->name.empty() ? std::string("{no_name}") : label->name;
}

std::string actions_of(const std::vector<std::unique_ptr<LabelUsage>>& usages) {
    std::string text;
    for (const auto& usage : usages)
        text += (text.empty() ? " actions " : ", ") + label_name(usage->label);
    return text;
}

std::string state_line(const State& state) {
    const Box& b = state.box;
    return format_text("state %d %s code=%s at %d %d %d %d%s", state.number, state.name.c_str(),
                       state.code.empty() ? "-" : state.code.c_str(), b.x1, b.y1, b.x2, b.y2,
                       actions_of(state.action_usages).c_str());
}

std::string end_text(const State* state, Point p) {
    return state != nullptr ? state->name : format_text("%d,%d", p.x, p.y);
}

std::string transition_line(const Transition& t, std::size_t index) {
    std::string kind = t.reset             ? "reset"
                       : t.from == nullptr ? "global"
                       : t.shape == 1      ? "curved"
                                           : "straight";
    Point first = t.points.empty() ? Point{} : t.points.front();
    Point last = t.points.empty() ? Point{} : t.points.back();
    std::string line =
        format_text("transition %zu %s %s -> %s priority %d condition %s%s points %zu", index,
                    kind.c_str(), end_text(t.from, first).c_str(), end_text(t.to, last).c_str(),
                    t.priority, label_name(t.condition.label).c_str(),
                    actions_of(t.action_usages).c_str(), t.points.size());
    return line;
}

std::string label_line(const char* kind, const Label& label) {
    std::string defaults;
    if ((label.flags & kDefaultOnStates) != 0) defaults += " default-on-states";
    if ((label.flags & kDefaultOnTransitions) != 0) defaults += " default-on-transitions";
    return format_text("%s %s uses %d%s vhdl \"%s\" verilog \"%s\"", kind,
                       label_name(&label).c_str(), label.use_count, defaults.c_str(),
                       one_line(label.vhdl_text).c_str(), one_line(label.verilog_text).c_str());
}

std::string options_line(const StateMachine& m, bool verilog) {
    return format_text(
        "options style=%s assignment=\"%s\" width=%d decoding=%s clock-edge=%s "
        "edge-functions=%s transition-actions=\"%s\" state-actions=\"%s\" block=%s suffix=%s",
        m.style == kStyleImplicit ? "implicit" : "explicit", assignment_name(m.assignment),
        m.code_width, m.decoding == kDecodingCase ? "case" : "if-else",
        m.clock_edge == kClockRisingEdge ? "rising" : "falling", m.edge_functions ? "yes" : "no",
        action_timing_label(m.transition_actions, verilog),
        action_timing_label(m.state_actions, verilog), m.block_separation ? "yes" : "no",
        m.identifier_suffix.empty() ? "-" : m.identifier_suffix.c_str());
}

} // namespace

std::string one_line(const std::string& text) {
    std::string line;
    for (char c : text)
        if (c == '\n')
            line += "\\n";
        else
            line += c;
    return line;
}

std::vector<std::string> machine_listing(const StateMachine& machine, bool verilog) {
    std::vector<std::string> lines{options_line(machine, verilog)};
    if (machine.rest) lines.push_back(state_line(*machine.rest));
    for (const auto& state : machine.states)
        lines.push_back(state_line(*state));
    for (std::size_t i = 0; i < machine.transitions.size(); ++i)
        lines.push_back(transition_line(*machine.transitions[i], i));
    for (const auto& label : machine.action_labels)
        lines.push_back(label_line("action", *label));
    for (const auto& label : machine.condition_labels)
        lines.push_back(label_line("condition", *label));
    return lines;
}

} // namespace zeph
