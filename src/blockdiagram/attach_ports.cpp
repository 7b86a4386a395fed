// The attachment pass: ports and bus-entry stubs found at segment ends, their agreement with
// the net, dangling ends, and the connect-by-name signals of tagged ports without a wire.
#include "blockdiagram/attach_ports.h"

#include "blockdiagram/connect_by_name.h"
#include "blockdiagram/net_geometry.h"
#include "blockdiagram/net_lookup.h"
#include "design/entity.h"
#include "foundation/kind_vocabulary.h"
#include "foundation/strings.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>

namespace zeph {

namespace {

std::uint64_t key(Point p) {
    return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(p.x)) << 32) |
           static_cast<std::uint32_t>(p.y);
}

std::string position_text(Point p) {
    return format_text("at (%d, %d)", p.x, p.y);
}

int owner_slot(PortOwner owner) {
    switch (owner) {
    case PortOwner::Diagram:
        return 0;
    case PortOwner::Component:
        return 1;
    default:
        return 2;
    }
}

// Sources drive a net from outside the diagram (diagram "In"/"Inout") or from inside
// (component and process "Out"/"Inout"/"Buffer"); destinations the reverse.
void count_attachment(NetConnections& c, PortOwner owner, int mode) {
    if (mode < kModeIn || mode > kModeBuffer) return;
    ++c.counts[static_cast<std::size_t>(owner_slot(owner))][static_cast<std::size_t>(mode)];
    bool diagram = owner == PortOwner::Diagram;
    bool drives = diagram ? (mode == kModeIn || mode == kModeInout) : mode != kModeIn;
    bool reads = diagram ? mode != kModeIn : (mode == kModeIn || mode == kModeInout);
    if (drives) ++c.sources;
    if (reads) ++c.destinations;
}

struct StubOwner {
    BusEntry* entry;
    Net* bus;
};

class AttachPass {
  public:
    AttachPass(Architecture& architecture, const AttachOptions& options, Report& report)
        : architecture_(architecture), diagram_(*architecture.block_diagram), options_(options),
          rules_(options.rules), report_(report), ports_(placed_ports(architecture)),
          wired_(ports_.size(), nullptr) {}

    Attachments run();

  private:
    void prepare();
    void index_ports_and_stubs();
    void visit_net(Net& net);
    void visit_end(Net& net, Point end);
    void attach(std::size_t port_index, Net& net, bool by_name);
    void check_port(const PlacedPort& port, Net& net);
    void link_entry(const StubOwner& stub, Net& net);
    void group_by_name(Attachments& result);

    std::optional<int> width(const Range& range, bool bus, const Component* owner) const;
    bool refers_to_different_generics(const PlacedPort& port, const Net& net) const;
    void report(int number, int i1, int i2, int i3, const std::string& s1,
                const std::string& s2 = {}, const std::string& s3 = {}, Process* process = nullptr);
    void error_against(Net& net) { net.status &= ~kNetValid; }

    Architecture& architecture_;
    BlockDiagram& diagram_;
    const AttachOptions& options_;
    const NetRules& rules_;
    Report& report_;
    std::vector<PlacedPort> ports_;
    std::vector<Net*> wired_; // per port: the first net that reached it
    std::unordered_map<std::uint64_t, std::vector<std::size_t>> ports_at_;
    std::unordered_map<std::uint64_t, std::vector<StubOwner>> stubs_at_;
    std::vector<PortConnection> connections_;
};

void AttachPass::prepare() {
    remove_empty_nets(diagram_);
    for (auto& net : diagram_.nets) {
        net->connections = std::make_unique<NetConnections>();
        net->bit_connections.clear();
    }
}

void AttachPass::index_ports_and_stubs() {
    for (std::size_t i = 0; i < ports_.size(); ++i)
        ports_at_[key(ports_[i].connection)].push_back(i);
    for (auto& net : diagram_.nets)
        for (auto& entry : net->bus_entries)
            stubs_at_[key(entry->stub_end)].push_back({entry.get(), net.get()});
}

std::optional<int> AttachPass::width(const Range& range, bool bus, const Component* owner) const {
    if (!bus) return 1;
    if (options_.width) return options_.width(range, owner);
    return integer_range_width(range);
}

