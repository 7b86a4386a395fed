// The geometry of a net: inserting horizontal and vertical stretches (extending, joining and
// cutting segments so that every contact lies at segment ends), removing segments, junction
// points, deleting a segment with the split of its net, and merging two nets.
//
// Invariants kept by every operation here, for each net:
// - horizontal segments have y1 == y2, x1 < x2 and are sorted by (y, x1); vertical ones have
//   x1 == x2, y1 < y2 and are sorted by (x, y1); no segment has zero length;
// - no two collinear segments overlap, and two collinear segments that meet end to end are
//   one segment unless a perpendicular segment ends at the meeting point;
// - every contact between two segments lies at an end of both;
// - a junction point exists exactly where three or more segment ends meet.
#pragma once

#include "ui/platform.h"

#include "design/block_diagram.h"
#include "design/geometry.h"
#include "design/net.h"

#include <cstddef>
#include <memory>

namespace zeph {

enum class Orientation { Horizontal, Vertical };

// A segment of a net by orientation and position in its sorted array. Positions change with
// every insertion and removal.
struct SegmentRef {
    Orientation orientation = Orientation::Horizontal;
    std::size_t index = 0;
    bool operator==(const SegmentRef&) const = default;
};

const Segment& segment_at(const Net& net, SegmentRef ref);

// Adds the horizontal stretch from a to b at the y of a (vertical: at the x of a). A stretch of
// zero length is ignored. `update_view` marks the net's geometry changed for the drawing.
void insert_horizontal(Net& net, Point a, Point b, bool update_view = false);
void insert_vertical(Net& net, Point a, Point b, bool update_view = false);
// Either of the two by the points; false (and nothing inserted) for a diagonal.
bool insert_stretch(Net& net, Point a, Point b, bool update_view = false);
// Adds a stretch read from an old design file: axis-parallel stretches are inserted, a
// diagonal one becomes an L (horizontal first).
void insert_segment(Net& net, Point a, Point b);

// Takes a segment out and repairs the geometry: collinear neighbours left meeting end to end
// with nothing else there are joined, junction points with fewer than three ends dropped.
void remove_segment(Net& net, SegmentRef ref);

// Number of segment ends of the net at p, and number of segments on which p lies (ends or
// interior).
int ends_at(const Net& net, Point p);
int segments_through(const Net& net, Point p);
// The segment of the net on which p lies, if any (horizontal ones first).
bool find_segment_through(const Net& net, Point p, SegmentRef* found = nullptr);

// Rebuilds the junction list from the segment ends (sorted by y, then x).
void recompute_junctions(Net& net);
// Re-establishes every invariant after coordinates were changed from outside (moving,
// stretching): all segments are inserted afresh.
void rebuild_net_geometry(Net& net);

// Sets every net's number to its position.
void renumber_nets(BlockDiagram& diagram);
// Takes a net out of the net list and renumbers the rest.
std::unique_ptr<Net> remove_net(BlockDiagram& diagram, std::size_t index);
// Removes nets without segments; true when one was removed.
bool remove_empty_nets(BlockDiagram& diagram);

enum class SegmentDeletion {
    NetKept,    // the net stays whole
    NetSplit,   // the net fell apart; the new pieces are at the end of the net list
    NetDeleted, // it was the net's last segment: the net left the list
};

// Removes a segment; a net left in two pieces is split: the old net loses its proper name and
// its label is hidden, and the piece not reached from its first vertical (else horizontal)
// segment becomes a new net at the end of the list, with the old net's properties and the bus
// entries whose bus point lies on it. The user is told "Net split.". A net whose last segment
// goes is deleted. After NetSplit the caller stops deleting further selected segments of it.
SegmentDeletion delete_segment_and_split(ui::Platform& platform, int language,
                                         BlockDiagram& diagram, std::size_t net_index,
                                         SegmentRef ref);

// The number of separate places where the geometries of two nets touch or overlap.
int contact_count(const Net& a, const Net& b);

// Merges net b into net a: b's segments and bus entries go to a and b leaves the list. When
// the nets touch at two or more separate places the user is asked "Introducing short circuit
// while merging nets.\nContinue?"; No refuses the merge (nullptr, nothing changed). Returns
// the merged net (its position may have changed, see its number).
Net* merge_nets(ui::Platform& platform, BlockDiagram& diagram, std::size_t a, std::size_t b);

} // namespace zeph
