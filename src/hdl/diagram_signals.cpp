// Signal names of block-diagram bodies.
#include "hdl/diagram_signals.h"

#include "design/block_diagram.h"
#include "design/entity.h"
#include "hdl/hdl_context.h"
#include "hdl/internal_error.h"
#include "hdl/vhdl_keywords.h"

namespace zeph {

namespace {
// The first diagram port on the net whose mode suits the transfer; null when none does.
const Port* diagram_port(const Net& net, bool (*suits)(int mode)) {
    if (net.connections == nullptr) return nullptr;
    for (const Attachment& attachment : net.connections->attachments)
        if (is_diagram_port(attachment) && attachment.port != nullptr &&
            suits(attachment.port->mode))
            return attachment.port;
    return nullptr;
}

bool any_mode(int) {
    return true;
}
// Writing into the bus means driving the port from inside.
bool drives_out(int mode) {
    return mode == kModeOut || mode == kModeInout || mode == kModeBuffer;
}
bool reads_in(int mode) {
    return mode == kModeIn || mode == kModeInout;
}
} // namespace

int signal_class(const Net& net) {
    return net.connections != nullptr ? net.connections->signal_class : 0;
}

bool is_local_signal(const Net& net) {
    return (signal_class(net) & kSignalClassLocal) != 0;
}

bool is_diagram_port(const Attachment& attachment) {
    return attachment.component == nullptr && attachment.process == nullptr;
}

DiagramSignals::DiagramSignals(const HdlContext& context, const BlockDiagram& diagram)
    : context_(context) {
    for (const auto& net : diagram.nets)
        signals_.push_back(net.get());
    if (auto found = context.connect_by_name_signals.find(&diagram);
        found != context.connect_by_name_signals.end())
        signals_.insert(signals_.end(), found->second.begin(), found->second.end());
    for (const Net* net : signals_) {
        for (const auto& entry : net->bus_entries)
            owners_[entry.get()] = net;
        if (net->connections == nullptr) continue;
        for (const Attachment& attachment : net->connections->attachments)
            if (attachment.component != nullptr)
                component_ports_.emplace(std::make_pair(attachment.component, attachment.port),
                                         net);
    }
}

std::vector<const Net*> DiagramSignals::local_signals() const {
    std::vector<const Net*> local;
    for (const Net* net : signals_)
        if (is_local_signal(*net)) local.push_back(net);
    return local;
}

std::string DiagramSignals::net_name(const Net& net) const {
    return net_display_name(net);
}

const Net* DiagramSignals::bus_of(const BusEntry& entry) const {
    auto found = owners_.find(&entry);
    return found != owners_.end() ? found->second : nullptr;
}

std::vector<const BusEntry*> DiagramSignals::entries_reaching(const Net& net) const {
    std::vector<const BusEntry*> entries;
    if (net.connections == nullptr) return entries;
    for (const BusEntryLink& link : net.connections->bus_entry_links) {
        const Net* owner = bus_of(*link.entry);
        if (owner != nullptr && owner != &net) entries.push_back(link.entry);
    }
    return entries;
}

std::string DiagramSignals::index_text(const BusEntry& entry) const {
    if (context_.verilog()) {
        if (!entry.slice) return "[" + entry.index + "]";
        return "[" + entry.index + " : " + entry.right + "]";
    }
    if (!entry.slice) return "(" + entry.index + ")";
    const char* direction = context_.keyword(entry.direction == kDirectionTo ? "TO" : "DOWNTO");
    return "(" + entry.index + " " + direction + " " + entry.right + ")";
}

std::string DiagramSignals::bus_name(const Net& bus, bool written) const {
    if (is_local_signal(bus)) return net_display_name(bus);
    if (const Port* port = diagram_port(bus, written ? drives_out : reads_in)) return port->name;
    return internal_error_name(context_.platform, bus);
}

std::string DiagramSignals::slice(const BusEntry& entry, bool written) const {
    const Net* bus = bus_of(entry);
    if (bus == nullptr) return index_text(entry);
    return bus_name(*bus, written) + index_text(entry);
}

std::string DiagramSignals::actual(const Component& component, const Port& port) const {
    auto found = component_ports_.find({&component, &port});
    if (found == component_ports_.end()) return context_.vhdl() ? context_.keyword("OPEN") : "";
    const Net& net = *found->second;
    if (is_local_signal(net)) return net_display_name(net);
    std::vector<const BusEntry*> entries = entries_reaching(net);
    if (!entries.empty()) {
        const BusEntry& entry = *entries.front();
        const Net& bus = *bus_of(entry);
        if (is_local_signal(bus)) return net_display_name(bus) + index_text(entry);
        if (const Port* outer = diagram_port(bus, any_mode)) return outer->name + index_text(entry);
        return internal_error_name(context_.platform, bus);
    }
    if (const Port* outer = diagram_port(net, any_mode)) return outer->name;
    return internal_error_name(context_.platform, net);
}

} // namespace zeph
