// Deleting a segment of a net, and splitting the net when it falls apart.
#include "blockdiagram/bus_entries.h"
#include "blockdiagram/net_geometry.h"
#include "blockdiagram/net_lookup.h"
#include "blockdiagram/segment_axis.h"
#include "foundation/kind_vocabulary.h"
#include "foundation/strings.h"

#include <deque>

namespace zeph {

using namespace axis;

namespace {

void clear_marks(Net& net) {
    for (auto* a : {&net.horizontal, &net.vertical})
        for (Segment& s : *a)
            s.flags &= ~kSegmentReached;
}

// Marks every segment connected, through shared end points, to the first vertical segment
// (the first horizontal one when there is none). Returns the number marked.
std::size_t mark_reached(Net& net) {
    clear_marks(net);
    std::deque<SegmentRef> queue;
    SegmentRef start{net.vertical.empty() ? Orientation::Horizontal : Orientation::Vertical, 0};
    if (segments(net, start.orientation).empty()) return 0;
    segments(net, start.orientation)[0].flags |= kSegmentReached;
    queue.push_back(start);
    std::size_t marked = 1;
    while (!queue.empty()) {
        Segment s = segment_at(net, queue.front());
        queue.pop_front();
        for (Point end : {lo_end(s), hi_end(s)})
            for (Orientation o : {Orientation::Horizontal, Orientation::Vertical})
                for_each_through(net, o, end, [&](std::size_t i) {
                    Segment& t = segments(net, o)[i];
                    if ((t.flags & kSegmentReached) != 0) return;
                    t.flags |= kSegmentReached;
                    ++marked;
                    queue.push_back({o, i});
                });
    }
    return marked;
}

// A new net with the properties of `old` but none of its geometry.
std::unique_ptr<Net> sibling_net(const Net& old, int number) {
    auto net = std::make_unique<Net>();
    net->type_name = old.type_name;
    net->bus = old.bus;
    net->range = old.range;
    net->default_value = old.default_value;
    net->label = old.label;
    net->signal_kind = old.signal_kind;
    net->register_flag = old.register_flag;
    net->number = number;
    net->status = kNetGeometryChanged;
    return net;
}

// Moves the segments without the reached-mark from `from` to `to`, keeping both sorted.
void move_unreached(Net& from, Net& to) {
    for (Orientation o : {Orientation::Horizontal, Orientation::Vertical}) {
        std::vector<Segment> kept;
        for (Segment s : segments(from, o)) {
            bool reached = (s.flags & kSegmentReached) != 0;
            s.flags &= ~kSegmentReached;
            (reached ? kept : segments(to, o)).push_back(s);
        }
        segments(from, o) = std::move(kept);
    }
    recompute_junctions(from);
    recompute_junctions(to);
}

std::size_t segment_count(const Net& net) {
    return net.horizontal.size() + net.vertical.size();
}

// Splits off the pieces not reached from the net's first segment, one new net per piece.
bool split_unreached(BlockDiagram& diagram, std::size_t net_index) {
    bool split = false;
    std::size_t current = net_index;
    while (mark_reached(*diagram.nets[current]) < segment_count(*diagram.nets[current])) {
        Net& old = *diagram.nets[current];
        auto piece = sibling_net(old, static_cast<int>(diagram.nets.size()));
        if (!split) {
            old.name.clear();
            old.label.options = kLabelHidden;
            refresh_net_labels(old);
        }
        move_unreached(old, *piece);
        move_entries_lying_on(old, *piece);
        refresh_net_labels(*piece);
        diagram.nets.push_back(std::move(piece));
        current = diagram.nets.size() - 1;
        split = true;
    }
    clear_marks(*diagram.nets[current]);
    return split;
}

} // namespace

SegmentDeletion delete_segment_and_split(ui::Platform& platform, int language,
                                         BlockDiagram& diagram, std::size_t net_index,
                                         SegmentRef ref) {
    if (net_index >= diagram.nets.size()) return SegmentDeletion::NetKept;
    Net& net = *diagram.nets[net_index];
    if (ref.index >= segments(net, ref.orientation).size()) return SegmentDeletion::NetKept;
    if (segment_count(net) == 1) {
        remove_net(diagram, net_index);
        return SegmentDeletion::NetDeleted;
    }
    remove_segment(net, ref);
    net.status |= kNetGeometryChanged;
    if (segment_count(net) == 0) {
        remove_net(diagram, net_index);
        return SegmentDeletion::NetDeleted;
    }
    if (!split_unreached(diagram, net_index)) return SegmentDeletion::NetKept;
    platform.status(
        format_text("%s split.", kind_name(language, kKindNet, kKindCapital, 1).c_str()), false);
    return SegmentDeletion::NetSplit;
}

} // namespace zeph
