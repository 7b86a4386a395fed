// Bus entries: taps on a bus that carry an index or a slice of it to an ordinary wire. Adding,
// copying, moving and removing them, and finding them by their ends.
#pragma once

#include "ui/platform.h"

#include "design/design_defaults.h"

#include "design/block_diagram.h"
#include "design/geometry.h"
#include "design/net.h"

#include <cstddef>
#include <memory>
#include <optional>

namespace zeph {

// A bus entry by its bus's position in the net list and its position among the bus's entries.
struct BusEntryRef {
    std::size_t net_index = 0;
    std::size_t entry_index = 0;
    bool operator==(const BusEntryRef&) const = default;
};

BusEntry& entry_at(BlockDiagram& diagram, BusEntryRef ref);

// A new entry on the bus under `at` (tolerance 63, snapped onto it): the stub end one grid
// step further in x and y, index "?", the label one grid step right of the bus point and half
// a step below it, in the label defaults of bus entries. Refused with "No net found." or "Net
// is not a bus." (kind words of the language) in the status line.
std::optional<BusEntryRef> add_bus_entry(ui::Platform& platform, int language,
                                         const DesignDefaults& defaults, BlockDiagram& diagram,
                                         Point at, int grid_step);

// A copy of `original` on the bus under `at`, with the same offset between its ends, the same
// slice flag, index or range, and label style. Refused as add_bus_entry.
std::optional<BusEntryRef> copy_bus_entry(ui::Platform& platform, int language,
                                          BlockDiagram& diagram, const BusEntry& original,
                                          Point at);

// Moves an entry so that its bus point lies on the bus under `to` (the stub and label keep
// their offsets). Dropped on another bus it changes owner. Dropped on a net that is not a bus
// ("Net is not a bus.") or where no net is ("No net found.") it stays where it was and nullopt
// is returned.
std::optional<BusEntryRef> move_bus_entry(ui::Platform& platform, int language,
                                          BlockDiagram& diagram, BusEntryRef ref, Point to);

// Takes an entry out of its bus.
std::unique_ptr<BusEntry> remove_bus_entry(BlockDiagram& diagram, BusEntryRef ref);

// The entry whose stub end is exactly at p (first in net order).
std::optional<BusEntryRef> find_bus_entry_stub(const BlockDiagram& diagram, Point p);
// The entry nearest to p (its bus point, its stub end or the stroke between them) within the
// tolerance, for selection.
std::optional<BusEntryRef> find_bus_entry(const BlockDiagram& diagram, Point p, int tolerance);

// Entries follow their bus: the direction of every entry becomes the bus's.
void copy_direction_to_entries(Net& bus);

// Gives every bus entry whose bus point lies on `to` (and not on its current owner) to `to`.
void move_entries_lying_on(Net& from, Net& to);

} // namespace zeph
