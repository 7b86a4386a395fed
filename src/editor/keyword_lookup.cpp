// Keyword and expander lookup for line colouring.
#include "editor/keyword_lookup.h"

#include "foundation/strings.h"

#include <algorithm>

namespace zped {

namespace {

using zeph::lower_ascii;

bool all_word_chars(std::string_view text) {
    return std::all_of(text.begin(), text.end(), is_word_char);
}

bool begins_with(std::string_view text, std::string_view prefix, bool case_sensitive) {
    if (prefix.size() > text.size()) return false;
    if (case_sensitive) return text.substr(0, prefix.size()) == prefix;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (lower_ascii(text[i]) != lower_ascii(prefix[i])) return false;
    return true;
}

} // namespace

void KeywordLookup::build(const std::array<std::vector<std::string>, 5>& keywords,
                          bool case_sensitive, std::vector<std::string> expander_words) {
    case_sensitive_ = case_sensitive;
    for (std::size_t c = 0; c < keywords.size(); ++c) {
        words_[c].clear();
        phrases_[c].clear();
        for (const std::string& keyword : keywords[c]) {
            // Only a keyword that starts with a letter can ever match.
            if (keyword.empty() || !is_letter(keyword[0])) continue;
            std::string key = case_sensitive ? keyword : zeph::to_lower_ascii(keyword);
            (all_word_chars(key) ? words_[c] : phrases_[c]).push_back(std::move(key));
        }
        std::sort(words_[c].begin(), words_[c].end());
        std::stable_sort(
            phrases_[c].begin(), phrases_[c].end(),
            [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
    }
    expander_words_ = std::move(expander_words);
    std::sort(expander_words_.begin(), expander_words_.end());
    longest_expander_ = 0;
    for (const std::string& word : expander_words_)
        longest_expander_ = std::max(longest_expander_, word.size());
}

KeywordMatch KeywordLookup::keyword_at(std::string_view line, std::size_t pos) const {
    std::size_t end = pos;
    while (end < line.size() && is_word_char(line[end]))
        ++end;
    std::size_t length = end - pos;
    if (length == 0) return {};
    // The word at pos, in lower case when case does not matter; lines hold at most 255 bytes
    // but a fuzzed caller may pass more.
    char folded[256];
    std::string_view word = line.substr(pos, length);
    if (!case_sensitive_ && length < sizeof folded) {
        for (std::size_t i = 0; i < length; ++i)
            folded[i] = lower_ascii(word[i]);
        word = std::string_view(folded, length);
    }
    std::string_view rest = line.substr(pos);
    for (std::size_t c = 0; c < words_.size(); ++c) {
        for (const std::string& phrase : phrases_[c])
            if (begins_with(rest, phrase, case_sensitive_) &&
                (phrase.size() == rest.size() || !is_word_char(rest[phrase.size()])))
                return {static_cast<int>(c) + 1, static_cast<int>(phrase.size())};
        const std::vector<std::string>& list = words_[c];
        if (!case_sensitive_ && length >= sizeof folded) {
            std::string long_word = zeph::to_lower_ascii(line.substr(pos, length));
            if (std::binary_search(list.begin(), list.end(), long_word))
                return {static_cast<int>(c) + 1, static_cast<int>(length)};
            continue;
        }
        auto it = std::lower_bound(list.begin(), list.end(), word,
                                   [](const std::string& a, std::string_view b) { return a < b; });
        if (it != list.end() && *it == word)
            return {static_cast<int>(c) + 1, static_cast<int>(length)};
    }
    return {};
}

bool KeywordLookup::is_expander_word(std::string_view text) const {
    if (text.size() > longest_expander_ || expander_words_.empty()) return false;
    auto it = std::lower_bound(expander_words_.begin(), expander_words_.end(), text,
                               [](const std::string& a, std::string_view b) { return a < b; });
    return it != expander_words_.end() && *it == text;
}

} // namespace zped
