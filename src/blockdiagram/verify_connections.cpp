// Connection checks of a block diagram: the attachment pass, ports that nothing reached,
// the names of connect-by-name signals, bus entries without a wire, and the per-bit records
// of every bus.
#include "blockdiagram/net_lookup.h"
#include "blockdiagram/verify_context.h"

#include "design/block_diagram.h"
#include "design/status_flags.h"
#include "foundation/kind_vocabulary.h"
#include "hdl/identifier_rules.h"

namespace zeph {

namespace {

void report_unconnected(VerifyRun& run, Entity& entity, Architecture& architecture,
                        const PlacedPort& placed) {
    const Port& port = *placed.port;
    bool top = run.is_top_level(architecture);
    switch (placed.owner) {
    case PortOwner::Diagram:
        run.say(104, kKindDiagramPort, 0, 0, port.name, {}, {}, &entity, &architecture);
        break;
    case PortOwner::Component: {
        if (top) break;
        const std::string& component = placed.component->name;
        if (port.mode != kModeIn)
            run.say(104, kKindComponentPort, 0, 0, port.name, component, {}, &entity,
                    &architecture);
        else if (run.rules.type_checks && !port.default_value.empty())
            run.say(154, 0, 0, 0, port.name, component, {}, &entity, &architecture);
        else if (run.rules.type_checks)
            run.say(15, 0, 0, 0, port.name, component, {}, &entity, &architecture);
        break;
    }
    case PortOwner::Process:
        if (top) break;
        run.say(15, 1, port.mode, 0, {}, placed.process->name, {}, &entity, &architecture,
                placed.process);
        break;
    }
}

void check_signal_names(VerifyRun& run, Entity& entity, Architecture& architecture,
                        const Attachments& attachments) {
    BlockDiagram& diagram = *architecture.block_diagram;
    auto same = [&](const std::string& a, const std::string& b) {
        return names_equal(a, b, run.rules.rules);
    };
    for (const ConnectByNameSignal& signal : attachments.signals) {
        const std::string& name = signal.net->name;
        auto also = [&](int kind) {
            run.say(5, kKindConnectByName, kind, 0, name, {}, {}, &entity, &architecture);
        };
        check_name(run, name, kKindConnectByName, &entity, &architecture);
        bool found = false;
        for (auto& generic : entity.generics)
            if (!found && same(name, generic->name)) found = true, also(kKindDiagramGeneric);
        for (auto& port : entity.ports)
            if (!found && same(name, port->name)) found = true, also(kKindDiagramPort);
        for (auto& component : diagram.components)
            if (!found && same(name, component->name)) found = true, also(kKindComponent);
        for (auto& process : diagram.processes)
            if (!found && same(name, process->name)) found = true, also(kKindProcess);
        for (auto& net : diagram.nets)
            if (!found && same(name, net_display_name(*net, kNameOnly)))
                found = true, also(kKindNet);
        for (auto& component : diagram.components)
            if (component->entity != nullptr && same(name, component->entity->name)) {
                run.say(6, kKindConnectByName, 0, 0, name, component->name, {}, &entity,
                        &architecture);
                break;
            }
    }
}

bool entry_reached(const Net& bus, const BusEntry& entry) {
    if (bus.connections == nullptr) return false;
    for (const BusEntryLink& link : bus.connections->bus_entry_links)
        if (link.entry == &entry) return true;
    return false;
}

void check_entries(VerifyRun& run, Entity& entity, Architecture& architecture) {
    for (auto& net : architecture.block_diagram->nets)
        for (auto& entry : net->bus_entries)
            if (!entry_reached(*net, *entry)) {
                run.say(16, 0, 0, 0, bus_entry_label_text(*entry), position_text(entry->bus_point),
                        net_display_name(*net), &entity, &architecture);
                net->status &= ~kNetValid;
            }
}

// One record per bit, lowest bit first: the bus's attachments and counts, and the links of
// the entries that select the bit.
void build_bit_records(VerifyRun& run, Net& bus) {
    bus.bit_connections.clear();
    auto found = run.bus_bits.find(&bus);
    if (found == run.bus_bits.end() || bus.connections == nullptr) return;
    const BusBits& bits = found->second;
    for (long long bit = bits.low; bit <= bits.high; ++bit) {
        NetConnections record = *bus.connections;
        record.bus_entry_links.clear();
        for (const BusEntryLink& link : bus.connections->bus_entry_links) {
            auto selected = run.entry_bits.find(link.entry);
            if (selected == run.entry_bits.end()) continue;
            auto [left, right] = selected->second;
            if (bit >= std::min(left, right) && bit <= std::max(left, right))
                record.bus_entry_links.push_back(link);
        }
        bus.bit_connections.push_back(std::move(record));
    }
}

} // namespace

bool check_connections(VerifyRun& run, Entity& entity, Architecture& architecture,
                       Attachments& attachments) {
    if (architecture.block_diagram == nullptr) return false;
    int errors = run.report.errors();
    AttachOptions options;
    options.rules = run.rules;
    options.width = [&run, &architecture](const Range& range, const Component* owner) {
        return evaluated_width(run, architecture, range, owner);
    };
    run.report.set_context(&entity, &architecture, nullptr);
    attachments = attach_ports(architecture, options, run.report);
    for (const PlacedPort& placed : attachments.unconnected)
        report_unconnected(run, entity, architecture, placed);
    check_signal_names(run, entity, architecture, attachments);
    check_entries(run, entity, architecture);
    for (auto& net : architecture.block_diagram->nets)
        if (net->bus) build_bit_records(run, *net);
    if (run.report.errors() != errors) return false;
    architecture.status |= kStatusPhase3;
    return true;
}

} // namespace zeph
