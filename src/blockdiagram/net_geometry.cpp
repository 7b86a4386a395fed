// Inserting and removing segments of a net, and its junction points.
//
// Inserting a stretch on a line: the parts that existing collinear segments already cover are
// skipped; each uncovered piece first cuts every perpendicular segment that it meets inside,
// is then cut itself where a perpendicular segment meets it inside, and finally joins a
// collinear neighbour that ends where it starts (or starts where it ends) when no
// perpendicular segment ends at that point:
//
//        |                        |
//   -----+----   + new  ---  =  --+--+--   (cut pieces, junction points at every 3+ ends)
//        |          piece         |
#include "blockdiagram/net_geometry.h"

#include "blockdiagram/segment_axis.h"

#include <algorithm>

namespace zeph {

using namespace axis;

namespace {

bool junction_before(const JunctionPoint& a, const JunctionPoint& b) {
    return a.y < b.y || (a.y == b.y && a.x < b.x);
}

// Junction lists read from a file come in the file's (reversed) order; lookups need them
// sorted.
void ensure_sorted_junctions(Net& net) {
    if (!std::is_sorted(net.junctions.begin(), net.junctions.end(), junction_before))
        std::sort(net.junctions.begin(), net.junctions.end(), junction_before);
}

// Adds or drops the junction point at p so that it exists exactly with three or more ends.
void update_junction(Net& net, Point p) {
    JunctionPoint j{p.x, p.y};
    auto it = std::lower_bound(net.junctions.begin(), net.junctions.end(), j, junction_before);
    bool present = it != net.junctions.end() && *it == j;
    bool wanted = ends_at(net, p) >= 3;
    if (wanted && !present) net.junctions.insert(it, j);
    if (!wanted && present) net.junctions.erase(it);
}

bool perpendicular_end_at(const Net& net, Orientation o, Point p) {
    bool found = false;
    for_each_through(net, other(o), p, [&](std::size_t i) {
        const Segment& s = segments(net, other(o))[i];
        if (lo_end(s) == p || hi_end(s) == p) found = true;
    });
    return found;
}

// Cuts every perpendicular segment that the piece [from, to] on line c meets inside it, and
// returns the positions along the line where the piece itself must be cut. Perpendicular
// segments are sorted by their line, which is a position along the piece; on each such line
// only the (at most two) segments around c can meet the piece.
std::vector<int> cut_perpendiculars(Net& net, Orientation o, int c, int from, int to) {
    Orientation p = other(o);
    std::vector<Segment>& perpendicular = segments(net, p);
    std::vector<int> piece_cuts;
    std::size_t i = lower(perpendicular, p, from, INT32_MIN);
    while (i < perpendicular.size() && line(perpendicular[i], p) <= to) {
        const int at = line(perpendicular[i], p);
        std::size_t j = upper(perpendicular, p, at, c);
        while (j > 0 && line(perpendicular[j - 1], p) == at && hi(perpendicular[j - 1], p) >= c) {
            Segment s = perpendicular[j - 1];
            if (at > from && at < to) piece_cuts.push_back(at);
            if (lo(s, p) < c && c < hi(s, p)) {
                perpendicular[j - 1] = segment(p, at, lo(s, p), c);
                perpendicular.insert(perpendicular.begin() + static_cast<std::ptrdiff_t>(j),
                                     segment(p, at, c, hi(s, p)));
            }
            --j;
        }
        if (at == INT32_MAX) break;
        i = lower(perpendicular, p, at + 1, INT32_MIN);
    }
    piece_cuts.erase(std::unique(piece_cuts.begin(), piece_cuts.end()), piece_cuts.end());
    return piece_cuts;
}

// Puts the sub-piece [from, to] on line c into the sorted array, extending the previous
// segment or joining the next one where allowed.
void place_piece(Net& net, Orientation o, int c, int from, int to) {
    std::vector<Segment>& a = segments(net, o);
    std::size_t next = lower(a, o, c, from);
    bool join_previous = next > 0 && line(a[next - 1], o) == c && hi(a[next - 1], o) == from &&
                         !perpendicular_end_at(net, o, point(o, c, from));
    bool join_next = next < a.size() && line(a[next], o) == c && lo(a[next], o) == to &&
                     !perpendicular_end_at(net, o, point(o, c, to));
    if (join_previous && join_next) {
        a[next - 1] = segment(o, c, lo(a[next - 1], o), hi(a[next], o));
        a.erase(a.begin() + static_cast<std::ptrdiff_t>(next));
    } else if (join_previous) {
        a[next - 1] = segment(o, c, lo(a[next - 1], o), to);
    } else if (join_next) {
        a[next] = segment(o, c, from, hi(a[next], o));
    } else {
        a.insert(a.begin() + static_cast<std::ptrdiff_t>(next), segment(o, c, from, to));
    }
}

void insert_piece(Net& net, Orientation o, int c, int from, int to) {
    std::vector<int> cuts = cut_perpendiculars(net, o, c, from, to);
    int start = from;
    for (int at : cuts) {
        place_piece(net, o, c, start, at);
        start = at;
    }
    place_piece(net, o, c, start, to);
    update_junction(net, point(o, c, from));
    update_junction(net, point(o, c, to));
    for (int at : cuts)
        update_junction(net, point(o, c, at));
}

// The parts of [from, to] on line c that no segment of the net covers yet.
std::vector<std::pair<int, int>> uncovered_pieces(const Net& net, Orientation o, int c, int from,
                                                  int to) {
    const std::vector<Segment>& a = segments(net, o);
    std::vector<std::pair<int, int>> pieces;
    std::size_t i = lower(a, o, c, from);
    if (i > 0 && line(a[i - 1], o) == c && hi(a[i - 1], o) > from) --i;
    int start = from;
    for (; i < a.size() && line(a[i], o) == c && lo(a[i], o) < to; ++i) {
        if (lo(a[i], o) > start) pieces.emplace_back(start, lo(a[i], o));
        start = std::max(start, hi(a[i], o));
    }
    if (start < to) pieces.emplace_back(start, to);
    return pieces;
}

void insert_on_line(Net& net, Orientation o, int c, int a, int b, bool update_view) {
    if (a == b) return;
    if (a > b) std::swap(a, b);
    ensure_sorted_junctions(net);
    for (auto [from, to] : uncovered_pieces(net, o, c, a, b))
        insert_piece(net, o, c, from, to);
    if (update_view) net.status |= kNetGeometryChanged;
}

// After a segment left: two collinear segments that now meet end to end with nothing else at
// the point become one.
void join_at(Net& net, Orientation removed, Point p) {
    Orientation o = other(removed);
    std::vector<Segment>& a = segments(net, o);
    std::vector<std::size_t> through;
    for_each_through(net, o, p, [&](std::size_t i) { through.push_back(i); });
    if (through.size() != 2 || perpendicular_end_at(net, o, p)) return;
    std::size_t first = std::min(through[0], through[1]);
    std::size_t second = std::max(through[0], through[1]);
    if (hi(a[first], o) != along(p, o) || lo(a[second], o) != along(p, o)) return;
    a[first] = segment(o, line(a[first], o), lo(a[first], o), hi(a[second], o));
    a.erase(a.begin() + static_cast<std::ptrdiff_t>(second));
}

} // namespace

const Segment& segment_at(const Net& net, SegmentRef ref) {
    return segments(net, ref.orientation)[ref.index];
}

void insert_horizontal(Net& net, Point a, Point b, bool update_view) {
    insert_on_line(net, Orientation::Horizontal, a.y, a.x, b.x, update_view);
}

void insert_vertical(Net& net, Point a, Point b, bool update_view) {
    insert_on_line(net, Orientation::Vertical, a.x, a.y, b.y, update_view);
}

bool insert_stretch(Net& net, Point a, Point b, bool update_view) {
    if (a.y == b.y)
        insert_horizontal(net, a, b, update_view);
    else if (a.x == b.x)
        insert_vertical(net, a, b, update_view);
    else
        return false;
    return true;
}

void insert_segment(Net& net, Point a, Point b) {
    if (insert_stretch(net, a, b)) return;
    Point corner{b.x, a.y};
    insert_horizontal(net, a, corner);
    insert_vertical(net, corner, b);
}

void remove_segment(Net& net, SegmentRef ref) {
    std::vector<Segment>& a = segments(net, ref.orientation);
    if (ref.index >= a.size()) return;
    ensure_sorted_junctions(net);
    Segment gone = a[ref.index];
    a.erase(a.begin() + static_cast<std::ptrdiff_t>(ref.index));
    for (Point end : {lo_end(gone), hi_end(gone)}) {
        if (ends_at(net, end) > 0 && !perpendicular_end_at(net, other(ref.orientation), end))
            join_at(net, ref.orientation, end);
        update_junction(net, end);
    }
    net.status |= kNetGeometryChanged;
}

int ends_at(const Net& net, Point p) {
    int count = 0;
    for (Orientation o : {Orientation::Horizontal, Orientation::Vertical})
        for_each_through(net, o, p, [&](std::size_t i) {
            const Segment& s = segments(net, o)[i];
            count += (lo_end(s) == p) + (hi_end(s) == p);
        });
    return count;
}

int segments_through(const Net& net, Point p) {
    int count = 0;
    for (Orientation o : {Orientation::Horizontal, Orientation::Vertical})
        for_each_through(net, o, p, [&](std::size_t) { ++count; });
    return count;
}

bool find_segment_through(const Net& net, Point p, SegmentRef* found) {
    for (Orientation o : {Orientation::Horizontal, Orientation::Vertical}) {
        bool hit = false;
        std::size_t index = 0;
        for_each_through(net, o, p, [&](std::size_t i) {
            hit = true;
            index = i;
        });
        if (hit) {
            if (found != nullptr) *found = {o, index};
            return true;
        }
    }
    return false;
}

void recompute_junctions(Net& net) {
    std::vector<JunctionPoint> ends;
    ends.reserve(2 * (net.horizontal.size() + net.vertical.size()));
    for (const auto* a : {&net.horizontal, &net.vertical})
        for (const Segment& s : *a) {
            ends.push_back({s.x1, s.y1});
            ends.push_back({s.x2, s.y2});
        }
    std::sort(ends.begin(), ends.end(), junction_before);
    net.junctions.clear();
    for (std::size_t i = 0; i < ends.size();) {
        std::size_t j = i;
        while (j < ends.size() && ends[j] == ends[i])
            ++j;
        if (j - i >= 3) net.junctions.push_back(ends[i]);
        i = j;
    }
}

void rebuild_net_geometry(Net& net) {
    std::vector<Segment> all = net.horizontal;
    all.insert(all.end(), net.vertical.begin(), net.vertical.end());
    net.horizontal.clear();
    net.vertical.clear();
    net.junctions.clear();
    for (const Segment& s : all)
        insert_segment(net, lo_end(s), hi_end(s));
    recompute_junctions(net);
}

void renumber_nets(BlockDiagram& diagram) {
    for (std::size_t i = 0; i < diagram.nets.size(); ++i)
        diagram.nets[i]->number = static_cast<int>(i);
}

std::unique_ptr<Net> remove_net(BlockDiagram& diagram, std::size_t index) {
    if (index >= diagram.nets.size()) return nullptr;
    std::unique_ptr<Net> net = std::move(diagram.nets[index]);
    diagram.nets.erase(diagram.nets.begin() + static_cast<std::ptrdiff_t>(index));
    renumber_nets(diagram);
    return net;
}

bool remove_empty_nets(BlockDiagram& diagram) {
    auto empty = [](const std::unique_ptr<Net>& net) {
        return net == nullptr || (net->horizontal.empty() && net->vertical.empty());
    };
    auto first = std::remove_if(diagram.nets.begin(), diagram.nets.end(), empty);
    bool removed = first != diagram.nets.end();
    diagram.nets.erase(first, diagram.nets.end());
    renumber_nets(diagram);
    return removed;
}

} // namespace zeph
