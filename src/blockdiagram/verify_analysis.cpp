// Connection analysis: nets and bus bits joined through bus entries, circular chains, and
// the classification that decides for every net and bit whether it is a local signal of the
// architecture and how generation has to connect it.
//
// Every ordinary net and every bit of a valid bus is a node. A bus entry joins the bits it
// selects with the net its stub reaches (a slice joins bit by bit, in range order). Joined
// nodes form groups; "own" counts belong to the node, "total" counts to its group.
#include "blockdiagram/net_lookup.h"
#include "blockdiagram/verify_context.h"

#include "design/block_diagram.h"
#include "design/status_flags.h"
#include "foundation/kind_vocabulary.h"

#include <algorithm>
#include <numeric>
#include <unordered_map>
#include <vector>

namespace zeph {

namespace {

struct Node {
    Net* net = nullptr;
    int bit = -1;                     // the bit of a bus, -1 for a whole net
    NetConnections* record = nullptr; // own counts
    bool named = false;
    int reached = 0; // entries whose stub brings this node in
    int owned = 0;   // own entries that select this node
};

struct Edge {
    BusEntry* entry = nullptr;
    Net* bus = nullptr;
    std::size_t bus_node = 0;
    std::size_t wire_node = 0;
    bool joined = false; // false for an entry that closes a circle
};

int diagram_ports(const NetConnections& c) {
    return std::accumulate(c.counts[0].begin(), c.counts[0].end(), 0);
}

int all_ports(const NetConnections& c) {
    int n = 0;
    for (const auto& owner : c.counts)
        n += std::accumulate(owner.begin(), owner.end(), 0);
    return n;
}

class Analysis {
  public:
    Analysis(VerifyRun& run, Entity& entity, Architecture& architecture, Attachments& attachments)
        : run_(run), entity_(entity), architecture_(architecture), attachments_(attachments),
          diagram_(*architecture.block_diagram) {}

    void run();

  private:
    void build_nodes();
    void build_edges();
    void link_entry(Net& bus, BusEntry& entry, Net& wire);
    std::size_t find(std::size_t n) {
        while (parent_[n] != n)
            n = parent_[n] = parent_[parent_[n]];
        return n;
    }
    void join();
    void sum_groups();
    void classify(Node& node, const NetConnections& total);
    int class_of(const Node& node, const NetConnections& total) const;
    // The sources on the side of `from` when the group is cut at edge `cut`.
    int sources_beside(std::size_t from, std::size_t cut) const;
    void set_directions();
    void write_totals();
    void say(int number, const Node& node, int i3 = 0) {
        if (node.bit >= 0)
            run_.say(number, node.bit, 0, i3, net_display_name(*node.net, kNameOnly), {}, {},
                     &entity_, &architecture_);
        else
            run_.say(number, -1, kKindNet, i3, net_display_name(*node.net), {}, {}, &entity_,
                     &architecture_);
    }
    bool valid(const Net& net) const { return (net.status & kNetValid) != 0; }

