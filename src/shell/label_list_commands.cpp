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

bool list_current(Invocation& inv, bool actions) {
    const Design* design = inv.session.design();
    if (design == nullptr) {
        inv.shell.error("no design is open");
        return false;
    }
    std::optional<LabelledMachine> machine = current_machine(*design);
    if (!machine) {
        inv.shell.error("the current diagram is not a state diagram");
        return false;
    }
    bool verilog = design->target_language == kVerilog;
    show_labels_list(inv.session.platform(), labels_list_lines(*machine, actions, verilog));
    return true;
}

bool list_all(Invocation& inv, bool actions) {
    const Design* design = inv.session.design();
    if (design == nullptr) {
        inv.shell.error("no design is open");
        return false;
    }
    bool verilog = design->target_language == kVerilog;
    std::vector<std::string> lines;
    for (const LabelledMachine& machine : design_machines(*design)) {
        if (!lines.empty()) lines.emplace_back();
        for (std::string& line : labels_list_lines(machine, actions, verilog))
            lines.push_back(std::move(line));
    }
    show_labels_list(inv.session.platform(), lines);
    return true;
}
} // namespace

void add_label_list_commands(CommandTable& table) {
    table.add({"list-actions", "", "List the action labels of the current state diagram", 0, 0,
               [](Invocation& inv) { return list_current(inv, true); }});
    table.add({"list-conditions", "", "List the condition labels of the current state diagram", 0,
               0, [](Invocation& inv) { return list_current(inv, false); }});
    table.add({"list-all-actions", "", "List the action labels of every state machine", 0, 0,
               [](Invocation& inv) { return list_all(inv, true); }});
    table.add({"list-all-conditions", "", "List the condition labels of every state machine", 0, 0,
               [](Invocation& inv) { return list_all(inv, false); }});
}

} // namespace zeph
