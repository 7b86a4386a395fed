// Connect-by-name tags: ports joined into one signal by a name instead of a wire. Placing a
// tag on a port, editing and copying it, and the effective name by which ports are grouped.
#pragma once

#include "design/design_defaults.h"

#include "ui/platform.h"

#include "blockdiagram/edit_outcome.h"
#include "blockdiagram/net_rules.h"
#include "blockdiagram/port_geometry.h"
#include "design/architecture.h"
#include "design/geometry.h"
#include "design/port.h"

#include <optional>
#include <string>
#include <string_view>

namespace zeph {

// The tag record of a placed port: the placement's tag for a diagram port, the port
// instance's for a component port, the port's own for a process port.
ConnectByName& tag_of(const PlacedPort& port);

// The explicit name in mode 1, the port's own name in mode 2, "" without a tag.
std::string effective_connect_name(const PlacedPort& port);

// The port whose connection point is nearest to `at` within the tolerance.
std::optional<PlacedPort> find_port(Architecture& architecture, Point at, int tolerance);

// Puts a tag on the port under the cursor (tolerance 63). A process port asks "Enter label:"
// for the name (cancelled: no tag) and gets mode 1; component and diagram ports get mode 2.
// Refused with "Position already occupied." or "No port found.".
Outcome place_tag(ui::Platform& platform, const DesignDefaults& defaults,
                  Architecture& architecture, Point at, const NetRules& rules);

// The "Edit Connect-by-Name" dialog's OK with the field "&Name:": a non-empty name must be a
// legal identifier and sets mode 1; an empty one sets mode 2, except on a process port
// ("No name specified.").
Outcome edit_tag(ui::Platform& platform, const DesignDefaults& defaults, const PlacedPort& port,
                 std::string_view name, const NetRules& rules);

// Copies the tag of `from` onto the port under `to`, with its mode and name. A mode-2 tag on
// a process port is refused with "Connect-by-name on process port must have a name."; a port
// that has a tag already with "Position already occupied.".
Outcome copy_tag(ui::Platform& platform, int language, const DesignDefaults& defaults,
                 Architecture& architecture, const PlacedPort& from, Point to);

// Removes the tag of a port (deleting the tag object).
Outcome remove_tag(const PlacedPort& port);

} // namespace zeph
