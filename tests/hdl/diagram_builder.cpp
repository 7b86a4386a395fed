// Block diagrams with their connection records, built in code.
#include "diagram_builder.h"

#include "design/entity.h"

#include <stdexcept>

namespace hdl_text_test {

namespace {
Port& entity_port(const Entity& entity, const std::string& name, std::size_t* index = nullptr) {
    for (std::size_t i = 0; i < entity.ports.size(); ++i)
        if (entity.ports[i]->name == name) {
            if (index != nullptr) *index = i;
            return *entity.ports[i];
        }
    throw std::invalid_argument("no port " + name + " on " + entity.name);
}

NetConnections& connections(Net& net) {
    if (!net.connections) net.connections = std::make_unique<NetConnections>();
    return *net.connections;
}

void make_net(Net& net, const std::string& name, const Range& range) {
    net.name = name;
    net.range = range;
    net.bus = range.has_range;
    net.status = kNetValid;
    connections(net);
}
} // namespace

Net& add_net(Architecture& owner, const std::string& name, Range range) {
    auto& nets = owner.block_diagram->nets;
    nets.push_back(std::make_unique<Net>());
    Net& net = *nets.back();
    make_net(net, name, range);
    net.number = static_cast<int>(nets.size()) - 1;
    return net;
}

Net& add_named_signal(Architecture& owner, std::vector<std::unique_ptr<Net>>& store,
                      HdlContext& context, const std::string& name, Range range) {
    store.push_back(std::make_unique<Net>());
    Net& net = *store.back();
    make_net(net, name, range);
    context.connect_by_name_signals[owner.block_diagram.get()].push_back(&net);
    return net;
}

Net& with_class(Net& net, int signal_class) {
    connections(net).signal_class = signal_class;
    return net;
}

void attach_port(Net& net, Architecture& owner, const std::string& port_name) {
    std::size_t index = 0;
    Port& port = entity_port(*owner.entity, port_name, &index);
    Attachment attachment;
    attachment.port = &port;
    attachment.placement = &owner.port_placements.at(index);
    connections(net).attachments.push_back(attachment);
}

void attach_component(Net& net, Component& component, const std::string& port_name) {
    Attachment attachment;
    attachment.port = &entity_port(*component.entity, port_name);
    attachment.component = &component;
    connections(net).attachments.push_back(attachment);
}

void attach_process(Net& net, Process& process, Port& port) {
    Attachment attachment;
    attachment.port = &port;
    attachment.process = &process;
    connections(net).attachments.push_back(attachment);
}

BusEntry& add_entry(Net& bus, const std::string& index, const std::string& right, unsigned flags) {
    bus.bus_entries.push_back(std::make_unique<BusEntry>());
    BusEntry& entry = *bus.bus_entries.back();
    entry.index = index;
    entry.right = right;
    entry.slice = !right.empty();
    entry.direction = bus.range.direction;
    entry.report_flags = flags;
    return entry;
}

void link_entry(Net& wire, BusEntry& entry, Net& bus) {
    connections(wire).bus_entry_links.push_back({&entry, &bus});
    connections(bus).bus_entry_links.push_back({&entry, &wire});
}

void set_generic_value(Component& component, const std::string& generic, const std::string& value,
                       int unit) {
    const Entity& entity = *component.entity;
    for (std::size_t i = 0; i < entity.generics.size(); ++i)
        if (entity.generics[i]->name == generic) {
            component.generic_values.at(i).actual_value = value;
            component.generic_values.at(i).actual_unit = unit;
            return;
        }
    throw std::invalid_argument("no generic " + generic + " on " + entity.name);
}

} // namespace hdl_text_test
