// The VHDL reserved words, which are also the generator's keyword table: every writer of VHDL
// text takes its keywords in the design's keyword case from a table built for its run.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace zeph {

inline constexpr int kKeywordLower = 0;
inline constexpr int kKeywordUpper = 1;
inline constexpr int kKeywordCapitalized = 2;

class KeywordTable {
  public:
    explicit KeywordTable(int keyword_case);
    // The keyword in the table's case ("ENTITY" gives "entity" in lower case). A word that is
    // not in the table comes back unchanged.
    const char* keyword(const char* upper_word) const;

  private:
    std::array<std::string, 81> words_; // parallel to the reserved words of VHDL
};

// Table lookups, ignoring case.
bool is_vhdl_reserved(std::string_view word);
bool is_vhdl93_reserved(std::string_view word);
bool is_verilog_reserved(std::string_view word); // exact case

int vhdl_keyword_count();
int vhdl93_keyword_count();
int verilog_keyword_count();

} // namespace zeph
