// Drawing a wire: its start, its stretches, and joining it to the nets it reaches.
#include "blockdiagram/wire_drawing.h"

#include "blockdiagram/bus_entries.h"
#include "blockdiagram/net_geometry.h"
#include "blockdiagram/net_lookup.h"
#include "blockdiagram/port_geometry.h"
#include "blockdiagram/segment_axis.h"
#include "foundation/strings.h"
#include "foundation/system_message.h"

namespace zeph {

using namespace axis;

namespace {

std::optional<std::size_t> net_through(const BlockDiagram& diagram, Point p,
                                       std::size_t skip = SIZE_MAX) {
    for (std::size_t i = 0; i < diagram.nets.size(); ++i)
        if (i != skip && segments_through(*diagram.nets[i], p) > 0) return i;
    return std::nullopt;
}

const PlacedPort* port_at(const std::vector<PlacedPort>& ports, Point p) {
    for (const PlacedPort& port : ports)
        if (port.connection == p) return &port;
    return nullptr;
}

const char* difference_words(NetDifference difference) {
    switch (difference) {
    case NetDifference::Types:
        return "types";
    case NetDifference::Ranges:
        return "ranges";
    default:
        return "types and ranges";
    }
}

struct Stretch {
    Point from;
    Point to;
};

// The polyline as axis-parallel stretches without zero-length ones.
std::vector<Stretch> stretches_of(const std::vector<Point>& points, bool vertical_first) {
    std::vector<Stretch> stretches;
    auto add = [&](Point a, Point b) {
        if (!(a == b)) stretches.push_back({a, b});
    };
    for (std::size_t i = 1; i < points.size(); ++i) {
        Point a = points[i - 1];
        Point b = points[i];
        if (a.x == b.x || a.y == b.y) {
            add(a, b);
            continue;
        }
        Point corner = vertical_first ? Point{a.x, b.y} : Point{b.x, a.y};
        add(a, corner);
        add(corner, b);
    }
    return stretches;
}

// True when the stretch would join `net` somewhere other than at its own end: a collinear
// overlap, or an end of one of the net's segments strictly inside the stretch. Crossing a
// segment of another net inside both is allowed (crossing wires do not connect).
bool short_circuits(const Net& net, const Stretch& stretch) {
    Orientation o =
        stretch.from.y == stretch.to.y ? Orientation::Horizontal : Orientation::Vertical;
    int c = line(stretch.from, o);
    int a = std::min(along(stretch.from, o), along(stretch.to, o));
    int b = std::max(along(stretch.from, o), along(stretch.to, o));
    const std::vector<Segment>& same = segments(net, o);
    for (std::size_t i = lower(same, o, c, INT32_MIN); i < same.size() && line(same[i], o) == c;
         ++i)
        if (lo(same[i], o) < b && hi(same[i], o) > a) return true;
    Orientation p = other(o);
    const std::vector<Segment>& perpendicular = segments(net, p);
    for (std::size_t i = upper(perpendicular, p, a, INT32_MAX);
         i < perpendicular.size() && line(perpendicular[i], p) < b; ++i)
        if (lo(perpendicular[i], p) == c || hi(perpendicular[i], p) == c) return true;
    return false;
}

struct Geometry {
    std::vector<Segment> horizontal;
    std::vector<Segment> vertical;
    std::vector<JunctionPoint> junctions;
};

Geometry geometry_of(const Net& net) {
    return {net.horizontal, net.vertical, net.junctions};
}

void restore(Net& net, Geometry geometry) {
    net.horizontal = std::move(geometry.horizontal);
    net.vertical = std::move(geometry.vertical);
    net.junctions = std::move(geometry.junctions);
}

// The wire being drawn: its net (not yet in the list until its first stretch commits).
class Wire {
  public:
    Wire(ui::Platform& platform, BlockDiagram& diagram, const NetRules& rules)
        : platform_(platform), diagram_(diagram), rules_(rules) {}

    void start_on_net(std::size_t index) { index_ = index; }
    void start_new(std::unique_ptr<Net> net, bool from_bus_entry) {
        pending_ = std::move(net);
        from_bus_entry_ = from_bus_entry;
    }

    // Commits one stretch; false ends the wire (refused or cancelled).
    bool add(const Stretch& stretch, Outcome& outcome) {
        for (std::size_t i = 0; i < diagram_.nets.size(); ++i)
            if (!is_wire(i) && short_circuits(*diagram_.nets[i], stretch)) {
                platform_.status("Short circuit not allowed.", true);
                outcome = Outcome::Refused;
                return false;
            }
        Net& net = commit_net();
        Geometry before = geometry_of(net);
        insert_stretch(net, stretch.from, stretch.to, true);
        while (std::optional<std::size_t> other = net_through(diagram_, stretch.to, *index_)) {
            std::optional<std::size_t> joined =
                join_wire_to_net(platform_, diagram_, *index_, *other, rules_, from_bus_entry_);
            if (!joined) {
                restore(*diagram_.nets[*index_], std::move(before));
                drop_if_empty();
                outcome = Outcome::Cancelled;
                return false;
            }
            index_ = joined;
            from_bus_entry_ = false;
            before = geometry_of(*diagram_.nets[*index_]);
        }
        outcome = Outcome::Done;
        return true;
    }

    std::optional<std::size_t> index() const { return index_; }

