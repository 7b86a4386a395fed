// The lookup that line colouring asks at every word: which keyword category (if any) has a
// keyword at a position, and whether the rest of a line is an expander word. Built once from a
// language's lists, so that colouring a line does no allocation.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace zped {

// Letters, digits and "_" continue a word; a keyword must not be followed by one.
inline bool is_letter(char ch) {
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z');
}
inline bool is_digit(char ch) {
    return ch >= '0' && ch <= '9';
}
inline bool is_word_char(char ch) {
    return is_letter(ch) || is_digit(ch) || ch == '_';
}

struct KeywordMatch {
    int category = 0; // 1..5; 0 when no keyword begins here
    int length = 0;
};

class KeywordLookup {
  public:
    void build(const std::array<std::vector<std::string>, 5>& keywords, bool case_sensitive,
               std::vector<std::string> expander_words);

    // The first category (1 to 5) with a keyword that the text at `pos` begins with and that
    // is not followed by a letter, digit or "_"; within a category the longest such keyword.
    KeywordMatch keyword_at(std::string_view line, std::size_t pos) const;

    bool is_expander_word(std::string_view text) const;

  private:
    bool case_sensitive_ = true;
    // Keywords made only of word characters, compared with the whole word at a position
    // (lower case when case does not matter), sorted.
    std::array<std::vector<std::string>, 5> words_;
    // The few keywords with other characters ("end if"), tried by prefix, longest first.
    std::array<std::vector<std::string>, 5> phrases_;
    std::vector<std::string> expander_words_; // sorted
    std::size_t longest_expander_ = 0;
};

} // namespace zped
