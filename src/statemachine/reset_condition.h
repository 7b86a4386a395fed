// The condition of the reset transition: blanks, a signal name, "=" (in Verilog also "=="),
// blanks and a value of at most 16 characters: '0' or '1' in single quotes, False or True, or
// an integer value. Written back without blanks as name, "=" ("==" in Verilog) and value.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zeph {

struct ResetCondition {
    std::string signal;
    std::string value;
    bool active_low = false; // the value is 0 or False
    std::string text;        // the rewritten text
};

// The condition when the text is a legal reset condition under the name rules and the
// language, else nothing.
std::optional<ResetCondition> parse_reset_condition(std::string_view text, int rules, bool verilog);

} // namespace zeph
