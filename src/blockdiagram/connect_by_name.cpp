// Connect-by-name tags on diagram ports, component ports and process ports.
#include "blockdiagram/connect_by_name.h"

#include "blockdiagram/diagram_messages.h"
#include "blockdiagram/net_lookup.h"
#include "blockdiagram/segment_axis.h"
#include "design/name_limits.h"
#include "foundation/kind_vocabulary.h"
#include "foundation/strings.h"
#include "foundation/system_message.h"

#include <cmath>
#include <utility>

namespace zeph {

namespace {

void refuse_not_found(ui::Platform& platform, int language, int kind) {
    refuse(platform, format_text("No %s found.", kind_name(language, kind, 0, 1).c_str()));
}

int placed_port_side(const PlacedPort& port) {
    return port.owner == PortOwner::Diagram ? diagram_port_side(*port.port) : port.port->side;
}

// A fresh tag label just outside the port's connection point.
LabelDisplay tag_label(const DesignDefaults& defaults, const PlacedPort& port,
                       const std::string& text) {
    LabelDisplay label =
        new_label(defaults, LabelKind::ConnectLabel,
                  outward(port.connection, placed_port_side(port), kConnectionDistance));
    label.text = text;
    return label;
}

// The explicit name checks shared by placing and editing a tag.
bool name_is_acceptable(ui::Platform& platform, const PlacedPort& port, const std::string& name,
                        const NetRules& rules) {
    if (name.empty()) {
        if (port.owner != PortOwner::Process) return true;
        refuse(platform, format_text("No %s specified.", "name"));
        return false;
    }
    if (int code = check_identifier(name, kMaxHdlName, rules.rules); code != 0) {
        system_message(platform, code, 0, name.c_str());
        return false;
    }
    return true;
}

} // namespace

ConnectByName& tag_of(const PlacedPort& port) {
    switch (port.owner) {
    case PortOwner::Diagram:
        return port.placement->connect_by_name;
    case PortOwner::Process:
        return port.port->connect_by_name;
    default:
        break;
    }
    // Port instances run parallel to the entity's ports; a component read from a damaged
    // file may have fewer, and gets the missing ones here.
    std::vector<PortInstance>& instances = port.component->port_instances;
    if (port.index >= instances.size()) instances.resize(port.index + 1);
    return instances[port.index].connect_by_name;
}

std::string effective_connect_name(const PlacedPort& port) {
    const ConnectByName& tag = tag_of(port);
    if (tag.mode == kConnectExplicit) return tag.label.text;
    if (tag.mode == kConnectOwnName) return placed_port_name(port);
    return {};
}

std::optional<PlacedPort> find_port(Architecture& architecture, Point at, int tolerance) {
    std::optional<PlacedPort> best;
    double best_distance = 0;
    for (const PlacedPort& port : placed_ports(architecture)) {
        double dx = static_cast<double>(port.connection.x) - at.x;
        double dy = static_cast<double>(port.connection.y) - at.y;
        double d = std::sqrt(dx * dx + dy * dy);
        if (d > tolerance || (best && d >= best_distance)) continue;
        best = port;
        best_distance = d;
    }
    return best;
}

Outcome place_tag(ui::Platform& platform, const DesignDefaults& defaults,
                  Architecture& architecture, Point at, const NetRules& rules) {
    std::optional<PlacedPort> port = find_port(architecture, at, kPickTolerance);
    if (!port) {
        refuse_not_found(platform, rules.language, kKindPort);
        return Outcome::Refused;
    }
    ConnectByName& tag = tag_of(*port);
    if (tag.mode != kConnectNone) {
        refuse(platform, "Position already occupied.");
        return Outcome::Refused;
    }
    if (port->owner != PortOwner::Process) {
        tag = {kConnectOwnName, true, tag_label(defaults, *port, "")};
        return Outcome::Done;
    }
    std::optional<std::string> name = platform.prompt_text(
        format_text("Enter %s:", kind_name(rules.language, kKindLabel, 0, 1).c_str()), "",
        kMaxHdlName);
    if (!name) return Outcome::Cancelled;
    std::string text = bounded(*name, kMaxHdlName);
    if (!name_is_acceptable(platform, *port, text, rules)) return Outcome::Refused;
    tag = {kConnectExplicit, true, tag_label(defaults, *port, text)};
    return Outcome::Done;
}

Outcome edit_tag(ui::Platform& platform, const DesignDefaults& defaults, const PlacedPort& port,
                 std::string_view name, const NetRules& rules) {
    std::string text = bounded(name, kMaxHdlName);
    if (!name_is_acceptable(platform, port, text, rules)) return Outcome::Refused;
    ConnectByName& tag = tag_of(port);
    int mode = text.empty() ? kConnectOwnName : kConnectExplicit;
    if (tag.mode == mode && tag.has_label && tag.label.text == text) return Outcome::Unchanged;
    if (!tag.has_label) tag.label = tag_label(defaults, port, "");
    tag.mode = mode;
    tag.has_label = true;
    tag.label.text = text;
    return Outcome::Done;
}

Outcome copy_tag(ui::Platform& platform, int language, const DesignDefaults& defaults,
                 Architecture& architecture, const PlacedPort& from, Point to) {
    std::optional<PlacedPort> target = find_port(architecture, to, kPickTolerance);
    if (!target) {
        refuse_not_found(platform, language, kKindPort);
        return Outcome::Refused;
    }
    const ConnectByName source = tag_of(from);
    if (source.mode == kConnectNone) return Outcome::Unchanged;
    ConnectByName& tag = tag_of(*target);
    if (tag.mode != kConnectNone) {
        refuse(platform, "Position already occupied.");
        return Outcome::Refused;
    }
    if (target->owner == PortOwner::Process && source.mode == kConnectOwnName) {
        refuse(platform,
               format_text("%s on %s must have a name.",
                           kind_name(language, kKindConnectByName, kKindCapital, 1).c_str(),
                           kind_name(language, kKindProcessPort, 0, 1).c_str()));
        return Outcome::Refused;
    }
    LabelDisplay label = source.label;
    label.anchor = tag_label(defaults, *target, "").anchor;
    tag = {source.mode, true, label};
    return Outcome::Done;
}

Outcome remove_tag(const PlacedPort& port) {
    ConnectByName& tag = tag_of(port);
    if (tag.mode == kConnectNone && !tag.has_label) return Outcome::Unchanged;
    tag = ConnectByName{};
    return Outcome::Done;
}

} // namespace zeph
