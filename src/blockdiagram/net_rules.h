// The rules a net's signal properties follow: the design's default types, the built-in type
// names, legal range and default values, and the comparison of two nets' types and ranges.
#pragma once

#include "design/port.h"
#include "hdl/identifier_rules.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace zeph {

struct Design;

// What the net code needs of the design and the settings; built by the caller so that the
// net code never reads the shell's settings itself.
struct NetRules {
    int rules = kRulesVhdl;          // the design's language checking (name equality, identifiers)
    int language = 1;                // 1 VHDL, 2 Verilog
    bool type_checks = true;         // false: "Disable type and range checks" is on
    std::string scalar_type = "Bit"; // default type of ordinary nets and ports
    std::string bus_type = "Bit_Vector"; // default type of buses and ranged ports
};

// The rules of a design; `disable_type_checks` is the environment option.
NetRules net_rules(const Design& design, bool disable_type_checks);

inline constexpr std::array<const char*, 8> kBuiltinTypeNames = {
    "Bit", "Bit_Vector", "Boolean", "Integer", "Natural", "Positive", "Time", "UserDefined"};

// A type name equal to a built-in one ignoring case takes the built-in spelling.
std::string normalise_type_name(std::string_view type_name);

// The type a net or port really has: its own name, else the default for its bus flag.
std::string effective_type_name(std::string_view type_name, bool bus, const NetRules& rules);

// Types differ when the bus flags are equal and the effective names are not, or when the bus
// flags differ and the names are equal (under the design's name rule).
bool types_differ(std::string_view type_a, bool bus_a, std::string_view type_b, bool bus_b,
                  const NetRules& rules);
// Ranges differ when the bus flags differ, or both are buses with different left or right
// texts (ignoring case).
bool ranges_differ(bool bus_a, const Range& a, bool bus_b, const Range& b);

// A range value is an integer (rewritten to its decimal form) or a name that verification can
// resolve (a legal identifier).
bool normalise_range_value(std::string& text, int rules);

// A default value for a type: empty is always legal; the built-in scalar types accept their
// literals ('0'/'1', true/false, integers within the subtype); other types are not judged here.
bool default_value_is_legal(std::string_view value, std::string_view effective_type);

// A value of a generic of type 1 to 8 (the generic record's type): a bit string in double
// quotes for "Bit_Vector", a non-negative integer with an optional unit for "Time", anything
// for a user-defined type, the literals of the built-in scalar types otherwise. Every Verilog
// parameter is an integer.
bool generic_value_is_legal(std::string_view value, int type, bool verilog);

// The number of elements of a range whose bounds are integers; nullopt when a bound is not.
std::optional<int> integer_range_width(const Range& range);

} // namespace zeph
