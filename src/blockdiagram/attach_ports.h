// The attachment pass: which ports and bus entries sit on which net, checked for agreement of
// widths and types, and the connect-by-name signals of tagged ports that no wire reached.
// Verification runs it before its connection checks; HDL generation before it names process
// signals.
#pragma once

#include "blockdiagram/net_rules.h"
#include "blockdiagram/port_geometry.h"
#include "design/architecture.h"
#include "design/net.h"
#include "design/report.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace zeph {

// The width of a range in the context of a component (null: the diagram itself); nullopt when
// it cannot be computed. The default evaluates integer bounds only.
using RangeWidth = std::function<std::optional<int>(const Range& range, const Component* owner)>;

struct AttachOptions {
    NetRules rules;
    RangeWidth width; // empty: integer bounds only
};

struct PortConnection {
    PlacedPort port;
    Net* net = nullptr;
};

// The ports of one connect-by-name group, held as a scratch net named by the explicit name,
// or by the first port's name followed by "_I" when the group started from a mode-2 tag.
struct ConnectByNameSignal {
    std::unique_ptr<Net> net;
    bool from_own_name = false; // the group started from a mode-2 tag
    std::vector<PlacedPort> ports;
};

struct Attachments {
    std::vector<PortConnection> wired;        // ports on a segment end, in pass order
    std::vector<ConnectByNameSignal> signals; // in the order of their first ports
    std::vector<PlacedPort> unconnected;      // neither wired nor tagged
    // The net (or scratch net of a signal) that a port reached; null for none.
    Net* net_of(const PlacedPort& port) const;
};

// 1. Removes empty nets, renumbers the rest, frees old NetConnections.
// 2. For every segment end (nets in order, horizontal segments first, first end first): a
//    port there is attached; else a bus entry's stub there is linked to the net (14 when it
//    is the entry's own bus, 12 and 13 on disagreement); else a dangling end is warning 103.
//    A zero-length segment is 1000 (horizontal) or 1001 (vertical) and clears the net's valid
//    flag.
// 3. Attaching checks a tagged port (14), widths (12, 110) and types (13, unless type checks
//    are off); a process port takes the net's bus flag, range and type.
// 4. Tagged ports that no wire reached form connect-by-name signals.
// Messages go to `report` against the architecture and its entity.
Attachments attach_ports(Architecture& architecture, const AttachOptions& options, Report& report);

} // namespace zeph