void AttachPass::report(int number, int i1, int i2, int i3, const std::string& s1,
                        const std::string& s2, const std::string& s3, Process* process) {
    report_.report(number, i1, i2, i3, s1.c_str(), s2.c_str(), s3.c_str(), architecture_.entity,
                   &architecture_, process);
}

void AttachPass::visit_net(Net& net) {
    for (Orientation o : {Orientation::Horizontal, Orientation::Vertical}) {
        const std::vector<Segment>& segments =
            o == Orientation::Horizontal ? net.horizontal : net.vertical;
        for (std::size_t i = 0; i < segments.size(); ++i) {
            Segment s = segments[i];
            if (s.x1 == s.x2 && s.y1 == s.y2) {
                report(o == Orientation::Horizontal ? 1000 : 1001, static_cast<int>(i),
                       static_cast<int>(segments.size()), 0, position_text({s.x1, s.y1}));
                error_against(net);
                continue;
            }
            visit_end(net, {s.x1, s.y1});
            visit_end(net, {s.x2, s.y2});
        }
    }
}

void AttachPass::visit_end(Net& net, Point end) {
    if (auto it = ports_at_.find(key(end)); it != ports_at_.end()) {
        for (std::size_t index : it->second)
            attach(index, net, false);
        return;
    }
    if (auto it = stubs_at_.find(key(end)); it != stubs_at_.end()) {
        for (const StubOwner& stub : it->second)
            link_entry(stub, net);
        return;
    }
    for (const auto& entry : net.bus_entries)
        if (entry->bus_point == end) return;
    if (segments_through(net, end) < 2)
        report(103, 0, 0, 0, net_display_name(net), position_text(end));
}

void AttachPass::link_entry(const StubOwner& stub, Net& net) {
    BusEntry& entry = *stub.entry;
    Net& bus = *stub.bus;
    std::string label = bus_entry_label_text(entry);
    if (&bus == &net) {
        report(14, kKindBusEntry, 1, 0, label, position_text(entry.bus_point),
               net_display_name(bus));
        error_against(net);
        return;
    }
    auto add_link = [](NetConnections& c, BusEntry* e, Net* reached) {
        for (const BusEntryLink& link : c.bus_entry_links)
            if (link.entry == e && link.reached == reached) return;
        c.bus_entry_links.push_back({e, reached});
    };
    add_link(*net.connections, &entry, &bus);
    add_link(*bus.connections, &entry, &net);
    Range slice{entry.slice, entry.index, entry.right, entry.direction};
    std::optional<int> entry_width = width(slice, entry.slice, nullptr);
    std::optional<int> net_width = width(net.range, net.bus, nullptr);
    if (entry.slice != net.bus || entry_width.has_value() != net_width.has_value() ||
        (entry_width && *entry_width != *net_width)) {
        report(12, kKindBusEntry, 0, kKindNet, label, net_display_name(net));
        error_against(net);
    }
    if (!rules_.type_checks) return;
    // The bus itself is compared with the wire: a slice carries the bus's type, while one bit
    // of a std_logic_vector bus is a std_logic wire, so there the names must differ.
    bool same_name = names_equal(effective_type_name(bus.type_name, bus.bus, rules_),
                                 effective_type_name(net.type_name, net.bus, rules_), rules_.rules);
    if (bus.bus == net.bus && !same_name) {
        report(13, kKindBusEntry, 0, kKindNet, label, net_display_name(net));
        error_against(net);
    } else if (bus.bus != net.bus && same_name) {
        report(13, kKindBusEntry, 1, kKindNet, label, net_display_name(net));
        error_against(net);
    }
}

bool AttachPass::refers_to_different_generics(const PlacedPort& port, const Net& net) const {
    const Component* port_owner = port.owner == PortOwner::Component ? port.component : nullptr;
    auto generic = [](const std::string& bound) {
        std::string text = bound;
        return !bound.empty() && !normalise_integer(text);
    };
    auto differ = [&](const std::string& a, const std::string& b) {
        return generic(a) && generic(b) &&
               (port_owner != nullptr || !names_equal(a, b, rules_.rules));
    };
    const Range& r = port.port->range;
    return differ(r.left, net.range.left) || differ(r.right, net.range.right);
}

