// A net of a block diagram: its wire geometry (segments, junction points, bus entries) and the
// signal it stands for. The geometry rules (insertion, merging, splitting) live with the
// block-diagram code; these are the records.
#pragma once

#include "design/geometry.h"
#include "design/label_display.h"
#include "design/net_connections.h"
#include "design/port.h"

#include <memory>
#include <string>
#include <vector>

namespace zeph {

// Net status bits.
inline constexpr unsigned kNetPicked = 1;
inline constexpr unsigned kNetValid = 2;
inline constexpr unsigned kNetGeometryChanged = 16;

// Net label option bits.
inline constexpr unsigned kNetShowRange = 1;
inline constexpr unsigned kNetShowName = 2;

// Segment flag bits.
inline constexpr unsigned kSegmentSelected = 1;
inline constexpr unsigned kSegmentReached = 4;

// Horizontal: y1 == y2 and x1 < x2; vertical: x1 == x2 and y1 < y2.
struct Segment {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    unsigned flags = 0;
};

struct JunctionPoint {
    int x = 0;
    int y = 0;
    bool operator==(const JunctionPoint&) const = default;
};

struct BusEntry {
    Point bus_point; // on a segment of the owning bus
    Point stub_end;  // where an ordinary wire connects
    LabelDisplay label;
    bool slice = false;
    int direction = kDirectionDownto; // copy of the bus's direction
    std::string index;                // index, or left bound of a slice; up to 32
    std::string right;                // right bound of a slice; up to 32
    unsigned report_flags = 0;
};

struct Net {
    std::string type_name; // up to 32; empty: the design's default type
    bool bus = false;
    std::string name;          // proper name, up to 32, or empty
    std::string default_value; // up to 256
    LabelDisplay label;
    unsigned status = 0;
    int number = 0; // position in the net list
    int signal_kind = 0;
    bool register_flag = false;
    std::vector<Segment> horizontal; // sorted by y, then x1
    std::vector<Segment> vertical;   // sorted by x, then y1
    std::vector<JunctionPoint> junctions;
    std::vector<std::unique_ptr<BusEntry>> bus_entries;
    Range range; // meaningful with the bus flag; has_range mirrors it
    // Built by the attachment pass of verification; empty otherwise.
    std::unique_ptr<NetConnections> connections;
    std::vector<NetConnections> bit_connections;
};

} // namespace zeph
