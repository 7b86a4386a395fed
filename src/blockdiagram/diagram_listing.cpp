// The listing of a block diagram.
#include "blockdiagram/diagram_listing.h"

#include "blockdiagram/connect_by_name.h"
#include "blockdiagram/net_lookup.h"
#include "blockdiagram/port_geometry.h"
#include "blockdiagram/sheet_sizes.h"
#include "blockdiagram/symbol_geometry.h"
#include "design/block_diagram.h"
#include "design/entity.h"
#include "foundation/message_table.h"
#include "foundation/strings.h"

namespace zeph {

namespace {
constexpr const char* kSideWords[] = {"none", "bottom", "right", "top", "left"};

const char* side_word(int side) {
    return side >= 0 && side <= 4 ? kSideWords[side] : "none";
}

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::string range_text(const Range& range) {
    if (!range.has_range) return "";
    return format_text(" (%s %s %s)", range.left.c_str(),
                       range.direction == kDirectionTo ? "to" : "downto", range.right.c_str());
}

std::string port_details(const Port& port) {
    std::string text = format_text(" %s", mode_word(port.mode));
    if (!port.type_name.empty()) text += " type " + port.type_name;
    text += range_text(port.range);
    if (port.special_function != kFunctionNone)
        text += std::string(" ") + special_function_word(port.special_function);
    return text;
}

std::string tag_text(const ConnectByName& tag) {
    switch (tag.mode) {
    case kConnectExplicit:
        return " tag " + quoted(tag.label.text);
    case kConnectOwnName:
        return " tag (own name)";
    default:
        return "";
    }
}

std::string point_text(Point p) {
    return format_text("%d %d", p.x, p.y);
}

void list_interface(Architecture& architecture, std::vector<std::string>& lines) {
    Entity& entity = *architecture.entity;
    lines.push_back(format_text("entity %s symbol %d x %d", entity.name.c_str(),
                                entity.symbol_width, entity.symbol_height));
    for (std::size_t i = 0;
         i < entity.generics.size() && i < architecture.generic_placements.size(); ++i) {
        const Generic& generic = *entity.generics[i];
        std::string line =
            format_text("generic %s at %s", generic.name.c_str(),
                        point_text(architecture.generic_placements[i].position).c_str());
        if (!generic.default_value.empty()) line += " default " + quoted(generic.default_value);
        lines.push_back(line);
    }
    for (const PlacedPort& port : placed_ports(architecture)) {
        if (port.owner != PortOwner::Diagram) continue;
        lines.push_back(format_text(
            "port %s at %s connects %s%s%s", port.port->name.c_str(),
            point_text(port.placement->position).c_str(), point_text(port.connection).c_str(),
            port_details(*port.port).c_str(), tag_text(port.placement->connect_by_name).c_str()));
    }
}

void list_components(Architecture& architecture, std::vector<std::string>& lines) {
    std::vector<PlacedPort> ports = placed_ports(architecture);
    for (auto& component : architecture.block_diagram->components) {
        Box box = component_box(*component);
        std::string bound;
        if (component->bound_architecture != nullptr)
            bound = format_text(" %s(%c)", component->bound_architecture->name.c_str(),
                                kArchitectureLetters[component->bound_architecture->kind % 5]);
        lines.push_back(
            format_text("component %s %s%s box %d %d %d %d", component->name.c_str(),
                        component->entity != nullptr ? component->entity->name.c_str() : "?",
                        bound.c_str(), box.x1, box.y1, box.x2, box.y2));
        for (const PlacedPort& port : ports) {
            if (port.component != component.get()) continue;
            lines.push_back(
                format_text("  port %s %s at %s connects %s%s%s", port.port->name.c_str(),
                            side_word(port.port->side),
                            point_text(component_port_origin(*component, *port.port)).c_str(),
                            point_text(port.connection).c_str(), port_details(*port.port).c_str(),
                            tag_text(tag_of(port)).c_str()));
        }
    }
}

void list_processes(Architecture& architecture, std::vector<std::string>& lines) {
    for (auto& process : architecture.block_diagram->processes) {
        const Box& b = process->box;
        lines.push_back(format_text("process %s (%c) box %d %d %d %d", process->name.c_str(),
                                    kProcessLetters[process->kind % 3], b.x1, b.y1, b.x2, b.y2));
        for (std::size_t i = 0; i < process->ports.size(); ++i) {
            const Port& port = *process->ports[i];
            lines.push_back(format_text("  port %zu %s at %s connects %s%s%s", i,
                                        side_word(port.side), point_text(port.position).c_str(),
                                        point_text(process_port_connection(port)).c_str(),
                                        port_details(port).c_str(),
                                        tag_text(port.connect_by_name).c_str()));
        }
    }
}

void list_nets(Architecture& architecture, std::vector<std::string>& lines) {
    auto& nets = architecture.block_diagram->nets;
    for (std::size_t n = 0; n < nets.size(); ++n) {
        const Net& net = *nets[n];
        std::string line = format_text("net %zu %s", n, net_display_name(net).c_str());
        if (!net.type_name.empty()) line += " type " + net.type_name;
        if (net.bus) line += " bus" + range_text(net.range);
        lines.push_back(line);
        for (const Segment& s : net.horizontal)
            lines.push_back(format_text("  segment %d %d %d %d", s.x1, s.y1, s.x2, s.y2));
        for (const Segment& s : net.vertical)
            lines.push_back(format_text("  segment %d %d %d %d", s.x1, s.y1, s.x2, s.y2));
        for (const JunctionPoint& j : net.junctions)
            lines.push_back(format_text("  junction %d %d", j.x, j.y));
        for (std::size_t e = 0; e < net.bus_entries.size(); ++e) {
            const BusEntry& entry = *net.bus_entries[e];
            lines.push_back(format_text(
                "  entry %zu %s bus %s stub %s", e, bus_entry_label_text(entry).c_str(),
                point_text(entry.bus_point).c_str(), point_text(entry.stub_end).c_str()));
        }
    }
}
} // namespace

std::vector<std::string> diagram_listing(Architecture& architecture) {
    std::vector<std::string> lines;
    const Sheet& sheet = architecture.sheet;
    Box extent = sheet_extent(sheet);
    lines.push_back(
        format_text("diagram %s of %s, sheet \"%s\" %d x %d, grid %d%s", architecture.name.c_str(),
                    architecture.entity != nullptr ? architecture.entity->name.c_str() : "?",
                    size_table_name(sheet.size), extent.x2, extent.y2, sheet.grid_step,
                    sheet.display_grid ? " shown" : " hidden"));
    if (architecture.entity != nullptr) list_interface(architecture, lines);
    if (architecture.block_diagram != nullptr) {
        list_components(architecture, lines);
        list_processes(architecture, lines);
        list_nets(architecture, lines);
    }
    for (std::size_t i = 0; i < sheet.texts.size(); ++i)
        lines.push_back(format_text("text %zu %s at %s", i, quoted(sheet.texts[i].text).c_str(),
                                    point_text(sheet.texts[i].anchor).c_str()));
    return lines;
}

} // namespace zeph
