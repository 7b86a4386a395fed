// Labels List commands of the shell.
#include "shell/label_list_commands.h"

#include "shell/command_table.h"
#include "shell/session.h"
#include "statemachine/labels_list.h"

#include <optional>

namespace zeph {

namespace {
constexpr int kVerilog = 2;

// The machine of the diagram being edited, when it is a state diagram.
std::optional<LabelledMachine> current_machine(const Design& design) {
    const Entity* entity = design.current_entity;
    const Architecture* architecture = design.current_architecture;
    if (entity == nullptr || architecture == nullptr) return std::nullopt;
    if (const Process* process = design.current_process) {
        if (process->state_machine)
            return LabelledMachine{*entity, *architecture, process, *process->state_machine};
        return std::nullopt;
    }
    if (architecture->state_machine)
        return LabelledMachine{*entity, *architecture, nullptr, *architecture->state_machine};
    return std::nullopt;
}

bool list_in_shell(Invocation& inv, bool actions, bool every_machine) {
    switch (list_labels(inv.session, actions, every_machine)) {
    case LabelsListResult::Shown:
        return true;
    case LabelsListResult::NoDesign:
        inv.shell.error("no design is open");
        return false;
    case LabelsListResult::NotStateDiagram:
        inv.shell.error("the current diagram is not a state diagram");
        return false;
    }
    return false;
}
} // namespace

LabelsListResult list_labels(Session& session, bool actions, bool every_machine) {
    const Design* design = session.design();
    if (design == nullptr) return LabelsListResult::NoDesign;
    bool verilog = design->target_language == kVerilog;
    std::vector<std::string> lines;
    if (every_machine) {
        for (const LabelledMachine& machine : design_machines(*design)) {
            if (!lines.empty()) lines.emplace_back();
            for (std::string& line : labels_list_lines(machine, actions, verilog))
                lines.push_back(std::move(line));
        }
    } else {
        std::optional<LabelledMachine> machine = current_machine(*design);
        if (!machine) return LabelsListResult::NotStateDiagram;
        lines = labels_list_lines(*machine, actions, verilog);
    }
    show_labels_list(session.platform(), lines);
    return LabelsListResult::Shown;
}

void add_label_list_commands(CommandTable& table) {
    table.add({"list-actions", "", "List the action labels of the current state diagram", 0, 0,
               [](Invocation& inv) { return list_in_shell(inv, true, false); }});
    table.add({"list-conditions", "", "List the condition labels of the current state diagram", 0,
               0, [](Invocation& inv) { return list_in_shell(inv, false, false); }});
    table.add({"list-all-actions", "", "List the action labels of every state machine", 0, 0,
               [](Invocation& inv) { return list_in_shell(inv, true, true); }});
    table.add({"list-all-conditions", "", "List the condition labels of every state machine", 0, 0,
               [](Invocation& inv) { return list_in_shell(inv, false, true); }});
}

} // namespace zeph
