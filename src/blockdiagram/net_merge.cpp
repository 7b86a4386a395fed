// Merging two nets, with the short-circuit question when they touch in more than one place.
#include "blockdiagram/bus_entries.h"
#include "blockdiagram/net_geometry.h"
#include "blockdiagram/net_lookup.h"
#include "blockdiagram/segment_axis.h"
#include "foundation/system_message.h"

#include <algorithm>
#include <numeric>

namespace zeph {

using namespace axis;

namespace {

// A place where two nets share geometry: a point or a collinear overlap, as a closed box.
struct Contact {
    Box box;
};

bool boxes_touch(const Box& a, const Box& b) {
    return a.x1 <= b.x2 && b.x1 <= a.x2 && a.y1 <= b.y2 && b.y1 <= a.y2;
}

Box segment_box(const Segment& s) {
    return {s.x1, s.y1, s.x2, s.y2};
}

std::vector<Contact> contacts_between(const Net& a, const Net& b) {
    std::vector<Contact> contacts;
    for (const auto* sa : {&a.horizontal, &a.vertical})
        for (const Segment& s : *sa)
            for (const auto* sb : {&b.horizontal, &b.vertical})
                for (const Segment& t : *sb) {
                    Box p = segment_box(s);
                    Box q = segment_box(t);
                    if (!boxes_touch(p, q)) continue;
                    contacts.push_back({{std::max(p.x1, q.x1), std::max(p.y1, q.y1),
                                         std::min(p.x2, q.x2), std::min(p.y2, q.y2)}});
                }
    return contacts;
}

std::size_t find_root(std::vector<std::size_t>& parent, std::size_t i) {
    while (parent[i] != i) {
        parent[i] = parent[parent[i]];
        i = parent[i];
    }
    return i;
}

// How many junction points the merge would add, counted on a scratch copy of a that receives
// b's segments. Two or more new junction points also mean a short circuit.
int added_junctions(const Net& a, const Net& b) {
    Net scratch;
    scratch.horizontal = a.horizontal;
    scratch.vertical = a.vertical;
    scratch.junctions = a.junctions;
    for (const auto* sb : {&b.horizontal, &b.vertical})
        for (const Segment& t : *sb)
            insert_stretch(scratch, lo_end(t), hi_end(t));
    recompute_junctions(scratch);
    return static_cast<int>(scratch.junctions.size()) -
           static_cast<int>(a.junctions.size() + b.junctions.size());
}

bool confirm_short_circuit(ui::Platform& platform) {
    ui::Answer answer = platform.ask_yes_no(
        program_name(), "Introducing short circuit while merging nets.\nContinue?");
    return answer == ui::Answer::Yes;
}

} // namespace

int contact_count(const Net& a, const Net& b) {
    std::vector<Contact> contacts = contacts_between(a, b);
    std::vector<std::size_t> parent(contacts.size());
    std::iota(parent.begin(), parent.end(), std::size_t{0});
    for (std::size_t i = 0; i < contacts.size(); ++i)
        for (std::size_t j = i + 1; j < contacts.size(); ++j)
            if (boxes_touch(contacts[i].box, contacts[j].box))
                parent[find_root(parent, i)] = find_root(parent, j);
    int regions = 0;
    for (std::size_t i = 0; i < contacts.size(); ++i)
        if (find_root(parent, i) == i) ++regions;
    return regions;
}

Net* merge_nets(ui::Platform& platform, BlockDiagram& diagram, std::size_t a, std::size_t b) {
    if (a >= diagram.nets.size() || b >= diagram.nets.size()) return nullptr;
    Net& into = *diagram.nets[a];
    if (a == b) return &into;
    Net& from = *diagram.nets[b];
    if ((contact_count(into, from) >= 2 || added_junctions(into, from) >= 2) &&
        !confirm_short_circuit(platform))
        return nullptr;
    for (const auto* segments_of_b : {&from.horizontal, &from.vertical})
        for (const Segment& t : *segments_of_b)
            insert_stretch(into, lo_end(t), hi_end(t), true);
    for (auto& entry : from.bus_entries) {
        entry->direction = into.range.direction;
        into.bus_entries.push_back(std::move(entry));
    }
    from.bus_entries.clear();
    remove_net(diagram, b);
    return &into;
}

} // namespace zeph
