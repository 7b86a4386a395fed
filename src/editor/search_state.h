// What the search and replace commands remember between runs: the texts, the range, the
// direction and the options of the last Find or Replace dialog, and which of the two ran last, so
// that FindNextText repeats it.
#pragma once

#include <string>

namespace zped {

// Longest search or replacement text.
inline constexpr std::size_t kMaxSearchText = 255;

enum class SearchRange { EntireText, FromCursor, SelectedText };
enum class SearchDirection { Forward, Backward };

struct SearchState {
    std::string text;        // what is searched for
    std::string replacement; // what a match is replaced by
    SearchRange range = SearchRange::FromCursor;
    SearchDirection direction = SearchDirection::Forward;
    bool case_sensitive = false;
    bool whole_words = false;
    bool replace_all = false;
    bool prompt = true;
    bool last_was_replace = false;
};

} // namespace zped