    VerifyRun& run_;
    Entity& entity_;
    Architecture& architecture_;
    Attachments& attachments_;
    BlockDiagram& diagram_;
    std::vector<Node> nodes_;
    std::vector<Edge> edges_;
    std::vector<std::vector<std::size_t>> edges_at_; // joined edges by node
    std::vector<std::size_t> parent_;
    std::vector<NetConnections> totals_; // per group root
    std::unordered_map<const Net*, std::size_t> first_node_;
};

void Analysis::build_nodes() {
    for (auto& owned : diagram_.nets) {
        Net& net = *owned;
        if (!valid(net) || net.connections == nullptr) continue;
        first_node_[&net] = nodes_.size();
        if (!net.bus) {
            nodes_.push_back({&net, -1, net.connections.get(), !net.name.empty()});
            continue;
        }
        auto bits = run_.bus_bits.find(&net);
        if (bits == run_.bus_bits.end() || net.bit_connections.empty()) {
            first_node_.erase(&net);
            continue;
        }
        for (std::size_t k = 0; k < net.bit_connections.size(); ++k)
            nodes_.push_back({&net, bits->second.low + static_cast<int>(k), &net.bit_connections[k],
                              !net.name.empty()});
    }
    for (const ConnectByNameSignal& signal : attachments_.signals)
        nodes_.push_back(
            {signal.net.get(), -1, signal.net->connections.get(), !signal.from_own_name});
}

void Analysis::link_entry(Net& bus, BusEntry& entry, Net& wire) {
    auto selected = run_.entry_bits.find(&entry);
    auto bus_first = first_node_.find(&bus);
    auto wire_first = first_node_.find(&wire);
    if (selected == run_.entry_bits.end() || bus_first == first_node_.end() ||
        wire_first == first_node_.end())
        return;
    const BusBits& bits = run_.bus_bits.at(&bus);
    auto [left, right] = selected->second;
    long long step = left <= right ? 1 : -1;
    long long count = (static_cast<long long>(right) - left) * step + 1;
    int wire_width = wire.bus ? static_cast<int>(wire.bit_connections.size()) : 1;
    int wire_step = 1;
    int wire_start = 0;
    if (wire.bus) {
        const BusBits& wire_bits = run_.bus_bits.at(&wire);
        // Element j of the wire counts from its left bound.
        bool ascending = wire.range.direction == kDirectionTo;
        wire_start = ascending ? 0 : wire_bits.high - wire_bits.low;
        wire_step = ascending ? 1 : -1;
    }
    for (int j = 0; j < count && j < wire_width; ++j) {
        long long bit = left + j * step;
        if (bit < bits.low || bit > bits.high) continue;
        std::size_t bus_node = bus_first->second + static_cast<std::size_t>(bit - bits.low);
        std::size_t wire_node =
            wire_first->second + static_cast<std::size_t>(wire_start + j * wire_step);
        edges_.push_back({&entry, &bus, bus_node, wire_node});
        ++nodes_[bus_node].owned;
        ++nodes_[wire_node].reached;
    }
}

void Analysis::build_edges() {
    for (auto& owned : diagram_.nets) {
        Net& bus = *owned;
        if (!bus.bus || bus.connections == nullptr || !first_node_.contains(&bus)) continue;
        for (const BusEntryLink& link : bus.connections->bus_entry_links) {
            bool own = false;
            for (auto& entry : bus.bus_entries)
                own = own || entry.get() == link.entry;
            if (own && link.reached != nullptr && valid(*link.reached))
                link_entry(bus, *link.entry, *link.reached);
        }
    }
}

// An entry closes a circle when the group its stub reaches already holds a bit of the
// entry's own bus (through another entry, or the same bit twice).
void Analysis::join() {
    parent_.resize(nodes_.size());
    std::iota(parent_.begin(), parent_.end(), 0);
    std::vector<std::vector<const Net*>> buses(nodes_.size());
    for (std::size_t n = 0; n < nodes_.size(); ++n)
        if (nodes_[n].bit >= 0) buses[n].push_back(nodes_[n].net);
    std::vector<const BusEntry*> reported;
    edges_at_.assign(nodes_.size(), {});
    for (std::size_t e = 0; e < edges_.size(); ++e) {
        Edge& edge = edges_[e];
        std::size_t a = find(edge.bus_node);
        std::size_t b = find(edge.wire_node);
        const std::vector<const Net*>& reached = buses[b];
        bool circular =
            a == b || std::find(reached.begin(), reached.end(), edge.bus) != reached.end();
        if (!circular) {
            edge.joined = true;
            edges_at_[edge.bus_node].push_back(e);
            edges_at_[edge.wire_node].push_back(e);
            parent_[a] = b;
            buses[b].insert(buses[b].end(), buses[a].begin(), buses[a].end());
            buses[a].clear();
            continue;
        }
        if (std::find(reported.begin(), reported.end(), edge.entry) != reported.end()) continue;
        reported.push_back(edge.entry);
        run_.say(14, kKindBusEntry, 1, 0, bus_entry_label_text(*edge.entry),
                 position_text(edge.entry->bus_point), net_display_name(*edge.bus), &entity_,
                 &architecture_);
        edge.bus->status &= ~kNetValid;
    }
}

void Analysis::sum_groups() {
    totals_.assign(nodes_.size(), NetConnections{});
    for (std::size_t n = 0; n < nodes_.size(); ++n) {
        const NetConnections& own = *nodes_[n].record;
        NetConnections& total = totals_[find(n)];
        for (std::size_t o = 0; o < 3; ++o)
            for (std::size_t m = 0; m < 5; ++m)
                total.counts[o][m] += own.counts[o][m];
        total.sources += own.sources;
        total.destinations += own.destinations;
    }
}

int Analysis::class_of(const Node& node, const NetConnections& total) const {
    const NetConnections& own = *node.record;
    const int d = diagram_ports(own);
    const int s = own.sources;
    const int t = total.sources;
    const int r = total.destinations;
    const auto& mine = own.counts;
    if (node.reached >= 2) return 11;
    if (node.reached == 1) {
        if (node.named && (s == 0 || s == t)) return 15;
        return d == 0 ? 3 : 27;
    }
    if (d == 0) return 7;
    if (mine[0][kModeInout] > 0) return 3;
    if (node.owned > 0) {
        if (t >= 2) return 15;
        bool single_port =
            mine[0][kModeIn] > 0 || ((mine[0][kModeOut] + mine[0][kModeBuffer]) > 0 && r == 1);
        if (d == 1 && single_port) return node.named ? 15 : 3;
        return 15;
    }
    if (s >= 2) return 15;
    if (d == 1 && mine[0][kModeBuffer] > 0 &&
        (mine[1][kModeBuffer] > 0 || mine[2][kModeOut] + mine[2][kModeBuffer] > 0))
        return 3;
    if (node.named) return 15;
    if (mine[1][kModeBuffer] > 0) return 15;
    if (d >= 2) return 15;
    if (d == 1 && mine[0][kModeIn] > 0) return 3;
    if (d == 1 && own.destinations < 2) return 3;
    return 15;
}

void Analysis::classify(Node& node, const NetConnections& total) {
    const NetConnections& own = *node.record;
    if (total.destinations == 0) say(118, node);
    if (total.sources == 0) say(119, node);
    int errors = run_.report.errors();
    if ((total.counts[0][kModeBuffer] > 0 || total.counts[1][kModeBuffer] > 0) && total.sources > 1)
        say(20, node, 0);
    if (total.counts[0][kModeInout] > 0 && diagram_ports(total) > 1) say(20, node, 1);
    if (node.reached > 0) {
        if (node.owned > 0) say(17, node, 0);
        if (own.counts[0][kModeInout] > 0) say(17, node, 1);
        if (node.reached >= 2 && all_ports(own) > 0) say(17, node, 2);
        if (node.reached >= 3) say(17, node, 3);
    }
    if (run_.report.errors() != errors) {
        node.net->status &= ~kNetValid;
        return;
    }
    int signal_class = class_of(node, total);
    node.record->signal_class = signal_class;
    if ((signal_class & kSignalLocal) != 0) {
        if (total.sources > 1) say(155, node);
    } else if (node.named) {
        int bit = node.bit;
        if (bit >= 0)
            run_.say(156, bit, 0, 0, net_display_name(*node.net, kNameOnly), {}, {}, &entity_,
                     &architecture_);
        else
            run_.say(156, -1, kKindNet, 0, net_display_name(*node.net), {}, {}, &entity_,
                     &architecture_);
    }
}

// The joined entries never close a circle, so a group is a tree and cutting one of its
// entries splits it in two: the side of the bus and the side of the wire.
int Analysis::sources_beside(std::size_t from, std::size_t cut) const {
    int sources = 0;
    std::vector<std::size_t> visited{from};
    for (std::size_t i = 0; i < visited.size(); ++i) {
        std::size_t n = visited[i];
        sources += nodes_[n].record->sources;
        for (std::size_t e : edges_at_[n]) {
            if (e == cut) continue;
            std::size_t other = edges_[e].bus_node == n ? edges_[e].wire_node : edges_[e].bus_node;
            if (std::find(visited.begin(), visited.end(), other) == visited.end())
                visited.push_back(other);
        }
    }
    return sources;
}

// An entry carries a value from the side that has a source: the wire drives the bus when its
// side has one, the bus drives the wire when the bus's side has one. A wire between two
// entries so takes its value from the bus that is driven and passes it on to the other.
void Analysis::set_directions() {
    for (auto& net : diagram_.nets)
        for (auto& entry : net->bus_entries)
            entry->report_flags &= ~(kEntryBusDrivesWire | kEntryWireDrivesBus);
    for (std::size_t e = 0; e < edges_.size(); ++e) {
        const Edge& edge = edges_[e];
        if (sources_beside(edge.wire_node, e) > 0) edge.entry->report_flags |= kEntryWireDrivesBus;
        if (sources_beside(edge.bus_node, e) > 0) edge.entry->report_flags |= kEntryBusDrivesWire;
    }
}

// The records keep the group's counts: what reaches a bit through entries is added to it.
void Analysis::write_totals() {
    for (std::size_t n = 0; n < nodes_.size(); ++n) {
        const NetConnections& total = totals_[find(n)];
        nodes_[n].record->counts = total.counts;
        nodes_[n].record->sources = total.sources;
        nodes_[n].record->destinations = total.destinations;
    }
}

void Analysis::run() {
    build_nodes();
    build_edges();
    join();
    sum_groups();
    for (std::size_t n = 0; n < nodes_.size(); ++n)
        if (valid(*nodes_[n].net) || nodes_[n].net->number < 0)
            classify(nodes_[n], totals_[find(n)]);
    set_directions();
    // A bus is classified by its bits: the union of their classes.
    for (auto& net : diagram_.nets) {
        if (!net->bus || net->connections == nullptr) continue;
        int signal_class = 0;
        for (const NetConnections& bit : net->bit_connections)
            signal_class |= bit.signal_class;
        net->connections->signal_class = valid(*net) ? signal_class : 0;
    }
    for (auto& net : diagram_.nets) {
        if (!valid(*net) || net->connections == nullptr) continue;
        if ((net->connections->signal_class & kSignalLocal) != 0 && net->signal_kind != 0)
            run_.say(153, kKindNet, 0, 0, net_display_name(*net), {}, {}, &entity_, &architecture_);
    }
    for (const ConnectByNameSignal& signal : attachments_.signals) {
        int kind = signal.ports.empty() ? 0 : signal.ports.front().port->signal_kind;
        if ((signal.net->connections->signal_class & kSignalLocal) != 0 && kind != 0)
            run_.say(153, kKindConnectByName, 0, 0, signal.net->name, {}, {}, &entity_,
                     &architecture_);
    }
    write_totals();
}

} // namespace

void analyse_connections(VerifyRun& run, Entity& entity, Architecture& architecture,
                         Attachments& attachments) {
    Analysis(run, entity, architecture, attachments).run();
    // Process ports on an unnamed local signal.
    for (auto& process : architecture.block_diagram->processes)
        for (std::size_t i = 0; i < process->ports.size(); ++i) {
            PlacedPort placed;
            placed.owner = PortOwner::Process;
            placed.port = process->ports[i].get();
            placed.process = process.get();
            Net* net = attachments.net_of(placed);
            if (net == nullptr || net->number < 0 || !net->name.empty() ||
                net->connections == nullptr)
                continue;
            if ((net->connections->signal_class & kSignalLocal) == 0) continue;
            run.say(104, kKindProcessPort, 1, 0, net_display_name(*net, kNameOnly), process->name,
                    {}, &entity, &architecture, process.get());
        }
    assign_process_signals(run, architecture, attachments);
    give_machines_their_signals(run, entity, architecture);
    if (run.mode == VerifyMode::Quick) return;
    for (auto& process : architecture.block_diagram->processes)
        if (!has_error(process->status))
            check_own_architecture(run, entity, architecture, *process);
}

} // namespace zeph
