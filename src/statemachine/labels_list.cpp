// The table of the "Labels List" report.
#include "statemachine/labels_list.h"

#include "design/block_diagram.h"
#include "foundation/strings.h"
#include "statemachine/machine_labels.h"

#include <algorithm>

namespace zeph {

namespace {
constexpr int kMinNameWidth = 10;
constexpr int kUsageWidth = 5;
constexpr int kDefaultUsageWidth = 10;
constexpr std::size_t kRuleLength = 80;

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        std::string line = text.substr(start, end == std::string::npos ? end : end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return lines;
}

std::string usage_of(const Label& label) {
    if (label.flags & kDefaultOnTransitions) return "Def.on Tr.";
    if (label.flags & kDefaultOnStates) return "Def.on St.";
    return format_text("%d", label.use_count);
}
} // namespace

std::vector<std::string> labels_list_lines(const LabelledMachine& owner, bool actions,
                                           bool verilog) {
    const auto& labels = actions ? owner.machine.action_labels : owner.machine.condition_labels;
    std::vector<std::string> lines;
    std::string process = owner.process != nullptr
                              ? format_text("of %s '%s' ", "Process", owner.process->name.c_str())
                              : std::string();
    lines.push_back(format_text("%s %s %s", actions ? "Action" : "Condition",
                                labels.size() == 1 ? "Label" : "Labels", process.c_str()) +
                    format_text("of %s '%s' of %s '%s':", "Entity", owner.entity.name.c_str(),
                                "Architecture", owner.architecture.name.c_str()));
    lines.emplace_back();
    int name_width = kMinNameWidth;
    int usage_width = kUsageWidth;
    for (const auto& label : labels) {
        name_width = std::max(name_width, static_cast<int>(label->name.size()));
        if (label->flags & (kDefaultOnStates | kDefaultOnTransitions))
            usage_width = kDefaultUsageWidth;
    }
    const std::string rule(kRuleLength, '-');
    lines.push_back(format_text("%-*s | %-*s | %s text:", name_width, "Label Name", usage_width,
                                "Usage", verilog ? "Verilog" : "Vhdl"));
    lines.push_back(rule);
    lines.emplace_back();
    if (!labels.empty()) lines.push_back(rule);
    for (const auto& label : labels) {
        std::vector<std::string> text = lines_of(label_text(*label, verilog));
        std::string first = format_text("%-*s | %*s | ", name_width, label->name.c_str(),
                                        usage_width, usage_of(*label).c_str());
        lines.push_back(first + (text.empty() ? std::string() : text.front()));
        std::string blank = format_text("%-*s   %*s   ", name_width, "", usage_width, "");
        for (std::size_t i = 1; i < text.size(); ++i)
            lines.push_back(blank + text[i]);
        lines.push_back(rule);
    }
    return lines;
}

std::vector<LabelledMachine> design_machines(const Design& design) {
    std::vector<LabelledMachine> machines;
    for (const auto& entity : design.entities)
        for (const auto& architecture : entity->architectures) {
            if (architecture->state_machine)
                machines.push_back({*entity, *architecture, nullptr, *architecture->state_machine});
            if (!architecture->block_diagram) continue;
            for (const auto& process : architecture->block_diagram->processes)
                if (process->state_machine)
                    machines.push_back(
                        {*entity, *architecture, process.get(), *process->state_machine});
        }
    return machines;
}

void show_labels_list(ui::Platform& platform, const std::vector<std::string>& lines) {
    platform.report_clear();
    platform.report_title("Labels List");
    for (const std::string& line : lines)
        platform.report_append(line);
    platform.report_bring_up();
}

} // namespace zeph