  private:
    bool is_wire(std::size_t i) const { return index_ && *index_ == i; }

    Net& commit_net() {
        if (!index_) {
            pending_->number = static_cast<int>(diagram_.nets.size());
            diagram_.nets.push_back(std::move(pending_));
            index_ = diagram_.nets.size() - 1;
        }
        return *diagram_.nets[*index_];
    }

    void drop_if_empty() {
        const Net& net = *diagram_.nets[*index_];
        if (!net.horizontal.empty() || !net.vertical.empty()) return;
        remove_net(diagram_, *index_);
        index_.reset();
    }

    ui::Platform& platform_;
    BlockDiagram& diagram_;
    const NetRules& rules_;
    std::unique_ptr<Net> pending_;
    std::optional<std::size_t> index_;
    bool from_bus_entry_ = false;
};

} // namespace

WireStart classify_wire_start(Architecture& architecture, Point at) {
    if (architecture.block_diagram == nullptr) return {};
    BlockDiagram& diagram = *architecture.block_diagram;
    if (std::optional<std::size_t> net = net_through(diagram, at))
        return {WireStartKind::Net, *net};
    if (port_at(placed_ports(architecture), at) != nullptr) return {WireStartKind::Port, 0};
    if (find_bus_entry_stub(diagram, at)) return {WireStartKind::BusEntry, 0};
    return {};
}

std::unique_ptr<Net> new_wire_net(const DesignDefaults& defaults, Architecture& architecture,
                                  Point at) {
    auto net = std::make_unique<Net>();
    net->label = new_label(defaults, LabelKind::Net, at);
    std::vector<PlacedPort> ports = placed_ports(architecture);
    if (const PlacedPort* port = port_at(ports, at)) {
        net->bus = port->port->range.has_range;
        net->range = port->port->range;
        net->type_name = port->port->type_name;
    } else if (architecture.block_diagram != nullptr) {
        BlockDiagram& diagram = *architecture.block_diagram;
        if (std::optional<BusEntryRef> ref = find_bus_entry_stub(diagram, at)) {
            const BusEntry& entry = entry_at(diagram, *ref);
            net->bus = entry.slice;
            net->range = {entry.slice, entry.slice ? entry.index : std::string(),
                          entry.slice ? entry.right : std::string(), entry.direction};
            net->type_name = diagram.nets[ref->net_index]->type_name;
        }
    }
    net->range.has_range = net->bus;
    refresh_net_labels(*net);
    return net;
}

NetDifference compare_nets(const Net& source, const Net& destination, const NetRules& rules) {
    bool types =
        types_differ(source.type_name, source.bus, destination.type_name, destination.bus, rules);
    bool ranges = ranges_differ(source.bus, source.range, destination.bus, destination.range);
    if (types && ranges) return NetDifference::TypesAndRanges;
    if (types) return NetDifference::Types;
    if (ranges) return NetDifference::Ranges;
    return NetDifference::None;
}

std::optional<std::size_t> join_wire_to_net(ui::Platform& platform, BlockDiagram& diagram,
                                            std::size_t source, std::size_t destination,
                                            const NetRules& rules, bool from_bus_entry) {
    NetDifference difference =
        compare_nets(*diagram.nets[source], *diagram.nets[destination], rules);
    bool keep_source = false;
    if (difference != NetDifference::None && from_bus_entry) {
        platform.message_box(program_name(),
                             format_text("Warning: %s and %s have different %s.", "bus entry",
                                         "net", difference_words(difference)));
    } else if (difference != NetDifference::None) {
        std::string question =
            format_text("Warning: %s and %s have different %s.", "'source' net",
                        "'destination' net", difference_words(difference)) +
            "\nMerge nets with properties of 'source' net?\n('No' merges with 'destination' net.)";
        ui::Answer answer = platform.ask_yes_no_cancel(program_name(), question);
        if (answer == ui::Answer::Cancel) return std::nullopt;
        keep_source = answer == ui::Answer::Yes;
    }
    Net* merged = keep_source ? merge_nets(platform, diagram, source, destination)
                              : merge_nets(platform, diagram, destination, source);
    if (merged == nullptr) return std::nullopt;
    refresh_net_labels(*merged);
    return static_cast<std::size_t>(merged->number);
}

WireResult draw_wire(ui::Platform& platform, const DesignDefaults& defaults,
                     Architecture& architecture, const std::vector<Point>& points,
                     const NetRules& rules, bool vertical_first) {
    if (architecture.block_diagram == nullptr) return {Outcome::Refused, std::nullopt};
    std::vector<Stretch> stretches = stretches_of(points, vertical_first);
    if (stretches.empty()) return {Outcome::Unchanged, std::nullopt};
    BlockDiagram& diagram = *architecture.block_diagram;
    Wire wire(platform, diagram, rules);
    WireStart start = classify_wire_start(architecture, stretches.front().from);
    if (start.kind == WireStartKind::Net)
        wire.start_on_net(start.net_index);
    else
        wire.start_new(new_wire_net(defaults, architecture, stretches.front().from),
                       start.kind == WireStartKind::BusEntry);
    Outcome outcome = Outcome::Done;
    for (const Stretch& stretch : stretches)
        if (!wire.add(stretch, outcome)) break;
    return {outcome, wire.index()};
}

} // namespace zeph
