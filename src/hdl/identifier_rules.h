// The rules every typed name must pass: legal VHDL and Verilog identifiers, the reserved words
// of VHDL, VHDL 93 and Verilog, the name equality rule, integer values and state-code
// characters. `rules` is the design's "language checking" bit set.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zeph {

inline constexpr int kRulesVhdl = 1;
inline constexpr int kRulesVerilog = 2;
inline constexpr int kRulesBoth = 3;

// Limit given to the names of design objects.
inline constexpr std::size_t kHdlNameLimit = 32;

bool is_vhdl_identifier(std::string_view name);
bool is_verilog_identifier(std::string_view name);

// 0 when the name is legal, else 40, 41, 42, 45 or 47 (the message numbers). max_length 0
// means no limit.
int check_identifier(std::string_view name, std::size_t max_length, int rules);

// 40 (VHDL), 41 (VHDL 93), 42 (Verilog) or 0, under the given rules.
int reserved_word_code(std::string_view name, int rules);

// Exact with Verilog rules on, ignoring ASCII case with VHDL rules only.
bool names_equal(std::string_view a, std::string_view b, int rules);

// Reads an integer value ("( - 1_000 )"); on success the text becomes its decimal form
// ("-1000") and the value is stored.
bool normalise_integer(std::string& text, int* value = nullptr);

// True at the first character that may not stand in a state code under the rules.
bool state_code_is_illegal(std::string_view text, bool strict, int rules);

} // namespace zeph
