// Process signals: every process port is named after the signal it sits on (the net, or the
// bit or slice of a bus that an entry carries to it), and takes the net's type and range;
// then the checks of the process's own architecture.
#include "blockdiagram/net_lookup.h"
#include "blockdiagram/verify_context.h"

#include "design/block_diagram.h"
#include "foundation/strings.h"

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

std::string signal_name(const Net& net) {
    if (net.number >= 0 && net.connections != nullptr &&
        (net.connections->signal_class & kSignalLocal) == 0) {
        if (const BusEntryLink* link = single_entry(net);
            link != nullptr && link->reached != nullptr) {
            const BusEntry& entry = *link->entry;
            std::string bus = net_display_name(*link->reached, kNameOnly);
            if (!entry.slice) return format_text("%s(%s)", bus.c_str(), entry.index.c_str());
            return format_text("%s(%s %s %s)", bus.c_str(), entry.index.c_str(),
                               entry.direction == kDirectionTo ? "To" : "Downto",
                               entry.right.c_str());
        }
    }
    return net_display_name(net, kNameOnly);
}

} // namespace

void assign_process_signals(VerifyRun&, Architecture& architecture,
                            const Attachments& attachments) {
    for (auto& process : architecture.block_diagram->processes)
        for (auto& port : process->ports) {
            PlacedPort placed;
            placed.owner = PortOwner::Process;
            placed.port = port.get();
            placed.process = process.get();
            const Net* net = attachments.net_of(placed);
            if (net == nullptr) {
                port->name.clear();
                continue;
            }
            port->name = signal_name(*net);
            port->type_name = net->type_name;
            port->range = net->range;
            port->range.has_range = net->bus;
        }
}

void check_own_architecture(VerifyRun& run, Entity& entity, Architecture& architecture,
                            Process& process) {
    run.report.set_context(&entity, &architecture, &process);
    if (process.kind == kProcessHdlFile && run.options.hooks.refresh_process_skeleton)
        run.options.hooks.refresh_process_skeleton(run.report, entity, architecture, process);
    else if (process.kind == kProcessStateDiagram && run.options.hooks.state_machine_checks)
        run.options.hooks.state_machine_checks(run.report, entity, architecture, &process);
}

} // namespace zeph
