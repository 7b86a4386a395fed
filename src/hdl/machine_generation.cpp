// The generation state of one machine and the helpers its pieces share.
#include "hdl/machine_generation.h"

#include "hdl/netlist_text.h"
#include "hdl/vhdl_entity.h"

#include <algorithm>

namespace zeph {

namespace {
const StateMachine& machine_in(const Architecture& architecture, const Process* process) {
    return process != nullptr ? *process->state_machine : *architecture.state_machine;
}

std::vector<const Transition*> by_priority(std::vector<const Transition*> list) {
    std::stable_sort(list.begin(), list.end(), [](const Transition* a, const Transition* b) {
        return a->priority < b->priority;
    });
    return list;
}
} // namespace

MachineGeneration::MachineGeneration(std::ostream& o, const HdlContext& c, const Entity& e,
                                     const Architecture& a, const Process* p)
    : out(o), context(c), machine(machine_in(a, p)), entity(e), architecture(a), process(p) {
    flags = machine_action_flags(machine);
    mode = machine_mode(machine, flags);
    signals = machine_signal_names(machine, mode, ports());
    const Transition* r = machine.reset_transition;
    if (r == nullptr)
        for (const auto& t : machine.transitions)
            if (t->reset) r = t.get();
    if (r != nullptr && r->condition.label != nullptr && r->to != nullptr) reset = r;
}

const char* MachineGeneration::word(const char* vhdl_upper, const char* verilog_word) const {
    return verilog() ? verilog_word : kw(vhdl_upper);
}

const char* MachineGeneration::prefix() const {
    return comment_prefix(context.language);
}

const char* MachineGeneration::is_word() const {
    return vhdl93_keyword(context, "IS");
}

std::string MachineGeneration::suffixed(const State& state) const {
    return state.name + machine.identifier_suffix;
}

std::string MachineGeneration::process_name(const char* base_name) const {
    return std::string(base_name) + machine.identifier_suffix;
}

const std::vector<std::unique_ptr<Port>>& MachineGeneration::ports() const {
    return process != nullptr ? process->ports : entity.ports;
}

std::vector<const Transition*> MachineGeneration::global_transitions() const {
    std::vector<const Transition*> list;
    for (const auto& t : machine.transitions)
        if (!t->reset && t->from == nullptr && t->to != nullptr) list.push_back(t.get());
    return by_priority(std::move(list));
}

std::vector<const Transition*> MachineGeneration::outgoing(const State& state) const {
    std::vector<const Transition*> list;
    for (const auto& t : machine.transitions)
        if (!t->reset && t->from == &state && t->to != nullptr) list.push_back(t.get());
    return by_priority(std::move(list));
}

const State* MachineGeneration::reset_state() const {
    return reset != nullptr ? reset->to : nullptr;
}

std::vector<const Label*> MachineGeneration::default_actions(unsigned flag) const {
    std::vector<const Label*> labels;
    for (const auto& label : machine.action_labels)
        if (label->flags & flag) labels.push_back(label.get());
    return labels;
}

const std::string& MachineGeneration::text_of(const Label& label) const {
    return verilog() ? label.verilog_text : label.vhdl_text;
}

} // namespace zeph