void AttachPass::check_port(const PlacedPort& placed, Net& net) {
    const Port& port = *placed.port;
    int kind = placed_port_kind(placed);
    std::string title = placed_port_title(placed);
    const Component* owner = placed.owner == PortOwner::Component ? placed.component : nullptr;
    std::optional<int> port_width = width(port.range, port.range.has_range, owner);
    std::optional<int> net_width = width(net.range, net.bus, nullptr);
    bool external_pending =
        owner != nullptr && owner->entity != nullptr && owner->entity->external && !port_width;
    bool widths_disagree = port_width.has_value() != net_width.has_value() ||
                           (port_width && *port_width != *net_width);
    if (port.range.has_range != net.bus || (widths_disagree && !external_pending)) {
        report(12, kind, 0, kKindNet, title, net_display_name(net));
        error_against(net);
    } else if (net.bus && port_width && net_width && refers_to_different_generics(placed, net)) {
        report(110, kind, 0, kKindNet, title, net_display_name(net));
    }
    if (types_differ(port.type_name, port.range.has_range, net.type_name, net.bus, rules_)) {
        report(13, kind, 0, kKindNet, title, net_display_name(net));
        error_against(net);
    }
}

void AttachPass::attach(std::size_t port_index, Net& net, bool by_name) {
    PlacedPort& placed = ports_[port_index];
    for (const Attachment& a : net.connections->attachments)
        if (a.port == placed.port && a.component == placed.component && a.process == placed.process)
            return;
    if (!by_name && tag_of(placed).mode != kConnectNone) {
        std::string what = format_text(
            "%s '%s'",
            kind_name(report_.language(), placed_port_kind(placed), kKindCapital, 1).c_str(),
            placed_port_title(placed).c_str());
        report(14, 0, 0, 0, what, net_display_name(net), {}, placed.process);
        error_against(net);
    }
    if (placed.owner == PortOwner::Process) {
        placed.port->range = net.range;
        placed.port->range.has_range = net.bus;
        placed.port->type_name = net.type_name;
    } else if (rules_.type_checks) {
        check_port(placed, net);
    }
    net.connections->attachments.push_back(
        {placed.port, placed.placement, placed.component, placed.process});
    count_attachment(*net.connections, placed.owner, placed.port->mode);
    if (wired_[port_index] == nullptr) {
        wired_[port_index] = &net;
        if (!by_name) connections_.push_back({placed, &net});
    }
}

void AttachPass::group_by_name(Attachments& result) {
    for (std::size_t i = 0; i < ports_.size(); ++i) {
        if (wired_[i] != nullptr) continue;
        const PlacedPort& placed = ports_[i];
        const ConnectByName& tag = tag_of(placed);
        if (tag.mode == kConnectNone) {
            result.unconnected.push_back(placed);
            continue;
        }
        std::string name = effective_connect_name(placed);
        auto same = [&](const ConnectByNameSignal& s) {
            return names_equal(effective_connect_name(s.ports.front()), name, rules_.rules);
        };
        auto it = std::find_if(result.signals.begin(), result.signals.end(), same);
        if (it == result.signals.end()) {
            ConnectByNameSignal signal;
            signal.net = std::make_unique<Net>();
            signal.from_own_name = tag.mode == kConnectOwnName;
            signal.net->name = signal.from_own_name ? name + "_I" : name;
            signal.net->type_name = placed.port->type_name;
            signal.net->bus = placed.port->range.has_range;
            signal.net->range = placed.port->range;
            signal.net->connections = std::make_unique<NetConnections>();
            signal.net->number = -1;
            result.signals.push_back(std::move(signal));
            it = result.signals.end() - 1;
        }
        it->ports.push_back(placed);
        attach(i, *it->net, true);
    }
}

Attachments AttachPass::run() {
    prepare();
    index_ports_and_stubs();
    for (auto& net : diagram_.nets)
        visit_net(*net);
    Attachments result;
    group_by_name(result);
    result.wired = std::move(connections_);
    return result;
}

} // namespace

Net* Attachments::net_of(const PlacedPort& port) const {
    for (const PortConnection& c : wired)
        if (c.port.same_port(port)) return c.net;
    for (const ConnectByNameSignal& s : signals)
        for (const PlacedPort& p : s.ports)
            if (p.same_port(port)) return s.net.get();
    return nullptr;
}

Attachments attach_ports(Architecture& architecture, const AttachOptions& options, Report& report) {
    if (architecture.block_diagram == nullptr) return {};
    return AttachPass(architecture, options, report).run();
}

} // namespace zeph
