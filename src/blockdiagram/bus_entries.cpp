// Adding, copying, moving and finding bus entries.
#include "blockdiagram/bus_entries.h"

#include "blockdiagram/net_geometry.h"
#include "blockdiagram/net_lookup.h"
#include "blockdiagram/segment_axis.h"
#include "foundation/kind_vocabulary.h"
#include "foundation/strings.h"

#include <algorithm>
#include <cmath>

namespace zeph {

using axis::offset;

namespace {

// The bus under the point (tolerance 63), with the point snapped onto it; the refusal is
// shown when there is no net or the net is not a bus.
std::optional<SegmentHit> bus_under(ui::Platform& platform, int language,
                                    const BlockDiagram& diagram, Point at) {
    std::optional<SegmentHit> hit = find_segment(diagram, at, kPickTolerance, true);
    if (!hit) {
        platform.status(format_text("No %s found.", kind_name(language, kKindNet, 0, 1).c_str()),
                        true);
        return std::nullopt;
    }
    if (!diagram.nets[hit->net_index]->bus) {
        platform.status("Net is not a bus.", true);
        return std::nullopt;
    }
    return hit;
}

BusEntryRef adopt(BlockDiagram& diagram, std::size_t net_index, std::unique_ptr<BusEntry> entry) {
    Net& bus = *diagram.nets[net_index];
    entry->direction = bus.range.direction;
    entry->label.text = bus_entry_label_text(*entry);
    bus.bus_entries.push_back(std::move(entry));
    return {net_index, bus.bus_entries.size() - 1};
}

long long dx(Point a, Point b) {
    return static_cast<long long>(a.x) - b.x;
}
long long dy(Point a, Point b) {
    return static_cast<long long>(a.y) - b.y;
}

double distance_to_stroke(Point p, Point a, Point b) {
    double ax = a.x, ay = a.y, bx = b.x, by = b.y, px = p.x, py = p.y;
    double vx = bx - ax, vy = by - ay;
    double length2 = vx * vx + vy * vy;
    double t = length2 == 0 ? 0 : std::clamp(((px - ax) * vx + (py - ay) * vy) / length2, 0.0, 1.0);
    double cx = ax + t * vx - px, cy = ay + t * vy - py;
    return std::sqrt(cx * cx + cy * cy);
}

} // namespace

BusEntry& entry_at(BlockDiagram& diagram, BusEntryRef ref) {
    return *diagram.nets[ref.net_index]->bus_entries[ref.entry_index];
}

std::optional<BusEntryRef> add_bus_entry(ui::Platform& platform, int language,
                                         const DesignDefaults& defaults, BlockDiagram& diagram,
                                         Point at, int grid_step) {
    std::optional<SegmentHit> hit = bus_under(platform, language, diagram, at);
    if (!hit) return std::nullopt;
    auto entry = std::make_unique<BusEntry>();
    entry->bus_point = hit->point;
    entry->stub_end = offset(hit->point, grid_step, grid_step);
    entry->index.assign(1, '?'); // (a literal assignment trips a GCC 12 -Wrestrict false positive)
    entry->label =
        new_label(defaults, LabelKind::BusEntry, offset(hit->point, grid_step, grid_step / 2));
    return adopt(diagram, hit->net_index, std::move(entry));
}

std::optional<BusEntryRef> copy_bus_entry(ui::Platform& platform, int language,
                                          BlockDiagram& diagram, const BusEntry& original,
                                          Point at) {
    std::optional<SegmentHit> hit = bus_under(platform, language, diagram, at);
    if (!hit) return std::nullopt;
    auto entry = std::make_unique<BusEntry>(original);
    entry->report_flags = 0;
    entry->bus_point = hit->point;
    entry->stub_end = offset(hit->point, dx(original.stub_end, original.bus_point),
                             dy(original.stub_end, original.bus_point));
    entry->label.anchor = offset(hit->point, dx(original.label.anchor, original.bus_point),
                                 dy(original.label.anchor, original.bus_point));
    return adopt(diagram, hit->net_index, std::move(entry));
}

std::optional<BusEntryRef> move_bus_entry(ui::Platform& platform, int language,
                                          BlockDiagram& diagram, BusEntryRef ref, Point to) {
    if (ref.net_index >= diagram.nets.size() ||
        ref.entry_index >= diagram.nets[ref.net_index]->bus_entries.size())
        return std::nullopt;
    std::optional<SegmentHit> hit = bus_under(platform, language, diagram, to);
    if (!hit) return std::nullopt;
    BusEntry& entry = entry_at(diagram, ref);
    long long mx = dx(hit->point, entry.bus_point);
    long long my = dy(hit->point, entry.bus_point);
    entry.bus_point = hit->point;
    entry.stub_end = offset(entry.stub_end, mx, my);
    entry.label.anchor = offset(entry.label.anchor, mx, my);
    if (hit->net_index == ref.net_index) return ref;
    return adopt(diagram, hit->net_index, remove_bus_entry(diagram, ref));
}

std::unique_ptr<BusEntry> remove_bus_entry(BlockDiagram& diagram, BusEntryRef ref) {
    auto& entries = diagram.nets[ref.net_index]->bus_entries;
    std::unique_ptr<BusEntry> entry = std::move(entries[ref.entry_index]);
    entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(ref.entry_index));
    return entry;
}

std::optional<BusEntryRef> find_bus_entry_stub(const BlockDiagram& diagram, Point p) {
    for (std::size_t n = 0; n < diagram.nets.size(); ++n) {
        const auto& entries = diagram.nets[n]->bus_entries;
        for (std::size_t e = 0; e < entries.size(); ++e)
            if (entries[e]->stub_end == p) return BusEntryRef{n, e};
    }
    return std::nullopt;
}

std::optional<BusEntryRef> find_bus_entry(const BlockDiagram& diagram, Point p, int tolerance) {
    std::optional<BusEntryRef> best;
    double best_distance = 0;
    for (std::size_t n = 0; n < diagram.nets.size(); ++n) {
        const auto& entries = diagram.nets[n]->bus_entries;
        for (std::size_t e = 0; e < entries.size(); ++e) {
            double d = distance_to_stroke(p, entries[e]->bus_point, entries[e]->stub_end);
            if (d > tolerance || (best && d >= best_distance)) continue;
            best = BusEntryRef{n, e};
            best_distance = d;
        }
    }
    return best;
}

void copy_direction_to_entries(Net& bus) {
    for (auto& entry : bus.bus_entries)
        entry->direction = bus.range.direction;
}

void move_entries_lying_on(Net& from, Net& to) {
    auto& entries = from.bus_entries;
    for (std::size_t i = 0; i < entries.size();) {
        if (segments_through(to, entries[i]->bus_point) > 0) {
            entries[i]->direction = to.range.direction;
            to.bus_entries.push_back(std::move(entries[i]));
            entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(i));
        } else {
            ++i;
        }
    }
}

} // namespace zeph
