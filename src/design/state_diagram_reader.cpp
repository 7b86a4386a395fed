// Reading state diagram sections: machine options, labels, states, transitions and the label
// usages that refer to labels by name or by their "__###__%d" placeholder.
#include "design/design_reader.h"
#include "design/name_limits.h"

#include <cstdlib>
#include <cstring>

namespace zeph {

namespace {
constexpr const char* kUnnamedPrefix = "__###__";

bool is_none_word(const std::string& word) {
    return word.empty() || word == "0";
}
} // namespace

void DesignReader::state_diagram(StateMachine& machine) {
    in_.expect("Fsm:");
    int states = in_.count();
    int transitions = in_.count();
    machine.code_width = in_.integer();
    int actions = in_.count();
    int conditions = in_.count();
    in_.end_line();

    machine.assignment = in_.integer();
    machine.style = in_.integer();
    bool rest = in_.integer() != 0;
    in_.integer();
    machine.transition_actions = in_.integer();
    machine.state_actions = in_.integer();
    machine.decoding = in_.integer();
    machine.block_separation = in_.integer() != 0;
    machine.edge_functions = in_.integer() != 0;
    in_.end_line();

    int comment_lines = 0, declaration_lines = 0;
    machine_option_lines(machine, comment_lines, declaration_lines);
    machine.process_comment = in_.text_block(comment_lines);
    machine.process_declarations = in_.text_block(declaration_lines);

    MachineTables tables;
    label_records(machine.action_labels, actions, tables.actions);
    label_records(machine.condition_labels, conditions, tables.conditions);
    if (rest) {
        machine.rest = state_record(tables);
        tables.states.emplace(machine.rest->number, machine.rest.get());
    }
    for (int i = 0; i < states; ++i) {
        machine.states.push_back(state_record(tables));
        tables.states.emplace(machine.states.back()->number, machine.states.back().get());
    }
    for (int i = 0; i < transitions; ++i)
        transition_record(machine, tables);
}

// Line 3 of the "Fsm:" record. Before index 7 it held the clock, reset and state register
// port names and the length of an obsolete text, which is skipped.
void DesignReader::machine_option_lines(StateMachine& machine, int& comment_lines,
                                        int& declaration_lines) {
    std::string first = in_.word(kMaxHdlName);
    machine.clock_edge = in_.integer();
    std::string reset = in_.word(kMaxHdlName);
    std::string state = in_.word(kMaxHdlName);
    int obsolete = in_.count();
    declaration_lines = in_.count();
    comment_lines = in_.count();
    in_.end_line();
    if (index_ >= 7) {
        machine.identifier_suffix = first;
        return;
    }
    machine.clock_port = is_none_word(first) ? "" : first;
    machine.reset_port = is_none_word(reset) ? "" : reset;
    machine.state_port = is_none_word(state) ? "" : state;
    in_.text_block(obsolete);
}

void DesignReader::label_records(std::vector<std::unique_ptr<Label>>& labels, int count,
                                 LabelTable& table) {
    std::vector<bool> generated;
    for (int i = 0; i < count; ++i) {
        auto label = std::make_unique<Label>();
        label->name = in_.word(kMaxLabelName);
        int vhdl_lines = in_.count();
        int verilog_lines = index_ >= 9 ? in_.count() : 0;
        in_.integer(); // the use count follows from the usages
        label->reserved = in_.integer();
        generated.push_back(in_.integer() != 0);
        label->flags = static_cast<unsigned>(in_.integer());
        in_.end_line();
        label->vhdl_text = in_.text_block(vhdl_lines);
        label->verilog_text = in_.text_block(verilog_lines);
        labels.push_back(std::move(label));
    }
    table.labels = &labels;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        if (generated[i]) labels[i]->name.clear();
        labels[i]->number = static_cast<int>(i) + 1;
        table.by_name.emplace(labels[i]->name, labels[i].get());
    }
}

void DesignReader::label_usage(LabelUsage& usage, LabelTable& table, LabelKind kind) {
    usage.order = in_.integer();
    std::string name = in_.raw_word();
    usage.position = point();
    if (name[0] != '@') use_label(usage, named_label(table, name));
    in_.end_line();
    usage.display = label(kind);
}

// A label by its name, or by the "__###__%d" position of a label written without one.
Label* DesignReader::named_label(LabelTable& table, const std::string& name) {
    // Label names are kept to 16 characters; so is the name a usage refers to.
    auto it = table.by_name.find(name.substr(0, kMaxLabelName));
    if (it != table.by_name.end()) return it->second;
    std::vector<std::unique_ptr<Label>>& labels = *table.labels;
    std::size_t prefix = std::strlen(kUnnamedPrefix);
    if (name.compare(0, prefix, kUnnamedPrefix) == 0) {
        char* end = nullptr;
        long position = std::strtol(name.c_str() + prefix, &end, 10);
        if (*end == '\0' && position >= 1 && static_cast<std::size_t>(position) <= labels.size())
            return labels[static_cast<std::size_t>(position) - 1].get();
    }
    in_.fail();
}

std::unique_ptr<State> DesignReader::state_record(MachineTables& tables) {
    auto state = std::make_unique<State>();
    state->number = in_.integer();
    state->name = in_.word(kMaxHdlName);
    state->code = in_.word(kMaxStateCode);
    int usages = in_.count();
    in_.end_line();
    state->name_label = label(LabelKind::State);
    in_.integer();
    in_.integer();
    state->box.x1 = coordinate();
    state->box.y1 = coordinate();
    state->box.x2 = coordinate();
    state->box.y2 = coordinate();
    in_.end_line();
    for (int i = 0; i < usages; ++i) {
        auto usage = std::make_unique<LabelUsage>();
        usage->state = state.get();
        label_usage(*usage, tables.actions, LabelKind::Action);
        state->action_usages.push_back(std::move(usage));
    }
    return state;
}

State* DesignReader::state_by_number(MachineTables& tables, int number) {
    auto it = tables.states.find(number);
    if (it == tables.states.end()) in_.fail();
    return it->second;
}

void DesignReader::transition_record(StateMachine& machine, MachineTables& tables) {
    auto transition = std::make_unique<Transition>();
    int from = in_.integer();
    int to = in_.integer();
    int points = in_.count();
    int actions = in_.count();
    bool has_condition = in_.integer() != 0;
    transition->shape = in_.integer();
    if (from == -2) {
        if (machine.reset_transition != nullptr) in_.fail(); // only one reset transition
        transition->reset = true;
    } else if (from != -1) {
        transition->from = state_by_number(tables, from);
    }
    if (to != -1) transition->to = state_by_number(tables, to);
    in_.end_line();

    transition->priority = in_.integer();
    transition->priority_mark = point();
    in_.end_line();
    if (transition->reset) transition->priority = kResetPriority;
    transition->points.reserve(static_cast<std::size_t>(points));
    for (int i = 0; i < points; ++i) {
        transition->points.push_back(point());
        in_.end_line();
    }
    for (int& number : transition->geometry)
        number = in_.integer();
    in_.end_line();
    transition->condition.transition = transition.get();
    if (has_condition) label_usage(transition->condition, tables.conditions, LabelKind::Condition);
    for (int i = 0; i < actions; ++i) {
        auto usage = std::make_unique<LabelUsage>();
        usage->transition = transition.get();
        label_usage(*usage, tables.actions, LabelKind::Action);
        transition->action_usages.push_back(std::move(usage));
    }
    if (transition->reset) machine.reset_transition = transition.get();
    machine.transitions.push_back(std::move(transition));
}

} // namespace zeph
