// Positions in an edit buffer: a line index and a byte column, plus the display column that a
// byte column becomes once tabs are expanded. They are separate types so that a byte column is
// never passed where a display column is meant.
#pragma once

#include <compare>
#include <cstddef>
#include <string_view>

namespace zped {

// Longest line an edit buffer holds, in bytes.
inline constexpr int kMaxLineLength = 255;

struct TextPosition {
    int line = 0;   // 0-based line index
    int column = 0; // 0-based byte index into the line
    auto operator<=>(const TextPosition&) const = default;
};

// A column on the screen, counted after tab expansion.
struct DisplayColumn {
    int value = 0;
    auto operator<=>(const DisplayColumn&) const = default;
};

// Number of "\n" in a text.
int count_newlines(std::string_view text);

// Where a text inserted at `start` ends: one line further per "\n"; the column is start's column
// plus the length without "\n", else the length of the part after the last "\n".
TextPosition end_of_inserted(TextPosition start, std::string_view text);

} // namespace zped
