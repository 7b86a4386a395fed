// How actions and conditions of a machine stand in the generated text.
//
//   action "led_on"        -- led_on:            condition "go" (a <= b)    ( -- go:
//                          led <= '1' ;                                         a = '1'
//                                                                             )
#include "hdl/machine_generation.h"

#include "hdl/netlist_text.h"

#include <string_view>

namespace zeph {

namespace {
std::vector<std::string_view> lines_of(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}
} // namespace

void write_action(MachineGeneration& g, const Label& label, int indent) {
    if (!label.name.empty()) g.out << g.pad(indent) << g.prefix() << label.name << ":\n";
    write_text(g.out, g.text_of(label), nullptr, indent);
}

void write_actions(MachineGeneration& g, const std::vector<std::unique_ptr<LabelUsage>>& usages,
                   int indent) {
    for (const auto& usage : usages)
        if (usage->label != nullptr) write_action(g, *usage->label, indent);
}

std::string condition_text(const MachineGeneration& g, const Label* label, int column) {
    if (label == nullptr) return "()";
    std::vector<std::string_view> lines = lines_of(g.text_of(*label));
    if (lines.size() == 1 && label->name.empty()) return "(" + std::string(lines.front()) + ")";
    std::string text =
        label->name.empty() ? "(\n" : "( " + std::string(g.prefix()) + label->name + ":\n";
    for (std::string_view line : lines)
        text += g.pad(column + 1) + std::string(line) + "\n";
    return text + g.pad(column) + ")";
}

} // namespace zeph
