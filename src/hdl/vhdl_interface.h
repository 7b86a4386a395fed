// Generics and ports of a VHDL entity or component declaration, and the pieces of a port line
// that signal declarations and the copies in HDL files share.
#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace zeph {

struct Design;
struct Entity;
struct HdlContext;
struct Port;
struct Range;

// "(7 DOWNTO 0)": left, DOWNTO or TO by the direction, right; "" without a range.
std::string vhdl_range_text(const HdlContext& context, const Range& range);

// What follows the mode in a port line (or the name column in a signal declaration): the type
// after one blank, the range, " BUS" or " REGISTER", and " := value".
std::string vhdl_type_and_value(const HdlContext& context, std::string_view type_name,
                                const Range& range, int signal_kind,
                                std::string_view default_value);

// " %-6s" with the mode keyword, then the type and value part.
std::string vhdl_port_body(const HdlContext& context, const Port& port);

// " -- Clock" for a special function and " -- text" for a comment, in this order.
std::string port_comments(const Port& port, int language);

// "%-*s :" with the name; an unnamed port shows "?".
std::string name_column(std::string_view name, std::size_t width);

// Width of the name column: the longest name (an unnamed port counts as "?").
std::size_t longest_port_name(const std::vector<const Port*>& ports);
std::size_t longest_port_name(const Entity& entity);
std::size_t longest_generic_name(const Entity& entity);

// "  GENERIC(" and "  PORT(" lists, the closing parenthesis on the last element's line.
// With `commented` every line starts with "--".
void write_generics_and_ports(std::ostream& out, const HdlContext& context, const Entity& entity,
                              bool commented);

} // namespace zeph
