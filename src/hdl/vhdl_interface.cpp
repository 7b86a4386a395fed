// The generic and port lists of VHDL entity and component declarations.
#include "hdl/vhdl_interface.h"

#include "design/entity.h"
#include "foundation/strings.h"
#include "hdl/hdl_context.h"
#include "hdl/netlist_text.h"
#include "hdl/value_tables.h"
#include "hdl/vhdl_keywords.h"

#include <algorithm>

namespace zeph {

namespace {
std::string_view shown_name(std::string_view name) {
    return name.empty() ? "?" : name;
}

std::string generic_line(const Generic& generic, std::size_t width, bool last) {
    std::string line = "    " + name_column(generic.name, width);
    line += ' ';
    line += generic_type_text(generic);
    if (!generic.default_value.empty()) {
        line += " := " + generic.default_value;
        const char* unit = time_unit_text(generic.default_unit);
        if (*unit != '\0') line += std::string(" ") + unit;
    }
    line += last ? " ) ;" : " ;";
    if (!generic.comment.empty()) line += std::string(" ") + comment_prefix(1) + generic.comment;
    return line;
}

std::string port_line(const HdlContext& context, const Port& port, std::size_t width, bool last) {
    std::string line = "    " + name_column(port.name, width) + vhdl_port_body(context, port);
    line += last ? " ) ;" : " ;";
    return line + port_comments(port, 1);
}
} // namespace

std::string vhdl_range_text(const HdlContext& context, const Range& range) {
    if (!range.has_range) return {};
    const char* direction = context.keyword(range.direction == kDirectionTo ? "TO" : "DOWNTO");
    return "(" + range.left + " " + direction + " " + range.right + ")";
}

std::string vhdl_type_and_value(const HdlContext& context, std::string_view type_name,
                                const Range& range, int signal_kind,
                                std::string_view default_value) {
    // Appended piece by piece: GCC 12 at -O3 reports a false -Wrestrict on " " + string.
    std::string text(1, ' ');
    text += type_text(context.design, type_name, range.has_range);
    text += vhdl_range_text(context, range);
    const char* kind = signal_kind_text(signal_kind);
    if (*kind != '\0') text.append(" ").append(kind);
    if (!default_value.empty()) text.append(" := ").append(default_value);
    return text;
}

std::string vhdl_port_body(const HdlContext& context, const Port& port) {
    return format_text(" %-6s", vhdl_mode_keyword(context.keywords, port.mode)) +
           vhdl_type_and_value(context, port.type_name, port.range, port.signal_kind,
                               port.default_value);
}

std::string port_comments(const Port& port, int language) {
    std::string text;
    const char* function = special_function_text(port.special_function);
    if (*function != '\0') text += std::string(" ") + comment_prefix(language) + function;
    if (!port.comment.empty()) text += std::string(" ") + comment_prefix(language) + port.comment;
    return text;
}

std::string name_column(std::string_view name, std::size_t width) {
    std::string shown(shown_name(name));
    return format_text("%-*s :", static_cast<int>(width), shown.c_str());
}

std::size_t longest_port_name(const std::vector<const Port*>& ports) {
    std::size_t width = 0;
    for (const Port* port : ports)
        width = std::max(width, shown_name(port->name).size());
    return width;
}

std::size_t longest_port_name(const Entity& entity) {
    std::size_t width = 0;
    for (const auto& port : entity.ports)
        width = std::max(width, shown_name(port->name).size());
    return width;
}

std::size_t longest_generic_name(const Entity& entity) {
    std::size_t width = 0;
    for (const auto& generic : entity.generics)
        width = std::max(width, generic->name.size());
    return width;
}

void write_generics_and_ports(std::ostream& out, const HdlContext& context, const Entity& entity,
                              bool commented) {
    const char* start = commented ? "--" : "";
    if (!entity.generics.empty()) {
        out << start << "  " << context.keyword("GENERIC") << "(\n";
        std::size_t width = longest_generic_name(entity);
        for (std::size_t i = 0; i < entity.generics.size(); ++i)
            out << start
                << generic_line(*entity.generics[i], width, i + 1 == entity.generics.size())
                << '\n';
    }
    if (!entity.ports.empty()) {
        out << start << "  " << context.keyword("PORT") << "(\n";
        std::size_t width = longest_port_name(entity);
        for (std::size_t i = 0; i < entity.ports.size(); ++i)
            out << start
                << port_line(context, *entity.ports[i], width, i + 1 == entity.ports.size())
                << '\n';
    }
}

} // namespace zeph
