// Drawing wires: where a wire starts (a port, a bus entry's stub, a net, or a free point) and
// what its new net takes from there, committing its stretches, and what happens when it ends
// on another net (comparison of properties, merge questions).
#pragma once

#include "design/design_defaults.h"

#include "ui/platform.h"

#include "blockdiagram/edit_outcome.h"
#include "blockdiagram/net_rules.h"
#include "design/architecture.h"
#include "design/block_diagram.h"
#include "design/geometry.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

namespace zeph {

enum class WireStartKind { Net, Port, BusEntry, Free };

struct WireStart {
    WireStartKind kind = WireStartKind::Free;
    std::size_t net_index = 0; // kind Net: the net that the wire extends
};

// What lies under the first point of a wire: a net's segment (end or interior) first, then a
// port's connection point, then a bus entry's stub end.
WireStart classify_wire_start(Architecture& architecture, Point at);

// The new net of a wire that starts at `at` and is not on a net: the port's bus flag, range
// and type; a bus entry's slice flag as bus flag, its range and the bus's type; else an
// ordinary net of the default type. Its label follows the program's defaults.
std::unique_ptr<Net> new_wire_net(const DesignDefaults& defaults, Architecture& architecture,
                                  Point at);

// Which properties of two nets differ, for the merge warning.
enum class NetDifference { None, Types, Ranges, TypesAndRanges };
NetDifference compare_nets(const Net& source, const Net& destination, const NetRules& rules);

// A wire (net `source`) has reached net `destination`. Equal properties merge the source into
// the destination silently; otherwise the user is asked "Warning: 'source' net and
// 'destination' net have different %s.\nMerge nets with properties of 'source' net?\n('No'
// merges with 'destination' net.)": Yes keeps the source's properties, No the destination's,
// Cancel merges nothing. A wire that came from a bus entry only tells "Warning: bus entry and
// net have different %s." and merges into the destination. The merge itself may still be
// refused by the short-circuit question. Returns the position of the merged net, or nullopt.
std::optional<std::size_t> join_wire_to_net(ui::Platform& platform, BlockDiagram& diagram,
                                            std::size_t source, std::size_t destination,
                                            const NetRules& rules, bool from_bus_entry);

struct WireResult {
    Outcome outcome = Outcome::Unchanged;
    std::optional<std::size_t> net_index; // the wire's net at the end, when it has one
};

// Draws a wire along a polyline. Consecutive points that share neither x nor y are joined by
// an L (horizontal piece first, or vertical first when asked). Every corner point that lies on
// another net joins the wire to that net (join_wire_to_net); a Cancel there abandons the rest
// of the wire, keeping what was committed before (a net left without segments is removed).
// A stretch that would overlap another net, or touch it anywhere but at the stretch's ends, is
// refused with "Short circuit not allowed." and ends the wire there.
WireResult draw_wire(ui::Platform& platform, const DesignDefaults& defaults,
                     Architecture& architecture, const std::vector<Point>& points,
                     const NetRules& rules, bool vertical_first = false);

} // namespace zeph
