// Texts shown on state diagrams and the counting of label usages.
#include "statemachine/machine_labels.h"

#include <algorithm>

namespace zeph {

namespace {

void refresh(LabelDisplay& display, const std::string& text) {
    if (display.options != kLabelHidden) display.text = text;
}

template <class Usages> void drop_usages(Usages& usages, const Label* label) {
    usages.erase(std::remove_if(usages.begin(), usages.end(),
                                [label](const std::unique_ptr<LabelUsage>& usage) {
                                    return usage->label == label;
                                }),
                 usages.end());
}

void refresh_usage(LabelUsage& usage, bool verilog) {
    refresh(usage.display, usage_label_text(usage, verilog));
}

} // namespace

std::string state_label_text(const State& state, unsigned options) {
    std::string text;
    if (options & kShowStateName) text = state.name;
    if ((options & kShowStateCode) && !state.code.empty()) {
        if (!text.empty()) text += '\n';
        text += state.code;
    }
    return text;
}

std::string usage_label_text(const LabelUsage& usage, bool verilog) {
    if (usage.label == nullptr) return {};
    if (!usage.label->name.empty()) return usage.label->name;
    return label_text(*usage.label, verilog);
}

const std::string& label_text(const Label& label, bool verilog) {
    return verilog ? label.verilog_text : label.vhdl_text;
}

std::string& label_text(Label& label, bool verilog) {
    return verilog ? label.verilog_text : label.vhdl_text;
}

std::string wrap_long_lines(std::string_view text, bool& wrapped) {
    wrapped = false;
    std::string result;
    result.reserve(text.size());
    std::size_t column = 0;
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == '\n') {
            result += '\n';
            column = 0;
            ++i;
            continue;
        }
        // A multi-byte character stays whole: the break goes before it.
        std::size_t length = 1;
        while (i + length < text.size() &&
               (static_cast<unsigned char>(text[i + length]) & 0xC0u) == 0x80u)
            ++length;
        if (column + length > kMaxLabelLine && column > 0) {
            result += '\n';
            wrapped = true;
            column = 0;
        }
        result.append(text.substr(i, length));
        column += length;
        i += length;
    }
    return result;
}

void refresh_state_label(State& state) {
    refresh(state.name_label, state_label_text(state, state.name_label.options));
}

void refresh_machine_labels(StateMachine& machine, bool verilog) {
    auto refresh_state = [verilog](State& state) {
        refresh_state_label(state);
        for (auto& usage : state.action_usages)
            refresh_usage(*usage, verilog);
    };
    if (machine.rest) refresh_state(*machine.rest);
    for (auto& state : machine.states)
        refresh_state(*state);
    for (auto& transition : machine.transitions) {
        if (transition->condition.label != nullptr) refresh_usage(transition->condition, verilog);
        for (auto& usage : transition->action_usages)
            refresh_usage(*usage, verilog);
    }
}

std::unique_ptr<LabelUsage> new_usage(Label* label, Point at, const LabelDisplay& style) {
    auto usage = std::make_unique<LabelUsage>();
    use_label(*usage, label);
    usage->position = at;
    usage->display = style;
    usage->display.anchor = at;
    return usage;
}

void remove_usages_of(StateMachine& machine, Label* label) {
    auto drop_state = [label](State& state) { drop_usages(state.action_usages, label); };
    if (machine.rest) drop_state(*machine.rest);
    for (auto& state : machine.states)
        drop_state(*state);
    for (auto& transition : machine.transitions) {
        drop_usages(transition->action_usages, label);
        if (transition->condition.label == label) {
            transition->condition.label = nullptr;
            transition->condition.display.text.clear();
        }
    }
    label->use_count = 0;
}

void recount_uses(StateMachine& machine) {
    for (auto* labels : {&machine.action_labels, &machine.condition_labels})
        for (auto& label : *labels)
            label->use_count = 0;
    auto count = [](const LabelUsage& usage) {
        if (usage.label != nullptr) ++usage.label->use_count;
    };
    auto count_state = [&](const State& state) {
        for (const auto& usage : state.action_usages)
            count(*usage);
    };
    if (machine.rest) count_state(*machine.rest);
    for (const auto& state : machine.states)
        count_state(*state);
    for (const auto& transition : machine.transitions) {
        count(transition->condition);
        for (const auto& usage : transition->action_usages)
            count(*usage);
    }
}

} // namespace zeph
