// Default types, built-in type names, range and default values, and net property comparison.
#include "blockdiagram/net_rules.h"

#include "design/design.h"
#include "design/generic.h"
#include "foundation/strings.h"

#include <algorithm>
#include <array>

namespace zeph {

NetRules net_rules(const Design& design, bool disable_type_checks) {
    NetRules rules;
    rules.rules = design.language_checking != 0 ? design.language_checking : kRulesVhdl;
    rules.language = design.target_language;
    rules.type_checks = !disable_type_checks;
    if (!design.vhdl_signal_type.empty()) rules.scalar_type = design.vhdl_signal_type;
    if (!design.vhdl_vector_type.empty()) rules.bus_type = design.vhdl_vector_type;
    return rules;
}

std::string normalise_type_name(std::string_view type_name) {
    std::string lower = to_lower_ascii(type_name);
    for (const char* builtin : kBuiltinTypeNames)
        if (lower == to_lower_ascii(builtin)) return builtin;
    return std::string(type_name);
}

std::string effective_type_name(std::string_view type_name, bool bus, const NetRules& rules) {
    if (!type_name.empty()) return std::string(type_name);
    return bus ? rules.bus_type : rules.scalar_type;
}

bool types_differ(std::string_view type_a, bool bus_a, std::string_view type_b, bool bus_b,
                  const NetRules& rules) {
    bool same_name = names_equal(effective_type_name(type_a, bus_a, rules),
                                 effective_type_name(type_b, bus_b, rules), rules.rules);
    return bus_a == bus_b ? !same_name : same_name;
}

bool ranges_differ(bool bus_a, const Range& a, bool bus_b, const Range& b) {
    if (bus_a != bus_b) return true;
    if (!bus_a) return false;
    return to_lower_ascii(a.left) != to_lower_ascii(b.left) ||
           to_lower_ascii(a.right) != to_lower_ascii(b.right);
}

bool normalise_range_value(std::string& text, int rules) {
    if (normalise_integer(text)) return true;
    return check_identifier(text, kHdlNameLimit, rules) == 0;
}

namespace {

bool integer_at_least(std::string_view value, long long minimum) {
    std::string text(value);
    int number = 0;
    return normalise_integer(text, &number) && number >= minimum;
}

} // namespace

bool default_value_is_legal(std::string_view value, std::string_view effective_type) {
    if (value.empty()) return true;
    std::string type = normalise_type_name(effective_type);
    if (type == "Bit") return value == "'0'" || value == "'1'";
    if (type == "Boolean") {
        std::string lower = to_lower_ascii(value);
        return lower == "true" || lower == "false";
    }
    if (type == "Integer") return integer_at_least(value, INT32_MIN);
    if (type == "Natural") return integer_at_least(value, 0);
    if (type == "Positive") return integer_at_least(value, 1);
    return true;
}

namespace {
bool bit_vector_literal(std::string_view value) {
    if (value.size() < 2 || value.front() != '"' || value.back() != '"') return false;
    return std::all_of(value.begin() + 1, value.end() - 1,
                       [](char c) { return c == '0' || c == '1' || c == '_'; });
}

bool time_value(std::string_view value) {
    static constexpr std::array<std::string_view, 8> kUnits = {"fs", "ps",  "ns",  "us",
                                                               "ms", "sec", "min", "hr"};
    std::string number(value);
    std::string unit;
    if (std::size_t blank = value.find(' '); blank != std::string_view::npos) {
        number = std::string(value.substr(0, blank));
        unit = to_lower_ascii(value.substr(blank + 1));
    }
    int n = 0;
    if (!normalise_integer(number, &n) || n < 0) return false;
    return unit.empty() || std::find(kUnits.begin(), kUnits.end(), unit) != kUnits.end();
}
} // namespace

bool generic_value_is_legal(std::string_view value, int type, bool verilog) {
    if (verilog) return default_value_is_legal(value, "Integer");
    switch (type) {
    case 2:
        return bit_vector_literal(value);
    case kGenericTypeTime:
        return time_value(value);
    case kGenericTypeUserDefined:
        return true;
    default:
        if (type < 0 || type >= kGenericTypeCount) return false;
        return default_value_is_legal(value, kGenericTypeWords[type]);
    }
}

std::optional<int> integer_range_width(const Range& range) {
    std::string left = range.left;
    std::string right = range.right;
    int l = 0;
    int r = 0;
    if (!normalise_integer(left, &l) || !normalise_integer(right, &r)) return std::nullopt;
    long long width = static_cast<long long>(l) - r;
    if (width < 0) width = -width;
    if (width + 1 > INT32_MAX) return std::nullopt;
    return static_cast<int>(width + 1);
}

} // namespace zeph
