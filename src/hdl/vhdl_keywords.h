// The VHDL reserved words, which are also the generator's keyword table: stored in upper
// case and rewritten in place by the design's keyword case before every VHDL generation run.
#pragma once

#include <string_view>

namespace zeph {

inline constexpr int kKeywordLower = 0;
inline constexpr int kKeywordUpper = 1;
inline constexpr int kKeywordCapitalized = 2;

// The keyword in the case last applied ("ENTITY" gives "entity" after lower case). A word that
// is not in the table comes back unchanged.
const char* vhdl_keyword(std::string_view upper_word);

void apply_keyword_case(int keyword_case);

// Table lookups, ignoring case.
bool is_vhdl_reserved(std::string_view word);
bool is_vhdl93_reserved(std::string_view word);
bool is_verilog_reserved(std::string_view word); // exact case

int vhdl_keyword_count();
int vhdl93_keyword_count();
int verilog_keyword_count();

} // namespace zeph
