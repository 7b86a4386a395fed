// Process signals: every process port is named after the signal it sits on (the net, or the
// bit or slice of a bus that an entry carries to it), and takes the net's type and range;
// then the checks of the process's own architecture.
#include "blockdiagram/net_lookup.h"
#include "blockdiagram/verify_context.h"

#include "design/block_diagram.h"
#include "foundation/kind_vocabulary.h"
#include "foundation/strings.h"
#include "hdl/hdl_file_marks.h"

namespace zeph {

namespace {

// The entry of another bus that reaches `net`, when exactly one does.
const BusEntryLink* single_entry(const Net& net) {
    const BusEntryLink* found = nullptr;
    for (const BusEntryLink& link : net.connections->bus_entry_links) {
        bool own = false;
        for (auto& entry : net.bus_entries)
            own = own || entry.get() == link.entry;
        if (own) continue;
        if (found != nullptr) return nullptr;
        found = &link;
    }
    return found;
}

bool is_local(const Net& net) {
    return net.connections != nullptr && (net.connections->signal_class & kSignalLocal) != 0;
}

// The first port of the diagram on the net; null when none is.
const Port* first_diagram_port(const Net& net) {
    if (net.connections == nullptr) return nullptr;
    for (const Attachment& attachment : net.connections->attachments)
        if (attachment.component == nullptr && attachment.process == nullptr &&
            attachment.port != nullptr)
            return attachment.port;
    return nullptr;
}

// A net that is not a local signal is not declared in the architecture: like the actual of a
// component port, the process names the diagram port that the net (or its bus) belongs to.
std::string undeclared_net_name(const Net& net) {
    if (const Port* port = first_diagram_port(net)) return port->name;
    return net_display_name(net, kNameOnly);
}

std::string signal_name(const Net& net) {
    if (net.connections != nullptr && !is_local(net)) {
        // Connect-by-name signals (number -1) are reached by no entry.
        if (const BusEntryLink* link = net.number >= 0 ? single_entry(net) : nullptr;
            link != nullptr && link->reached != nullptr) {
            const BusEntry& entry = *link->entry;
            const Net& bus_net = *link->reached;
            std::string bus = is_local(bus_net) ? net_display_name(bus_net, kNameOnly)
                                                : undeclared_net_name(bus_net);
            if (!entry.slice) return format_text("%s(%s)", bus.c_str(), entry.index.c_str());
            return format_text("%s(%s %s %s)", bus.c_str(), entry.index.c_str(),
                               entry.direction == kDirectionTo ? "To" : "Downto",
                               entry.right.c_str());
        }
        return undeclared_net_name(net);
    }
    return net_display_name(net, kNameOnly);
}

} // namespace

// The signal, type and range of a port as the skeleton of its process shows them. Signal
// names are not saved with the design: an empty one is not known and compares with any.
struct PortSignal {
    std::string name;
    std::string type_name;
    Range range;
    bool same_as(const PortSignal& now) const {
        return (name.empty() || name == now.name) && type_name == now.type_name &&
               range == now.range;
    }
};

void assign_process_signals(VerifyRun& run, Architecture& architecture,
                            const Attachments& attachments) {
    for (auto& process : architecture.block_diagram->processes) {
        bool changed = false;
        for (auto& port : process->ports) {
            PortSignal before{port->name, port->type_name, port->range};
            if (auto earlier = run.earlier_signal_names.find(port.get());
                earlier != run.earlier_signal_names.end())
                before.name = earlier->second;
            PlacedPort placed;
            placed.owner = PortOwner::Process;
            placed.port = port.get();
            placed.process = process.get();
            if (const Net* net = attachments.net_of(placed)) {
                port->name = signal_name(*net);
                port->type_name = net->type_name;
                port->range = net->range;
                port->range.has_range = net->bus;
            } else {
                port->name.clear();
            }
            changed = changed || !before.same_as({port->name, port->type_name, port->range});
        }
        // The heading and the interface copy of its HDL file name these signals.
        if (changed) mark_after_process_change(*process);
    }
}

// Generation takes these names from its own quick verification (mode 4); a whole-design run
// gives them too, and the mode 2 check of a block diagram leaves the machines alone.
void give_machines_their_signals(VerifyRun& run, Entity& entity, Architecture& architecture) {
    if (run.mode == VerifyMode::Architecture || !run.options.hooks.state_machine_signals) return;
    for (auto& process : architecture.block_diagram->processes)
        if (process->kind == kProcessStateDiagram) {
            run.report.set_context(&entity, &architecture, process.get());
            run.options.hooks.state_machine_signals(run.report, entity, architecture, *process);
        }
}

void check_own_architecture(VerifyRun& run, Entity& entity, Architecture& architecture,
                            Process& process) {
    run.report.set_context(&entity, &architecture, &process);
    if (process.kind == kProcessHdlFile && run.options.hooks.refresh_process_skeleton)
        run.options.hooks.refresh_process_skeleton(run.report, entity, architecture, process);
    else if (process.kind == kProcessStateDiagram && run.options.hooks.state_machine_checks)
        run.options.hooks.state_machine_checks(run.report, entity, architecture, &process);
    else if (process.kind == kProcessStateDiagram)
        report_state_diagram_unsupported(run, entity, architecture, &process);
}

void report_state_diagram_unsupported(VerifyRun& run, Entity& entity, Architecture& architecture,
                                      Process* process) {
    constexpr int kNotYetSupported = 60;
    if (process != nullptr)
        run.say(kNotYetSupported, kKindProcess, 0, 0, process->name, {}, {}, &entity, &architecture,
                process);
    else
        run.say(kNotYetSupported, kKindArchitecture, 0, 0, architecture.name, {}, {}, &entity,
                &architecture);
}

} // namespace zeph
