// Finding nets and segments on a diagram, and the names and label texts of nets and bus
// entries.
#pragma once

#include "design/design_defaults.h"

#include "ui/platform.h"

#include "blockdiagram/net_geometry.h"
#include "design/block_diagram.h"
#include "design/geometry.h"
#include "design/label_display.h"
#include "design/net.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zeph {

// Placing and moving bus entries, and picking ports for tags, look this far around the cursor.
inline constexpr int kPickTolerance = 63;

// Distance of a point to a segment: perpendicular within its extent, else to the nearer end
// (Euclidean, truncated to an integer).
int point_segment_distance(const Segment& segment, Point p);

struct SegmentHit {
    std::size_t net_index = 0;
    SegmentRef segment;
    int distance = 0;
    Point point; // the given point, moved onto the segment when snapping
};

// The nearest segment within the tolerance, over the nets in list order and, within a net,
// horizontal segments before vertical ones; the first found wins ties.
std::optional<SegmentHit> find_segment(const BlockDiagram& diagram, Point point, int tolerance,
                                       bool snap);

// Bit arguments of net_display_name.
inline constexpr int kNameOnly = -2;
inline constexpr int kNameWithRange = -1;

// The proper name, or "Net_%d" with the net's number; with kNameWithRange a bus adds its range
// ("%s(%s:%s)"), with a bit number n a bus is written "%s(%d)".
std::string net_display_name(const Net& net, int bit = kNameWithRange);

// The net named by the text: the first with that proper name (ignoring case), else "Net_%d"
// with a number inside the net list. Nothing is shown.
std::optional<std::size_t> find_net_index(const BlockDiagram& diagram, std::string_view text);

struct FoundNet {
    std::size_t index = 0;
    Point centre; // where the view is centred
};
// The find-net command: the found net is marked picked (every other net's mark is cleared);
// "No net found." otherwise.
std::optional<FoundNet> find_net(ui::Platform& platform, int language, BlockDiagram& diagram,
                                 std::string_view text);
// The mean of all segment end points (integer division); the origin for a net without
// segments.
Point net_centre(const Net& net);

// The net's label text by its option bits: the name (show-name, named nets) and "(%s:%s)" with
// the range (show-range, buses); empty when nothing results.
std::string net_label_text(const Net& net);
// "(%s)" with the index, or "(%s:%s)" with left and right for a slice.
std::string bus_entry_label_text(const BusEntry& entry);
// A label of the kind's default size and option word, in the foreground colour.
LabelDisplay new_label(const DesignDefaults& defaults, LabelKind kind, Point anchor);

// Rebuilds the label texts of the net and of its bus entries.
void refresh_net_labels(Net& net);

// The status-line description of a net's ratsnest: "Ratsnest of net '%s'".
std::string ratsnest_description(int language, const Net& net);

} // namespace zeph
