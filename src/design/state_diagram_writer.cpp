// Writing state diagram sections: machine options, labels, states, transitions and usages.
#include "design/design_constructors.h"
#include "design/design_writer.h"
#include "design/name_limits.h"

#include <string>

namespace zeph {

namespace {
// Positions (from 1) of the labels of a list, for the "__###__%d" names of unnamed ones.
LabelPositions positions_of(const std::vector<std::unique_ptr<Label>>& labels) {
    LabelPositions positions;
    for (std::size_t i = 0; i < labels.size(); ++i)
        positions.emplace(labels[i].get(), static_cast<int>(i) + 1);
    return positions;
}

int state_number(const State* state) {
    return state != nullptr ? state->number : -1;
}
} // namespace

void DesignWriter::state_diagram(const StateMachine& machine) {
    const StateMachine& m = machine;
    out_.format("Fsm: %zu %zu %d %zu %zu 0\n", m.states.size(), m.transitions.size(), m.code_width,
                m.action_labels.size(), m.condition_labels.size());
    out_.format("%d %d %d -1 %d %d %d %d %d\n", m.assignment, m.style, m.rest_present() ? 1 : 0,
                m.transition_actions, m.state_actions, m.decoding, m.block_separation ? 1 : 0,
                m.edge_functions ? 1 : 0);
    out_.format("%s %d @ @ 0 %d %d 0 0\n", word_text(m.identifier_suffix), m.clock_edge,
                text_line_count(m.process_declarations), text_line_count(m.process_comment));
    out_.text_block(m.process_comment);
    out_.text_block(m.process_declarations);
    label_records(m.action_labels);
    label_records(m.condition_labels);
    LabelPositions actions = positions_of(m.action_labels);
    LabelPositions conditions = positions_of(m.condition_labels);

    auto state_record = [&](const State& state) {
        out_.format("%d %s %s %zu 0 0\n", state.number, word_text(state.name),
                    word_text(state.code), state.action_usages.size());
        label(state.name_label);
        out_.format("0 0 %d %d %d %d\n", state.box.x1, state.box.y1, state.box.x2, state.box.y2);
        for (const auto& usage : state.action_usages)
            label_usage(*usage, actions);
    };
    if (m.rest != nullptr) state_record(*m.rest);
    for (const auto& state : m.states)
        state_record(*state);

    for (const auto& transition : m.transitions) {
        const Transition& t = *transition;
        out_.format("%d %d %zu %zu 1 %d 0\n", t.reset ? -2 : state_number(t.from),
                    state_number(t.to), t.points.size(), t.action_usages.size(), t.shape);
        out_.format("%d %d %d 0 0 0 0\n", t.priority, t.priority_mark.x, t.priority_mark.y);
        for (const Point& p : t.points)
            out_.format("%d %d\n", p.x, p.y);
        out_.format("%d %d %d %d %d %d %d\n", t.geometry[0], t.geometry[1], t.geometry[2],
                    t.geometry[3], t.geometry[4], t.geometry[5], t.geometry[6]);
        label_usage(t.condition, conditions);
        for (const auto& usage : t.action_usages)
            label_usage(*usage, actions);
    }
}

void DesignWriter::label_records(const std::vector<std::unique_ptr<Label>>& labels) {
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const Label& l = *labels[i];
        std::string name = l.name.empty() ? "__###__" + std::to_string(i + 1) : l.name;
        out_.format("%s %d %d %d %d %d %d 0 0\n", name.c_str(), text_line_count(l.vhdl_text),
                    text_line_count(l.verilog_text), l.use_count, l.reserved,
                    l.name.empty() ? 1 : 0, flag_word(l.flags));
        out_.text_block(l.vhdl_text);
        out_.text_block(l.verilog_text);
    }
}

// A usage names its label, or the label's "__###__%d" form when it has no name.
void DesignWriter::label_usage(const LabelUsage& usage, const LabelPositions& positions) {
    std::string name = "@";
    if (usage.label != nullptr && !usage.label->name.empty()) {
        name = usage.label->name;
    } else if (usage.label != nullptr) {
        auto it = positions.find(usage.label);
        if (it != positions.end()) name = "__###__" + std::to_string(it->second);
    }
    out_.format("%d %s %d %d 0 0 0 0\n", usage.order, name.c_str(), usage.position.x,
                usage.position.y);
    label(usage.display);
}

} // namespace zeph
